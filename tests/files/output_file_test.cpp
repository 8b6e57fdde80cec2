// The two files a conversion leaves beside the script: the program (.bas) and the settings.
#include <gtest/gtest.h>

#include <string>

#ifdef _WIN32
#include <windows.h>
#endif

#include "app/output_file.h"
#include "app/shell_state.h"
#include "tests/files/scratch_folder.h"

namespace tolvex::testing {
namespace {

namespace fs = std::filesystem;

const std::string kSep(1, kPathSeparator);
constexpr const char* kProgramBytes = "first\r\n \r\n  third\r\n\r\n";
const CoefficientTexts kDefaultTexts = DefaultRunInputs().coefficients;

class OutputFileTest : public ::testing::Test {
 protected:
  void SetUp() override { Point(folder.path().string(), "dialog.rc"); }
  void Point(const std::string& dir, const std::string& script) {
    DIR1040 = dir;
    NAMEF1040 = dir + kSep + script;
  }

  ScratchFolder folder;
};

TEST_F(OutputFileTest, ProgramIsSavedBesideTheScriptUnderItsName) {
  SAVEBAS(kProgramBytes);
  EXPECT_EQ(BytesOf(folder / "dialog.bas"), kProgramBytes);
  EXPECT_EQ(folder.Names(), "dialog.bas");
}

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

