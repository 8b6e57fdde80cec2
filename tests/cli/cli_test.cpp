// tolvex-cli as a process: every option, exit status and message.
#include <gtest/gtest.h>

#include <cstdlib>
#include <string>
#include <vector>

#ifdef _WIN32
#include <windows.h>
#else
#include <fcntl.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>
#endif

#include "app/shell_state.h"
#include "tests/cli/cli_fixture.h"
#include "tests/files/scratch_folder.h"
#include "toolkit/files.h"

namespace tolvex::testing {
namespace {

namespace fs = std::filesystem;

TEST_F(CliTest, HelpAndVersionPrintAndSucceedWithoutAScript) {
  for (const char* option : {"--help", "-h"}) {
    const Outcome run = Cli({option});
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(run.out.rfind(kUsageStart, 0), 0u) << run.out;
    for (const char* named : {"--save-settings", "--designed", "--complete", ".bas.bak"}) {
      EXPECT_NE(run.out.find(named), std::string::npos) << named;
    }
    EXPECT_EQ(run.err, "");
  }
  const Outcome run = Cli({"--version"});
  EXPECT_EQ(run.status, 0);
  EXPECT_EQ(run.out, "tolvex-cli " TOLVEX_VERSION "\n");
  EXPECT_EQ(run.err, "");
}

TEST_F(CliTest, UsageErrorsExitTwoWithTheReasonAndTheUsageAndConvertNothing) {
  const std::string script = Golden("menu");
  const struct {
    std::vector<std::string> arguments;
    std::string reason;
  } cases[] = {
      {{}, "no script given"},
      {{"--bogus", script}, "unknown option --bogus"},
      {{"-x", script}, "unknown option -x"},
      {{script, "--global-y"}, "option --global-y needs a value"},
      {{"-o"}, "option -o needs a value"},
      {{"-o", folder / "out.bas", script, script}, "-o takes a single script"},
      {{"--check", "-o", "-", script}, "--check compares with a file, not with standard output"},
      {{"-"}, "a script on standard input (-) needs -o: its program has no name of its own"},
      {{"--save-settings", "-o", "-", "-"},
       "--save-settings needs the script's folder: a script on standard input has none"},
      {{"--complete", "--designed", script}, "--complete and --designed cannot both be given"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.reason);
    const Outcome run = Cli(c.arguments);
    EXPECT_EQ(run.status, 2);
    EXPECT_EQ(run.out, "");
    EXPECT_EQ(run.err.rfind("tolvex-cli: error: " + c.reason + "\n\n" + kUsageStart, 0), 0u)
        << run.err;
  }
  EXPECT_EQ(folder.Names(), "menu.rc");
}

TEST_F(CliTest, ScriptConvertsBesideItselfAndToAChosenFileOrStandardOutput) {
  const std::string script = Golden("menu", "Menu.RC");
  Outcome run = Cli({script});
  EXPECT_EQ(run.status, 0);
  EXPECT_EQ(run.out + run.err, "");
  EXPECT_EQ(BytesOf(folder / "Menu.bas"), Expected("menu"));

  run = Cli({"-o", folder / "chosen.txt", script});
  EXPECT_EQ(run.status, 0);
  EXPECT_EQ(BytesOf(folder / "chosen.txt"), Expected("menu"));
  run = Cli({"-o" + std::string("=") + (folder / "other.txt"), script});
  EXPECT_EQ(BytesOf(folder / "other.txt"), Expected("menu"));

  run = Cli({"-o", "-", script});
  EXPECT_EQ(run.status, 0);
  EXPECT_TRUE(run.out == Expected("menu")) << "standard output carries the exact bytes";
  EXPECT_EQ(run.err, "");
  EXPECT_EQ(folder.Names(), "Menu.RC Menu.bas chosen.txt other.txt");
}

TEST_F(CliTest, CoefficientOptionsTakeTheirTextInEitherFormAndScreenAddsItsBlock) {
  const std::string script = Golden("two_dialogs");
  const std::string plain = Cli({"-o", "-", script}).out;
  for (const std::string option : {"--global-x", "--global-y", "--window-x", "--window-y"}) {
    SCOPED_TRACE(option);
    const Outcome separate = Cli({option, " 2", "-o", "-", script});
    const Outcome joined = Cli({option + "= 2", "-o", "-", script});
    EXPECT_EQ(separate.status, 0);
    EXPECT_EQ(separate.out, joined.out);
    EXPECT_NE(separate.out, plain) << "the coefficient changes the program";
  }
  EXPECT_NE(Cli({"--screen", "-o", "-", script}).out, plain);
  // The options of the whole-output case give its program exactly.
  const Outcome run = Cli({"--screen", "--global-x", " 2", "--window-y=1.5", script});
  EXPECT_EQ(run.status, 0);
  EXPECT_TRUE(BytesOf(folder / "two_dialogs.bas") == Expected("two_dialogs"));
  EXPECT_EQ(folder.Names(), "two_dialogs.bas two_dialogs.rc") << "no settings unless asked";
}

TEST_F(CliTest, SettingsBesideTheScriptAreUsedAndSavedOnlyWhenAsked) {
  const std::string script = Golden("two_dialogs");
  WriteBytes(folder / "tolvex.ini", " 2\r\n 1.000\r\n 1.000\r\n1.5\r\n");
  Outcome run = Cli({"--screen", script});
  EXPECT_EQ(run.status, 0);
  EXPECT_TRUE(BytesOf(folder / "two_dialogs.bas") == Expected("two_dialogs"));

  run = Cli({"--global-y=3", "--save-settings", script});
  EXPECT_EQ(run.status, 0);
  EXPECT_EQ(BytesOf(folder / "tolvex.ini"), " 2\r\n3\r\n 1.000\r\n1.5\r\n");
}

// The folder's tolvex.ini chooses the conversion as Load.rc ticks the window's box; an option
// forces one; --save-settings writes what ran, the four lines alone for the designed conversion.
TEST_F(CliTest, ConversionFollowsTheFolderUnlessAnOptionForcesOne) {
  const std::string script = VisualStudioScript();
  const std::string complete =
      BytesOf(std::string(TOLVEX_COMPLETE_GOLDEN_DIR) + "/vs_resource.bas");
  const std::string designed = Cli({"--designed", "-o", "-", script}).out;
  ASSERT_NE(designed, complete);
  const std::string four = " 2\r\n 1.000\r\n 1.000\r\n 1.000\r\n";
  const std::string five = four + "complete\r\n";
  const struct {
    const char* settings;  // nullptr: no tolvex.ini
    std::vector<std::string> options;
    bool complete;
  } cases[] = {
      {nullptr, {}, false},
      {nullptr, {"--complete"}, true},
      {"", {}, false},
      {" 2\r\n 1.000\r\n 1.000\r\n 1.000\r\n", {}, false},
      {five.c_str(), {}, true},
      {five.c_str(), {"--designed"}, false},
      {four.c_str(), {"--complete"}, true},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(std::string(c.settings ? c.settings : "(none)") + " with " +
                 (c.options.empty() ? "no option" : c.options[0]));
    fs::remove(folder / "tolvex.ini");
    if (c.settings != nullptr) WriteBytes(folder / "tolvex.ini", c.settings);
    std::vector<std::string> arguments = c.options;
    for (const char* more : {"--global-x", " 1.000", "--save-settings", "-o", "-"}) {
      arguments.push_back(more);
    }
    arguments.push_back(script);
    const Outcome run = Cli(arguments);
    EXPECT_EQ(run.status, 0) << run.err;
    EXPECT_TRUE(run.out == (c.complete ? complete : designed));
    EXPECT_EQ(BytesOf(folder / "tolvex.ini"),
              std::string(" 1.000\r\n 1.000\r\n 1.000\r\n 1.000\r\n") +
                  (c.complete ? "complete\r\n" : ""));
  }
}

// A program whose Case branches were filled in by hand is never lost: its text is kept once, in
// NAME.bas.bak, and one line says so.
TEST_F(CliTest, ReplacedProgramThatDiffersIsKeptAsABackupAndSaid) {
  const std::string script = Golden("menu"), program = folder / "menu.bas";
  const std::string backup = program + ".bak";
  const std::string said = program + ": the replaced program is kept in " + backup + "\n";
  const struct {
    const char* edited;  // what the program holds before; nullptr: as converted
    std::vector<std::string> options;
    std::string err;
    const char* kept;  // the backup's bytes afterwards
  } cases[] = {
      {"' my code\r\n", {}, said, "' my code\r\n"},
      {nullptr, {}, "", "' my code\r\n"},  // the same bytes: nothing to keep
      {"' more code\r\n", {"--quiet"}, "", "' more code\r\n"},
      {"' still more\r\n",
       {"--check"},
       script + ": error: " + program + " differs from the conversion\n",
       "' more code\r\n"},  // --check writes nothing
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.edited ? c.edited : "(as converted)");
    if (c.edited != nullptr) WriteBytes(program, c.edited);
    std::vector<std::string> arguments = c.options;
    arguments.push_back(script);
    const Outcome run = Cli(arguments);
    EXPECT_EQ(run.err, c.err);
    EXPECT_EQ(BytesOf(backup), c.kept);
  }
  EXPECT_EQ(folder.Names(), "menu.bas menu.bas.bak menu.rc");

