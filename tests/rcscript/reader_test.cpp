// What the reader makes of a script beyond the cases' dumps (tests/rcscript/cases): the same read
// in pieces, a model that outlives its copy, where an included file is sought, and the coding and
// code page of each resource's texts.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "rcscript/dump.h"
#include "tests/rcscript/reading.h"

namespace tolvex::testing {
namespace {

// Every golden script and case, read from its file at once and again a few bytes at a time in
// pieces of a line or so, gives the same model and messages: what each should be, its dump and
// messages beside it show (RcscriptGolden, RcscriptCases).
TEST(ReaderTest, EveryGoldenScriptReadsTheSameInPieces) {
  int scripts = 0;
  for (const char* folder : {TOLVEX_RCSCRIPT_GOLDEN_DIR, TOLVEX_RCSCRIPT_CASES_DIR}) {
    for (const auto& entry : std::filesystem::directory_iterator(folder)) {
      if (entry.path().extension() != ".rc") continue;
      const std::string path = entry.path().string();
      std::ifstream file(path, std::ios::binary);
      const std::string bytes((std::istreambuf_iterator<char>(file)), {});
      const rc::Reading whole = rc::ReadScript(path, {});
      TrickleSource trickle(bytes, 3);
      const rc::Reading pieces = rc::ReadScriptSource(path, trickle, 5, {});
      EXPECT_EQ(Messages(pieces), Messages(whole)) << path;
      EXPECT_EQ(rc::DumpModel(pieces.model), rc::DumpModel(whole.model)) << path;
      ++scripts;
    }
  }
  EXPECT_GT(scripts, 40);
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
