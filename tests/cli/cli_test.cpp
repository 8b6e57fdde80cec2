// tolvex-cli as a process: every option, exit status and message.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#ifdef _WIN32
#include <windows.h>
#else
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

#include "app/shell_state.h"
#include "tests/cli/cli_fixture.h"

namespace tolvex::testing {
namespace {

const std::string kDefaultSettings = " 1.000\r\n 1.000\r\n 1.000\r\n 1.000\r\n";

TEST_F(CliTest, HelpAndVersionPrintAndSucceedWithoutAScript) {
  const std::string help = Cli({"--help"}).out;
  EXPECT_EQ(help.rfind("Usage: tolvex-cli [options] SCRIPT...\n", 0), 0u) << help;
  for (const char* named : {"--save-settings", "--designed", "--complete", ".bas.bak"}) {
    EXPECT_NE(help.find(named), std::string::npos) << named;
  }
  for (const auto& [option, out] : {std::pair<const char*, std::string>{"--help", help},
                                    {"-h", help},
                                    {"--version", "tolvex-cli " TOLVEX_VERSION "\n"}}) {
    const Outcome run = Cli({option});
    EXPECT_EQ(run.status, 0) << option;
    EXPECT_EQ(run.out, out);
    EXPECT_EQ(run.err, "");
  }
}

TEST_F(CliTest, UsageErrorsExitTwoWithTheReasonAndTheUsageAndConvertNothing) {
  Golden("menu");
  const std::string help = Cli({"--help"}).out;
  const auto usage = [&](const std::string& reason) {
    return "tolvex-cli: error: " + reason + "\n\n" + help;
  };
  const std::string noName =
      "a script on standard input (-) needs -o: its program has no name of "
      "its own";
  ExpectRows({
      {{}, 2, usage("no script given")},
      {{"--bogus", "@/menu.rc"}, 2, usage("unknown option --bogus")},
      {{"-x", "@/menu.rc"}, 2, usage("unknown option -x")},
      {{"@/menu.rc", "--global-y"}, 2, usage("option --global-y needs a value")},
      {{"-o"}, 2, usage("option -o needs a value")},
      {{"-o", "@/out.bas", "@/menu.rc", "@/menu.rc"}, 2, usage("-o takes a single script")},
      {{"--check", "-o", "-", "@/menu.rc"},
       2,
       usage("--check compares with a file, not with standard output")},
      {{"-"}, 2, usage(noName)},
      {{"@/menu.rc", "-"}, 2, usage(noName)},
      {{"--save-settings", "-o", "-", "-"},
       2,
       usage("--save-settings needs the script's folder: a script on standard input has none")},
      {{"--complete", "--designed", "@/menu.rc"},
       2,
       usage("--complete and --designed cannot both be given")},
  });
  EXPECT_EQ(folder.Names(), "menu.rc");
}

TEST_F(CliTest, ScriptConvertsBesideItselfAndToAChosenFileOrStandardOutput) {
  const std::string script = Golden("menu", "Menu.RC");
  for (const std::vector<std::string>& arguments : {std::vector<std::string>{script},
                                                    {"-o", folder / "chosen.txt", script},
                                                    {"-o=" + (folder / "other.txt"), script}}) {
    const Outcome run = Cli(arguments);
    EXPECT_EQ(run.status, 0) << arguments[0];
    EXPECT_EQ(run.out + run.err, "");
  }
  for (const char* name : {"Menu.bas", "chosen.txt", "other.txt"}) {
    EXPECT_TRUE(BytesOf(folder / name) == Expected("menu")) << name;
  }
  const Outcome run = Cli({"-o", "-", script});
  EXPECT_EQ(run.status, 0);
  EXPECT_TRUE(run.out == Expected("menu")) << "standard output carries the exact bytes";
  EXPECT_EQ(run.err, "");
  EXPECT_EQ(folder.Names(), "Menu.RC Menu.bas chosen.txt other.txt");
}

// A coefficient comes from its option in either form, else from the folder's tolvex.ini, which
// is saved only when asked, the options' texts replacing its lines.
TEST_F(CliTest, CoefficientsComeFromTheirOptionsElseFromTheFolderAndAreSavedOnlyWhenAsked) {
  const std::string script = Golden("two_dialogs"), program = folder / "two_dialogs.bas";
  const std::string plain = Cli({"-o", "-", script}).out;
  for (const std::string option : {"--global-x", "--global-y", "--window-x", "--window-y"}) {
    const Outcome separate = Cli({option, " 2", "-o", "-", script});
    EXPECT_EQ(separate.status, 0) << option;
    EXPECT_EQ(separate.out, Cli({option + "= 2", "-o", "-", script}).out) << option;
    EXPECT_NE(separate.out, plain) << option << " changes the program";
  }
  EXPECT_NE(Cli({"--screen", "-o", "-", script}).out, plain);
  // The whole-output case's options, given or read from the folder, give its program exactly.
  EXPECT_EQ(Cli({"--screen", "--global-x", " 2", "--window-y=1.5", script}).status, 0);
  EXPECT_TRUE(BytesOf(program) == Expected("two_dialogs"));
  EXPECT_EQ(folder.Names(), "two_dialogs.bas two_dialogs.rc") << "no settings unless asked";
  fs::remove(program);
  WriteBytes(folder / "tolvex.ini", " 2\r\n 1.000\r\n 1.000\r\n1.5\r\n");
  EXPECT_EQ(Cli({"--screen", script}).status, 0);
  EXPECT_TRUE(BytesOf(program) == Expected("two_dialogs"));
  EXPECT_EQ(Cli({"--global-y=3", "--save-settings", script}).status, 0);
  EXPECT_EQ(BytesOf(folder / "tolvex.ini"), " 2\r\n3\r\n 1.000\r\n1.5\r\n");
}

// The folder's tolvex.ini chooses the conversion as Load.rc ticks the window's box; an option
// forces one; --save-settings writes what ran, the four lines alone for the designed conversion.
TEST_F(CliTest, ConversionFollowsTheFolderUnlessAnOptionForcesOne) {
  const std::string golden = std::string(TOLVEX_COMPLETE_GOLDEN_DIR) + "/";
  WriteBytes(folder / "resource.h", BytesOf(golden + "resource.h"));
  WriteBytes(folder / "vs.rc", BytesOf(golden + "vs_resource.rc"));
  const std::string script = folder / "vs.rc", complete = BytesOf(golden + "vs_resource.bas");
  const std::string designed = Cli({"--designed", "-o", "-", script}).out;
  ASSERT_NE(designed, complete);
  const std::string four = " 2\r\n 1.000\r\n 1.000\r\n 1.000\r\n", five = four + "complete\r\n";
  const struct {
    const char* settings;  // nullptr: no tolvex.ini
    std::vector<std::string> options;
    bool complete;
  } cases[] = {{nullptr, {}, false},
               {nullptr, {"--complete"}, true},
               {"", {}, false},
               {four.c_str(), {}, false},
               {five.c_str(), {}, true},
               {five.c_str(), {"--designed"}, false},
               {four.c_str(), {"--complete"}, true}};
  for (const auto& c : cases) {
    SCOPED_TRACE(std::string(c.settings ? c.settings : "(none)") + " with " +
                 (c.options.empty() ? "no option" : c.options[0]));
    fs::remove(folder / "tolvex.ini");
    if (c.settings != nullptr) WriteBytes(folder / "tolvex.ini", c.settings);
    std::vector<std::string> arguments = c.options;
    arguments.insert(arguments.end(),
                     {"--global-x", " 1.000", "--save-settings", "-o", "-", script});
    const Outcome run = Cli(arguments);
    EXPECT_EQ(run.status, 0) << run.err;
    EXPECT_TRUE(run.out == (c.complete ? complete : designed));
    EXPECT_EQ(BytesOf(folder / "tolvex.ini"),
              kDefaultSettings + (c.complete ? "complete\r\n" : ""));
  }
}

// A program whose Case branches were filled in by hand is never lost: its text is kept once, in
// NAME.bas.bak, and one line says so. --check compares and writes nothing.
TEST_F(CliTest, ReplacedProgramThatDiffersIsKeptAsABackupAndSaidAndCheckWritesNothing) {
  const std::string script = Golden("menu"), program = folder / "menu.bas", menu = Expected("menu");
  const std::string backup = program + ".bak", error = script + ": error: " + program;
  const std::string said = program + ": the replaced program is kept in " + backup + "\n";
  const std::string differs = error + " differs from the conversion\n", longer(5000, 'o');
  const std::string shorter = menu.substr(0, menu.size() - 1);
  const struct {
    std::string before;  // the program's bytes before the run; "": as the last run left them
    std::vector<std::string> options;
    int status;
    std::string err, after, kept;  // the program's and the backup's bytes after the run
  } cases[] = {
      {"", {"--check"}, 1, error + " does not exist\n", "", ""},
      {"' my code\r\n", {}, 0, said, menu, "' my code\r\n"},
      {"", {}, 0, "", menu, "' my code\r\n"},  // the same bytes: nothing to keep
      {"", {"--check"}, 0, "", menu, "' my code\r\n"},
      {longer, {"--quiet"}, 0, "", menu, longer},  // kept whole, beyond a block
      {menu + "\r\n", {"--check"}, 1, differs, menu + "\r\n", longer},
      {shorter, {"--check"}, 1, differs, shorter, longer},  // the conversion's bytes cut short
      {"", {}, 0, said, menu, shorter},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.before.substr(0, 12) + (c.options.empty() ? "" : c.options[0]));
    if (!c.before.empty()) WriteBytes(program, c.before);
    std::vector<std::string> arguments = c.options;
    arguments.push_back(script);
    const Outcome run = Cli(arguments);
    EXPECT_EQ(run.status, c.status);
    EXPECT_EQ(run.err, c.err);
    EXPECT_TRUE(BytesOf(program) == c.after);
    EXPECT_EQ(BytesOf(backup), c.kept);
  }
  EXPECT_EQ(folder.Names(), "menu.bas menu.bas.bak menu.rc");

