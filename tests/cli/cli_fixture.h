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

// One run and what it must give. Everywhere "@/" stands for the scratch folder's path and a
// separator; in err, "{*}" for any text of at least one byte (a system's reason, a random name).
struct Row {
  std::vector<std::string> arguments;
  int status;
  std::string err;
  std::string redirection = "";  // of the standard streams; empty: output into a file
};

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

// Whether text is pattern, each "{*}" of pattern standing for any text but the empty one.
inline bool Matches(const std::string& text, const std::string& pattern) {
  const size_t any = pattern.find("{*}");
  if (any == std::string::npos) return text == pattern;
  if (text.compare(0, any, pattern, 0, any) != 0) return false;
  for (size_t from = any + 1; from <= text.size(); ++from) {
    if (Matches(text.substr(from), pattern.substr(any + 3))) return true;
  }
  return false;
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
  // tolvex-cli after before (a pipe into it, a change of folder), its standard streams sent as
  // streams says (by default its output into a file).
  Outcome Cli(const std::vector<std::string>& arguments, std::string streams = "",
              const std::string& before = "") {
    if (streams.empty()) streams = "> \"" + (folder / "stdout") + "\"";
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
    Outcome run{status, BytesOf(folder / "stdout"), TextLines(BytesOf(folder / "stderr"))};
    fs::remove(folder / "stdout");
    fs::remove(folder / "stderr");
    return run;
  }
  void ExpectRows(const std::vector<Row>& rows, const std::string& before = "") {
    for (const Row& row : rows) {
      std::vector<std::string> arguments;
      std::string name = before + "tolvex-cli";
      for (const std::string& a : row.arguments) {
        arguments.push_back(Here(a));
        name += " " + arguments.back();
      }
      SCOPED_TRACE(name + " " + Here(row.redirection));
      const Outcome run = Cli(arguments, Here(row.redirection), before);
      EXPECT_EQ(run.status, row.status) << run.err;
      EXPECT_TRUE(row.status != 2 || run.out.empty()) << "a usage error converts nothing";
      EXPECT_TRUE(Matches(run.err, Here(row.err))) << run.err << "is not\n" << Here(row.err);
    }
  }
  std::string Here(std::string text) const {
    const std::string path = (folder.path() / "").string();
    for (size_t at = text.find("@/"); at != std::string::npos; at = text.find("@/", at)) {
      text.replace(at, 2, path);
      at += path.size();
    }
    return text;
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

  ScratchFolder folder;
};

}  // namespace tolvex::testing
