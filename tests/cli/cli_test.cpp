// tolvex-cli as a process: every option, exit status and message. Most cases are data: each file of
// cases/ is one test whose lines, one step a line, make files in a scratch folder, run tolvex-cli
// there and say what each run gives and leaves. Blank lines and lines starting with # are skipped.
// A word of a step ends at a blank; a quoted one holds blanks and the escapes \r \n \" \\ and \xHH.
// NAME is a file of the scratch folder; SOURCE the bytes of "@/NAME" or of a file under tests/
// (which must exist); "@/" stands for the scratch folder's path and a separator everywhere.
//   copy NAME SOURCE...         NAME gets the bytes of the SOURCEs, one after the other
//   write|append NAME "TEXT" [TIMES]  NAME gets (after its bytes) TEXT, TIMES over, {n} in it
//                               counting from 0
//   size NAME BYTES             NAME cut or grown to BYTES
//   cut NAME N                  NAME loses its last N bytes
//   dir|fifo|remove NAME        a folder, a FIFO, no file
//   link NAME TARGET            a symbolic link to TARGET as written
//   alias NAME TARGET           another name for the script TARGET: a symbolic link, a hard link
//                               on Windows
//   mode NAME OCTAL             the permissions; `shared`: a folder every user may write
//   lchown NAME ID              the owner and group of NAME (a link itself)
//   reader NAME                 a reader of the FIFO NAME, opened without waiting for a writer;
//                               `drained SOURCE`: what it then reads is SOURCE's bytes
//   posix | root | windows      the rest only where links, FIFOs and devices are POSIX's, only as
//                               the superuser, or only on Windows
//   hold NAME read|read-write   NAME held open by another program, which shares it for reading,
//                               or for reading and writing, until `release` (Windows)
//   as-nobody                   the later runs by an unprivileged user when the tests run as root
//   from-folder | before "TEXT" the later runs from the scratch folder, or after TEXT (a pipe)
//   run ARGUMENT... [| STREAMS] tolvex-cli with ARGUMENTs, its standard streams as STREAMS says
//                               (without a > its output goes into a file); then:
//     exit N                    its exit status (else 0; 2 converts nothing)
//     err TEXT                  a line of its messages (else none): {*} any text of a byte or more,
//                               {?} one byte, {/} the system's separator, {missing-file} and
//                               {missing-folder} the system's reasons
//     errs SOURCE               the bytes of SOURCE among them
//     out SOURCE|nothing        its standard output is SOURCE's bytes, or nothing
//     prints "TEXT"             its standard output is TEXT, {version} the program's version
//   same|differs NAME SOURCE    NAME holds SOURCE's bytes, or other bytes; `has NAME "TEXT"
//   [TIMES]`:
//                               TEXT
//   is NAME link|fifo|file|empty|usual|OCTAL  what NAME is (a file: a regular one, no link; usual:
//                               the permissions of a new file; OCTAL: these permissions)
//   owner NAME ID               the owner and group of NAME
//   names NAME...               the scratch folder's names; a NAME of these last steps may hold
//                               {*} and {?}: the name of the folder it matches
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <fstream>
#include <set>
#include <string>
#include <vector>

#ifdef _WIN32
#include <windows.h>
#else
#include <fcntl.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <sstream>

#include "cli/run.h"
#endif

#include "app/shell_state.h"
#include "tests/files/scratch_folder.h"
#include "toolkit/files.h"

