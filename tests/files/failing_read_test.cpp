// A script whose reading fails half-way, as a disk or network share can: linked with the system's
// read wrapped (-Wl,--wrap=read), so that the test decides where reading fails.
#include <gtest/gtest.h>

#include <cerrno>
#include <string>
#include <vector>

#include <unistd.h>

#include "app/script_loader.h"
#include "tests/files/scratch_folder.h"

namespace {
// Reads of files fail with EIO once this many bytes were read; negative: never.
long long failAfter = -1;
long long readSoFar = 0;
}  // namespace

extern "C" ssize_t __real_read(int fd, void* buffer, size_t size);
extern "C" ssize_t __wrap_read(int fd, void* buffer, size_t size) {
  if (fd > 2 && failAfter >= 0 && readSoFar >= failAfter) {
    errno = EIO;
    return -1;
  }
  const ssize_t got = __real_read(fd, buffer, size);
  if (got > 0 && fd > 2) readSoFar += got;
  return got;
}

namespace tolvex::testing {
namespace {

TEST(ScriptLoader, ScriptWhoseReadFailsHalfWayLoadsNothing) {
  ScratchFolder folder;
  std::string bytes;
  for (int i = 0; i < 100000; ++i) bytes += "  CONTROL \"x\",IDC_BTN1,\"Button\",0x1,1,2,3,4\r\n";
  WriteBytes(folder / "script.rc", bytes);
  PackedLines lines;
  readSoFar = 0;
  failAfter = static_cast<long long>(bytes.size() / 2);
  const bool loaded = ReadScriptLines(folder / "script.rc", lines);
  failAfter = -1;
  EXPECT_FALSE(loaded);
  EXPECT_TRUE(lines.empty()) << "no part of the script is loaded";

  EXPECT_TRUE(ReadScriptLines(folder / "script.rc", lines)) << "the same script read whole";
  EXPECT_EQ(lines.size(), 100000u);
}

}  // namespace
}  // namespace tolvex::testing
