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
    const Outcome run = Cli({"--save-settings", script}, "> /dev/null", runner);
    EXPECT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(BytesOf(folder / "victim"), "secret");
    EXPECT_FALSE(fs::is_symlink(folder / "ab.bas"));
    EXPECT_TRUE(BytesOf(folder / "ab.bas") == Expected("menu"));
    EXPECT_EQ(BytesOf(folder / "tolvex.ini"), " 1.000\r\n 1.000\r\n 1.000\r\n 1.000\r\n");
  }
  EXPECT_EQ(folder.Names(),
            "ab.bas ab.bas.bak ab.bas.tolvex-tmp ab.rc tolvex.ini tolvex.ini.tolvex-tmp victim");
}

TEST_F(SaveSafety, ALinkLoopOrAnotherUsersLinkFailsWithItsReasonAndStays) {
  fs::create_symlink("ab.bas", folder / "ab.bas");
  fs::create_symlink("loop.b", folder / "tolvex.ini");
  fs::create_symlink("tolvex.ini", folder / "loop.b");
  const std::string loop = "Too many levels of symbolic links";
  ExpectRows(
      {{{"--save-settings", "@/ab.rc"},
        1,
        "@/tolvex.ini: warning: cannot read it: " + loop +
            "; coefficients not given as options are \" 1.000\"\n"
            "@/ab.rc: error: cannot write @/ab.bas: " +
            loop + "\n@/ab.rc: error: cannot write @/tolvex.ini: it exists but cannot be read (" +
            loop + "), so it is not replaced\n"}});
  EXPECT_TRUE(fs::is_symlink(folder / "ab.bas") && fs::is_symlink(folder / "tolvex.ini"));

  // A link another user planted in a folder both can write is not followed by root.
  if (::geteuid() != 0) GTEST_SKIP() << "only root can make a link another user's";
  for (const char* name : {"ab.bas", "tolvex.ini", "loop.b"}) fs::remove(folder / name);
  WriteBytes(folder / "victim", "secret");
  fs::create_symlink("victim", folder / "ab.bas");
  ASSERT_EQ(::lchown((folder / "ab.bas").c_str(), 65534, 65534), 0);
  ExpectRows(
      {{{"@/ab.rc"},
        1,
        "@/ab.rc: error: cannot write @/ab.bas: it is a symbolic link of another user, which "
        "is not followed\n"}});
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
  Golden("traced", "a.rc");
  Golden("submenu", "b.rc");
  fs::create_symlink("b.rc", folder / "a.bas");
  WriteBytes(folder / "tolvex.ini", Expected("menu", ".rc"));  // warned of as coefficients
  fs::copy_file(script, folder / "out.bas.tolvex-tmp");
  const std::string notOver = ": the program is not written over it\n";
  ExpectRows({
      {{"-o", "@/ab.rc", "-"},
       1,
       "-: error: @/ab.rc is the script itself" + notOver,
       "< @/ab.rc > /dev/null"},
      {{"@/a.rc", "@/b.rc"}, 1, "{*}@/a.rc: error: @/a.bas is the script @/b.rc" + notOver + "{*}"},
      {{"--quiet", "--save-settings", "@/tolvex.ini"},
       1,
       "@/tolvex.ini: error: @/tolvex.ini is the script itself: the settings are not written "
       "over it\n"},
      // A script under the name the temporary once had is converted like any other.
      {{"-o", "@/out.bas", "@/out.bas.tolvex-tmp"}, 0, "{*}"},
  });
  EXPECT_EQ(BytesOf(script), Expected("menu", ".rc"));
  EXPECT_EQ(BytesOf(folder / "b.rc"), Expected("submenu", ".rc"));
  EXPECT_EQ(BytesOf(folder / "tolvex.ini"), Expected("menu", ".rc"));
  EXPECT_EQ(BytesOf(folder / "out.bas.tolvex-tmp"), Expected("menu", ".rc"));
}