namespace tolvex::testing {
namespace {

namespace fs = std::filesystem;

const std::string kTests = std::string(TOLVEX_TESTS_DIR) + "/";

struct Outcome {
  int status;
  std::string out, err;
};

// Whether text is pattern, each "{*}" of pattern standing for any text but the empty one, each
// "{?}" for one byte.
bool Matches(const std::string& text, const std::string& pattern) {
  const size_t any = std::min(pattern.find("{*}"), pattern.find("{?}"));
  if (any == std::string::npos) return text == pattern;
  if (text.compare(0, any, pattern, 0, any) != 0) return false;
  const size_t last = pattern[any + 1] == '?' ? any + 1 : text.size();
  for (size_t from = any + 1; from <= std::min(last, text.size()); ++from) {
    if (Matches(text.substr(from), pattern.substr(any + 3))) return true;
  }
  return false;
}

std::string Replaced(std::string text, const std::string& what, const std::string& by) {
  for (size_t at = text.find(what); at != std::string::npos; at = text.find(what, at + by.size())) {
    text.replace(at, what.size(), by);
  }
  return text;
}

// The system's own wording for a missing file or folder, as the converter reports it.
std::string MissingFileReason(bool folder) {
#ifdef _WIN32
  SetLastError(folder ? ERROR_PATH_NOT_FOUND : ERROR_FILE_NOT_FOUND);
  return files::LastFailure();
#else
  (void)folder;
  return "No such file or directory";
#endif
}

class CliTest : public ::testing::Test {
 protected:
  // tolvex-cli after before (a pipe into it, a change of folder), its standard streams sent as
  // streams says (by default its output into a file). Messages are text: on Windows a line of the
  // error stream ends with CR LF, which counts as LF.
  Outcome Cli(const std::vector<std::string>& arguments, std::string streams = "",
              const std::string& before = "") {
    if (streams.find('>') == std::string::npos) streams += " > \"" + (folder / "stdout") + "\"";
    std::string command = before + "\"" + TOLVEX_CLI + "\"";
    for (const std::string& a : arguments) command += " \"" + a + "\"";
    command += " " + streams + " 2> \"" + (folder / "stderr") + "\"";
#ifdef _WIN32
    command = "\"" + command + "\"";  // the shell drops the outer quotes
#endif
    int status = std::system(command.c_str());
#ifndef _WIN32
    status = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
#endif
    Outcome run{status, BytesOf(folder / "stdout"), BytesOf(folder / "stderr")};
#ifdef _WIN32
    run.err = Replaced(run.err, "\r\n", "\n");
#endif
    fs::remove(folder / "stdout");
    fs::remove(folder / "stderr");
    return run;
  }
  std::string Here(const std::string& text) const {
    return Replaced(text, "@/", (folder.path() / "").string());
  }
  // The bytes of "@/NAME" or of a file under tests/, which must exist.
  std::string Source(const std::string& name) const {
    const std::string path = name.rfind("@/", 0) == 0 ? Here(name) : kTests + name;
    EXPECT_TRUE(fs::exists(path)) << path;
    return BytesOf(path);
  }

