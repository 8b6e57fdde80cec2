// Compares the resource-script reader with an independent resource compiler (the C preprocessor
// and llvm-rc), field by field, on the golden scripts and on generated ones. Prints every
// difference with its script, resource, field and both values, and the counts; exits 1 on any
// difference that the table of known deviations does not allow.
//
//   tolvex_rc_compare --cpp CPP --llvm-rc LLVM_RC --headers MINGW_INCLUDE --work DIR
//                     [--golden DIR]... [--generated COUNT] [--seed SEED]
#include <algorithm>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <map>
#include <set>
#include <string>
#include <vector>

#include "rcscript/reader.h"
#include "tests/rc_compare/comparison.h"
#include "tests/rc_compare/compiler.h"
#include "tests/rc_compare/script_generator.h"

namespace tolvex::rc_compare {
namespace {
namespace fs = std::filesystem;

// Golden scripts left out of the comparison, and why.
constexpr struct {
  const char* script;
  const char* reason;
} kLeftOut[] = {
    {"recovery.rc", "holds errors on purpose: the compiler rejects it, the reader recovers"},
    {"vs_no_header.rc", "its header is missing on purpose: the compiler stops at the #include"},
};

// Golden scripts written otherwise for the compiler, where it is stricter than scripts in the
// wild; `bothSides` leaves a statement out for the reader too.
constexpr struct {
  const char* script;
  const char* from;
  const char* to;
  bool bothSides;
  const char* reason;
} kRewrites[] = {
    {"arithmetic.rc", "2*ROW+MARGIN*2", "42", false, "the compiler has no \"*\""},
    {"arithmetic.rc", "(175+15)-MARGIN*2-64", "112", false, "the compiler has no \"*\""},
    {"arithmetic.rc", "-1+MARGIN*4", "27", false, "the compiler has no \"*\""},
    {"arithmetic.rc", "ROW, , WS_EX", "ROW, 0, WS_EX", false, "the compiler has no empty fields"},
    {"asm_editor.rc", "\n;", "\n//", false, "the compiler has no \";\" comment lines"},
    {"asm_editor.rc", "\n  ;", "\n  //", false, "the compiler has no \";\" comment lines"},
    {"asm_editor.rc", "1 24 \"app.manifest\"", "//", false,
     "the compiler needs the files that resources name; the reader passes them over"},
    {"asm_editor.rc", "500 ICON DISCARDABLE \"app.ico\"", "//", false,
     "the compiler needs the files that resources name; the reader passes them over"},
    {"old_dialog.rc", "IDC_ICON1,8,8\n", "IDC_ICON1,8,8,0,0\n", false,
     "the compiler needs an ICON control's size"},
    {"menuex.rc", "MENUITEM SEPARATOR", "MENUITEM \"\", 0, MFT_SEPARATOR", false,
     "the compiler has no MENUITEM SEPARATOR in a MENUEX"},
    {"menuex_nested.rc", "MENUITEM SEPARATOR", "MENUITEM \"\", 0, MFT_SEPARATOR", false,
     "the compiler has no MENUITEM SEPARATOR in a MENUEX"},
    {"shared_menu.rc", "MENU BIGMENU", "MENU \"BIGMENU\"", false,
     "the compiler needs a menu name that is not a number in quotes"},
    {"warnings.rc", "  CONTROL \"Later\",IDC_LATER", "//", true,
     "IDC_LATER has no value on purpose; the compiler rejects it"},
    {"warnings.rc", "MENU IDR_GONE", "MENU \"IDR_GONE\"", false,
     "the compiler needs a menu name that is not a number in quotes"},
};

// Every `from` replaced by `to`; a `from` that starts with a line end matches the first line too.
std::string Replace(const std::string& script, const std::string& from, const std::string& to) {
  std::string text = "\n" + script;
  for (size_t at = text.find(from); at != std::string::npos; at = text.find(from, at + to.size())) {
    text.replace(at, from.size(), to);
  }
  return text.substr(1);
}

// A UTF-16 script (with its byte-order mark) as UTF-8, for the compiler; any other unchanged.
std::string CompilerEncoding(const std::string& bytes) {
  if (bytes.size() < 2) return bytes;
  const bool le = bytes[0] == '\xFF' && bytes[1] == '\xFE';
  const bool be = bytes[0] == '\xFE' && bytes[1] == '\xFF';
  if (!le && !be) return bytes;
  std::u16string units;
  for (size_t i = 2; i + 1 < bytes.size(); i += 2) {
    const auto a = static_cast<unsigned char>(bytes[i]),
               b = static_cast<unsigned char>(bytes[i + 1]);
    units += char16_t(le ? a | b << 8 : b | a << 8);
  }
  return Utf8FromUtf16(units);
}

std::string Utf16FromUtf8(const std::string& text) {
  std::string out = "\xFF\xFE";
  for (size_t i = 0; i < text.size();) {
    const auto c = static_cast<unsigned char>(text[i]);
    std::uint32_t code = c;
    size_t length = 1;
    if (c >= 0xC0 && c < 0xE0) {
      code = c & 0x1Fu;
      length = 2;
    } else if (c >= 0xE0) {
      code = c & 0x0Fu;
      length = 3;
    }
    for (size_t k = 1; k < length && i + k < text.size(); ++k) {
      code = code << 6 | (static_cast<unsigned char>(text[i + k]) & 0x3Fu);
    }
    out += static_cast<char>(code & 0xFF);
    out += static_cast<char>(code >> 8);
    i += length;
  }
  return out;
}

struct Options {
  CompilerTools tools;
  std::vector<std::string> golden;
  int generated = 0;
  std::uint32_t seed = 1;
};

class Run {
 public:
  explicit Run(const Options& options) : options_(options) {}

