// The two listing rules every .bas keeps, and the file's line ends.
#include <gtest/gtest.h>

#include "generator/program_text.h"

namespace tolvex {
namespace {

TEST(ProgramText, EmptyLinesAreOneBlankAndALineEndsAtItsFirstNul) {
  using namespace std::string_literals;
  EXPECT_EQ(ListedLine(""), " ");
  EXPECT_EQ(ListedLine("a\0b"s), "a");
  EXPECT_EQ(ListedLine("\0b"s), " ");
  EXPECT_EQ(ListedLine("  x "), "  x ");
  EXPECT_EQ(ProgramBytes({"a", "", "b\0c"s}), "a\r\n \r\nb\r\n\r\n");
  EXPECT_EQ(ProgramBytes({}), "\r\n");
}

}  // namespace
}  // namespace tolvex