  // A backup that cannot be written: nothing is, and the message says why.
  WriteBytes(program, "' mine\r\n");
  fs::remove(backup);
  fs::create_directory(backup);
  const Outcome run = Cli({script});
  EXPECT_EQ(run.status, 1);
  const std::string prefix =
      script + ": error: cannot keep the replaced program in " + backup + ": ";
  const std::string suffix = "; " + program + " is left as it was\n";
  EXPECT_EQ(run.err.rfind(prefix, 0), 0u) << run.err;
  EXPECT_GT(run.err.size(), prefix.size() + suffix.size()) << "a reason is given";
  EXPECT_EQ(run.err.substr(run.err.size() - std::min(run.err.size(), suffix.size())), suffix);
  EXPECT_EQ(BytesOf(program), "' mine\r\n");
  EXPECT_TRUE(fs::is_empty(backup));
  EXPECT_EQ(folder.Names(), "menu.bas menu.bas.bak menu.rc");
}

TEST_F(CliTest, SettingsAreStillSavedWhenTheProgramCannotBeWritten) {
  const std::string script = Golden("menu");
  const std::string target = folder / "missing" + std::string(1, '/') + "out.bas";
  const Outcome run = Cli({"--save-settings", "-o", target, script});
  EXPECT_EQ(run.status, 1);
  EXPECT_EQ(BytesOf(folder / "tolvex.ini"), " 1.000\r\n 1.000\r\n 1.000\r\n 1.000\r\n");
}

TEST_F(CliTest, CheckComparesWithoutWritingBothWays) {
  const std::string script = Golden("submenu");
  const std::string program = folder / "submenu.bas";
  Outcome run = Cli({"--check", script});
  EXPECT_EQ(run.status, 1);
  EXPECT_EQ(run.err, script + ": error: " + program + " does not exist\n");
  EXPECT_FALSE(fs::exists(program));

  WriteBytes(program, Expected("submenu"));
  run = Cli({"--check", script});
  EXPECT_EQ(run.status, 0);
  EXPECT_EQ(run.out + run.err, "");

  WriteBytes(program, Expected("submenu") + "\r\n");
  run = Cli({"--check", script});
  EXPECT_EQ(run.status, 1);
  EXPECT_EQ(run.err, script + ": error: " + program + " differs from the conversion\n");
  EXPECT_EQ(BytesOf(program), Expected("submenu") + "\r\n") << "a check writes nothing";
}

TEST_F(CliTest, EachFailureNamesTheFileAndTheReasonAndTheOthersStillConvert) {
  const std::string first = Golden("menu"), last = Golden("traced");
  const std::string missing = folder / "missing.rc", empty = folder / "empty.rc";
  WriteBytes(empty, "");
  Outcome run = Cli({first, missing, empty, last});
  EXPECT_EQ(run.status, 1);
  EXPECT_EQ(run.err, missing + ": error: cannot read the script: " + MissingFileReason(false) +
                         "\n" + empty + ": error: the script is empty: nothing to convert\n");
  EXPECT_EQ(BytesOf(folder / "menu.bas"), Expected("menu"));
  EXPECT_EQ(BytesOf(folder / "traced.bas"), Expected("traced"));

  const std::string target = folder / "missing" + std::string(1, '/') + "out.bas";
  run = Cli({"-o", target, first});
  EXPECT_EQ(run.status, 1);
  EXPECT_EQ(run.err, first + ": error: cannot write " + NativePath(target) + ": " +
                         MissingFileReason(true) + "\n");
}

TEST_F(CliTest, MarkedScriptsConvertLikeTheirPlainBytes) {
  const std::string plain = Expected("all_kinds", ".rc");
  std::string little = "\xff\xfe", big = "\xfe\xff";
  for (char c : plain) {
    little += std::string{c, '\0'};
    big += std::string{'\0', c};
  }
  const struct {
    const char* name;
    std::string bytes;
  } cases[] = {{"le.rc", little}, {"be.rc", big}, {"u8.rc", "\xef\xbb\xbf" + plain}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    WriteBytes(folder / c.name, c.bytes);
    const Outcome run = Cli({"-o", "-", folder / c.name});
    EXPECT_EQ(run.status, 0);
    EXPECT_TRUE(run.out == Expected("all_kinds"));
  }
}

TEST_F(CliTest, ProgramIsNeverWrittenOverItsOwnScript) {
  const std::string script = Golden("menu", "ab.rc");
  // The name rule's file and another name, both leading to the script.
#ifdef _WIN32
  fs::create_hard_link(script, folder / "ab.bas");
  fs::create_hard_link(script, folder / "alias.rc");
#else
  fs::create_symlink("ab.rc", folder / "ab.bas");
  fs::create_symlink(script, folder / "alias.rc");
#endif
  const struct {
    std::vector<std::string> arguments;
    std::string target;
  } cases[] = {
      {{"-o", script, script}, script},
      {{"-o", folder / "alias.rc", script}, folder / "alias.rc"},
      {{script}, folder / "ab.bas"},
      {{"-o", script, folder / "alias.rc"}, script},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.target);
    const Outcome run = Cli(c.arguments);
    EXPECT_EQ(run.status, 1);
    EXPECT_EQ(run.err, c.arguments.back() + ": error: " + c.target +
                           " is the script itself: the program is not written over it\n");
    EXPECT_EQ(BytesOf(script), Expected("menu", ".rc"));
  }
  EXPECT_EQ(folder.Names(), "ab.bas ab.rc alias.rc");
}

