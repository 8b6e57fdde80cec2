// Texts written in the ANSI code pages by the platform's own conversion, and the rules around it:
// a byte script's texts as they stand, a code page the platform cannot write, a lacking character.
#include <gtest/gtest.h>

#include "complete/code_page.h"
#include "complete/program_texts.h"

namespace tolvex::complete {
namespace {

TEST(CodePage, EachCodePageWritesItsOwnCharactersAndAQuestionMarkForOthers) {
  const struct {
    int codePage;
    const char* utf8;
    const char* written;
  } cases[] = {
      {874, "ก", "\xA1"},
      {932, "日本", "\x93\xFA\x96\x7B"},
      {936, "中文", "\xD6\xD0\xCE\xC4"},
      {949, "한국", "\xC7\xD1\xB1\xB9"},
      {950, "中文", "\xA4\xA4\xA4\xE5"},
      {1250, "ł", "\xB3"},
      {1251, "Жи", "\xC6\xE8"},
      {1252, "€é", "\x80\xE9"},
      {1253, "Ω", "\xD9"},
      {1254, "ğ", "\xF0"},
      {1255, "א", "\xE0"},
      {1256, "ب", "\xC8"},
      {1257, "ą", "\xE0"},
      {1258, "₫", "\xFE"},
      {1252, "aЖ😀b", "a??b"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.codePage);
    const auto written = WriteInCodePage(c.utf8, c.codePage);
    ASSERT_TRUE(written);
    EXPECT_EQ(written->text, c.written);
  }
  EXPECT_EQ(WriteInCodePage("aЖ😀\xFF", 1252)->lacking,
            (std::vector<std::string>{"Ж", "😀", "\xEF\xBF\xBD"}));
  EXPECT_FALSE(WriteInCodePage("a", 12345));
}

TEST(CodePage, ProgramTextsFollowTheScriptsCoding) {
  const struct {
    const char* text;
    rc::TextCoding coding;
    const char* written;
    const char* warning;
  } cases[] = {
      {"\xC4\xE0", {false, 1251}, "\xC4\xE0", ""},  // a byte script's bytes
      {"Жé",
       {true, 1251},
       "\xC6?",
       "s.rc:3: warning: code page 1251 has no \"é\": it is written as ?"},
      {"é€", {true, 0}, "\xE9\x80", ""},  // 1252 when the script states none
      {"é€", {true, 65001}, "é€", ""},
      {"é€",
       {true, 12345},
       "\xE9?",
       "s.rc:3: warning: code page 12345 cannot be written here: its texts keep each character "
       "below 256 as that byte"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.text);
    ProgramTexts texts;
    rc::DiagnosticList warnings;
    EXPECT_EQ(texts.Of(c.text, c.coding, {"s.rc", 3}, warnings), c.written);
    texts.LackingWarnings(warnings);
    const auto all = warnings.All();
    EXPECT_EQ(all.empty() ? "" : rc::FormatDiagnostic(all.front()), c.warning);
  }
}

}  // namespace
}  // namespace tolvex::complete
