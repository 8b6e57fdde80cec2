// A hand-edited program may hold any FreeBASIC: the reader names each line it does not understand,
// with its number, and reads the rest as if the line were not there. Each program of unknown/ is
// read to the messages beside it (NAME.txt), then what it read of the rest.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "program_reader/program_reader.h"
#include "tests/files/scratch_folder.h"

namespace tolvex::program {
namespace {

namespace fs = std::filesystem;

// The messages, then each window with its gadgets and menu entries, then the loop's Case ids.
std::string Told(const ProgramPlan& plan) {
  std::string told;
  for (const UnknownLine& unknown : plan.unknown) told += UnknownLineMessage(unknown) + "\n";
  for (const Window& window : plan.windows) {
    told += window.variable + ": " + std::to_string(window.gadgets.size()) + " gadgets, " +
            std::to_string(window.menu ? window.menu->entries.size() : 0) + " menu entries\n";
  }
  return told + std::to_string(plan.cases.size()) + " cases\n";
}

TEST(UnknownLines, EachLineTheReaderCannotFollowIsNamedWithItsNumberAndTheRestIsRead) {
  int programs = 0;
  for (const auto& entry : fs::directory_iterator(TOLVEX_UNKNOWN_LINES_DIR)) {
    if (entry.path().extension() != ".bas") continue;
    ++programs;
    fs::path expected = entry.path();
    ASSERT_TRUE(fs::exists(expected.replace_extension(".txt"))) << expected;
    EXPECT_EQ(Told(ReadProgram(testing::BytesOf(entry.path().string()))),
              testing::BytesOf(expected.string()))
        << entry.path();
  }
  EXPECT_GE(programs, 4);
}

}  // namespace
}  // namespace tolvex::program