TEST_F(CliTest, EmptyScriptNameIsQuotedInTheMessage) {
  const Outcome run = Cli({""});
  EXPECT_EQ(run.status, 1);
  EXPECT_EQ(run.err.rfind("'': error: cannot read the script", 0), 0u) << run.err;
}

TEST_F(CliTest, ScriptOnStandardInputConvertsWithoutAnySettings) {
  const std::string script = Golden("two_dialogs");
  const std::string plain = Cli({"-o", "-", "--global-x= 1.000", script}).out;
  WriteBytes(folder / "tolvex.ini", " 2\r\n 2\r\n 2\r\n 2\r\n");  // not read for standard input
  // Run from the folder that holds a settings file, by redirection and through a pipe.
  const std::string here = "cd \"" + folder.path().string() + "\" && ";
  const std::string toFile = "> \"" + (folder / "stdout") + "\"";
  std::vector<std::pair<std::string, std::string>> feeds = {
      {here, "< \"" + script + "\" " + toFile}};
#ifndef _WIN32
  feeds.emplace_back(here + "cat \"" + script + "\" | ", toFile);
#endif
  for (const auto& [before, output] : feeds) {
    SCOPED_TRACE(before + output);
    const Outcome run = Command(before, {"-o", "-", "-"}, output);
    EXPECT_EQ(run.status, 0);
    EXPECT_TRUE(run.out == plain) << run.err;
    EXPECT_EQ(run.err, "");
  }
  EXPECT_EQ(BytesOf(folder / "tolvex.ini"), " 2\r\n 2\r\n 2\r\n 2\r\n");
  EXPECT_EQ(folder.Names(), "tolvex.ini two_dialogs.rc");
}

