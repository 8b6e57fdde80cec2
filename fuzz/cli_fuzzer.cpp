// Feeds arbitrary command lines to tolvex-cli's run, in a small folder of scripts, a header, links
// (to a script, to nothing, to themselves), a folder, a FIFO and a settings file, planted afresh
// before every input; standard input is a script too. Every run must end with a status of 0, 1 or
// 2 and no internal error, leave every script of its command line as it was, and leave no
// temporary behind. No argument may hold a '/', so that nothing is written outside the folder.
//
// Input layout: the arguments, one a line.
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <map>
#include <sstream>
#include <vector>

#include "cli/options.h"
#include "cli/run.h"
#include "fuzz/fuzz_target.h"

namespace {

namespace fs = std::filesystem;

constexpr const char* kScript =
    "#define IDD_MAIN 100\r\n#define IDC_BTN_GO 101\r\n#define IDM_OPEN 201\r\n"
    "IDM_MAIN MENU\r\nBEGIN\r\n  POPUP \"&File\"\r\n  BEGIN\r\n    MENUITEM \"&Open\", IDM_OPEN\r\n"
    "  END\r\nEND\r\nIDD_MAIN DIALOGEX 0, 0, 200, 100\r\nCAPTION \"Main\"\r\nMENU IDM_MAIN\r\n"
    "FONT 8, \"MS Sans Serif\"\r\nBEGIN\r\n"
    "  CONTROL \"Go\", IDC_BTN_GO, \"Button\", 0x50010000, 10, 10, 50, 14\r\nEND\r\n";
constexpr const char* kIncluding =
    "#include \"h.h\"\n#include \"d\"\n#include \"p\"\nIDD_B DIALOGEX 0,0,90,40\nBEGIN\n"
    "  CONTROL \"T\", IDC_EDT_B, \"Edit\", 0x50010000, 1, 1, 20, 10\nEND\n";

// The folder as every input finds it: name, bytes (files only).
const std::map<std::string, std::string> kFiles = {
    {"a.rc", kScript},     {"b.rc", kIncluding}, {"h.h", "#define IDC_EDT_B 7\n"},
    {"in.rc", kIncluding}, {"d/c.rc", kScript},  {"tolvex.ini", " 2\r\n 1.000\r\nx\r\n"},
    {"a.bas", "previous"},
};

void Plant() {
  for (const auto& entry : fs::directory_iterator(".")) fs::remove_all(entry.path());
  fs::create_directory("d");
  for (const auto& [name, bytes] : kFiles) tolvex::testing::WriteBytes(name, bytes);
  fs::create_symlink("a.rc", "l.rc");
  fs::create_symlink("missing.rc", "dead.rc");
  fs::create_symlink("loop.bas", "loop.bas");
  FUZZ_CHECK(::mkfifo("p", 0600) == 0);
}

}  // namespace

int tolvex::fuzzing::FuzzOne(std::string_view bytes) {
  static const int ready = ::chdir(FolderOfOurOwn().c_str());
  FUZZ_CHECK(ready == 0);
  std::vector<std::string> arguments;
  std::istringstream lines{std::string(bytes)};
  for (std::string word; std::getline(lines, word) && arguments.size() < 8;) {
    // A word that spells the internal error's words would pass for it in a message.
    if (word.find('/') != std::string::npos || word.size() > 64 ||
        word.find("internal error") != std::string::npos) {
      return -1;
    }
    arguments.push_back(word);
  }
  Plant();
  // Standard input: a script of the folder, read from its start.
  const int input = ::open("in.rc", O_RDONLY);
  FUZZ_CHECK(input >= 0 && ::dup2(input, STDIN_FILENO) >= 0);
  ::close(input);

  // The scripts of the command line and their bytes before the run.
  const cli::ParseResult parsed = cli::ParseOptions(arguments);
  std::map<std::string, std::string> scripts;
  for (std::string script : parsed.options.scripts) {
    if (script == cli::kStandardInput) script = "in.rc";
    std::error_code unknown;
    if (fs::is_regular_file(script, unknown)) scripts[script] = testing::BytesOf(script);
  }

  std::ostringstream out, errors;
  const int status = cli::RunCommandLine(arguments, out, errors);
  FUZZ_CHECK(status >= 0 && status <= 2);
  FUZZ_CHECK(errors.str().find("internal error") == std::string::npos);
  for (const auto& [script, before] : scripts) FUZZ_CHECK(testing::BytesOf(script) == before);
  for (const auto& entry : fs::directory_iterator(".")) {
    const std::string name = entry.path().filename().string();
    FUZZ_CHECK(name.size() < 11 || name.compare(name.size() - 11, 11, ".tolvex-tmp") != 0);
  }
  return 0;
}