  int Main() {
    std::string error;
    if (!compiler_.Prepare(options_.tools, error)) {
      std::printf("cannot compare: %s\n", error.c_str());
      return 1;
    }
    for (const std::string& dir : options_.golden) Golden(dir);
    Generated();
    Report();
    return failures_ == 0 ? 0 : 1;
  }

 private:
  void Golden(const std::string& dir) {
    std::vector<fs::path> scripts;
    for (const auto& entry : fs::directory_iterator(dir)) {
      if (entry.path().extension() == ".rc") scripts.push_back(entry.path());
    }
    std::sort(scripts.begin(), scripts.end());
    const std::string folder = fs::path(dir).parent_path().filename().string();
    for (const fs::path& path : scripts) {
      const std::string name = path.filename().string();
      const std::string label = folder + "/" + name;
      bool leftOut = false;
      for (const auto& l : kLeftOut) leftOut = leftOut || name == l.script;
      if (leftOut) {
        leftOut_.push_back(label);
        continue;
      }
      bool ok = false;
      std::string reader = ReadFile(path.string(), ok);
      std::string compiler = CompilerEncoding(reader);
      for (const auto& r : kRewrites) {
        if (name != r.script) continue;
        compiler = Replace(compiler, r.from, r.to);
        if (r.bothSides) reader = Replace(reader, r.from, r.to);
        rewritten_.insert(label + ": " + r.reason);
      }
      const rc::Reading reading = rc::ReadScriptBytes(path.string(), reader, {});
      std::string res;
      if (!compiler_.Compile(folder + "-" + path.stem().string(), compiler, {dir}, res, error_)) {
        Fail(label, "the compiler rejects it: " + error_);
        continue;
      }
      std::vector<ResEntry> entries;
      if (!ReadResFile(res, entries, error_)) {
        Fail(label, error_);
        continue;
      }
      std::vector<bool> matched(entries.size(), false);
      CompareOne(label, reading, entries, matched);
      Unmatched(label, entries, matched);
      ++golden_;
    }
  }

  // Generated scripts, compiled in batches: each compiler run costs more than the reading.
  void Generated() {
    constexpr int kBatch = 60;
    std::vector<GeneratedScript> scripts;
    if (options_.generated > 0) scripts.push_back(EveryConstantScript());
    for (int i = 1; i <= options_.generated; ++i) {
      scripts.push_back(GenerateScript(options_.seed, i));
      if (static_cast<int>(scripts.size()) == kBatch || i == options_.generated) {
        Batch(scripts);
        scripts.clear();
      }
    }
  }

  void Batch(const std::vector<GeneratedScript>& scripts) {
    std::string text, res;
    for (const GeneratedScript& s : scripts) text += s.compiler;
    if (!compiler_.Compile("generated", text, {}, res, error_)) {
      // Alone, each script shows which one the compiler rejects.
      for (const GeneratedScript& s : scripts) {
        if (!compiler_.Compile("alone", s.compiler, {}, res, error_)) {
          Keep(s);
          Fail(s.name, "the compiler rejects it: " + error_);
        }
      }
      return;
    }
    std::vector<ResEntry> entries;
    if (!ReadResFile(res, entries, error_)) {
      Fail("generated batch", error_);
      return;
    }
    std::vector<bool> matched(entries.size(), false);
    for (const GeneratedScript& s : scripts) {
      const std::string bytes = s.utf16 ? Utf16FromUtf8(s.reader) : s.reader;
      const size_t before = differences_;
      CompareOne(s.name, rc::ReadScriptBytes(s.name, bytes, {}), entries, matched);
      if (differences_ != before) Keep(s);
      ++generated_;
    }
    Unmatched("generated batch", entries, matched);
  }

