// The file operations as the loader and the settings code use them: open, test for the end, read
// lines, write texts.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tests/files/scratch_folder.h"
#include "toolkit/files.h"

namespace tolvex::testing {
namespace {

using Lines = std::vector<std::string>;

// Reads the way the program does: test for the end first, then read a line.
Lines ReadAllLines(FileHandle handle) {
  Lines lines;
  while (E_O_F(handle) == 0) lines.push_back(files::ReadLine(handle));
  return lines;
}

TEST(ReadString, SplitsLinesAtLineFeedAndDropsEveryCarriageReturn) {
  const std::string longLine(3000, 'x');  // longer than any single block the reader takes
  const struct {
    const char* what;
    std::string bytes;
    Lines lines;
  } cases[] = {
      {"CR LF ends", "a\r\nb\r\n", {"a", "b"}},
      {"last line without line end", "a\r\nb", {"a", "b"}},
      {"LF only", "a\nb", {"a", "b"}},
      {"lone CR inside a line", "a\rb\n", {"ab"}},
      {"two empty lines", "\r\n\r\n", {"", ""}},
      {"lone CR as the whole file", "\r", {""}},
      {"empty file", "", {}},
      // A text result ends at its first NUL; the rest of that line is read all the same.
      {"high bytes kept, a NUL ends the text",
       std::string("x\0y\xff\x80\n\xff\x7f", 8),
       {"x", "\xff\x7f"}},
      {"long line", longLine + "\r\nz", {longLine, "z"}},
  };
  ScratchFolder folder;
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    WriteBytes(folder / "lines.txt", c.bytes);
    const FileHandle handle = READ_FILE((folder / "lines.txt").c_str(), kNormalFile);
    ASSERT_NE(handle, kBadFile);
    EXPECT_EQ(E_O_F(handle), c.bytes.empty() ? 1 : 0);
    EXPECT_EQ(ReadAllLines(handle), c.lines);
    EXPECT_EQ(E_O_F(handle), 1);
    EXPECT_EQ(files::ReadLine(handle), "") << "a read at the end gives the empty text";
    EXPECT_EQ(files::ReadLine(handle), "");
    EXPECT_EQ(CLOSE_FILE(handle), 1);
  }
}

TEST(ReadString, LargeScriptReadsInBlocksAndThePositionFollowsEveryLine) {
  // 10 MB of mixed line lengths and line ends, one line longer than a megabyte.
  std::string bytes;
  std::vector<long long> ends, positions;
  for (int i = 0; bytes.size() < 10u * 1000 * 1000; ++i) {
    bytes.append(i == 700 ? size_t{1} << 21 : static_cast<size_t>(i * 37 % 300),
                 static_cast<char>('A' + i % 26));
    bytes += i % 3 == 0 ? "\n" : i % 3 == 1 ? "\r\n" : "\r\r\n";
    ends.push_back(static_cast<long long>(bytes.size()));
  }
  ScratchFolder folder;
  WriteBytes(folder / "large.rc", bytes);
  const FileHandle handle = READ_FILE((folder / "large.rc").c_str(), kNormalFile);
  ASSERT_NE(handle, kBadFile);
  const std::optional<long long> readsBefore = ReadCallsSoFar();
  long long lengths = 0;
  while (E_O_F(handle) == 0 && positions.size() < ends.size()) {
    lengths += static_cast<long long>(files::ReadLine(handle).size());
    positions.push_back(files::Position(handle));
  }
  EXPECT_TRUE(positions == ends) << "after each line the position is where the line ends";
  EXPECT_EQ(E_O_F(handle), 1);
  if (readsBefore) {
    // A line costs a read of a block or two (a long one a few more), never a read per byte.
    EXPECT_LE(*ReadCallsSoFar() - *readsBefore, 2 * static_cast<long long>(ends.size()) + 100);
  }
  EXPECT_GT(lengths, 9 * 1000 * 1000);
  CLOSE_FILE(handle);
}

TEST(ReadFile, FileThatCannotBeOpenedGivesTheBadHandleWithNoLines) {
  ScratchFolder folder;
  for (const std::string& name : {folder / "missing.rc", folder.path().string()}) {
    SCOPED_TRACE(name);
    const FileHandle handle = READ_FILE(name.c_str(), kNormalFile);
    EXPECT_EQ(handle, kBadFile);
    EXPECT_EQ(E_O_F(handle), 1);
    EXPECT_EQ(files::ReadLine(handle), "");
    EXPECT_EQ(ReadAllLines(handle), Lines{});
  }
}

TEST(WriteString, WritesTheTextUnchangedAndAnEmptyTextWritesNothing) {
  ScratchFolder folder;
  const std::string path = folder / "out.bas";
  WriteBytes(path, "previous contents");
  FileHandle handle = CREATE_FILE(path.c_str(), kNormalFile);
  ASSERT_NE(handle, kBadFile);
  EXPECT_EQ(WRITE_STRING(handle, ""), 1);
  EXPECT_EQ(CLOSE_FILE(handle), 1);
  EXPECT_EQ(BytesOf(path), "") << "creating empties an existing file";

  handle = CREATE_FILE(path.c_str(), kNormalFile);
  EXPECT_EQ(WRITE_STRING(handle, "a\r\n"), 1);
  EXPECT_EQ(WRITE_STRING(handle, "\xe9 b"), 1);
  EXPECT_EQ(WRITE_STRING(handle, ""), 1);
  CLOSE_FILE(handle);
  EXPECT_EQ(BytesOf(path), "a\r\n\xe9 b") << "no line end is added";

  EXPECT_EQ(CREATE_FILE((folder / "no-such-folder/out.bas").c_str(), kNormalFile), kBadFile);
  EXPECT_EQ(WRITE_STRING(kBadFile, "x"), 0);
}

TEST(CurrentDir, IsTheProcessCurrentDirectoryWithoutBlanksAtItsEnds) {
  EXPECT_EQ(files::CurrentFolder(), std::filesystem::current_path().string());
  // A folder whose name ends with a blank (Windows drops such a blank when it makes the folder).
  ScratchFolder folder;
  const std::filesystem::path before = std::filesystem::current_path();
  std::filesystem::create_directory(folder.path() / "edged ");
  std::filesystem::current_path(folder.path() / "edged ");
  const std::string seen = std::filesystem::current_path().string();
  EXPECT_EQ(files::CurrentFolder(), seen.substr(0, seen.find_last_not_of(' ') + 1));
  std::filesystem::current_path(before);
}

}  // namespace
}  // namespace tolvex::testing
