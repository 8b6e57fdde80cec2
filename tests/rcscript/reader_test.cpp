// What the reader makes of a script beyond the cases' dumps (tests/rcscript/cases): the same read
// in pieces, a model that outlives its copy, where an included file is sought, and the faults no
// case script holds. The coding and code page of each resource's texts are the complete cases
// byte_script, code_pages and languages (tests/complete/cases), written in the program as they say.
#include <gtest/gtest.h>

#include <filesystem>
#include <map>
#include <string>
#include <vector>

#include "rcscript/diagnostics.h"
#include "rcscript/dump.h"
#include "rcscript/reader.h"
#include "tests/files/scratch_folder.h"
#include "tests/rcscript/trickle_source.h"

namespace tolvex::testing {
namespace {

// Every message of a reading, one a line.
std::string Messages(const rc::Reading& reading) {
  std::string text;
  for (const rc::Diagnostic& d : reading.diagnostics) text += rc::FormatDiagnostic(d) + "\n";
  return text;
}

// The script read from its bytes at once; read again a few bytes at a time, in pieces of a line or
// so freed as the reading passes them, it must give the same model and messages.
rc::Reading ReadBothWays(const std::string& path, const std::string& script,
                         const rc::ReadOptions& options) {
  rc::Reading whole = rc::ReadScriptBytes(path, script, options);
  TrickleSource trickle(script, 3);
  const rc::Reading pieces = rc::ReadScriptSource(path, trickle, 5, options);
  EXPECT_EQ(Messages(pieces), Messages(whole)) << path;
  EXPECT_EQ(rc::DumpModel(pieces.model), rc::DumpModel(whole.model)) << path;
  return whole;
}

// The script, and the files it may include, held in memory.
rc::Reading ReadText(const std::string& script,
                     const std::map<std::string, std::string>& files = {},
                     const std::vector<std::string>& includeDirs = {},
                     const std::string& path = "s.rc") {
  rc::ReadOptions options;
  options.includeDirs = includeDirs;
  options.files = [files](const std::string& file) -> std::optional<std::string> {
    const auto found = files.find(file);
    if (found == files.end()) return std::nullopt;
    return found->second;
  };
  return ReadBothWays(path, script, options);
}

// Every golden script and case, read from its bytes at once and again in pieces, gives the same
// model and messages: what each should be, its dump and messages beside it show (RcscriptGolden,
// RcscriptCases).
TEST(ReaderTest, EveryGoldenScriptReadsTheSameInPieces) {
  int scripts = 0;
  for (const auto& script :
       FilesOf({TOLVEX_RCSCRIPT_GOLDEN_DIR, TOLVEX_RCSCRIPT_CASES_DIR}, ".rc")) {
    ReadBothWays(script.string(), BytesOf(script.string()), {});
    ++scripts;
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

// Every other fault is a case beside its dump and messages (tests/rcscript/cases).
TEST(ReaderTest, IncludesNestedTooDeeplyAreToldAtTheDeepestFile) {
  std::map<std::string, std::string> files;  // n0.h includes n1.h ... up to n19.h
  for (int i = 0; i < 20; ++i) {
    files["n" + std::to_string(i) + ".h"] = "#include \"n" + std::to_string(i + 1) + ".h\"\n";
  }
  const rc::Reading reading = ReadText("#include \"n0.h\"\n", files);
  EXPECT_EQ(
      Messages(reading),
      "n14.h:1:10: error: includes are nested deeper than 16 files; \"n15.h\" is passed over\n");
}

TEST(ReaderTest, AMissingScriptIsAMessageAboutTheWholeFile) {
  rc::ReadOptions options;
  options.files = [](const std::string&) { return std::optional<std::string>(); };
  const rc::Reading reading = rc::ReadScript("gone.rc", options);
  EXPECT_EQ(Messages(reading), "gone.rc: error: cannot read the script\n");
  EXPECT_EQ(reading.errors, 1);
}

}  // namespace
}  // namespace tolvex::testing