// What stands where a file belongs (a folder, a FIFO, a device, a sparse terabyte), and standard
// streams that cannot be read or written, each get their reason, never a wait or an abort.
TEST_F(NoAbort, FoldersDevicesFifosAndBrokenStreamsAreRefusedWithTheirReason) {
  fs::create_directory(folder / "d");
  fs::create_directory(folder / "ab.bas");
  WriteBytes(folder / "inc.rc", "#include \"d\"\n#include \".\"\n" + Expected("menu", ".rc"));
  ASSERT_EQ(::mkfifo((folder / "fifo.rc").c_str(), 0600), 0);
  WriteBytes(folder / "big.bas", Expected("menu"));
  fs::resize_file(folder / "big.bas", std::uintmax_t{1} << 40);  // --check reads 1 byte past
  const std::string included =
      "@/inc.rc:1:10: warning: cannot open the include file \"d\": Is a directory; reading goes "
      "on\n@/inc.rc:2:10: warning: cannot open the include file \".\": Is a directory; reading "
      "goes on\n";
  const std::string unread = ": error: cannot read the script: ", dir = ": Is a directory\n";
  const std::string full =
      "tolvex-cli: error: cannot write to standard output: No space left on "
      "device\n";
  ExpectRows({
      {{"-o", "-", "@/inc.rc"}, 0, ""},
      {{"--complete", "-o", "-", "@/inc.rc"}, 0, included},
      {{"--dump", "@/inc.rc"}, 0, included},
      {{"--dump", "@/d"}, 1, "@/d" + unread + "Is a directory\n"},
      {{"@/d"}, 1, "@/d" + unread + "Is a directory\n"},
      {{"@/fifo.rc"}, 1, "@/fifo.rc" + unread + "it is a FIFO, not a regular file\n"},
      {{"--check", "-o", "@/d", "@/ab.rc"}, 1, "@/ab.rc: error: cannot read @/d" + dir},
      {{"--check", "@/ab.rc"}, 1, "@/ab.rc: error: cannot read @/ab.bas" + dir},
      {{"--check", "-o", "/dev/zero", "@/ab.rc"},
       1,
       "@/ab.rc: error: cannot read /dev/zero: it is a device, not a regular file\n"},
      {{"--check", "-o", "@/big.bas", "@/ab.rc"},
       1,
       "@/ab.rc: error: @/big.bas differs from the conversion\n"},
      {{"--help"}, 1, full, "> /dev/full"},
      {{"--version"}, 1, full, "> /dev/full"},
      {{"--dump", "@/ab.rc"}, 1, full, "> /dev/full"},
      {{"-o", "-", "@/ab.rc"},
       1,
       "@/ab.rc: error: cannot write the program to standard output: No space left on device\n",
       "> /dev/full"},
      // An input that cannot be read is not an empty one; a missing script says so under --dump.
      {{"-o", "@/x.bas", "-"}, 1, "-" + unread + "Bad file descriptor\n", "<&-"},
      {{"--dump", "@/gone.rc"}, 1, "@/gone.rc" + unread + "No such file or directory\n"},
  });
  EXPECT_TRUE(fs::is_fifo(folder / "fifo.rc"));
  EXPECT_TRUE(fs::is_empty(folder / "ab.bas"));
}