  void CompareOne(const std::string& label, const rc::Reading& reading,
                  const std::vector<ResEntry>& entries, std::vector<bool>& matched) {
    for (const rc::Diagnostic& d : reading.diagnostics) {
      if (d.severity == rc::Severity::kError) Fail(label, "the reader: " + rc::FormatDiagnostic(d));
    }
    for (const Difference& d : Compare(label, reading.model, entries, matched, counts_)) {
      ++differences_;
      std::printf("%s: %s: %s: the reader %s, the compiler %s\n", d.script.c_str(),
                  d.resource.c_str(), d.field.c_str(), d.model.c_str(), d.compiler.c_str());
    }
    ++counts_.scripts;
  }

  void Unmatched(const std::string& label, const std::vector<ResEntry>& entries,
                 const std::vector<bool>& matched) {
    for (const Difference& d : UnmatchedResources(label, entries, matched)) {
      ++differences_;
      std::printf("%s: %s: the reader has no such resource\n", d.script.c_str(),
                  d.resource.c_str());
    }
  }

  // A generated script that showed a difference, kept for the reader and the compiler to rerun.
  void Keep(const GeneratedScript& s) {
    const fs::path dir = fs::path(options_.tools.work) / "differing";
    std::error_code ec;
    fs::create_directories(dir, ec);
    WriteFile((dir / s.name).string(), s.utf16 ? Utf16FromUtf8(s.reader) : s.reader);
    WriteFile((dir / (s.name + ".compiler.rc")).string(), s.compiler);
  }

  void Fail(const std::string& label, const std::string& message) {
    ++failures_;
    std::printf("%s: %s\n", label.c_str(), message.c_str());
  }

  void Report() {
    failures_ += static_cast<int>(differences_);
    std::printf(
        "compared %d scripts (%d golden, %d generated with seed %u): %d dialogs, %d controls, "
        "%d menus, %d menu items, %d fields; %zu differences\n",
        counts_.scripts, golden_, generated_, options_.seed, counts_.dialogs, counts_.controls,
        counts_.menus, counts_.items, counts_.fields, differences_);
    std::map<int, int> seen;
    for (const int i : counts_.deviationsSeen) ++seen[i];
    const auto& known = KnownDeviations();
    for (size_t i = 0; i < known.size(); ++i) {
      std::printf("  allowed %d times: %s: %s\n", seen[static_cast<int>(i)], known[i].field,
                  known[i].reason);
    }
    for (const std::string& r : rewritten_)
      std::printf("  rewritten for the compiler: %s\n", r.c_str());
    for (const std::string& l : leftOut_) {
      for (const auto& k : kLeftOut) {
        if (fs::path(l).filename() == k.script)
          std::printf("  left out: %s: %s\n", l.c_str(), k.reason);
      }
    }
  }

  Options options_;
  Compiler compiler_;
  Counts counts_;
  std::string error_;
  std::set<std::string> rewritten_;
  std::vector<std::string> leftOut_;
  int golden_ = 0, generated_ = 0, failures_ = 0;
  size_t differences_ = 0;
};

}  // namespace
}  // namespace tolvex::rc_compare

int main(int argc, char** argv) {
  tolvex::rc_compare::Options options;
  for (int i = 1; i + 1 < argc; i += 2) {
    const std::string flag = argv[i], value = argv[i + 1];
    if (flag == "--cpp") {
      options.tools.cpp = value;
    } else if (flag == "--llvm-rc") {
      options.tools.llvmRc = value;
    } else if (flag == "--headers") {
      options.tools.headers = value;
    } else if (flag == "--work") {
      options.tools.work = value;
    } else if (flag == "--golden") {
      options.golden.push_back(value);
    } else if (flag == "--generated") {
      options.generated = std::atoi(value.c_str());
    } else if (flag == "--seed") {
      options.seed = static_cast<std::uint32_t>(std::strtoul(value.c_str(), nullptr, 10));
    } else {
      std::fprintf(stderr, "unknown option %s\n", flag.c_str());
      return 2;
    }
  }
  if (options.tools.work.empty() || (argc - 1) % 2 != 0 || options.generated < 0 ||
      options.generated > 7999) {
    std::fprintf(stderr,
                 "usage: tolvex_rc_compare --cpp CPP --llvm-rc LLVM_RC --headers DIR --work DIR "
                 "[--golden DIR]... [--generated COUNT (at most 7999)] [--seed SEED]\n");
    return 2;
  }
  std::error_code ec;
  std::filesystem::create_directories(options.tools.work, ec);
  std::filesystem::remove_all(std::filesystem::path(options.tools.work) / "differing", ec);
  return tolvex::rc_compare::Run(options).Main();
}
