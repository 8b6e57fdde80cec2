// The preprocessor's effect on what the reader sees: defines, conditions and includes, and the
// resources it passes over.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "rcscript/dump.h"
#include "tests/rcscript/reading.h"

namespace tolvex::testing {
namespace {

TEST(ReaderTest, AnIncludedFileIsSoughtBesideItsIncluderThenTheScriptThenTheIncludeFolders) {
  const struct {
    std::map<std::string, std::string> files;
    const char* expected;
  } cases[] = {
      {{{"top/sub/a.h", "#include \"b.h\"\n"},
        {"top/sub/b.h", "#define B 1\n"},
        {"top/b.h", "#define B 2\n"},
        {"inc/b.h", "#define B 3\n"}},
       "define B {1} = 1 @b.h:1\n"},
      {{{"top/sub/a.h", "#include \"b.h\"\n"},
        {"top/b.h", "#define B 2\n"},
        {"inc/b.h", "#define B 3\n"}},
       "define B {2} = 2 @b.h:1\n"},
      {{{"top/sub/a.h", "#include \"b.h\"\n"}, {"inc/b.h", "#define B 3\n"}},
       "define B {3} = 3 @b.h:1\n"},
      {{{"top/sub/a.h", "#include \"C:\\b.h\"\n"}, {"C:/b.h", "#define B 4\n"}},
       "define B {4} = 4 @C:\\b.h:1\n"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.expected);
    rc::ReadOptions options;
    options.includeDirs = {"inc"};
    const auto files = c.files;
    options.files = [files](const std::string& path) -> std::optional<std::string> {
      const auto found = files.find(path);
      return found == files.end() ? std::nullopt : std::optional<std::string>(found->second);
    };
    const rc::Reading reading = rc::ReadScriptBytes("top/s.rc", "#include \"sub\\a.h\"\n", options);
    EXPECT_EQ(Messages(reading), "");
    EXPECT_EQ(rc::DumpModel(reading.model), c.expected);
  }
}

TEST(ReaderTest, ADefineStandsForItsTokensAsTheyAreWhereItIsUsed) {
  const rc::Reading reading = ReadText(
      "#define TITLE \"Hello \"\"you\"\"\"\n#define W 10\n#define STYLES WS_CHILD | NOT WS_VISIBLE\n"
      "D DIALOG 0,0,W,1\nCAPTION TITLE\nBEGIN\nCONTROL \"\",IDC_NOPE,\"Static\",STYLES,1,2,3,4\nEND\n"
      "#undef W\n#define W 20\nE DIALOG 0,0,W,1\nBEGIN\nEND\n");
  EXPECT_EQ(Messages(reading), "");
  ASSERT_EQ(reading.model.dialogs.size(), 2u);
  const rc::Dialog& d = reading.model.dialogs[0];
  EXPECT_EQ(d.caption, std::optional<std::string>("Hello \"you\""));
  EXPECT_EQ(d.width.number, std::optional<std::int32_t>(10));
  EXPECT_EQ(d.width.text, "W");
  ASSERT_EQ(d.controls.size(), 1u);
  EXPECT_EQ(d.controls[0].id.text, "IDC_NOPE");  // a name, its value unknown: never guessed
  EXPECT_FALSE(d.controls[0].id.number);
  EXPECT_EQ(d.controls[0].style.text, "STYLES");
  EXPECT_EQ(d.controls[0].style.number, std::optional<std::uint32_t>(0x40000000));
  EXPECT_EQ(reading.model.dialogs[1].width.number, std::optional<std::int32_t>(20));
  ASSERT_EQ(reading.model.defines.size(), 4u);
  EXPECT_EQ(reading.model.defines[0].string, std::optional<std::string>("Hello \"you\""));
  EXPECT_EQ(reading.model.defines[2].number, std::optional<std::int32_t>(0x40000000));
}

TEST(ReaderTest, ConditionsChooseTheirBranchWithDefinedAndArithmetic) {
  const rc::Reading reading = ReadText(
      "#define LEVEL 3\n"
      "#if defined(NOPE) || LEVEL * 2 < 5\n#define PICK 1\n"
      "#elif defined LEVEL && (LEVEL & 1) && !NOPE\n#define PICK 2\n"
      "#else\n#define PICK 3\n#endif\n"
      "#ifndef RC_INVOKED\n#define PICK 4\n#endif\n"
      "#if 0\n#if 1\n#define PICK 5\n#endif\n#else\n#define AFTER 6\n#endif\n");
  EXPECT_EQ(Messages(reading), "");
  EXPECT_EQ(rc::DumpModel(reading.model),
            "define LEVEL {3} = 3 @s.rc:1\ndefine PICK {2} = 2 @s.rc:5\n"
            "define AFTER {6} = 6 @s.rc:17\n");
}

TEST(ReaderTest, ResourcesOutsideTheModelArePassedOverWholeByTheirGrammar) {
  const rc::Reading reading = ReadText(
      "LANGUAGE LANG_ENGLISH, SUBLANG_ENGLISH_US\n"
      "VS_VERSION_INFO VERSIONINFO\n FILEVERSION 1,0,0,1\n FILEFLAGSMASK 0x3fL\nBEGIN\n"
      "  BLOCK \"StringFileInfo\"\n  BEGIN\n    VALUE \"x\", \"y\"\n  END\nEND\n"
      "IDR_DATA RCDATA\n{\n 1, 2, \"three\"\n}\n"
      "IDR_FILE MYTYPE \"data.bin\"\n"
      "IDR_INLINE MYTYPE BEGIN 1 END\n"
      "1 24 \"app.manifest\"\n"
      "IDB_LOGO BITMAP res\\logo.bmp\n"
      "STRINGTABLE DISCARDABLE\nLANGUAGE 9, 1\nBEGIN\n 1 \"one\"\nEND\n"
      "M MENU\nBEGIN\nMENUITEM \"x\", 1\nEND\n");
  EXPECT_EQ(Messages(reading), "");
  EXPECT_EQ(rc::DumpModel(reading.model),
            "menu M=? MENU @s.rc:24\n  item \"x\" id 1 @s.rc:26\n"
            "skipped LANGUAGE @s.rc:1\nskipped VS_VERSION_INFO VERSIONINFO @s.rc:2\n"
            "skipped IDR_DATA RCDATA @s.rc:11\nskipped IDR_FILE MYTYPE @s.rc:15\n"
            "skipped IDR_INLINE MYTYPE @s.rc:16\nskipped 1 24 @s.rc:17\n"
            "skipped IDB_LOGO BITMAP @s.rc:18\nskipped STRINGTABLE @s.rc:19\n");
}

TEST(ReaderTest, NoStatementIsLostToTheOneBeforeIt) {
  const struct {
    const char* script;
    const char* expected;
  } cases[] = {
      // A name that is one word but no identifier is a string name, not a malformed number.
      {"SKIN-3D DIALOGEX 0, 0, 120, 60\nCAPTION \"Skin\"\nBEGIN\n"
       "PUSHBUTTON \"OK\", 1, 50, 30, 40, 14\nEND\n"
       "TI-73Keymap MENU\nBEGIN\nMENUITEM \"A\", 1\nEND\n",
       "dialog SKIN-3D=? DIALOGEX x 0 y 0 w 120 h 60 caption \"Skin\" style 0x80C80000 {} "
       "exstyle 0x00000000 {} @s.rc:1\n"
       "  control PUSHBUTTON \"OK\" id 1 class \"Button\" x 50 y 30 w 40 h 14 "
       "style 0x50010000 {} exstyle 0x00000000 {} @s.rc:4\n"
       "menu TI-73Keymap=? MENU @s.rc:6\n  item \"A\" id 1 @s.rc:8\n"},
      // Empty fields at a line's end are the fields' defaults; the next line's keyword starts the
      // next statement.
      {"D DIALOGEX 0, 0, 120, 60\nBEGIN\nLTEXT \"Name:\", 101, 5, 5, 40, 10, SS_LEFT,,\n"
       "EDITTEXT 102, 50, 5, 60, 12\nPUSHBUTTON \"OK\", IDOK, 50, 30, 40, 14,\nEND\n"
       "M MENUEX\nBEGIN\nMENUITEM \"A\", 1,,\nPOPUP \"B\",,,\nBEGIN\nMENUITEM \"C\", 2,\nEND\nEND\n",
       "dialog D=? DIALOGEX x 0 y 0 w 120 h 60 style 0x80880000 {} exstyle 0x00000000 {} "
       "@s.rc:1\n"
       "  control LTEXT \"Name:\" id 101 class \"Static\" x 5 y 5 w 40 h 10 "
       "style 0x50020000 {SS_LEFT} exstyle 0x00000000 {} @s.rc:3\n"
       "  control EDITTEXT - id 102 class \"Edit\" x 50 y 5 w 60 h 12 "
       "style 0x50810000 {} exstyle 0x00000000 {} @s.rc:4\n"
       "  control PUSHBUTTON \"OK\" id IDOK=1 class \"Button\" x 50 y 30 w 40 h 14 "
       "style 0x50010000 {} exstyle 0x00000000 {} @s.rc:5\n"
       "menu M=? MENUEX @s.rc:7\n  item \"A\" id 1 @s.rc:9\n  popup \"B\" @s.rc:10\n"
       "    item \"C\" id 2 @s.rc:12\n"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.script);
    const rc::Reading reading = ReadText(c.script);
    EXPECT_EQ(Messages(reading), "");
    EXPECT_EQ(rc::DumpModel(reading.model), c.expected);
  }
}

// A script as its editor saves it in UTF-16 little-endian, from UTF-8 text.
std::string Utf16Script(const std::string& utf8) {
  std::string bytes = "\xFF\xFE";
  for (size_t i = 0; i < utf8.size();) {
    const auto byte = static_cast<unsigned char>(utf8[i]);
    const size_t length = byte < 0x80 ? 1 : byte < 0xE0 ? 2 : byte < 0xF0 ? 3 : 4;
    unsigned c = length == 1 ? byte : byte & (0x3Fu >> (length - 1));
    for (size_t k = 1; k < length; ++k)
      c = c << 6 | (static_cast<unsigned char>(utf8[i + k]) & 0x3Fu);
    i += length;
    std::vector<unsigned> units{c};
    if (c >= 0x10000) units = {0xD800 + ((c - 0x10000) >> 10), 0xDC00 + ((c - 0x10000) & 0x3FF)};
    for (const unsigned unit : units) {
      bytes += static_cast<char>(unit & 0xFF);
      bytes += static_cast<char>(unit >> 8);
    }
  }
  return bytes;
}

TEST(ReaderTest, AResourceKnowsHowItsTextsAreHeldAndTheCodePageItsScriptStates) {
  const struct {
    bool utf16;
    std::string script;
    std::string caption;
    rc::TextCoding texts;
  } cases[] = {
      // A byte script keeps its bytes; LANGUAGE states the code page.
      {false,
       "LANGUAGE LANG_RUSSIAN, SUBLANG_DEFAULT\nD DIALOG 0,0,1,1\nCAPTION \"\xC4\xE0\"\n",
       "\xC4\xE0",
       {false, 1251}},
      // UTF-16 becomes UTF-8, an escaped character too; a script stating nothing states 0.
      {true, "D DIALOG 0,0,1,1\nCAPTION \"Ж\\xE9😀\"\n", "Жé😀", {true, 0}},
      // The pragma in force comes before the LANGUAGE; DEFAULT gives the LANGUAGE back.
      {true, "LANGUAGE 0x11, 1\n#pragma code_page(1253)\nD DIALOG 0,0,1,1\n", "", {true, 1253}},
      {false,
       "#pragma code_page(1253)\n#pragma code_page( DEFAULT ) // back\nLANGUAGE LANG_JAPANESE, "
       "SUBLANG_DEFAULT\nD DIALOG 0,0,1,1\n",
       "",
       {false, 932}},
      {false,
       "LANGUAGE LANG_CHINESE, SUBLANG_CHINESE_SIMPLIFIED\nD DIALOG 0,0,1,1\n",
       "",
       {false, 936}},
      {false,
       "LANGUAGE LANG_CHINESE, SUBLANG_CHINESE_TRADITIONAL\nD DIALOG 0,0,1,1\n",
       "",
       {false, 950}},
      {false,
       "LANGUAGE LANG_SERBIAN, SUBLANG_SERBIAN_CYRILLIC\nD DIALOG 0,0,1,1\n",
       "",
       {false, 1251}},
      {false, "LANGUAGE LANG_NEUTRAL, SUBLANG_NEUTRAL\nD DIALOG 0,0,1,1\n", "", {false, 0}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.script);
    const std::string script = c.script + "BEGIN\nEND\nM MENU\nBEGIN\nEND\n";
    const rc::Reading reading = ReadText(c.utf16 ? Utf16Script(script) : script);
    EXPECT_EQ(Messages(reading), "");
    ASSERT_EQ(reading.model.dialogs.size(), 1u);
    const rc::Dialog& dialog = reading.model.dialogs[0];
    EXPECT_EQ(dialog.caption.value_or(""), c.caption);
    EXPECT_EQ(dialog.texts.utf8, c.texts.utf8);
    EXPECT_EQ(dialog.texts.codePage, c.texts.codePage);
    ASSERT_EQ(reading.model.menus.size(), 1u);
    EXPECT_EQ(reading.model.menus[0].texts.codePage, c.texts.codePage);
  }
}

TEST(ReaderTest, ACodePagePragmaWithoutANumberIsPassedOverWithAWarning) {
  const rc::Reading reading = ReadText("#pragma code_page(utf8)\n#pragma once\n");
  EXPECT_EQ(Messages(reading),
            "s.rc:1:1: warning: #pragma code_page needs a number or DEFAULT; it is passed over\n");
}

}  // namespace
}  // namespace tolvex::testing