  ScratchFolder folder;
};

std::vector<std::string> CaseNames() {
  std::vector<std::string> names;
  for (const fs::path& file : FilesOf({kTests + "cli/cases"}, ".txt")) {
    names.push_back(file.stem().string());
  }
  return names;
}

std::vector<std::string> Words(const std::string& line) {
  std::vector<std::string> words;
  for (size_t at = 0; at < line.size(); ++at) {
    if (line[at] == ' ') continue;
    if (line[at] != '"') {
      const size_t end = std::min(line.find(' ', at), line.size());
      words.push_back(line.substr(at, end - at));
      at = end;
      continue;
    }
    std::string word;
    for (++at; at < line.size() && line[at] != '"'; ++at) {
      const char c = line[at] == '\\' ? line.at(++at) : '\0';
      if (c == 'x') {
        word += static_cast<char>(std::stoi(line.substr(at + 1, 2), nullptr, 16));
        at += 2;
      } else {
        word += c == 'r' ? '\r' : c == 'n' ? '\n' : c == '\0' ? line[at] : c;
      }
    }
    words.push_back(word);
  }
  return words;
}

class CliCase : public CliTest, public ::testing::WithParamInterface<std::string> {
 protected:
  // TEXT of `write NAME TEXT [TIMES]`, TIMES over.
  static std::string Text(const std::vector<std::string>& w) {
    std::string text;
    for (int i = 0; i < (w.size() > 3 ? std::stoi(w[3]) : 1); ++i) {
      text += Replaced(w.at(2), "{n}", std::to_string(i));
    }
    return text;
  }
  // The last run as its exit and err lines expect it.
  void Check() {
    if (where.empty()) return;
    EXPECT_EQ(run.status, status) << where << "\n" << run.err;
    EXPECT_TRUE(status != 2 || run.out.empty()) << where << ": a usage error converts nothing";
    EXPECT_TRUE(Matches(run.err, err)) << where << "\n" << run.err << "is not\n" << err;
    where.clear();
  }
  // One step; false when the rest of the case cannot run here.
  bool Step(const std::string& line, const std::string& at) {
    const std::vector<std::string> w = Words(line);
    if (w[0] == "exit") {
      status = std::stoi(w.at(1));
    } else if (w[0] == "err") {
      std::string text = Replaced(Here(line.substr(std::min<size_t>(4, line.size()))), "{/}",
                                  std::string(1, kPathSeparator));
      text = Replaced(text, "{missing-file}", MissingFileReason(false));
      err += Replaced(text, "{missing-folder}", MissingFileReason(true)) + "\n";
    } else if (w[0] == "errs") {
      err += Source(w.at(1));
    } else if (w[0] == "prints") {
      EXPECT_EQ(run.out, Replaced(w.at(1), "{version}", TOLVEX_VERSION)) << at;
    } else if (w[0] == "out") {
      const std::string expected = w.at(1) == "nothing" ? "" : Source(w[1]);
      EXPECT_TRUE(run.out == expected) << at << "\n" << run.out.substr(0, 2000);
    } else {
      Check();
      if (!Setup(w, at)) Look(w, at);
    }
    return !skip;
  }
  bool Setup(const std::vector<std::string>& w, const std::string& at) {
    const std::string& verb = w[0];
    const auto path = [&](size_t i) { return folder / w.at(i); };
    if (verb == "run") {
      std::vector<std::string> arguments;
      size_t i = 1;
      for (; i < w.size() && w[i] != "|"; ++i) arguments.push_back(Here(w[i]));
      std::string streams;
      for (++i; i < w.size(); ++i) {
        streams += w[i].rfind("@/", 0) == 0 ? "\"" + Here(w[i]) + "\" " : w[i] + " ";
      }
      run = Cli(arguments, streams, before);
      where = at;
      status = 0;
      err.clear();
    } else if (verb == "copy") {
      std::string bytes;
      for (size_t i = 2; i < w.size(); ++i) bytes += Source(w[i]);
      WriteBytes(path(1), bytes);
    } else if (verb == "write" || verb == "append") {
      WriteBytes(path(1), (verb == "append" ? BytesOf(path(1)) : "") + Text(w));
    } else if (verb == "size") {
      fs::resize_file(path(1), std::stoull(w.at(2)));
    } else if (verb == "cut") {
      const std::string bytes = BytesOf(path(1));
      WriteBytes(path(1), bytes.substr(0, bytes.size() - std::stoul(w.at(2))));
    } else if (verb == "dir") {
      fs::create_directory(path(1));
    } else if (verb == "remove") {
      fs::remove(path(1));
    } else if (verb == "link") {
      fs::create_symlink(Here(w.at(2)), path(1));
    } else if (verb == "alias") {
#ifdef _WIN32
      fs::create_hard_link(w.at(2).rfind("@/", 0) == 0 ? Here(w[2]) : folder / w[2], path(1));
#else
      fs::create_symlink(Here(w.at(2)), path(1));
#endif
    } else if (verb == "mode") {
      fs::permissions(path(1), static_cast<fs::perms>(std::stoi(w.at(2), nullptr, 8)));
    } else if (verb == "shared") {
      fs::permissions(folder.path(), fs::perms::all);
    } else if (verb == "from-folder") {
      // cmd changes drive only with /d.
      before = (kPathSeparator == '/' ? "cd \"" : "cd /d \"") + folder.path().string() + "\" && ";
    } else if (verb == "before") {
      before += Here(w.at(1));
#ifdef _WIN32
    } else if (verb == "hold") {
      const DWORD sharing = FILE_SHARE_READ | (w.at(2) == "read" ? 0 : FILE_SHARE_WRITE);
      held =
          CreateFileA(path(1).c_str(), GENERIC_READ, sharing, nullptr, OPEN_EXISTING, 0, nullptr);
      EXPECT_NE(held, INVALID_HANDLE_VALUE) << at;
    } else if (verb == "release") {
      CloseHandle(held);
    } else if (verb == "posix" || verb == "root" || verb == "as-nobody") {
      skip = true;
    } else if (verb == "windows") {
#else
    } else if (verb == "fifo") {
      EXPECT_EQ(::mkfifo(path(1).c_str(), 0600), 0) << at;
    } else if (verb == "lchown") {
      const auto id = static_cast<unsigned>(std::stoul(w.at(2)));
      EXPECT_EQ(::lchown(path(1).c_str(), id, id), 0) << at;
    } else if (verb == "reader") {
      reader = ::open(path(1).c_str(), O_RDONLY | O_NONBLOCK);
      EXPECT_GE(reader, 0) << at;
    } else if (verb == "drained") {
      std::string got(1 << 16, '\0');
      got.resize(static_cast<size_t>(std::max<ssize_t>(::read(reader, got.data(), got.size()), 0)));
      ::close(reader);
      EXPECT_TRUE(got == Source(w.at(1))) << at << "\n" << got.substr(0, 2000);
    } else if (verb == "root" || verb == "windows") {
      skip = verb == "windows" || ::geteuid() != 0;
    } else if (verb == "as-nobody" && ::geteuid() == 0) {
      before = "setpriv --reuid=65534 --regid=65534 --clear-groups -- ";
      skip = std::system((before + "true").c_str()) != 0;
    } else if (verb == "posix" || verb == "as-nobody") {
#endif
    } else {
      return false;
    }
    return true;
  }
  // The name in the scratch folder that word, which may hold {*} and {?}, matches; else word.
  std::string Named(const std::string& word) const {
    for (const auto& entry : fs::directory_iterator(folder.path())) {
      if (Matches(entry.path().filename().string(), word)) return entry.path().filename().string();
    }
    return word;
  }
  void Look(const std::vector<std::string>& w, const std::string& at) const {
    const std::string& verb = w[0];
    const std::string name = w.size() > 1 ? folder / Named(w[1]) : "";
    if (verb == "same" || verb == "differs") {
      const std::string bytes = BytesOf(name), other = Source(w.at(2));
      EXPECT_EQ(bytes == other, verb == "same") << at << "\n" << bytes.substr(0, 2000);
    } else if (verb == "has") {
      EXPECT_EQ(BytesOf(name), Text(w)) << at;
    } else if (verb == "is") {
      const fs::file_status kind = fs::symlink_status(name);
      const std::string& what = w.at(2);
      const auto mode = static_cast<unsigned>(kind.permissions() & fs::perms::mask);
#ifndef _WIN32
      const mode_t mask = ::umask(0);
      ::umask(mask);
      EXPECT_TRUE(what != "usual" || mode == (0666 & ~mask)) << at << ": " << std::oct << mode;
#endif
      EXPECT_TRUE(what == "link"    ? fs::is_symlink(kind)
                  : what == "fifo"  ? fs::is_fifo(kind)
                  : what == "file"  ? fs::is_regular_file(kind)
                  : what == "empty" ? fs::is_empty(name)
                  : what == "usual" ? true
                                    : mode == std::stoul(what, nullptr, 8))
          << at << ": " << std::oct << mode;
#ifndef _WIN32
    } else if (verb == "owner") {
      struct stat info;
      ASSERT_EQ(::stat(name.c_str(), &info), 0) << at;
      EXPECT_EQ(info.st_uid, std::stoul(w.at(2))) << at;
      EXPECT_EQ(info.st_gid, std::stoul(w.at(2))) << at;
#endif
    } else if (verb == "names") {
      std::set<std::string> sorted;
      for (size_t i = 1; i < w.size(); ++i) sorted.insert(Named(w[i]));
      std::string names;
      for (const std::string& each : sorted) names += (names.empty() ? "" : " ") + each;
      EXPECT_EQ(folder.Names(), names) << at;
    } else {
      ADD_FAILURE() << at << ": no such step";
    }
  }