TEST_F(CliTest, CoefficientThatIsNoSoundNumberIsUsedAsReadWithAWarning) {
  const std::string script = Golden("menu");
  const struct {
    std::string text, readsAs;
  } doubtful[] = {{"abc", "0"}, {"", "0"},  {"nan", "0"}, {"1e309", "inf"}, {"1,5", "1"},
                  {"-5", "-5"}, {"0", "0"}, {" 2x", "2"}, {"1e", "1"},      {".", "0"}};
  for (const auto& c : doubtful) {
    SCOPED_TRACE(c.text);
    const Outcome run = Cli({"-o", "-", "--window-y", c.text, script});
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(run.err, "tolvex-cli: warning: --window-y \"" + c.text +
                           "\" is not a finite number greater than 0; it reads as " + c.readsAs +
                           "\n");
  }
  for (const char* sound : {" 1.000", "2", "  1.5e0 ", "1d1", "+.5", "7."}) {
    EXPECT_EQ(Cli({"-o", "-", "--global-x", sound, script}).err, "") << sound;
  }
  // A settings line gets the same warning, named by its file and line, unless an option replaces
  // it.
  WriteBytes(folder / "tolvex.ini", " 1.000\r\n-1\r\n1\r\nx\r\n");
  const Outcome run = Cli({"-o", "-", "--window-y=3", script});
  EXPECT_EQ(run.status, 0);
  EXPECT_EQ(run.err, NativePath(folder / "tolvex.ini") +
                         ":2:1: warning: \"-1\" is not a finite number greater than 0; it reads "
                         "as -1\n");
}