  // A backup that cannot be written: nothing is, and the message says why.
  WriteBytes(program, "' mine\r\n");
  fs::remove(backup);
  fs::create_directory(backup);
  ExpectRows({{{script},
               1,
               script + ": error: cannot keep the replaced program in " + backup + ": {*}; " +
                   program + " is left as it was\n"}});
  EXPECT_EQ(BytesOf(program), "' mine\r\n");
  EXPECT_TRUE(fs::is_empty(backup));
  EXPECT_EQ(folder.Names(), "menu.bas menu.bas.bak menu.rc");
}

TEST_F(CliTest, EachFailureNamesTheFileAndTheReasonAndTheOthersStillConvert) {
  Golden("menu");
  Golden("traced");
  WriteBytes(folder / "empty.rc", "");
  WriteBytes(folder / "marked.rc", "\xFF\xFE");  // a UTF-16 mark and no line after it
  const std::string target = folder / "missing" + std::string(1, '/') + "out.bas";
  ExpectRows({
      {{"@/menu.rc", "@/missing.rc", "@/empty.rc", "@/traced.rc"},
       1,
       "@/missing.rc: error: cannot read the script: " + MissingFileReason(false) +
           "\n@/empty.rc: error: the script is empty: nothing to convert\n"},
      // The complete conversion, which splits no lines, finds the same scripts empty.
      {{"--complete", "@/empty.rc", "@/marked.rc"},
       1,
       "@/empty.rc: error: the script is empty: nothing to convert\n"
       "@/marked.rc: error: the script is empty: nothing to convert\n"},
      {{""}, 1, "'': error: cannot read the script: {*}\n"},
      // The settings are saved although the program cannot be written.
      {{"--save-settings", "-o", target, "@/menu.rc"},
       1,
       "@/menu.rc: error: cannot write " + NativePath(target) + ": " + MissingFileReason(true) +
           "\n"},
#ifndef _WIN32
      {{"-o", "-", "@/menu.rc"},
       1,
       "@/menu.rc: error: cannot write the program to standard output: Bad file descriptor\n",
       ">&-"},
#endif
  });
  EXPECT_TRUE(BytesOf(folder / "menu.bas") == Expected("menu"));
  EXPECT_TRUE(BytesOf(folder / "traced.bas") == Expected("traced"));
  EXPECT_EQ(BytesOf(folder / "tolvex.ini"), kDefaultSettings);
}

TEST_F(CliTest, ProgramIsNeverWrittenOverItsOwnScript) {
  const std::string script = Golden("menu", "ab.rc"), alias = folder / "alias.rc";
  // The name rule's file and another name, both leading to the script.
#ifdef _WIN32
  fs::create_hard_link(script, folder / "ab.bas");
  fs::create_hard_link(script, alias);
#else
  fs::create_symlink("ab.rc", folder / "ab.bas");
  fs::create_symlink(script, alias);
#endif
  const std::string itself = " is the script itself: the program is not written over it\n";
  ExpectRows({
      {{"-o", "@/ab.rc", "@/ab.rc"}, 1, "@/ab.rc: error: @/ab.rc" + itself},
      {{"-o", "@/alias.rc", "@/ab.rc"}, 1, "@/ab.rc: error: @/alias.rc" + itself},
      {{"@/ab.rc"}, 1, "@/ab.rc: error: @/ab.bas" + itself},
      {{"-o", "@/ab.rc", "@/alias.rc"}, 1, "@/alias.rc: error: @/ab.rc" + itself},
  });
  EXPECT_EQ(BytesOf(script), Expected("menu", ".rc"));
  EXPECT_EQ(folder.Names(), "ab.bas ab.rc alias.rc");
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
  for (const auto& [before, streams] : feeds) {
    const Outcome run = Cli({"-o", "-", "-"}, streams, before);
    EXPECT_EQ(run.status, 0) << before;
    EXPECT_TRUE(run.out == plain) << run.err;
    EXPECT_EQ(run.err, "");
  }
  EXPECT_EQ(BytesOf(folder / "tolvex.ini"), " 2\r\n 2\r\n 2\r\n 2\r\n");
  EXPECT_EQ(folder.Names(), "tolvex.ini two_dialogs.rc");
}

TEST_F(CliTest, CoefficientThatIsNoSoundNumberIsUsedAsReadWithAWarning) {
  Golden("menu");
  std::vector<Row> rows;
  const char* doubtful[][2] = {{"abc", "0"}, {"", "0"},    {"nan", "0"}, {"1e309", "inf"},
                               {"1,5", "1"}, {"-5", "-5"}, {"0", "0"},   {" 2x", "2"},
                               {"1e", "1"},  {".", "0"}};
  for (const auto& [text, readsAs] : doubtful) {
    rows.push_back({{"-o", "-", "--window-y", text, "@/menu.rc"},
                    0,
                    "tolvex-cli: warning: --window-y \"" + std::string(text) +
                        "\" is not a finite number greater than 0; it reads as " + readsAs + "\n"});
  }
  for (const char* sound : {" 1.000", "2", "  1.5e0 ", "1d1", "+.5", "7."}) {
    rows.push_back({{"-o", "-", "--global-x", sound, "@/menu.rc"}, 0, ""});
  }
  ExpectRows(rows);
  // A settings line gets the same warning, named by its file and line, unless an option replaces
  // it.
  WriteBytes(folder / "tolvex.ini", " 1.000\r\n-1\r\n1\r\nx\r\n");
  // --quiet silences both kinds.
  ExpectRows({{{"-o", "-", "--window-y=3", "@/menu.rc"},
               0,
               NativePath(folder / "tolvex.ini") +
                   ":2:1: warning: \"-1\" is not a finite number greater than 0; it reads as -1\n"},
              {{"--quiet", "-o", "-", "--window-x", "abc", "@/menu.rc"}, 0, ""}});
}

#ifndef _WIN32
TEST_F(CliTest, ProgramGoesIntoAFifoWithoutReplacingIt) {
  const std::string script = Golden("menu"), fifo = folder / "out.bas";
  ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
  // Open for reading first, without waiting: the converter's open for writing then finds a reader.
  const int reader = ::open(fifo.c_str(), O_RDONLY | O_NONBLOCK);
  ASSERT_GE(reader, 0);
  const Outcome run = Cli({"-o", fifo, script});
  std::string got(1 << 16, '\0');
  got.resize(static_cast<size_t>(std::max<ssize_t>(::read(reader, got.data(), got.size()), 0)));
  ::close(reader);
  EXPECT_EQ(run.status, 0) << run.err;
  EXPECT_TRUE(got == Expected("menu"));
  EXPECT_TRUE(fs::is_fifo(fifo));
  EXPECT_EQ(folder.Names(), "menu.rc out.bas");
}

TEST_F(CliTest, LinksStayLinksAndTheirTargetsAreReplaced) {
  const std::string script = Golden("menu"), real = folder / "real";
  fs::create_directory(real);
  WriteBytes(real + "/menu.bas", "old");
  WriteBytes(real + "/tolvex.ini", " 1.000");
  fs::create_symlink("real/menu.bas", folder / "menu.bas");
  fs::create_symlink(real + "/tolvex.ini", folder / "tolvex.ini");
  // The replaced program is kept beside the file the link leads to, and the message names it.
  ExpectRows(
      {{{"--save-settings", script},
        0,
        folder / "menu.bas" + ": the replaced program is kept in " + real + "/menu.bas.bak\n"}});
  EXPECT_EQ(BytesOf(real + "/menu.bas.bak"), "old");
  EXPECT_TRUE(fs::is_symlink(folder / "menu.bas") && fs::is_symlink(folder / "tolvex.ini"));
  EXPECT_TRUE(BytesOf(real + "/menu.bas") == Expected("menu"));
  EXPECT_EQ(BytesOf(real + "/tolvex.ini"), kDefaultSettings);
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
  ExpectRows({{{script},
               1,
               script + ": error: cannot write " + program + "{*}; the new text is kept in " +
                   program + ".{*}.tolvex-tmp\n"}});
  CloseHandle(other);
  EXPECT_EQ(BytesOf(program), "previous");
  EXPECT_EQ(BytesOf(program + ".bak"), "previous");
  int kept = 0;
  for (const auto& entry : fs::directory_iterator(folder.path())) {
    if (entry.path().extension() != ".tolvex-tmp") continue;
    EXPECT_TRUE(BytesOf(entry.path().string()) == Expected("menu"));
    ++kept;
  }
  EXPECT_EQ(kept, 1);
}
#endif

}  // namespace
}  // namespace tolvex::testing
