// The two listing rules every .bas keeps, the file's line ends, and the packed program lines.
#include <gtest/gtest.h>

#include <string>

#include "generator/program_text.h"

namespace tolvex {
namespace {

using namespace std::string_literals;

TEST(ProgramText, EmptyLinesAreOneBlankAndALineEndsAtItsFirstNul) {
  EXPECT_EQ(ListedLine(""), " ");
  EXPECT_EQ(ListedLine("a\0b"s), "a");
  EXPECT_EQ(ListedLine("\0b"s), " ");
  EXPECT_EQ(ListedLine("  x "), "  x ");
  EXPECT_EQ(ProgramBytes({"a", "", "b\0c"s}), "a\r\n \r\nb\r\n\r\n");
  EXPECT_EQ(ProgramBytes({}), "\r\n");
}

// Lines of every length, across the blocks and larger than one, come back as they went in, each
// readable as a C string; a copy holds the same lines in blocks of its own.
TEST(ProgramText, PackedLinesKeepEveryLineWholeAcrossBlocks) {
  std::vector<std::string> written;
  PackedLines lines;
  for (size_t i = 0; i < 3000; ++i) {
    std::string line(i % 700, static_cast<char>('a' + i % 26));
    if (i % 97 == 0) line = "x\0y"s;
    if (i == 1500) line.assign((size_t{1} << 20) + 5, 'L');
    lines.push_back(line);
    written.push_back(line);
  }
  ASSERT_EQ(lines.size(), written.size());
  for (size_t i = 0; i < written.size(); ++i) {
    ASSERT_EQ(lines[i], written[i]) << i;
    ASSERT_EQ(lines[i].data()[lines[i].size()], '\0') << i;
  }
  EXPECT_EQ(lines.Copied(), written);
  PackedLines copy = lines;
  EXPECT_EQ(copy, lines);
  EXPECT_NE(copy[1].data(), lines[1].data());
  copy.push_back("");
  EXPECT_NE(copy, lines);

  PackedLines moved = std::move(copy);
  EXPECT_EQ(moved.size(), lines.size() + 1);
  copy.push_back("again");  // NOLINT(bugprone-use-after-move): left empty and usable
  EXPECT_EQ(copy.Copied(), std::vector<std::string>{"again"});
}

}  // namespace
}  // namespace tolvex
