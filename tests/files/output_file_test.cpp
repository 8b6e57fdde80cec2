// The one conversion of a Run, which the window's Run and tolvex-cli both call, its counts saying
// what was written of what the script holds; and the two files it leaves beside the script: the
// program (.bas) and the settings.
#include <gtest/gtest.h>

#include <functional>
#include <iterator>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

#include "app/compare_file.h"
#include "app/conversion_run.h"
#include "app/output_file.h"
#include "app/script_loader.h"
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

// Files of four lines or fewer, as every earlier version wrote them, read as they always did; only
// a fifth line of exactly "complete" asks for the complete conversion. Each NAME.ini of settings/
// reads as NAME.read says: its texts, one a line, then the conversion it chooses; and a
// saved_NAME.ini is what saving those texts and that conversion writes (blanks and empty texts
// kept, the four lines alone unticked).
TEST_F(OutputFileTest, SettingsFileGivesAtMostFourTextsAndAFifthLineTheConversionAndIsSavedAsRead) {
  EXPECT_EQ(ReadSettings().texts, std::vector<std::string>{}) << "no file";
  EXPECT_FALSE(ReadSettings().complete) << "no file";
  const fs::path cases = fs::path(TOLVEX_TESTS_DIR) / "files" / "settings";
  int files = 0;
  for (const fs::path& ini : FilesOf({cases}, ".ini")) {
    const std::string base = (cases / ini.stem()).string();
    SCOPED_TRACE(base);
    ASSERT_TRUE(fs::exists(base + ".read"));
    WriteBytes(folder / "tolvex.ini", BytesOf(base + ".ini"));
    const Settings settings = ReadSettings();
    std::string read;
    for (const std::string& text : settings.texts) read += text + "\n";
    EXPECT_EQ(read + (settings.complete ? "complete\n" : "designed\n"), BytesOf(base + ".read"));
    ++files;
    if (ini.stem().string().rfind("saved_", 0) != 0) continue;
    ASSERT_TRUE(fs::remove(folder / "tolvex.ini"));
    SAVINI({settings.texts.at(0), settings.texts.at(1), settings.texts.at(2), settings.texts.at(3)},
           settings.complete);
    EXPECT_EQ(BytesOf(folder / "tolvex.ini"), BytesOf(base + ".ini"));
  }
  EXPECT_GE(files, 12);
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

// A case of the complete conversion's folder, converted as the window's Run converts it.
ConversionRun RunCase(const std::string& name, bool complete) {
  const std::string script = std::string(TOLVEX_COMPLETE_GOLDEN_DIR) + "/" + name + ".rc";
  PackedLines lines;
  std::string bytes;
  EXPECT_TRUE(ReadScriptLines(script, lines, &bytes));
  RunInputs inputs = DefaultRunInputs();
  inputs.complete = complete;
  return ConvertForRun({script, lines, bytes}, inputs, {}, true);
}

// Each NAME.designed.txt or NAME.complete.txt of counts/: the counts of the complete conversion's
// case NAME, converted unticked or ticked. A menu that no dialog names is written as a window of
// its own, beyond the dialogs.
TEST(ConversionRunTest, CountsSayWhatWasWrittenOfWhatTheScriptHolds) {
  const fs::path counts = fs::path(TOLVEX_TESTS_DIR) / "files" / "counts";
  int cases = 0;
  for (const fs::path& path : FilesOf({counts}, ".txt")) {
    const fs::path name = path.stem();
    SCOPED_TRACE(name.string());
    ASSERT_TRUE(name.extension() == ".complete" || name.extension() == ".designed");
    const ConversionRun run = RunCase(name.stem().string(), name.extension() == ".complete");
    EXPECT_EQ(CountsText(run), BytesOf(path.string()));
    ++cases;
  }
  EXPECT_GE(cases, 4);
}

// A designed program made as it is written is the program held whole, and its counts, known once
// it has been read through, give the same hint.
TEST(ConversionRunTest, ProgramMadeAsItIsWrittenIsTheProgramHeld) {
  const std::string script = std::string(TOLVEX_COMPLETE_GOLDEN_DIR) + "/vs_resource.rc";
  PackedLines lines;
  std::string bytes;
  ASSERT_TRUE(ReadScriptLines(script, lines, &bytes));
  const RunInputs inputs = DefaultRunInputs();
  const ConversionRun held = ConvertForRun({script, lines, bytes}, inputs, {}, true);
  RunScript streamed{script, lines, bytes};
  streamed.madeAsWritten = true;
  const ConversionRun made = ConvertForRun(streamed, inputs, {}, true);
  ASSERT_TRUE(made.made);
  EXPECT_FALSE(made.made->has_value());
  // A take that stops early still leaves the whole program's counts.
  int taken = 0;
  EXPECT_FALSE(made.lines.Each([&taken](std::string_view) { return ++taken < 3; }));
  EXPECT_EQ(taken, 3);
  EXPECT_TRUE(made.made->has_value());
  EXPECT_EQ(ProgramBytes(made.lines), ProgramBytes(held.lines));
  ASSERT_TRUE(HintLine(script, held));
  EXPECT_EQ(HintLine(script, made), HintLine(script, held));
}

}  // namespace
}  // namespace tolvex::testing
