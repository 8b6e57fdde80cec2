// The two listing rules every .bas keeps, the file's line ends, and the packed program lines.
#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <utility>

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
  EXPECT_EQ(ProgramBytes(PackedLines()), "\r\n");
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
    if (i % 5 == 0) {
      // The same line joined where it is kept, from pieces an empty one among them.
      const std::string_view whole(line);
      const size_t half = whole.size() / 2;
      lines.push_back(shapes::LinePieces<3>{whole.substr(0, half), "", whole.substr(half)});
    } else {
      lines.push_back(line);
    }
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

  // Lines borrowed from one buffer, long ones among them, interleaved with lines of their own.
  std::string buffer;
  std::vector<std::pair<size_t, size_t>> spans;
  for (size_t i = 0; i < 2000; ++i) {
    const size_t length = i == 900 ? (size_t{3} << 19) : i * 37 % 1500;
    spans.emplace_back(buffer.size(), length);
    buffer.append(length, static_cast<char>('A' + i % 26));
    buffer += "\r\n";
  }
  PackedLines mixed;
  std::vector<std::string> mixedLines;
  for (size_t i = 0; i < spans.size(); ++i) {
    const std::string_view borrowed(buffer.data() + spans[i].first, spans[i].second);
    mixed.push_back_borrowed(borrowed);
    mixedLines.emplace_back(borrowed);
    if (i % 3 == 0) {
      mixed.push_back(written[i]);
      mixedLines.push_back(written[i]);
    }
  }
  ASSERT_EQ(mixed.Copied(), mixedLines);
  EXPECT_EQ(mixed[0].data(), buffer.data());

  // Lines taken over from others keep their bytes; lines added after them go on whole.
  PackedLines joined{"first"};
  joined.append(std::move(moved));
  joined.push_back("last");
  joined.append(std::move(mixed));
  joined.push_back("end");
  EXPECT_TRUE(moved.empty() && mixed.empty());  // NOLINT(bugprone-use-after-move)
  std::vector<std::string> expected{"first"};
  expected.insert(expected.end(), written.begin(), written.end());
  expected.insert(expected.end(), {"", "last"});
  expected.insert(expected.end(), mixedLines.begin(), mixedLines.end());
  expected.push_back("end");
  EXPECT_EQ(joined.Copied(), expected);
}

// A large program goes out in pieces of whole lines, each a C string; together they are the
// file's bytes, and a taker that stops them stops them there.
TEST(ProgramText, AProgramsPiecesAreItsBytesInWholeLines) {
  PackedLines lines;
  std::string expected;
  for (size_t i = 0; i < 20000; ++i) {
    std::string line(i % 40, 'p');
    if (i == 7000) line.assign(100000, 'L');  // longer than a piece
    lines.push_back(line);
    expected += (line.empty() ? " " : line) + "\r\n";
  }
  expected += "\r\n";
  std::vector<std::string> pieces;
  EXPECT_TRUE(ProgramPieces(lines)([&](std::string_view piece) {
    EXPECT_EQ(piece.data()[piece.size()], '\0');
    EXPECT_EQ(piece.substr(piece.size() - 2), "\r\n");
    pieces.emplace_back(piece);
    return true;
  }));
  ASSERT_GT(pieces.size(), 4u);
  std::string joined;
  for (const std::string& piece : pieces) {
    EXPECT_TRUE(piece.size() <= (size_t{1} << 16) || piece.find("\r\n") == piece.size() - 2);
    joined += piece;
  }
  EXPECT_TRUE(joined == expected);
  EXPECT_TRUE(ProgramBytes(lines) == expected);

  int taken = 0;
  EXPECT_FALSE(ProgramPieces(lines)([&](std::string_view) { return ++taken < 2; }));
  EXPECT_EQ(taken, 2);

  // The same lines as parts, some made again at every reading from what they keep: the same
  // bytes every time, and a refusal stops a made part too.
  const size_t cut = 7001;
  PackedLines head, tail;
  for (size_t i = 0; i < lines.size(); ++i) (i < cut ? head : tail).push_back(lines[i]);
  auto kept = std::make_shared<PackedLines>(std::move(tail));
  ProgramLines parts(std::move(head));
  int made = 0;
  parts.AddMade([source = std::weak_ptr<PackedLines>(kept), &made](const ProgramLines::Take& take) {
    ++made;
    const std::shared_ptr<PackedLines> held = source.lock();
    if (held == nullptr) return false;  // not kept
    LineFeed feed(take);
    for (std::string_view line : *held) feed(line);
    return feed.taken();
  });
  parts.Keep(std::exchange(kept, nullptr));
  EXPECT_TRUE(ProgramBytes(parts) == expected);
  EXPECT_TRUE(ProgramBytes(parts) == expected);
  EXPECT_EQ(made, 2);
  EXPECT_EQ(parts.Copied(), lines.Copied());
  size_t lineCount = 0;
  EXPECT_FALSE(parts.Each([&](std::string_view) { return ++lineCount < cut + 3; }));
  EXPECT_EQ(lineCount, cut + 3);
}

}  // namespace
}  // namespace tolvex