  Outcome run;
  std::string where, err, before;
  int status = 0, reader = -1;
  void* held = nullptr;  // a handle of another program's (Windows)
  bool skip = false;
};

TEST_P(CliCase, GivesAndLeavesWhatItSays) {
  std::ifstream file(kTests + "cli/cases/" + GetParam() + ".txt");
  ASSERT_TRUE(file) << GetParam();
  std::string line;
  for (int number = 1; std::getline(file, line); ++number) {
    if (!line.empty() && line.back() == '\r') line.pop_back();
    if (line.empty() || line[0] == '#') continue;
    const std::string at = GetParam() + ".txt:" + std::to_string(number) + ": " + line;
    if (!Step(line, at)) {
      Check();
      GTEST_SKIP() << "not here: " << at;
    }
  }
  Check();
}

INSTANTIATE_TEST_SUITE_P(Cases, CliCase, ::testing::ValuesIn(CaseNames()),
                         [](const auto& test) { return test.param; });

TEST(CliCases, FolderHoldsTheCases) { EXPECT_GE(CaseNames().size(), 10u); }

#ifndef _WIN32
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

TEST_F(CliTest, ConcurrentRunsOnOneScriptEachPutOneWholeProgramInPlace) {
  const std::string script = folder / "ab.rc";
  // A script of a hundred #define lines and every kind of gadget.
  std::string bytes;
  for (int i = 0; i < 100; ++i) {
    bytes += "#define IDC_NAME_NUMBER_" + std::to_string(i) + " " + std::to_string(i) + "\n";
  }
  WriteBytes(script, bytes + Source("golden/all_kinds.rc"));
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
#endif

}  // namespace
}  // namespace tolvex::testing
