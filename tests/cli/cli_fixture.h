// tolvex-cli run as a process in a scratch folder, with its exit status, output and messages: the
// fixture of the command line's tests.
#pragma once

#include <gtest/gtest.h>

#include <cstdlib>
#include <string>
#include <vector>

#ifdef _WIN32
#include <windows.h>
#else
#include <sys/wait.h>
#endif

#include "tests/files/scratch_folder.h"
#include "toolkit/files.h"

namespace tolvex::testing {

namespace fs = std::filesystem;

struct Outcome {
  int status;
  std::string out, err;
};

inline const std::string kUsageStart = "Usage: tolvex-cli [options] SCRIPT...\n";

// Messages are text: on Windows a line of the error stream ends with CR LF.
inline std::string TextLines(std::string text) {
#ifdef _WIN32
  std::string lines;
  for (size_t i = 0; i < text.size(); ++i) {
    if (!(text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n')) lines += text[i];
  }
  text = lines;
#endif
  return text;
}

// The system's own wording for a missing file or folder, as the converter reports it.
inline std::string MissingFileReason(bool folder) {
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
  Outcome Cli(const std::vector<std::string>& arguments) {
    return Command("", arguments, "> \"" + (folder / "stdout") + "\"");
  }
  // tolvex-cli after before (a pipe into it, a change of folder), its standard output sent as
  // output says.
  Outcome Command(const std::string& before, const std::vector<std::string>& arguments,
                  const std::string& output) {
    std::string command = before + "\"" + TOLVEX_CLI + "\"";
    for (const std::string& a : arguments) command += " \"" + a + "\"";
    command += " " + output + " 2> \"" + (folder / "stderr") + "\"";
#ifdef _WIN32
    command = "\"" + command + "\"";  // the shell drops the outer quotes
#endif
    int status = std::system(command.c_str());
#ifndef _WIN32
    status = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
#endif
    Outcome run{status, BytesOf(folder / "stdout"), TextLines(BytesOf(folder / "stderr"))};
    fs::remove(folder / "stdout");
    fs::remove(folder / "stderr");
    return run;
  }
  // A copy of a whole-output case's script in the scratch folder; its path.
  std::string Golden(const std::string& name, const std::string& as = "") {
    const std::string path = folder / (as.empty() ? name + ".rc" : as);
    WriteBytes(path, Expected(name, ".rc"));
    return path;
  }
  static std::string Expected(const std::string& name, const std::string& extension = ".bas") {
    return BytesOf(std::string(TOLVEX_GOLDEN_DIR) + "/" + name + extension);
  }

  // The Visual Studio case of the complete conversion, with the header it includes; its path.
  std::string VisualStudioScript() {
    const std::string golden = std::string(TOLVEX_COMPLETE_GOLDEN_DIR) + "/";
    WriteBytes(folder / "resource.h", BytesOf(golden + "resource.h"));
    WriteBytes(folder / "vs.rc", BytesOf(golden + "vs_resource.rc"));
    return folder / "vs.rc";
  }

  ScratchFolder folder;
};

}  // namespace tolvex::testing
