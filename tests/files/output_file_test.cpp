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

TEST_F(OutputFileTest, SuccessfulSaveReplacesAnExistingProgram) {
  WriteBytes(folder / "dialog.bas", std::string(5000, 'o'));
  SAVEBAS(kProgramBytes);
  EXPECT_EQ(BytesOf(folder / "dialog.bas"), kProgramBytes);
  EXPECT_EQ(folder.Names(), "dialog.bas") << "no temporary file is left behind";
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
    SAVINI(kDefaultTexts);
  }
  EXPECT_EQ(folder.Names(), "plain");
  EXPECT_EQ(BytesOf(folder / "plain"), "a file, not a folder");
}

TEST_F(OutputFileTest, SettingsAreSavedWhenTheProgramCannotBeWritten) {
  fs::create_directory(folder / "dialog.bas");
  SAVEBAS(kProgramBytes);
  SAVINI({" 1.000", " 1.000", " 1.000", "2"});
  EXPECT_EQ(folder.Names(), "dialog.bas tolvex.ini");
  EXPECT_EQ(BytesOf(folder / "tolvex.ini"), " 1.000\r\n 1.000\r\n 1.000\r\n2\r\n");
}

TEST_F(OutputFileTest, SettingsRoundTripKeepsBlanksAndEmptyTexts) {
  const CoefficientTexts texts = {"  2.5", "", "1.5 ", " 3"};
  SAVINI(texts);
  EXPECT_EQ(BytesOf(folder / "tolvex.ini"), "  2.5\r\n\r\n1.5 \r\n 3\r\n");
  EXPECT_EQ(SettingsTexts(), std::vector<std::string>(texts.begin(), texts.end()));
}

TEST_F(OutputFileTest, SettingsFileGivesAtMostFourTextsInOrder) {
  using Texts = std::vector<std::string>;
  EXPECT_EQ(SettingsTexts(), Texts{}) << "no file";
  WriteBytes(folder / "tolvex.ini", " 2\r\n3");
  EXPECT_EQ(SettingsTexts(), (Texts{" 2", "3"}));
  WriteBytes(folder / "tolvex.ini", "1\r\n2\r\n3\r\n4\r\nfive\r\nsix\r\nseven\r\n");
  EXPECT_EQ(SettingsTexts(), (Texts{"1", "2", "3", "4"}));
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
