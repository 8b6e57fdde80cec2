// The two files a conversion leaves beside the script: the program (.bas) and the settings.
#include <gtest/gtest.h>

#include <functional>
#include <iterator>
#include <stdexcept>
#include <string>
#include <string_view>

#ifdef _WIN32
#include <windows.h>
#endif

#include "app/compare_file.h"
#include "app/output_file.h"
#include "app/shell_state.h"
#include "tests/files/scratch_folder.h"

namespace tolvex::testing {
namespace {

namespace fs = std::filesystem;

const std::string kSep(1, kPathSeparator);
constexpr const char* kProgramBytes = "first\r\n \r\n  third\r\n\r\n";

class OutputFileTest : public ::testing::Test {
 protected:
  void SetUp() override { Point(folder.path().string(), "dialog.rc"); }
  void Point(const std::string& dir, const std::string& script) {
    DIR1040 = dir;
    NAMEF1040 = dir + kSep + script;
  }

  ScratchFolder folder;
};

TEST_F(OutputFileTest, ProgramNameCutsTheLastThreeCharactersOfTheScriptName) {
  const struct {
    std::string script, program;
  } cases[] = {
      {"C" + kSep + "work" + kSep + "dialog.rc", "dialog.bas"},
      {"menu.RC", "menu.bas"},
      {"res.dlg", "res..bas"},
      {"dialog.rc", "dialog.bas"},  // without a separator the whole path is the name
      {"a.b" + kSep + "c.d" + kSep + "x.rc", "x.bas"},
  };
  for (const auto& c : cases) EXPECT_EQ(BasFileName(c.script), c.program) << c.script;
}

TEST_F(OutputFileTest, ProgramIsSavedBesideTheScriptUnderItsNameAndNothingWithoutOne) {
  NAMEF1040.clear();
  EXPECT_FALSE(SAVEBAS(kProgramBytes).saved);
  EXPECT_EQ(folder.Names(), "");
  Point(folder.path().string(), "dialog.rc");
  EXPECT_TRUE(SAVEBAS(kProgramBytes).saved);
  EXPECT_EQ(BytesOf(folder / "dialog.bas"), kProgramBytes);
  EXPECT_EQ(folder.Names(), "dialog.bas");
}

// The program's name taken by a folder: the written temporary cannot replace it, and the settings
// are saved all the same.
TEST_F(OutputFileTest, FailingReplaceKeepsWhatStoodThereAndTheSettingsAreStillSaved) {
  fs::create_directory(folder / "dialog.bas");
  EXPECT_FALSE(SaveWholeFile(folder / "dialog.bas", kProgramBytes));
  EXPECT_FALSE(SAVEBAS(kProgramBytes).saved);
  SAVINI({" 1.000", " 1.000", " 1.000", "2"}, false);
  EXPECT_TRUE(fs::is_empty(folder / "dialog.bas"));
  EXPECT_EQ(folder.Names(), "dialog.bas tolvex.ini") << "no temporary is left behind";
  EXPECT_EQ(BytesOf(folder / "tolvex.ini"), " 1.000\r\n 1.000\r\n 1.000\r\n2\r\n");
}

// Bytes made as they are written may fail to be made: what stood there stays, with no temporary.
TEST_F(OutputFileTest, BytesThatFailToBeMadeLeaveTheFileAsItWas) {
  WriteBytes(folder / "dialog.bas", kProgramBytes);
  const BytePieces failing = [](const std::function<bool(std::string_view)>& take) -> bool {
    take("a first piece\r\n");
    throw std::runtime_error("the next piece cannot be made");
  };
  EXPECT_THROW(SaveWholeFile(folder / "dialog.bas", failing), std::runtime_error);
  EXPECT_EQ(BytesOf(folder / "dialog.bas"), kProgramBytes);
  EXPECT_EQ(folder.Names(), "dialog.bas");
  // Nor does a comparison keep the file open (which Windows would not let be removed).
  const auto openFiles = [] {
    const fs::path own = "/proc/self/fd";
    return fs::exists(own) ? std::distance(fs::directory_iterator(own), {}) : 0;
  };
  const auto before = openFiles();
  EXPECT_THROW(CompareWithFile(folder / "dialog.bas", failing), std::runtime_error);
  EXPECT_EQ(openFiles(), before);
  EXPECT_TRUE(fs::remove(folder / "dialog.bas"));
}

// A program made as it is written is made once: the replaced program is compared with the
// temporary that holds it, and kept when it differs.
TEST_F(OutputFileTest, ProgramIsMadeOnceAndTheReplacedOneKeptOnlyWhenItDiffers) {
  int made = 0;
  const BytePieces program = [&made](const std::function<bool(std::string_view)>& take) {
    ++made;
    return take("first\r\n") && take(" \r\n  third\r\n\r\n");
  };
  const std::string bas = folder / "dialog.bas";
  using namespace std::string_literals;
  const struct {
    bool exists;
    std::string before;
    bool backup;
  } cases[] = {
      {false, "", false},
      {true, "edited by hand", true},
      // Every byte is kept, past a NUL too.
      {true, "edited\0 by hand\r\n"s, true},
      {true, kProgramBytes, false},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.exists ? c.before : "no file");
    fs::remove(bas);
    fs::remove(bas + ".bak");
    if (c.exists) WriteBytes(bas, c.before);
    made = 0;
    const ProgramSave save = SaveProgram(bas, program, RunScripts());
    EXPECT_TRUE(save.saved && save.backup.kept);
    EXPECT_EQ(made, 1);
    EXPECT_EQ(BytesOf(bas), kProgramBytes);
    EXPECT_EQ(save.backup.name.empty(), !c.backup);
    if (c.backup) {
      EXPECT_EQ(BytesOf(bas + ".bak"), c.before);
    }
    EXPECT_EQ(folder.Names(), c.backup ? "dialog.bas dialog.bas.bak" : "dialog.bas");
  }
  // The bytes of a file that cannot be read are no bytes to compare with.
  EXPECT_EQ(CompareWithFile(bas, FilePieces(folder / "missing")), Comparison::kUnreadable);
  EXPECT_EQ(CompareWithFile(bas, FilePieces(bas)), Comparison::kSame);
}

TEST_F(OutputFileTest, FolderWhereNothingCanBeCreatedGetsNoFileAndNoTemporary) {
  WriteBytes(folder / "plain", "a file, not a folder");
  for (const std::string& dir : {folder / "missing", folder / "plain"}) {
    SCOPED_TRACE(dir);
    Point(dir, "dialog.rc");
    SAVEBAS(kProgramBytes);
    SAVINI(DefaultRunInputs().coefficients, true);
  }
  EXPECT_EQ(folder.Names(), "plain");
  EXPECT_EQ(BytesOf(folder / "plain"), "a file, not a folder");
}

TEST_F(OutputFileTest, SettingsRoundTripKeepsBlanksAndEmptyTextsAndTheChosenConversion) {
  const CoefficientTexts texts = {"  2.5", "", "1.5 ", " 3"};
  for (const bool complete : {false, true}) {
    SAVINI(texts, complete);
    // Unticked, four lines, as ever.
    EXPECT_EQ(BytesOf(folder / "tolvex.ini"),
              std::string("  2.5\r\n\r\n1.5 \r\n 3\r\n") + (complete ? "complete\r\n" : ""));
    EXPECT_EQ(ReadSettings().texts, std::vector<std::string>(texts.begin(), texts.end()));
    EXPECT_EQ(ReadSettings().complete, complete);
  }
}

// Files of four lines or fewer, as every earlier version wrote them, read as they always did; only
// a fifth line of exactly "complete" asks for the complete conversion.
TEST_F(OutputFileTest, SettingsFileGivesAtMostFourTextsInOrderAndAFifthLineChoosesTheConversion) {
  using Texts = std::vector<std::string>;
  const Texts four = {"1", "2", "3", "4"};
  const struct {
    const char* bytes;
    Texts texts;
    bool complete;
  } cases[] = {
      {" 2\r\n3", {" 2", "3"}, false},
      {"1\r\n2\r\ncomplete\r\n", {"1", "2", "complete"}, false},
      {"1\r\n2\r\n3\r\n4\r\n", four, false},
      {"1\r\n2\r\n3\r\n4\r\nfive\r\nsix\r\nseven\r\n", four, false},
      {"1\r\n2\r\n3\r\n4\r\ncomplete\r\n", four, true},
      {"1\n2\n3\n4\ncomplete", four, true},
      {"1\r\n2\r\n3\r\n4\r\ncomplete\r\nsix\r\n", four, true},
      {"1\r\n2\r\n3\r\n4\r\nComplete\r\n", four, false},
      {"1\r\n2\r\n3\r\n4\r\n complete\r\n", four, false},
      {"1\r\n2\r\n3\r\n4\r\n\r\ncomplete\r\n", four, false},
  };
  EXPECT_EQ(ReadSettings().texts, Texts{}) << "no file";
  EXPECT_FALSE(ReadSettings().complete) << "no file";
  for (const auto& c : cases) {
    SCOPED_TRACE(c.bytes);
    WriteBytes(folder / "tolvex.ini", c.bytes);
    EXPECT_EQ(ReadSettings().texts, c.texts);
    EXPECT_EQ(ReadSettings().complete, c.complete);
  }
}

TEST_F(OutputFileTest, ProgramIsNotSavedOverItsOwnScript) {
  // The program's name can lead to the script itself.
  Point(folder.path().string(), "x.rc");
  WriteBytes(folder / "x.rc", "script");
#ifdef _WIN32
  fs::create_hard_link(folder / "x.rc", folder / "x.bas");
#else
  fs::create_symlink("x.rc", folder / "x.bas");  // followed: the link's target is replaced
#endif
  SAVEBAS(kProgramBytes);
  EXPECT_EQ(BytesOf(folder / "x.rc"), "script");
  EXPECT_EQ(folder.Names(), "x.bas x.rc");
}

#ifdef _WIN32
// Another program holds the file open: without delete sharing it is written in place; without any
// sharing the new text stays in its temporary, NAME.XXXXXXXX.tolvex-tmp, a name of its own.
TEST_F(OutputFileTest, FileHeldOpenIsWrittenInPlaceElseItsTemporaryIsKeptAndNamed) {
  const std::string program = folder / "dialog.bas";
  for (const DWORD sharing : {DWORD{FILE_SHARE_READ | FILE_SHARE_WRITE}, DWORD{0}}) {
    SCOPED_TRACE(sharing);
    WriteBytes(program, "previous");
    const HANDLE other =
        CreateFileA(program.c_str(), GENERIC_READ, sharing, nullptr, OPEN_EXISTING, 0, nullptr);
    ASSERT_NE(other, INVALID_HANDLE_VALUE);
    std::string kept;
    const bool saved = SaveWholeFile(program, kProgramBytes, &kept);
    CloseHandle(other);
    EXPECT_EQ(saved, sharing != 0);
    EXPECT_EQ(BytesOf(program), saved ? kProgramBytes : "previous");
    if (saved) {
      EXPECT_EQ(kept, "");
      EXPECT_EQ(folder.Names(), "dialog.bas");
    } else {
      EXPECT_EQ(kept.rfind(program + ".", 0), 0u) << kept;
      EXPECT_EQ(kept.size(), program.size() + 1 + 8 + std::string(".tolvex-tmp").size());
      EXPECT_EQ(BytesOf(kept), kProgramBytes);
    }
  }
}
#endif

}  // namespace
}  // namespace tolvex::testing
