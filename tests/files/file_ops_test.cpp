// The file operations as the loader and the settings code use them: open, test for the end, read
// lines, write texts; and the script loader's lines.
#include <gtest/gtest.h>

#include <algorithm>
#include <limits>
#include <string>
#include <vector>

#include "app/script_loader.h"
#include "tests/files/scratch_folder.h"
#include "toolkit/files.h"

namespace tolvex::testing {
namespace {

using Lines = std::vector<std::string>;

namespace fs = std::filesystem;

// Reads the way the program does: test for the end first, then read a line.
Lines ReadAllLines(FileHandle handle) {
  Lines lines;
  while (E_O_F(handle) == 0) lines.push_back(files::ReadLine(handle));
  return lines;
}

// The lines of text, each ending in LF.
Lines LinesOf(const std::string& text) {
  Lines lines;
  for (size_t at = 0, end; (end = text.find('\n', at)) != std::string::npos; at = end + 1) {
    lines.push_back(text.substr(at, end - at));
  }
  return lines;
}

// Each NAME.in of lines/ read as lines: by the file operations, testing for the end first, as
// NAME.read says (every carriage return dropped, a text ending at its first NUL), and by the
// script loader as NAME.loaded says (UTF-8 and UTF-16 marks decoded); each line there ends in LF.
TEST(ReadLines, EachFileGivesItsExpectedLines) {
  const fs::path folder = fs::path(TOLVEX_TESTS_DIR) / "files" / "lines";
  int read = 0, loaded = 0;
  for (const fs::path& in : FilesOf({folder}, ".in")) {
    const std::string base = (folder / in.stem()).string(), bytes = BytesOf(base + ".in");
    SCOPED_TRACE(base);
    EXPECT_TRUE(fs::exists(base + ".read") || fs::exists(base + ".loaded")) << "nothing expected";
    if (fs::exists(base + ".read")) {
      ++read;
      const FileHandle handle = READ_FILE((base + ".in").c_str(), kNormalFile);
      ASSERT_NE(handle, kBadFile);
      EXPECT_EQ(E_O_F(handle), bytes.empty() ? 1 : 0);
      EXPECT_EQ(ReadAllLines(handle), LinesOf(BytesOf(base + ".read")));
      EXPECT_EQ(E_O_F(handle), 1);
      EXPECT_EQ(files::ReadLine(handle), "") << "a read at the end gives the empty text";
      EXPECT_EQ(files::ReadLine(handle), "");
      EXPECT_EQ(CLOSE_FILE(handle), 1);
    }
    if (fs::exists(base + ".loaded")) {
      ++loaded;
      PackedLines lines;
      EXPECT_TRUE(ReadScriptLines(base + ".in", lines));
      EXPECT_EQ(lines.Copied(), LinesOf(BytesOf(base + ".loaded")));
    }
  }
  EXPECT_GE(read, 9);
  EXPECT_GE(loaded, 13);
}

// Both readers read a large script in blocks: the file operations a block or two a line, the
// loader a few blocks in all.
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
  bytes += "CONTROL last line";
  ends.push_back(static_cast<long long>(bytes.size()));
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

  PackedLines lines;
  if (!ReadCallsSoFar()) GTEST_SKIP() << "this platform does not count a process's reads";
  // Under Wine the count takes in the reads of Wine's own threads too: the quieter of two loads
  // is the loader's.
  long long fewest = std::numeric_limits<long long>::max();
  for (int load = 0; load < 2; ++load) {
    const long long before = *ReadCallsSoFar();
    EXPECT_TRUE(ReadScriptLines(folder / "large.rc", lines));
    fewest = std::min(fewest, *ReadCallsSoFar() - before);
  }
  EXPECT_LE(fewest, 50) << bytes.size() << " bytes";
  ASSERT_EQ(lines.size(), ends.size());
  EXPECT_EQ(lines[lines.size() - 1], "CONTROL last line");
}

TEST(ReadFile, FileThatCannotBeOpenedGivesTheBadHandleWithNoLinesAndLoadsNothing) {
  ScratchFolder folder;
  for (const std::string& name : {folder / "missing.rc", folder.path().string()}) {
    SCOPED_TRACE(name);
    const FileHandle handle = READ_FILE(name.c_str(), kNormalFile);
    EXPECT_EQ(handle, kBadFile);
    EXPECT_EQ(E_O_F(handle), 1);
    EXPECT_EQ(files::ReadLine(handle), "");
    EXPECT_EQ(ReadAllLines(handle), Lines{});
    PackedLines lines = {"stale"};
    EXPECT_FALSE(ReadScriptLines(name, lines));
    EXPECT_TRUE(lines.empty());
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