  Point(folder.path().string(), "menu.RC");
  SAVEBAS(kProgramBytes);
  EXPECT_EQ(folder.Names(), "menu.bas");
}

TEST_F(OutputFileTest, NothingIsSavedWithoutAScript) {
  NAMEF1040.clear();
  SAVEBAS(kProgramBytes);
  EXPECT_EQ(folder.Names(), "");
}

TEST_F(OutputFileTest, SuccessfulSaveReplacesAnExistingProgramKeepingItsOldText) {
  WriteBytes(folder / "dialog.bas", std::string(5000, 'o'));
  const ProgramSave save = SAVEBAS(kProgramBytes);
  EXPECT_TRUE(save.saved);
  EXPECT_EQ(save.backup.name, folder / "dialog.bas.bak");
  EXPECT_EQ(BytesOf(folder / "dialog.bas"), kProgramBytes);
  EXPECT_EQ(BytesOf(folder / "dialog.bas.bak"), std::string(5000, 'o'));
  EXPECT_EQ(folder.Names(), "dialog.bas dialog.bas.bak") << "no temporary file is left behind";
}

// One generation: the backup holds the text the last save replaced, and a save of the very bytes
// a program holds keeps no backup and leaves the earlier one alone.
TEST_F(OutputFileTest, ReplacedProgramIsKeptOnlyWhenItsBytesDiffer) {
  const struct {
    const char* old;     // nullptr: no program yet
    bool kept;           // this save made a backup
    const char* backup;  // what dialog.bas.bak holds afterwards; nullptr: no backup
  } cases[] = {
      {nullptr, false, nullptr},
      {kProgramBytes, false, nullptr},
      {"edited\r\n", true, "edited\r\n"},  // Case branches filled in by hand
      {"edited again\r\n", true, "edited again\r\n"},
      {kProgramBytes, false, "edited again\r\n"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.old == nullptr ? "(none)" : c.old);
    fs::remove(folder / "dialog.bas");
    if (c.old != nullptr) WriteBytes(folder / "dialog.bas", c.old);
    const ProgramSave save = SAVEBAS(kProgramBytes);
    EXPECT_TRUE(save.saved && save.backup.kept);
    EXPECT_EQ(save.backup.name, c.kept ? folder / "dialog.bas.bak" : "");
    EXPECT_EQ(BytesOf(folder / "dialog.bas"), kProgramBytes);
    EXPECT_EQ(fs::exists(folder / "dialog.bas.bak"), c.backup != nullptr);
    if (c.backup != nullptr) {
      EXPECT_EQ(BytesOf(folder / "dialog.bas.bak"), c.backup);
    }
  }
}

TEST_F(OutputFileTest, BackupThatCannotBeWrittenLeavesEverythingAsItWasAndSaysWhy) {
  WriteBytes(folder / "dialog.bas", "edited\r\n");
  fs::create_directory(folder / "dialog.bas.bak");
  const ProgramSave save = SAVEBAS(kProgramBytes);
  EXPECT_FALSE(save.saved);
  EXPECT_FALSE(save.backup.kept);
  EXPECT_NE(save.backup.reason, "");
  EXPECT_EQ(BytesOf(folder / "dialog.bas"), "edited\r\n");
  EXPECT_TRUE(fs::is_empty(folder / "dialog.bas.bak"));
  EXPECT_EQ(folder.Names(), "dialog.bas dialog.bas.bak") << "no temporary is left behind";
  EXPECT_EQ(BackupFailure("dialog.bas", save.backup),
            "cannot keep the replaced program in " + (folder / "dialog.bas.bak") + ": " +
                save.backup.reason + "; dialog.bas is left as it was");
}

TEST_F(OutputFileTest, FailingReplaceKeepsWhatStoodThereAndLeavesNoTemporary) {
  // The program's name taken by a folder: the written temporary cannot replace it.
  Point(folder.path().string(), "menu.rc");
  fs::create_directory(folder / "menu.bas");
  EXPECT_FALSE(SaveWholeFile(folder / "menu.bas", kProgramBytes));
  EXPECT_TRUE(fs::is_directory(folder / "menu.bas"));
  EXPECT_EQ(folder.Names(), "menu.bas");
}

TEST_F(OutputFileTest, FolderWhereNothingCanBeCreatedGetsNoFileAndNoTemporary) {
  WriteBytes(folder / "plain", "a file, not a folder");
  for (const std::string& dir : {folder / "missing", folder / "plain"}) {
    SCOPED_TRACE(dir);
    Point(dir, "dialog.rc");
    SAVEBAS(kProgramBytes);
    SAVINI(kDefaultTexts, true);
  }
  EXPECT_EQ(folder.Names(), "plain");
  EXPECT_EQ(BytesOf(folder / "plain"), "a file, not a folder");
}

TEST_F(OutputFileTest, SettingsAreSavedWhenTheProgramCannotBeWritten) {
  fs::create_directory(folder / "dialog.bas");
  SAVEBAS(kProgramBytes);
  SAVINI({" 1.000", " 1.000", " 1.000", "2"}, false);
  EXPECT_EQ(folder.Names(), "dialog.bas tolvex.ini");
  EXPECT_EQ(BytesOf(folder / "tolvex.ini"), " 1.000\r\n 1.000\r\n 1.000\r\n2\r\n");
}

TEST_F(OutputFileTest, SettingsRoundTripKeepsBlanksAndEmptyTextsAndTheChosenConversion) {
  const CoefficientTexts texts = {"  2.5", "", "1.5 ", " 3"};
  const std::vector<std::string> asRead(texts.begin(), texts.end());
  SAVINI(texts, false);
  EXPECT_EQ(BytesOf(folder / "tolvex.ini"), "  2.5\r\n\r\n1.5 \r\n 3\r\n") << "four lines, as ever";
  EXPECT_EQ(ReadSettings().texts, asRead);
  EXPECT_FALSE(ReadSettings().complete);
  SAVINI(texts, true);
  EXPECT_EQ(BytesOf(folder / "tolvex.ini"), "  2.5\r\n\r\n1.5 \r\n 3\r\ncomplete\r\n");
  EXPECT_EQ(ReadSettings().texts, asRead);
  EXPECT_TRUE(ReadSettings().complete);
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

#ifndef _WIN32
TEST_F(OutputFileTest, BackupThroughALinkGoesBesideTheLinksTargetAndNamesIt) {
  fs::create_directory(folder / "real");
  WriteBytes(folder / "real/dialog.bas", "edited\r\n");
  fs::create_symlink("real/dialog.bas", folder / "dialog.bas");
  const ProgramSave save = SAVEBAS(kProgramBytes);
  EXPECT_TRUE(save.saved);
  EXPECT_EQ(save.backup.name, folder / "real/dialog.bas.bak");
  EXPECT_EQ(BytesOf(folder / "real/dialog.bas.bak"), "edited\r\n");
  EXPECT_TRUE(fs::is_symlink(folder / "dialog.bas"));
  EXPECT_EQ(BytesOf(folder / "real/dialog.bas"), kProgramBytes);
  EXPECT_EQ(folder.Names(), "dialog.bas real");
  EXPECT_EQ(BackupNote("dialog.bas", save.backup),
            "dialog.bas: the replaced program is kept in " + (folder / "real/dialog.bas.bak"));
}
#endif

#ifdef _WIN32
// Another program holds the file open as sharing allows, for as long as the object lives.
struct HeldOpen {
  HeldOpen(const std::string& path, DWORD sharing)
      : handle(
            CreateFileA(path.c_str(), GENERIC_READ, sharing, nullptr, OPEN_EXISTING, 0, nullptr)) {}
  ~HeldOpen() { CloseHandle(handle); }
  HANDLE handle;
};

TEST_F(OutputFileTest, FileHeldOpenWithoutDeleteSharingIsWrittenInPlace) {
  WriteBytes(folder / "dialog.bas", "previous");
  {
    HeldOpen other(folder / "dialog.bas", FILE_SHARE_READ | FILE_SHARE_WRITE);
    ASSERT_NE(other.handle, INVALID_HANDLE_VALUE);
    std::string kept;
    EXPECT_TRUE(SaveWholeFile(folder / "dialog.bas", kProgramBytes, &kept));
    EXPECT_EQ(kept, "");
  }
  EXPECT_EQ(BytesOf(folder / "dialog.bas"), kProgramBytes);
  EXPECT_EQ(folder.Names(), "dialog.bas");
}

TEST_F(OutputFileTest, FileHeldOpenWithoutAnySharingKeepsTheTemporaryAndNamesIt) {
  WriteBytes(folder / "dialog.bas", "previous");
  std::string kept;
  {
    HeldOpen other(folder / "dialog.bas", 0);
    ASSERT_NE(other.handle, INVALID_HANDLE_VALUE);
    EXPECT_FALSE(SaveWholeFile(folder / "dialog.bas", kProgramBytes, &kept));
  }
  // NAME.XXXXXXXX.tolvex-tmp, a name of its own.
  EXPECT_EQ(kept.rfind(folder / "dialog.bas.", 0), 0u) << kept;
  EXPECT_EQ(kept.size(), (folder / "dialog.bas.").size() + 8 + std::string(".tolvex-tmp").size());
  EXPECT_EQ(BytesOf(folder / "dialog.bas"), "previous");
  EXPECT_EQ(BytesOf(kept), kProgramBytes);
}
#endif

}  // namespace
}  // namespace tolvex::testing
