// Loading a script into the source listing: byte scripts, UTF-8 and UTF-16 marked scripts.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "app/headless_main_window.h"
#include "app/script_loader.h"
#include "conversion/main_window_ids.h"
#include "tests/files/scratch_folder.h"
#include "toolkit/gadget_ops.h"
#include "toolkit/headless/headless_gadgets.h"

namespace tolvex::testing {
namespace {

using Lines = std::vector<std::string>;

Lines SourceLines() {
  Lines lines;
  for (int i = 0; i < CountItemListBox(kSourceListing); ++i) {
    lines.push_back(ListBoxText(kSourceListing, i));
  }
  return lines;
}

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
      {"bytes that merely start like a mark", "\xef\xbb!\n", {"\xef\xbb!"}},
      {"one byte", "a", {"a"}},
      {"two bytes", "ab", {"ab"}},
      {"high bytes kept", "\xe9t\xe9\r\n", {"\xe9t\xe9"}},
      {"an empty line is held as one blank", "a\n\nb\n", {"a", " ", "b"}},
      {"a line ends at its NUL", std::string("ab\0cd\nef", 8), {"ab", "ef"}},
  };
  ScratchFolder folder;
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    WriteBytes(folder / "script.rc", c.bytes);
    OpenHeadlessMainWindow();
    ClearForLoad();
    EXPECT_TRUE(ReadScriptIntoListing(folder / "script.rc"));
    EXPECT_EQ(SourceLines(), c.lines);
  }
}

TEST(ScriptLoader, ClearingForALoadShowsTheEmptiedSourceListing) {
  OpenHeadlessMainWindow();
  AddListBoxItem(kSourceListing, "old", -1);
  AddListBoxItem(kOutputListing, "old", -1);
  HideGadget(kOutputListing, 0);
  HideGadget(kSourceListing, 1);
  ClearForLoad();
  EXPECT_EQ(CountItemListBox(kSourceListing), 0);
  EXPECT_EQ(CountItemListBox(kOutputListing), 0);
  EXPECT_TRUE(headless::IsVisible(kSourceListing));
  EXPECT_FALSE(headless::IsVisible(kOutputListing));
}

TEST(ScriptLoader, ScriptThatCannotBeOpenedLoadsNothing) {
  ScratchFolder folder;
  OpenHeadlessMainWindow();
  ClearForLoad();
  EXPECT_FALSE(ReadScriptIntoListing(folder / "missing.rc"));
  EXPECT_EQ(CountItemListBox(kSourceListing), 0);
}

}  // namespace
}  // namespace tolvex::testing
