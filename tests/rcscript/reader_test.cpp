// What the reader makes of a script, as its dump shows it: the preprocessor's effect (defines,
// conditions, includes), the resources it passes over, statements sharing or spreading over
// lines, and what an error leaves standing; and the coding and code page of each resource's texts.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "rcscript/dump.h"
#include "tests/rcscript/reading.h"

namespace tolvex::testing {
namespace {

TEST(ReaderTest, EachScriptReadsToItsModel) {
  const struct {
    const char *script, *messages, *dump;
  } cases[] = {
      // A define stands for its tokens as they are where it is used; a name nothing defines
      // keeps no value, never a guessed one.
      {"#define TITLE \"Hello \"\"you\"\"\"\n#define W 10\n#define STYLES WS_CHILD | NOT WS_VISIBLE\n"
       "D DIALOG 0,0,W,1\nCAPTION TITLE\nBEGIN\nCONTROL \"\",IDC_NOPE,\"Static\",STYLES,1,2,3,4\n"
       "END\n#undef W\n#define W 20\nE DIALOG 0,0,W,1\nBEGIN\nEND\n",
       "",
       "define TITLE {\"Hello \"\"you\"\"\"} = \"Hello \\\"you\\\"\" @s.rc:1\n"
       "define W {10} = 10 @s.rc:2\n"
       "define STYLES {WS_CHILD | NOT WS_VISIBLE} = 1073741824 @s.rc:3\n"
       "define W {20} = 20 @s.rc:10\n"
       "dialog D=? DIALOG x 0 y 0 w W=10 h 1 caption \"Hello \\\"you\\\"\" style 0x80C80000 {} "
       "exstyle 0x00000000 {} @s.rc:4\n"
       "  control CONTROL \"\" id IDC_NOPE=? class \"Static\" x 1 y 2 w 3 h 4 style 0x40000000 "
       "{STYLES} exstyle 0x00000000 {} @s.rc:7\n"
       "dialog E=? DIALOG x 0 y 0 w W=20 h 1 style 0x80880000 {} exstyle 0x00000000 {} @s.rc:11\n"},
      // Conditions choose their branch with defined and arithmetic.
      {"#define LEVEL 3\n"
       "#if defined(NOPE) || LEVEL * 2 < 5\n#define PICK 1\n"
       "#elif defined LEVEL && (LEVEL & 1) && !NOPE\n#define PICK 2\n"
       "#else\n#define PICK 3\n#endif\n"
       "#ifndef RC_INVOKED\n#define PICK 4\n#endif\n"
       "#if 0\n#if 1\n#define PICK 5\n#endif\n#else\n#define AFTER 6\n#endif\n",
       "",
       "define LEVEL {3} = 3 @s.rc:1\ndefine PICK {2} = 2 @s.rc:5\ndefine AFTER {6} = 6 @s.rc:17\n"},
      // Resources outside the model are passed over whole by their grammar.
      {"LANGUAGE LANG_ENGLISH, SUBLANG_ENGLISH_US\n"
       "VS_VERSION_INFO VERSIONINFO\n FILEVERSION 1,0,0,1\n FILEFLAGSMASK 0x3fL\nBEGIN\n"
       "  BLOCK \"StringFileInfo\"\n  BEGIN\n    VALUE \"x\", \"y\"\n  END\nEND\n"
       "IDR_DATA RCDATA\n{\n 1, 2, \"three\"\n}\n"
       "IDR_FILE MYTYPE \"data.bin\"\n"
       "IDR_INLINE MYTYPE BEGIN 1 END\n"
       "1 24 \"app.manifest\"\n"
       "IDB_LOGO BITMAP res\\logo.bmp\n"
       "STRINGTABLE DISCARDABLE\nLANGUAGE 9, 1\nBEGIN\n 1 \"one\"\nEND\n"
       "M MENU\nBEGIN\nMENUITEM \"x\", 1\nEND\n",
       "",
       "menu M=? MENU @s.rc:24\n  item \"x\" id 1 @s.rc:26\n"
       "skipped LANGUAGE @s.rc:1\nskipped VS_VERSION_INFO VERSIONINFO @s.rc:2\n"
       "skipped IDR_DATA RCDATA @s.rc:11\nskipped IDR_FILE MYTYPE @s.rc:15\n"
       "skipped IDR_INLINE MYTYPE @s.rc:16\nskipped 1 24 @s.rc:17\n"
       "skipped IDB_LOGO BITMAP @s.rc:18\nskipped STRINGTABLE @s.rc:19\n"},
      // A name that is one word but no identifier is a string name, not a malformed number.
      {"SKIN-3D DIALOGEX 0, 0, 120, 60\nCAPTION \"Skin\"\nBEGIN\n"
       "PUSHBUTTON \"OK\", 1, 50, 30, 40, 14\nEND\n"
       "TI-73Keymap MENU\nBEGIN\nMENUITEM \"A\", 1\nEND\n",
       "",
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
       "",
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
      // Statements may share a line or spread over several.
      {"D DIALOGEX 0,0,1,1 BEGIN LTEXT \"a\",1,2,3,4,5 LTEXT \"b\",2,\n2,\n3,4,5 END\n"
       "M MENU BEGIN MENUITEM \"x\", 1 MENUITEM \"y\", 2 END\n",
       "",
       "dialog D=? DIALOGEX x 0 y 0 w 1 h 1 style 0x80880000 {} exstyle 0x00000000 {} @s.rc:1\n"
       "  control LTEXT \"a\" id 1 class \"Static\" x 2 y 3 w 4 h 5 style 0x50020000 {} "
       "exstyle 0x00000000 {} @s.rc:1\n"
       "  control LTEXT \"b\" id 2 class \"Static\" x 2 y 3 w 4 h 5 style 0x50020000 {} "
       "exstyle 0x00000000 {} @s.rc:1\n"
       "menu M=? MENU @s.rc:4\n  item \"x\" id 1 @s.rc:4\n  item \"y\" id 2 @s.rc:4\n"},
      // An error costs only its statement, even where the next statement's keyword shows it.
      {"D DIALOGEX 0,0,1,1\nBEGIN\nLTEXT \"a\",1,2,3,4\nLTEXT \"b\",2,2,3,4,5\nEND\n"
       "M MENU\nBEGIN\nMENUITEM \"x\" 1\nMENUITEM \"y\", 2\nEND\n",
       "s.rc:4:1: error: expected \",\" before the control's height, got \"LTEXT\"\n"
       "s.rc:8:14: error: expected \",\" before the menu item's id, got \"1\"\n",
       "dialog D=? DIALOGEX x 0 y 0 w 1 h 1 style 0x80880000 {} exstyle 0x00000000 {} @s.rc:1\n"
       "  control LTEXT \"b\" id 2 class \"Static\" x 2 y 3 w 4 h 5 style 0x50020000 {} "
       "exstyle 0x00000000 {} @s.rc:4\n"
       "menu M=? MENU @s.rc:6\n  item \"y\" id 2 @s.rc:9\n"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.script);
    const rc::Reading reading = ReadText(c.script);
    EXPECT_EQ(Messages(reading), c.messages);
    EXPECT_EQ(rc::DumpModel(reading.model), c.dump);
  }
}

// The parts a model keeps out of line (help ids, a MENUEX item's type and state, a define's
// string) and the file name its places share outlive the model they were copied from.
TEST(ReaderTest, AModelCopiedOrAssignedKeepsEveryPartAfterItsOriginalIsGone) {
  const std::string script =
      "#define TITLE \"T\"\n"
      "1 DIALOGEX 0, 0, 100, 50, 77\n"
      "BEGIN\n"
      "  CONTROL \"x\", 10, \"Button\", 0, 1, 2, 3, 4, 0, 88\n"
      "END\n"
      "2 MENUEX\n"
      "BEGIN\n"
      "  POPUP \"&File\", 20, 0, 0, 99\n"
      "  BEGIN\n"
      "    MENUITEM \"A\", 21, 0x800, 3\n"
      "  END\n"
      "END\n";
  const std::string expected = rc::DumpModel(ReadText(script).model);
  for (const char* part : {"= \"T\"", "help 77", "help 88", "help 99", "type 0x00000800",
                           "state 0x00000003", "@s.rc:10"}) {
    EXPECT_NE(expected.find(part), std::string::npos) << part;
  }
  rc::Model assigned;
  assigned.dialogs.resize(1);
  {
    const rc::Reading original = ReadText(script);
    rc::Model copied = original.model;
    assigned = copied;
    EXPECT_EQ(rc::DumpModel(copied), expected);
  }
  EXPECT_EQ(rc::DumpModel(assigned), expected);
}

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
    const rc::Reading reading = ReadText("#include \"sub\\a.h\"\n", c.files, {"inc"}, "top/s.rc");
    EXPECT_EQ(Messages(reading), "");
    EXPECT_EQ(rc::DumpModel(reading.model), c.expected);
  }
}

TEST(ReaderTest, AResourceKnowsHowItsTextsAreHeldAndTheCodePageItsScriptStates) {
  const struct {
    std::string script;
    std::u16string utf16;  // the script as its editor saves it in UTF-16, when it is
    std::string caption;
    rc::TextCoding texts;
  } cases[] = {
      // A byte script keeps its bytes; LANGUAGE states the code page.
      {"LANGUAGE LANG_RUSSIAN, SUBLANG_DEFAULT\nD DIALOG 0,0,1,1\nCAPTION \"\xC4\xE0\"\n",
       u"",
       "\xC4\xE0",
       {false, 1251}},
      // UTF-16 becomes UTF-8, an escaped character too; a script stating nothing states 0.
      {"", u"D DIALOG 0,0,1,1\nCAPTION \"Ж\\xE9😀\"\n", "Жé😀", {true, 0}},
      // The pragma in force comes before the LANGUAGE; DEFAULT gives the LANGUAGE back.
      {"", u"LANGUAGE 0x11, 1\n#pragma code_page(1253)\nD DIALOG 0,0,1,1\n", "", {true, 1253}},
      {"#pragma code_page(1253)\n#pragma code_page( DEFAULT ) // back\nLANGUAGE LANG_JAPANESE, "
       "SUBLANG_DEFAULT\nD DIALOG 0,0,1,1\n",
       u"",
       "",
       {false, 932}},
      {"LANGUAGE LANG_CHINESE, SUBLANG_CHINESE_SIMPLIFIED\nD DIALOG 0,0,1,1\n",
       u"",
       "",
       {false, 936}},
      {"LANGUAGE LANG_CHINESE, SUBLANG_CHINESE_TRADITIONAL\nD DIALOG 0,0,1,1\n",
       u"",
       "",
       {false, 950}},
      {"LANGUAGE LANG_SERBIAN, SUBLANG_SERBIAN_CYRILLIC\nD DIALOG 0,0,1,1\n",
       u"",
       "",
       {false, 1251}},
      {"LANGUAGE LANG_NEUTRAL, SUBLANG_NEUTRAL\nD DIALOG 0,0,1,1\n", u"", "", {false, 0}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.script);
    std::string script = c.script + "BEGIN\nEND\nM MENU\nBEGIN\nEND\n";
    if (!c.utf16.empty()) {
      script = "\xFF\xFE";
      for (const char16_t unit : c.utf16 + u"BEGIN\nEND\nM MENU\nBEGIN\nEND\n") {
        script += static_cast<char>(unit & 0xFF);
        script += static_cast<char>(unit >> 8);
      }
    }
    const rc::Reading reading = ReadText(script);
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

}  // namespace
}  // namespace tolvex::testing
