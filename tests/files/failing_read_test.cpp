// A script whose reading fails half-way, as a disk or network share can: linked with the system's
// read wrapped (-Wl,--wrap=read), so that the test decides where reading fails.
#include <gtest/gtest.h>

#include <cerrno>
#include <string>

#include <unistd.h>

#include "app/headless_main_window.h"
#include "app/script_loader.h"
#include "conversion/main_window_ids.h"
#include "tests/files/scratch_folder.h"
#include "toolkit/gadget_ops.h"

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
  OpenHeadlessMainWindow();
  ClearForLoad();
  readSoFar = 0;
  failAfter = static_cast<long long>(bytes.size() / 2);
  const bool loaded = ReadScriptIntoListing(folder / "script.rc");
  failAfter = -1;
  EXPECT_FALSE(loaded);
  EXPECT_EQ(CountItemListBox(kSourceListing), 0) << "no part of the script is loaded";

  EXPECT_TRUE(ReadScriptIntoListing(folder / "script.rc")) << "the same script read whole";
  EXPECT_EQ(CountItemListBox(kSourceListing), 100000);
}

}  // namespace
}  // namespace tolvex::testing
