#include "tests/rc_compare/compiler.h"

#include <cctype>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>

namespace tolvex::rc_compare {
namespace fs = std::filesystem;
namespace {

// A path for the shell, in single quotes.
std::string Shell(const std::string& s) {
  std::string out = "'";
  for (const char c : s) out += c == '\'' ? std::string("'\\''") : std::string(1, c);
  return out + "'";
}

bool IsDirective(const std::string& line) {
  size_t i = line.find_first_not_of(" \t");
  if (i == std::string::npos || line[i] != '#') return false;
  i = line.find_first_not_of(" \t", i + 1);
  if (i == std::string::npos) return false;
  for (const char* d :
       {"define", "undef", "ifdef", "ifndef", "if", "elif", "else", "endif", "include"}) {
    const std::string word(d);
    if (line.compare(i, word.size(), word) == 0) {
      const size_t after = i + word.size();
      if (after == line.size() ||
          !(std::isalnum(static_cast<unsigned char>(line[after])) || line[after] == '_')) {
        return true;
      }
    }
  }
  return false;
}

// The headers as for a current Windows: scripts use styles newer than the headers' defaults.
constexpr const char* kVersionDefines =
    "-D_WIN32_WINNT=0x0A00 -DWINVER=0x0A00 -D_WIN32_IE=0x0A00 -DNTDDI_VERSION=0x0A000000";

}  // namespace

std::string ReadFile(const std::string& path, bool& ok) {
  std::ifstream in(path, std::ios::binary);
  std::stringstream bytes;
  bytes << in.rdbuf();
  ok = static_cast<bool>(in);
  return bytes.str();
}

bool WriteFile(const std::string& path, const std::string& bytes) {
  std::ofstream out(path, std::ios::binary);
  out << bytes;
  return static_cast<bool>(out);
}

std::string PreprocessorLines(const std::string& header) {
  // Comments out first (a directive may open one that closes lines later), then the lines joined
  // where a backslash continues them.
  std::string text;
  bool block = false, line = false, quoted = false;
  for (size_t i = 0; i < header.size(); ++i) {
    const char c = header[i];
    const char next = i + 1 < header.size() ? header[i + 1] : '\0';
    if (block) {
      if (c == '*' && next == '/') {
        block = false;
        ++i;
        text += ' ';
      } else if (c == '\n') {
        text += '\n';
      }
    } else if (line) {
      if (c == '\n') {
        line = false;
        text += '\n';
      }
    } else if (quoted) {
      text += c;
      if (c == '\\' && next != '\0') {
        text += next;
        ++i;
      } else if (c == '"' || c == '\n') {
        quoted = false;
      }
    } else if (c == '/' && next == '*') {
      block = true;
      ++i;
    } else if (c == '/' && next == '/') {
      line = true;
      ++i;
    } else {
      if (c == '"') quoted = true;
      if (c != '\r') text += c;
    }
  }
  std::string out, logical;
  std::istringstream lines(text);
  for (std::string l; std::getline(lines, l);) {
    if (!l.empty() && l.back() == '\\') {
      l.pop_back();
      logical += l;
      continue;
    }
    logical += l;
    if (IsDirective(logical)) out += logical + "\n";
    logical.clear();
  }
  return out;
}

bool Compiler::Prepare(const CompilerTools& tools, std::string& error) {
  tools_ = tools;
  // The compiler runs inside the work folder, so every path it is handed must hold from there.
  std::error_code absolute;
  for (std::string* path : {&tools_.cpp, &tools_.llvmRc, &tools_.headers, &tools_.work})
    if (!path->empty()) *path = fs::absolute(*path, absolute).string();
  for (const std::string* tool : {&tools_.cpp, &tools_.llvmRc}) {
    if (tool->empty() || !fs::exists(*tool)) {
      error = "missing tool \"" + *tool + "\" (scripts/deps.sh installs llvm-19 and cpp)";
      return false;
    }
  }
  if (!fs::exists(fs::path(tools_.headers) / "winresrc.h")) {
    error =
        "no winresrc.h in \"" + tools_.headers + "\" (scripts/deps.sh installs mingw-w64-common)";
    return false;
  }
  includes_ = (fs::path(tools_.work) / "include").string();
  const fs::path stamp = fs::path(includes_) / ".complete";
  std::error_code ec;
  if (!fs::exists(stamp)) {
    fs::remove_all(includes_, ec);
    for (const auto& entry : fs::recursive_directory_iterator(tools_.headers, ec)) {
      if (!entry.is_regular_file()) continue;
      const fs::path to = fs::path(includes_) / fs::relative(entry.path(), tools_.headers);
      fs::create_directories(to.parent_path(), ec);
      bool ok = false;
      const std::string header = ReadFile(entry.path().string(), ok);
      if (!ok || !WriteFile(to.string(), PreprocessorLines(header))) {
        error = "cannot copy " + entry.path().string();
        return false;
      }
    }
    if (ec || !WriteFile(stamp.string(), "")) {
      error = "cannot reduce the headers into " + includes_;
      return false;
    }
  }
  // What every script may use without including it: the reader knows these names by itself.
  prelude_ = (fs::path(tools_.work) / "prelude.h").string();
  return WriteFile(prelude_, "#include <afxres.h>\n#include <commctrl.h>\n");
}

bool Compiler::Compile(const std::string& name, const std::string& text,
                       const std::vector<std::string>& includeDirs, std::string& res,
                       std::string& error) {
  const std::string base = (fs::path(tools_.work) / name).string();
  const std::string messages = base + ".messages";
  if (!WriteFile(base + ".rc", text)) {
    error = "cannot write " + base + ".rc";
    return false;
  }
  std::string includes;
  for (const std::string& dir : includeDirs) includes += " -I " + Shell(dir);
  const std::string preprocess = Shell(tools_.cpp) + " -w -P -xc -undef -nostdinc -DRC_INVOKED " +
                                 kVersionDefines + includes + " -I " + Shell(includes_) +
                                 " -include " + Shell(prelude_) + " " + Shell(base + ".rc") +
                                 " -o " + Shell(base + ".pp.rc") + " 2>" + Shell(messages);
  // The compiler takes an argument that starts with a slash for an option, so a folder such as
  // "/ci/..." or "/data/..." reads as "/C" or "/D": it is given names relative to the work folder.
  const std::string local = (fs::path(".") / name).string();
  const std::string compile = "cd " + Shell(tools_.work) + " && " + Shell(tools_.llvmRc) +
                              " /no-preprocess /C 65001 /FO " + Shell(local + ".res") + " " +
                              Shell(local + ".pp.rc") + " >" + Shell(messages) + " 2>&1";
  bool ok = std::system(preprocess.c_str()) == 0 && std::system(compile.c_str()) == 0;
  if (ok) res = ReadFile(base + ".res", ok);
  if (!ok) {
    bool read = false;
    error = ReadFile(messages, read);
    if (error.empty()) error = "the compiler failed on " + base + ".rc";
  }
  return ok;
}

}  // namespace tolvex::rc_compare