#ifndef _WIN32
TEST_F(CliTest, FailedWriteToStandardOutputFails) {
  const std::string script = Golden("menu");
  const Outcome run = Command("", {"-o", "-", script}, ">&-");
  EXPECT_EQ(run.status, 1);
  EXPECT_EQ(run.err,
            script + ": error: cannot write the program to standard output: Bad file descriptor\n");
}

TEST_F(CliTest, ProgramGoesIntoAFifoWithoutReplacingIt) {
  const std::string script = Golden("menu"), fifo = folder / "out.bas";
  ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
  // Open for reading first, without waiting: the converter's open for writing then finds a reader.
  const int reader = ::open(fifo.c_str(), O_RDONLY | O_NONBLOCK);
  ASSERT_GE(reader, 0);
  const Outcome run = Cli({"-o", fifo, script});
  std::string got(1 << 16, '\0');
  const ssize_t length = ::read(reader, got.data(), got.size());
  ::close(reader);
  EXPECT_EQ(run.status, 0) << run.err;
  got.resize(length > 0 ? static_cast<size_t>(length) : 0);
  EXPECT_TRUE(got == Expected("menu"));
  EXPECT_TRUE(fs::is_fifo(fifo));
  EXPECT_EQ(folder.Names(), "menu.rc out.bas");
}

