// What the reader makes of a script beyond the cases' dumps (tests/rcscript/cases): the same read
// in pieces, a model that outlives its copy, and where an included file is sought. The coding and
// code page of each resource's texts are the complete cases byte_script, code_pages and languages
// (tests/complete/cases), written in the program as they say.
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

}  // namespace
}  // namespace tolvex::testing
