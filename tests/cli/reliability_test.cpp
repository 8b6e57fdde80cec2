// tolvex-cli against an attacker and a careless user: planted names, concurrent runs, scripts as
// outputs, folders and devices where files belong, inputs that cost far more than their size,
// and outputs that cannot be written. POSIX: links, FIFOs, devices and other users.
#include <gtest/gtest.h>

#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <sstream>
#include <string>
#include <vector>

#include "cli/run.h"
#include "tests/cli/cli_fixture.h"

namespace tolvex::testing {
namespace {

// The converter run by an unprivileged user where the tests run as root, so that a case holds for
// both; empty when the tests already run unprivileged.
std::string AsUnprivilegedUser() {
  return ::geteuid() == 0 ? "setpriv --reuid=65534 --regid=65534 --clear-groups -- " : "";
}
bool EndsWith(const std::string& text, const std::string& end) {
  return text.size() >= end.size() && text.compare(text.size() - end.size(), end.size(), end) == 0;
}

bool CanRunUnprivileged() {
  return ::geteuid() != 0 ||
         std::system("setpriv --reuid=65534 --regid=65534 --clear-groups -- true") == 0;
}

class Reliability : public CliTest {
 protected:
  void SetUp() override {
    // A folder every user may write, as a shared project folder is.
    fs::permissions(folder.path(), fs::perms::all);
    script = Golden("menu", "ab.rc");
  }
  std::string script;
};

using SaveSafety = Reliability;
using ScriptIsNeverOutput = Reliability;
using NoAbort = Reliability;
using Budgets = Reliability;
using NoHang = Reliability;

TEST_F(SaveSafety, AFilePlantedAtATemporaryNameIsNeverWrittenThrough) {
  WriteBytes(folder / "victim", "secret");
  std::vector<std::string> runners = {""};
  if (::geteuid() == 0 && CanRunUnprivileged()) runners.push_back(AsUnprivilegedUser());
  for (const std::string& runner : runners) {
    SCOPED_TRACE("run by " + (runner.empty() ? std::string("the tests' user") : runner));
    WriteBytes(folder / "ab.bas", "x");
    WriteBytes(folder / "tolvex.ini", " 1.000\r\n");
    for (const char* name : {"ab.bas.tolvex-tmp", "tolvex.ini.tolvex-tmp"}) {
      fs::remove(folder / name);
      fs::create_symlink("victim", folder / name);
    }
    const Outcome run =
        Command(runner, {"--save-settings", script}, "> \"" + (folder / "out") + "\"");
    EXPECT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(BytesOf(folder / "victim"), "secret");
    EXPECT_FALSE(fs::is_symlink(folder / "ab.bas"));
    EXPECT_TRUE(BytesOf(folder / "ab.bas") == Expected("menu"));
    EXPECT_EQ(BytesOf(folder / "tolvex.ini"), " 1.000\r\n 1.000\r\n 1.000\r\n 1.000\r\n");
    fs::remove(folder / "out");
  }
  EXPECT_EQ(folder.Names(),
            "ab.bas ab.bas.bak ab.bas.tolvex-tmp ab.rc tolvex.ini tolvex.ini.tolvex-tmp victim");
}

TEST_F(SaveSafety, ALinkLoopOrAnotherUsersLinkFailsWithItsReasonAndStays) {
  fs::create_symlink("ab.bas", folder / "ab.bas");
  fs::create_symlink("loop.b", folder / "tolvex.ini");
  fs::create_symlink("tolvex.ini", folder / "loop.b");
  const Outcome run = Cli({"--save-settings", script});
  EXPECT_EQ(run.status, 1);
  const std::string loop = "Too many levels of symbolic links";
  const std::string settings = folder / "tolvex.ini";
  EXPECT_EQ(run.err, settings + ": warning: cannot read it: " + loop +
                         "; coefficients not given as options are \" 1.000\"\n" + script +
                         ": error: cannot write " + (folder / "ab.bas") + ": " + loop + "\n" +
                         script + ": error: cannot write " + settings +
                         ": it exists but cannot be read (" + loop + "), so it is not replaced\n");
  EXPECT_TRUE(fs::is_symlink(folder / "ab.bas"));
  EXPECT_TRUE(fs::is_symlink(folder / "tolvex.ini"));

  // A link another user planted in a folder both can write is not followed by root.
  if (::geteuid() != 0) GTEST_SKIP() << "only root can make a link another user's";
  for (const char* name : {"ab.bas", "tolvex.ini", "loop.b"}) fs::remove(folder / name);
  WriteBytes(folder / "victim", "secret");
  fs::create_symlink("victim", folder / "ab.bas");
  ASSERT_EQ(::lchown((folder / "ab.bas").c_str(), 65534, 65534), 0);
  EXPECT_EQ(Cli({script}).err, script + ": error: cannot write " + (folder / "ab.bas") +
                                   ": it is a symbolic link of another user, which is not "
                                   "followed\n");
  EXPECT_EQ(BytesOf(folder / "victim"), "secret");
}

// Starts a run of tolvex-cli's command line in a process of its own, forked from this one (no
// program to load, so that hundreds of runs take seconds even under the sanitizers); its id.
pid_t Start(const std::vector<std::string>& arguments) {
  const pid_t pid = ::fork();
  if (pid != 0) return pid;
  std::ostringstream out, errors;
  ::_exit(cli::RunCommandLine(arguments, out, errors));
}

int Finished(pid_t pid) {
  int status = 0;
  if (pid < 0 || ::waitpid(pid, &status, 0) != pid) return -1;
  return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

TEST_F(SaveSafety, ConcurrentRunsOnOneScriptEachPutOneWholeProgramInPlace) {
  // A script of a hundred #define lines and every kind of gadget.
  std::string bytes;
  for (int i = 0; i < 100; ++i) {
    bytes += "#define IDC_NAME_NUMBER_" + std::to_string(i) + " " + std::to_string(i) + "\n";
  }
  WriteBytes(script, bytes + Expected("all_kinds", ".rc"));
  const std::string a = Cli({"--quiet", "--global-x", "2", "-o", "-", script}).out;
  const std::string b = Cli({"--quiet", "--global-x", "3", "-o", "-", script}).out;
  ASSERT_NE(a, b);
  int failed = 0, mixed = 0;
  constexpr int kPairs = 200;
  for (int pair = 0; pair < kPairs; ++pair) {
    const pid_t first = Start({"--quiet", "--global-x", "2", script});
    const pid_t second = Start({"--quiet", "--global-x", "3", script});
    failed += (Finished(first) != 0) + (Finished(second) != 0);
    const std::string program = BytesOf(folder / "ab.bas");
    mixed += program != a && program != b;
  }
  EXPECT_EQ(failed, 0) << "of " << 2 * kPairs << " runs";
  EXPECT_EQ(mixed, 0) << "of " << kPairs << " programs";
  EXPECT_EQ(folder.Names(), "ab.bas ab.bas.bak ab.rc") << "no temporary is left behind";
}

TEST_F(ScriptIsNeverOutput, NoNameOrStreamLeadsAnOutputOntoAScript) {
  Golden("submenu", "b.rc");
  fs::create_symlink("b.rc", folder / "a.bas");
  Golden("traced", "a.rc");
  const std::string in = "< \"" + script + "\" > \"" + (folder / "stdout") + "\"";
  const struct {
    std::vector<std::string> arguments;
    std::string redirection, err;
  } cases[] = {
      {{"-o", script, "-"},
       in,
       "-: error: " + script + " is the script itself: the program is not written over it\n"},
      {{folder / "a.rc", folder / "b.rc"},
       "",
       folder / "a.rc" + ": error: " + (folder / "a.bas") + " is the script " + (folder / "b.rc") +
           ": the program is not written over it\n"},
      {{"--quiet", "--save-settings", folder / "tolvex.ini"},
       "",
       folder / "tolvex.ini" + ": error: " + (folder / "tolvex.ini") +
           " is the script itself: the settings are not written over it\n"},
  };
  WriteBytes(folder / "tolvex.ini", Expected("menu", ".rc"));
  for (const auto& c : cases) {
    SCOPED_TRACE(c.err);
    const Outcome run =
        Command("", c.arguments,
                c.redirection.empty() ? "> \"" + (folder / "stdout") + "\"" : c.redirection);
    EXPECT_EQ(run.status, 1);
    EXPECT_NE(run.err.find(c.err), std::string::npos) << run.err;
  }
  EXPECT_EQ(BytesOf(script), Expected("menu", ".rc"));
  EXPECT_EQ(BytesOf(folder / "b.rc"), Expected("submenu", ".rc"));
  EXPECT_EQ(BytesOf(folder / "tolvex.ini"), Expected("menu", ".rc"));

  // A script under the name the temporary once had is converted like any other.
  fs::copy_file(script, folder / "out.bas.tolvex-tmp");
  EXPECT_EQ(Cli({"-o", folder / "out.bas", folder / "out.bas.tolvex-tmp"}).status, 0);
  EXPECT_EQ(BytesOf(folder / "out.bas.tolvex-tmp"), Expected("menu", ".rc"));
  // A - after the first script needs -o as much as a first one.
  const Outcome run = Cli({script, "-"});
  EXPECT_EQ(run.status, 2);
  EXPECT_EQ(run.err.rfind("tolvex-cli: error: a script on standard input (-) needs -o", 0), 0u);
}

TEST_F(NoAbort, FoldersDevicesAndFifosAreRefusedWithTheirReason) {
  fs::create_directory(folder / "d");
  WriteBytes(folder / "inc.rc", "#include \"d\"\n#include \".\"\n" + Expected("menu", ".rc"));
  ASSERT_EQ(::mkfifo((folder / "fifo.rc").c_str(), 0600), 0);
  const std::string d = folder / "d", inc = folder / "inc.rc";
  const std::string included = inc +
                               ":1:10: warning: cannot open the include file \"d\": Is a "
                               "directory; reading goes on\n" +
                               inc +
                               ":2:10: warning: cannot open the include file \".\": Is a "
                               "directory; reading goes on\n";
  const struct {
    std::vector<std::string> arguments;
    int status;
    std::string err;
  } cases[] = {
      {{"-o", "-", inc}, 0, ""},
      {{"--complete", "-o", "-", inc}, 0, included},
      {{"--dump", inc}, 0, included},
      {{"--dump", d}, 1, d + ": error: cannot read the script: Is a directory\n"},
      {{d}, 1, d + ": error: cannot read the script: Is a directory\n"},
      {{folder / "fifo.rc"},
       1,
       folder / "fifo.rc" + ": error: cannot read the script: it is a FIFO, not a regular file\n"},
      {{"--check", "-o", d, script},
       1,
       script + ": error: cannot read " + d + ": Is a directory\n"},
      {{"--check", "-o", "/dev/zero", script},
       1,
       script + ": error: cannot read /dev/zero: it is a device, not a regular file\n"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.arguments[c.arguments.size() - 1] + " " + c.arguments[0]);
    const Outcome run = Cli(c.arguments);
    EXPECT_EQ(run.status, c.status);
    EXPECT_EQ(run.err, c.err);
  }
  // The program's own name taken by a folder, checked.
  fs::create_directory(folder / "ab.bas");
  EXPECT_EQ(Cli({"--check", script}).err,
            script + ": error: cannot read " + (folder / "ab.bas") + ": Is a directory\n");
}

TEST_F(NoAbort, CheckReadsNoFurtherThanOneBytePastTheProgram) {
  const std::string program = folder / "ab.bas";
  WriteBytes(program, Expected("menu"));
  fs::resize_file(program, std::uintmax_t{1} << 40);  // a terabyte, sparse
  const Outcome run = Cli({"--check", script});
  EXPECT_EQ(run.status, 1);
  EXPECT_EQ(run.err, script + ": error: " + program + " differs from the conversion\n");
}

TEST_F(Budgets, DefinesThatMultiplyStopAtTheReadingsTokenBudget) {
  // Each define names one of 4,096 tokens: a reading of 21 KB may expand 1,048,576 tokens and
  // four more for each of its bytes, which the 281st define passes.
  std::string bytes = "#define BIG";
  for (int i = 0; i < 4096; ++i) bytes += " 1";
  bytes += "\n";
  for (int i = 0; i < 1000; ++i) bytes += "#define D" + std::to_string(i) + " BIG\n";
  WriteBytes(script, bytes);
  const Outcome run = Cli({"--dump", script});
  EXPECT_EQ(run.status, 1);
  EXPECT_EQ(run.err, script + ":282:14: error: the defines of this reading expand to more than " +
                         std::to_string((1 << 20) + 4 * bytes.size()) +
                         " tokens in all; this use of BIG and every later one are left out\n");
}

TEST_F(Budgets, IncludedFilesStopAtTheReadingsByteBudget) {
  // A header of a megabyte and a byte included twenty times: the sixteenth passes the 16 MiB a
  // reading takes.
  WriteBytes(folder / "h.h", std::string(1 << 20, ' ') + "\n");
  std::string bytes;
  for (int i = 0; i < 20; ++i) bytes += "#include \"h.h\"\n";
  WriteBytes(script, bytes);
  const Outcome run = Cli({"--dump", script});
  EXPECT_EQ(run.status, 1);
  std::string err;
  for (int line = 16; line <= 20; ++line) {
    err += script + ":" + std::to_string(line) +
           ":10: error: the included files pass 16777216 bytes in all; \"h.h\" is passed over\n";
  }
  EXPECT_EQ(run.err, err);
}

TEST_F(Budgets, ALargeScriptLeavesTheHintOutWithANote) {
  std::string bytes = Expected("menu", ".rc");
  while (bytes.size() <= (size_t{9} << 19)) bytes += "// a comment line that pads the script\n";
  WriteBytes(script, bytes);
  const Outcome run = Cli({script});
  EXPECT_EQ(run.status, 0);
  // The bytes as the source listing holds the lines, each with one line end.
  EXPECT_EQ(run.err.rfind(script + ": the hint is left out: the script's ", 0), 0u) << run.err;
  EXPECT_TRUE(EndsWith(run.err, " bytes pass the 4194304 it reads\n")) << run.err;
}

TEST_F(Budgets, ASettingsLineIsKeptAsItsFieldHoldsItAndQuotedEscapedAndCut) {
  WriteBytes(folder / "tolvex.ini", "\x1b[31m" + std::string(3 << 20, 'x') + "\r\n 1.000\r\n");
  const Outcome run = Cli({"-o", "-", script});
  EXPECT_EQ(run.status, 0);
  EXPECT_EQ(run.err, folder / "tolvex.ini" + ":1:1: warning: \"\\x1B[31m" + std::string(75, 'x') +
                         "\"... (1023 bytes) is not a finite number greater than 0; it reads as "
                         "0\n");
}

TEST_F(NoHang, AFifoSettingsFileIsNeitherWaitedForNorReplaced) {
  const std::string settings = folder / "tolvex.ini";
  ASSERT_EQ(::mkfifo(settings.c_str(), 0600), 0);
  const std::string why = "it is a FIFO, not a regular file";
  Outcome run = Cli({"--save-settings", script});
  EXPECT_EQ(run.status, 1);
  EXPECT_EQ(run.err, settings + ": warning: cannot read it: " + why +
                         "; coefficients not given as options are \" 1.000\"\n" + script +
                         ": error: cannot write " + settings + ": it exists but cannot be read (" +
                         why + "), so it is not replaced\n");
  EXPECT_TRUE(fs::is_fifo(settings));
  EXPECT_TRUE(BytesOf(folder / "ab.bas") == Expected("menu"));
  // A FIFO as the program's file with no program reading it.
  fs::remove(folder / "ab.bas");
  ASSERT_EQ(::mkfifo((folder / "ab.bas").c_str(), 0600), 0);
  run = Cli({"--quiet", script});
  EXPECT_TRUE(EndsWith(run.err, script + ": error: cannot write " + (folder / "ab.bas") +
                                    ": it is a FIFO that no program reads\n"))
      << run.err;
}

TEST_F(NoHang, AnUnreadableFileGetsItsOwnReasonAndIsNotReplaced) {
  if (!CanRunUnprivileged()) GTEST_SKIP() << "setpriv cannot run the converter as user nobody";
  const std::string settings = folder / "tolvex.ini", program = folder / "ab.bas";
  WriteBytes(settings, " 2\r\n 2\r\n 2\r\n 2\r\n");
  WriteBytes(program, "old");
  fs::permissions(settings, fs::perms::none);
  fs::permissions(program, fs::perms::none);
  const std::string denied = "Permission denied";
  Outcome run = Command(AsUnprivilegedUser(), {"--check", script}, "> /dev/null");
  EXPECT_EQ(run.status, 1);
  EXPECT_EQ(run.err, settings + ": warning: cannot read it: " + denied +
                         "; coefficients not given as options are \" 1.000\"\n" + script +
                         ": error: cannot read " + program + ": " + denied + "\n");
  run = Command(AsUnprivilegedUser(), {"--quiet", "--save-settings", "-o", "-", script},
                "> /dev/null");
  EXPECT_EQ(run.status, 1);
  EXPECT_NE(run.err.find("cannot write " + settings + ": it exists but cannot be read"),
            std::string::npos)
      << run.err;
  fs::permissions(settings, fs::perms::owner_read);
  EXPECT_EQ(BytesOf(settings), " 2\r\n 2\r\n 2\r\n 2\r\n");
}

TEST_F(NoHang, OutputThatCannotBeWrittenFailsInEveryModeWithItsReason) {
  const std::string full =
      "tolvex-cli: error: cannot write to standard output: No space left on "
      "device\n";
  const struct {
    std::vector<std::string> arguments;
    std::string err;
  } cases[] = {
      {{"--help"}, full},
      {{"--version"}, full},
      {{"--dump", script}, full},
      {{"-o", "-", script},
       script + ": error: cannot write the program to standard output: No space left on device\n"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.arguments[0]);
    const Outcome run = Command("", c.arguments, "> /dev/full");
    EXPECT_EQ(run.status, 1);
    EXPECT_EQ(run.err, c.err);
  }
  // An input that cannot be read is not an empty one; a missing script says so under --dump.
  Outcome run = Command("", {"-o", folder / "x.bas", "-"}, "<&-");
  EXPECT_EQ(run.err, "-: error: cannot read the script: Bad file descriptor\n");
  run = Cli({"--dump", folder / "gone.rc"});
  EXPECT_EQ(run.err, folder / "gone.rc" +
                         ": error: cannot read the script: No such file or "
                         "directory\n");
}

}  // namespace
}  // namespace tolvex::testing