// A reading replaces defines into at most a million tokens and four for each byte it read, and
// takes at most 16 MiB from included files; the hint reads at most 16 MiB; a settings line keeps
// the 1,023 bytes its field holds.
TEST_F(Budgets, EachInputStopsAtItsBudgetWithItsMessage) {
  // Each define names one of 4,096 tokens: the 281st passes the budget of a reading of 21 KB.
  std::string tokens = "#define BIG";
  for (int i = 0; i < 4096; ++i) tokens += " 1";
  tokens += "\n";
  for (int i = 0; i < 1000; ++i) tokens += "#define D" + std::to_string(i) + " BIG\n";
  WriteBytes(folder / "tokens.rc", tokens);
  // A header of a megabyte included twenty times: the sixteenth passes 16 MiB.
  WriteBytes(folder / "h.h", std::string(1 << 20, ' ') + "\n");
  std::string includes, passed;
  for (int line = 1; line <= 20; ++line) {
    includes += "#include \"h.h\"\n";
    if (line >= 16) {
      passed +=
          "@/includes.rc:" + std::to_string(line) +
          ":10: error: the included files pass 16777216 bytes in all; \"h.h\" is passed over\n";
    }
  }
  WriteBytes(folder / "includes.rc", includes);
  std::string large = Expected("menu", ".rc");
  while (large.size() <= (size_t{33} << 19)) large += "// a comment line that pads the script\n";
  WriteBytes(folder / "large.rc", large);
  fs::create_directory(folder / "wide");
  Golden("menu", "wide/ab.rc");
  WriteBytes(folder / "wide/tolvex.ini", "\x1b[31m" + std::string(3 << 20, 'x') + "\r\n 1.000\r\n");
  ExpectRows({
      {{"--dump", "@/tokens.rc"},
       1,
       "@/tokens.rc:282:14: error: the defines of this reading expand to more than " +
           std::to_string((1 << 20) + 4 * tokens.size()) +
           " tokens in all; this use of BIG and every later one are left out\n"},
      {{"--dump", "@/includes.rc"}, 1, passed},
      // The bytes as the source listing holds the lines, each with one line end.
      {{"@/large.rc"},
       0,
       "@/large.rc: the hint is left out: the script's {*} bytes pass the 16777216 it reads\n"},
      {{"-o", "-", "@/wide/ab.rc"},
       0,
       "@/wide/tolvex.ini:1:1: warning: \"\\x1B[31m" + std::string(75, 'x') +
           "\"... (1023 bytes) is not a finite number greater than 0; it reads as 0\n"},
  });
}

TEST_F(NoHang, AFifoSettingsFileIsNeitherWaitedForNorReplaced) {
  ASSERT_EQ(::mkfifo((folder / "tolvex.ini").c_str(), 0600), 0);
  const std::string fifo = "it is a FIFO, not a regular file";
  const std::string warning = "@/tolvex.ini: warning: cannot read it: " + fifo +
                              "; coefficients not given as options are \" 1.000\"\n";
  ExpectRows(
      {{{"--save-settings", "@/ab.rc"},
        1,
        warning + "@/ab.rc: error: cannot write @/tolvex.ini: it exists but cannot be read (" +
            fifo + "), so it is not replaced\n"}});
  EXPECT_TRUE(fs::is_fifo(folder / "tolvex.ini"));
  EXPECT_TRUE(BytesOf(folder / "ab.bas") == Expected("menu"));
  // A FIFO as the program's file with no program reading it; --quiet leaves the error alone.
  fs::remove(folder / "ab.bas");
  ASSERT_EQ(::mkfifo((folder / "ab.bas").c_str(), 0600), 0);
  ExpectRows({{{"--quiet", "@/ab.rc"},
               1,
               "@/ab.rc: error: cannot write @/ab.bas: it is a FIFO that no program reads\n"}});
}

TEST_F(NoHang, AnUnreadableFileGetsItsOwnReasonAndIsNotReplaced) {
  if (!CanRunUnprivileged()) GTEST_SKIP() << "setpriv cannot run the converter as user nobody";
  WriteBytes(folder / "tolvex.ini", " 2\r\n 2\r\n 2\r\n 2\r\n");
  WriteBytes(folder / "ab.bas", "old");
  fs::permissions(folder / "tolvex.ini", fs::perms::none);
  fs::permissions(folder / "ab.bas", fs::perms::none);
  ExpectRows({{{"--check", "@/ab.rc"},
               1,
               "@/tolvex.ini: warning: cannot read it: Permission denied; coefficients not given "
               "as options are \" 1.000\"\n@/ab.rc: error: cannot read @/ab.bas: Permission "
               "denied\n",
               "> /dev/null"},
              {{"--quiet", "--save-settings", "-o", "-", "@/ab.rc"},
               1,
               "{*}cannot write @/tolvex.ini: it exists but cannot be read{*}",
               "> /dev/null"}},
             AsUnprivilegedUser());
  fs::permissions(folder / "tolvex.ini", fs::perms::owner_read);
  EXPECT_EQ(BytesOf(folder / "tolvex.ini"), " 2\r\n 2\r\n 2\r\n 2\r\n");
}

}  // namespace
}  // namespace tolvex::testing