TEST_F(CliTest, LinksStayLinksAndTheirTargetsAreReplaced) {
  const std::string script = Golden("menu");
  fs::create_directory(folder / "real");
  WriteBytes(folder / "real" + std::string("/menu.bas"), "old");
  WriteBytes(folder / "real" + std::string("/tolvex.ini"), " 1.000");
  fs::create_symlink("real/menu.bas", folder / "menu.bas");
  fs::create_symlink(folder / "real" + std::string("/tolvex.ini"), folder / "tolvex.ini");
  const Outcome run = Cli({"--save-settings", script});
  EXPECT_EQ(run.status, 0) << run.err;
  // The replaced program is kept beside the file the link leads to, and the message names it.
  EXPECT_EQ(BytesOf(folder / "real" + std::string("/menu.bas.bak")), "old");
  EXPECT_EQ(run.err, folder / "menu.bas" + ": the replaced program is kept in " +
                         folder / "real/menu.bas.bak\n");
  EXPECT_TRUE(fs::is_symlink(folder / "menu.bas"));
  EXPECT_TRUE(fs::is_symlink(folder / "tolvex.ini"));
  EXPECT_TRUE(BytesOf(folder / "real" + std::string("/menu.bas")) == Expected("menu"));
  EXPECT_EQ(BytesOf(folder / "real" + std::string("/tolvex.ini")),
            " 1.000\r\n 1.000\r\n 1.000\r\n 1.000\r\n");
  EXPECT_EQ(folder.Names(), "menu.bas menu.rc real tolvex.ini");
}

TEST_F(CliTest, ReplacedProgramKeepsItsPermissionsAndOwnerAndANewOneGetsTheUsualOnes) {
  const std::string script = Golden("menu"), program = folder / "menu.bas";
  using P = fs::perms;
  for (const P mode : {P::owner_read | P::owner_write | P::group_read,
                       P::owner_read | P::group_read | P::others_read, P::owner_all}) {
    WriteBytes(program, "old");
    fs::permissions(program, mode);
    EXPECT_EQ(Cli({script}).status, 0);
    EXPECT_EQ(fs::status(program).permissions(), mode);
    EXPECT_TRUE(BytesOf(program) == Expected("menu"));
  }
  // Only the superuser may give a file to another owner; the replaced file's owner carries over.
  if (::geteuid() == 0 && ::chown(program.c_str(), 1, 1) == 0) {
    EXPECT_EQ(Cli({script}).status, 0);
    struct stat info;
    ASSERT_EQ(::stat(program.c_str(), &info), 0);
    EXPECT_EQ(info.st_uid, 1u);
    EXPECT_EQ(info.st_gid, 1u);
  }
  fs::remove(program);
  const mode_t mask = ::umask(0);
  ::umask(mask);
  EXPECT_EQ(Cli({script}).status, 0);
  EXPECT_EQ(static_cast<mode_t>(fs::status(program).permissions()), 0666 & ~mask);
}
#endif

#ifdef _WIN32
TEST_F(CliTest, ProgramThatCannotBeWrittenAtAllIsKeptInItsNamedTemporary) {
  const std::string script = Golden("menu"), program = NativePath(folder / "menu.bas");
  WriteBytes(program, "previous");
  // Read sharing alone: the old text can still be kept, but the file can be neither replaced nor
  // written in place. (Without any sharing not even its backup can be made, and nothing is.)
  const HANDLE other = CreateFileA(program.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr,
                                   OPEN_EXISTING, 0, nullptr);
  ASSERT_NE(other, INVALID_HANDLE_VALUE);
  const Outcome run = Cli({script});
  CloseHandle(other);
  EXPECT_EQ(run.status, 1);
  const std::string prefix = script + ": error: cannot write " + program;
  const std::string keptIn = "; the new text is kept in ";
  EXPECT_EQ(run.err.rfind(prefix, 0), 0u) << run.err;
  const size_t at = run.err.find(keptIn);
  ASSERT_NE(at, std::string::npos) << run.err;
  const std::string kept =
      run.err.substr(at + keptIn.size(), run.err.size() - at - keptIn.size() - 1);
  EXPECT_EQ(kept.rfind(program + ".", 0), 0u) << kept;
  EXPECT_EQ(kept.substr(kept.size() - 11), ".tolvex-tmp");
  EXPECT_EQ(BytesOf(program), "previous");
  EXPECT_EQ(BytesOf(program + ".bak"), "previous");
  EXPECT_TRUE(BytesOf(kept) == Expected("menu"));
}
#endif

}  // namespace
}  // namespace tolvex::testing
