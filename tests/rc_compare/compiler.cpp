#include "tests/rc_compare/rc_compare.h"

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <regex>
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

// A directive the reduced headers keep (a line without comments).
bool IsDirective(const std::string& line) {
  static const std::regex kKept(
      R"(^[ \t]*#[ \t]*(define|undef|ifn?def|if|elif|else|endif|include)\b)");
  return line.find('#') != std::string::npos && std::regex_search(line, kKept);
}

// The headers as for a current Windows: scripts use styles newer than the headers' defaults.
constexpr const char* kVersionDefines =
    "-D_WIN32_WINNT=0x0A00 -DWINVER=0x0A00 -D_WIN32_IE=0x0A00 -DNTDDI_VERSION=0x0A000000";

// The C headers reduced to their preprocessor lines (#define, #undef, #if..., #include), comments
// and all declarations left out: with RC_INVOKED the real headers still hold C that the resource
// compiler cannot read. Comments go first (a directive may open one that closes lines later), each
// as a blank that keeps its line ends; then the lines are joined where a backslash continues them.
std::string PreprocessorLines(const std::string& header) {
  std::string text;
  for (size_t i = 0; i < header.size(); ++i) {
    if (header.compare(i, 2, "/*") == 0) {
      const size_t end = std::min(header.find("*/", i + 2), header.size());
      text.append(static_cast<size_t>(std::count(&header[i], &header[0] + end, '\n')), '\n');
      if (end < header.size()) text += ' ';
      i = end + 1;
    } else if (header.compare(i, 2, "//") == 0) {
      i = std::min(header.find('\n', i), header.size()) - 1;
    } else if (header[i] == '"') {
      size_t end = i + 1;  // the closing quote or line end, a backslash's next character passed
      while (end < header.size() && header[end] != '"' && header[end] != '\n') {
        end += header[end] == '\\' && end + 1 < header.size() ? 2 : 1;
      }
      text += header.substr(i, end + 1 - i);
      i = end;
    } else if (header[i] != '\r') {
      text += header[i];
    }
  }
  std::string out, logical;
  std::istringstream lines(text);
  for (std::string l; std::getline(lines, l);) {
    const bool continued = !l.empty() && l.back() == '\\';
    logical += continued ? l.substr(0, l.size() - 1) : l;
    if (continued) continue;
    if (IsDirective(logical)) out += logical + "\n";
    logical.clear();
  }
  return out;
}

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
