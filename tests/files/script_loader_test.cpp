// Loading a script into the source listing: byte scripts, UTF-8 and UTF-16 marked scripts.
#include <gtest/gtest.h>

#include <algorithm>
#include <limits>
#include <string>
#include <vector>

#include "app/script_loader.h"
#include "tests/files/scratch_folder.h"

namespace tolvex::testing {
namespace {

using Lines = std::vector<std::string>;

// Text of UTF-16 code units in either byte order, after the mark of that order.
std::string Utf16(const std::vector<unsigned>& units, bool bigEndian) {
  std::string bytes = bigEndian ? "\xfe\xff" : "\xff\xfe";
  for (unsigned u : units) {
    const char high = static_cast<char>(u >> 8), low = static_cast<char>(u & 0xff);
    bytes += bigEndian ? std::string{high, low} : std::string{low, high};
  }
  return bytes;
}

TEST(ScriptLoader, DecodesMarkedScriptsAndKeepsPlainBytes) {
  // A, e acute, the euro sign, CR LF, B, a character beyond the first plane (two units), LF, C.
  const std::vector<unsigned> units = {'A', 0xE9,   0x20AC, '\r', '\n',
                                       'B', 0xD83D, 0xDE00, '\n', 'C'};
  const Lines decoded = {"A\xe9?", "B?", "C"};
  const struct {
    const char* what;
    std::string bytes;
    Lines lines;
  } cases[] = {
      {"UTF-16 little-endian", Utf16(units, false), decoded},
      {"UTF-16 big-endian", Utf16(units, true), decoded},
      {"UTF-8 mark dropped", "\xef\xbb\xbfx\r\ny", {"x", "y"}},
      {"UTF-8 mark only", "\xef\xbb\xbf", {}},
      // After the last LF, CRs alone are no line of a UTF-16 script, but one of a byte script.
      {"UTF-16 ending in CRs alone", Utf16({'A', '\n', '\r', '\r'}, false), {"A"}},
      {"UTF-16 mark and a CR", Utf16({'\r'}, false), {}},
      {"bytes ending in a CR alone", "a\n\r", {"a", ""}},
      {"bytes that merely start like a mark", "\xef\xbb!\n", {"\xef\xbb!"}},
      {"one byte", "a", {"a"}},
      {"two bytes", "ab", {"ab"}},
      {"high bytes kept", "\xe9t\xe9\r\n", {"\xe9t\xe9"}},
      {"an empty line stays empty", "a\n\nb\n", {"a", "", "b"}},
      {"a line ends at its NUL", std::string("ab\0cd\nef", 8), {"ab", "ef"}},
  };
  ScratchFolder folder;
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    WriteBytes(folder / "script.rc", c.bytes);
    PackedLines lines;
    EXPECT_TRUE(ReadScriptLines(folder / "script.rc", lines));
    EXPECT_EQ(lines.Copied(), c.lines);
  }
}

TEST(ScriptLoader, ReadsALargeScriptInAFewBlocksNotALinePerRead) {
  ScratchFolder folder;
  std::string bytes;
  for (int i = 0; i < 200000; ++i) bytes += "CONTROL line " + std::to_string(i) + "\r\n";
  WriteBytes(folder / "large.rc", bytes);
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
  ASSERT_EQ(lines.size(), 200000u);
  EXPECT_EQ(lines[lines.size() - 1], "CONTROL line 199999");
}

TEST(ScriptLoader, ScriptThatCannotBeOpenedLoadsNothing) {
  ScratchFolder folder;
  PackedLines lines = {"stale"};
  EXPECT_FALSE(ReadScriptLines(folder / "missing.rc", lines));
  EXPECT_TRUE(lines.empty());
}

}  // namespace
}  // namespace tolvex::testing
