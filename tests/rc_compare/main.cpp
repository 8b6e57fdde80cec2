// Compares the resource-script reader with an independent resource compiler (the C preprocessor
// and llvm-rc), field by field, on the golden scripts and on generated ones. Prints every
// difference with its script, resource, field and both values, and the counts; exits 1 on any
// difference that the table of known deviations does not allow.
//
//   tolvex_rc_compare --cpp CPP --llvm-rc LLVM_RC --headers MINGW_INCLUDE --work DIR
//                     [--golden DIR]... [--rewrites golden_rewrites.txt] [--generated COUNT]
//                     [--seed SEED]
#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <functional>
#include <map>
#include <set>
#include <sstream>
#include <string>
#include <vector>

#include "rcscript/reader.h"
#include "tests/rc_compare/rc_compare.h"

namespace tolvex::rc_compare {
namespace {
namespace fs = std::filesystem;

// A row of golden_rewrites.txt: a golden script left out of the comparison, or a statement of one
// written otherwise for the compiler (and, with "rewrite both", for the reader too).
struct Rewrite {
  std::string kind, script, from, to, reason;
};

// Every `from` replaced by `to`; a `from` that starts with a line end matches the first line too.
std::string Replace(const std::string& script, const std::string& from, const std::string& to) {
  std::string text = "\n" + script;
  for (size_t at = text.find(from); at != std::string::npos; at = text.find(from, at + to.size())) {
    text.replace(at, from.size(), to);
  }
  return text.substr(1);
}

// The rows of the table, or none with `error` set when it is missing, empty or a row is malformed.
std::vector<Rewrite> ReadRewrites(const std::string& path, std::string& error) {
  bool ok = false;
  std::istringstream lines(ReadFile(path, ok));
  std::vector<Rewrite> rows;
  for (std::string line; std::getline(lines, line);) {
    if (line.empty() || line[0] == '#') continue;
    std::istringstream fields(line);
    std::vector<std::string> f;
    for (std::string field; std::getline(fields, field, '\t');) {
      f.push_back(Replace(field, "\\n", "\n"));
    }
    if (f.size() == 3 && f[0] == "left out") f.insert(f.begin() + 2, 2, "");
    if (f.size() != 5 || (f[0] != "left out" && f[0] != "rewrite" && f[0] != "rewrite both")) {
      error = path + ": a row is neither \"left out\" nor \"rewrite\": " + line;
      return {};
    }
    rows.push_back({f[0], f[1], f[2], f[3], f[4]});
  }
  if (rows.empty()) error = "no rows in " + path + " (is it missing?)";
  return rows;
}

// A UTF-16 script (with its byte-order mark) as UTF-8, for the compiler; any other unchanged.
std::string CompilerEncoding(const std::string& bytes) {
  const bool le = bytes.rfind("\xFF\xFE", 0) == 0, be = bytes.rfind("\xFE\xFF", 0) == 0;
  if (!le && !be) return bytes;
  std::u16string units;
  for (size_t i = 2; i + 1 < bytes.size(); i += 2) {
    const auto a = static_cast<unsigned char>(bytes[i]),
               b = static_cast<unsigned char>(bytes[i + 1]);
    units += char16_t(le ? a | b << 8 : b | a << 8);
  }
  return Utf8FromUtf16(units);
}

// A script as the reader is given it (at `path`, for its includes) and as the compiler is.
struct Job {
  std::string label, path, reader, compiler;
  bool generated;
};

struct Options {
  CompilerTools tools;
  std::vector<std::string> golden;
  std::string rewrites;  // golden_rewrites.txt, for the golden scripts
  int generated = 0;
  std::uint32_t seed = 1;
};

class Run {
 public:
  explicit Run(const Options& options) : options_(options) {}

  int Main() {
    if (!compiler_.Prepare(options_.tools, error_)) {
      std::printf("cannot compare: %s\n", error_.c_str());
      return 1;
    }
    if (!options_.golden.empty()) rewrites_ = ReadRewrites(options_.rewrites, error_);
    if (!error_.empty()) {
      std::printf("cannot compare: %s\n", error_.c_str());
      return 1;
    }
    for (const std::string& dir : options_.golden) Golden(dir);
    Generated();
    return Report();
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
      const std::string name = path.filename().string(), label = folder + "/" + name;
      const auto left = std::find_if(rewrites_.begin(), rewrites_.end(), [&](const Rewrite& r) {
        return r.kind == "left out" && name == r.script;
      });
      if (left != rewrites_.end()) {
        leftOut_.push_back(label + ": " + left->reason);
        continue;
      }
      bool ok = false;
      Job job{label, path.string(), ReadFile(path.string(), ok), "", false};
      job.compiler = CompilerEncoding(job.reader);
      for (const Rewrite& r : rewrites_) {
        if (name != r.script || r.kind == "left out") continue;
        job.compiler = Replace(job.compiler, r.from, r.to);
        if (r.kind == "rewrite both") job.reader = Replace(job.reader, r.from, r.to);
        rewritten_.insert(label + ": " + r.reason);
      }
      Batch(folder + "-" + path.stem().string(), label, {job}, {dir});
    }
  }

  void Generated() {
    constexpr size_t kBatch = 60;
    std::vector<Job> jobs;
    const auto add = [&](const GeneratedScript& s) {
      jobs.push_back(
          {s.name, s.name, s.utf16 ? Utf16FromUtf8(s.reader) : s.reader, s.compiler, true});
    };
    if (options_.generated > 0) add(EveryConstantScript());
    for (int i = 1; i <= options_.generated; ++i) {
      add(GenerateScript(options_.seed, i));
      if (jobs.size() == kBatch || i == options_.generated) {
        Batch("generated", "generated batch", jobs, {});
        jobs.clear();
      }
    }
  }

  // Compiles the scripts as one (each compiler run costs more than the reading) and sets each
  // one's reading beside the compiler's resources.
  void Batch(const std::string& name, const std::string& label, const std::vector<Job>& jobs,
             const std::vector<std::string>& includeDirs) {
    std::string text, res;
    for (const Job& j : jobs) text += j.compiler;
    if (!compiler_.Compile(name, text, includeDirs, res, error_)) {
      // Alone, each script shows which one the compiler rejects.
      for (const Job& j : jobs) {
        if (jobs.size() == 1 || !compiler_.Compile("alone", j.compiler, includeDirs, res, error_)) {
          Keep(j);
          Fail(j.label, "the compiler rejects it: " + error_);
        }
      }
      return;
    }
    std::vector<ResEntry> entries;
    if (!ReadResFile(res, entries, error_)) return Fail(label, error_);
    std::vector<bool> matched(entries.size(), false);
    for (const Job& j : jobs) {
      const rc::Reading reading = rc::ReadScriptBytes(j.path, j.reader, {});
      for (const rc::Diagnostic& d : reading.diagnostics) {
        if (d.severity == rc::Severity::kError)
          Fail(j.label, "the reader: " + rc::FormatDiagnostic(d));
      }
      const auto differences = Compare(j.label, reading.model, entries, matched, counts_);
      for (const Difference& d : differences) {
        std::printf("%s: %s: %s: the reader %s, the compiler %s\n", d.script.c_str(),
                    d.resource.c_str(), d.field.c_str(), d.model.c_str(), d.compiler.c_str());
      }
      if (!differences.empty()) Keep(j);
      differences_ += differences.size();
      ++counts_.scripts;
      ++(j.generated ? generated_ : golden_);
    }
    for (const Difference& d : UnmatchedResources(label, entries, matched)) {
      ++differences_;
      std::printf("%s: %s: the reader has no such resource\n", d.script.c_str(),
                  d.resource.c_str());
    }
  }

  // A generated script that showed a difference, kept for the reader and the compiler to rerun.
  void Keep(const Job& j) {
    if (!j.generated) return;
    const fs::path dir = fs::path(options_.tools.work) / "differing";
    std::error_code ec;
    fs::create_directories(dir, ec);
    WriteFile((dir / j.label).string(), j.reader);
    WriteFile((dir / (j.label + ".compiler.rc")).string(), j.compiler);
  }

  void Fail(const std::string& label, const std::string& message) {
    ++failures_;
    std::printf("%s: %s\n", label.c_str(), message.c_str());
  }

  int Report() {
    std::printf(
        "compared %d scripts (%d golden, %d generated with seed %u): %d dialogs, %d controls, "
        "%d menus, %d menu items, %d fields; %zu differences\n",
        counts_.scripts, golden_, generated_, options_.seed, counts_.dialogs, counts_.controls,
        counts_.menus, counts_.items, counts_.fields, differences_);
    const auto& known = KnownDeviations();
    for (size_t i = 0; i < known.size(); ++i) {
      std::printf("  allowed %d times: %s: %s\n", counts_.allowed[i], known[i].field,
                  known[i].reason);
    }
    for (const std::string& r : rewritten_) {
      std::printf("  rewritten for the compiler: %s\n", r.c_str());
    }
    for (const std::string& l : leftOut_) std::printf("  left out: %s\n", l.c_str());
    return failures_ == 0 && differences_ == 0 ? 0 : 1;
  }

  Options options_;
  Compiler compiler_;
  Counts counts_;
  std::string error_;
  std::vector<Rewrite> rewrites_;
  std::set<std::string> rewritten_;
  std::vector<std::string> leftOut_;
  int golden_ = 0, generated_ = 0, failures_ = 0;
  size_t differences_ = 0;
};

}  // namespace
}  // namespace tolvex::rc_compare

int main(int argc, char** argv) {
  tolvex::rc_compare::Options o;
  const std::map<std::string, std::function<void(const char*)>> flags = {
      {"--cpp", [&](const char* v) { o.tools.cpp = v; }},
      {"--llvm-rc", [&](const char* v) { o.tools.llvmRc = v; }},
      {"--headers", [&](const char* v) { o.tools.headers = v; }},
      {"--work", [&](const char* v) { o.tools.work = v; }},
      {"--golden", [&](const char* v) { o.golden.push_back(v); }},
      {"--rewrites", [&](const char* v) { o.rewrites = v; }},
      {"--generated", [&](const char* v) { o.generated = std::atoi(v); }},
      {"--seed", [&](const char* v) { o.seed = std::uint32_t(std::strtoul(v, nullptr, 10)); }},
  };
  for (int i = 1; i + 1 < argc; i += 2) {
    const auto flag = flags.find(argv[i]);
    if (flag == flags.end()) {
      std::fprintf(stderr, "unknown option %s\n", argv[i]);
      return 2;
    }
    flag->second(argv[i + 1]);
  }
  if (o.tools.work.empty() || (argc - 1) % 2 != 0 || o.generated < 0 || o.generated > 7999) {
    std::fprintf(
        stderr,
        "usage: tolvex_rc_compare --cpp CPP --llvm-rc LLVM_RC --headers DIR --work DIR "
        "[--golden DIR]... [--rewrites FILE] [--generated COUNT (at most 7999)] [--seed SEED]\n");
    return 2;
  }
  std::error_code ec;
  std::filesystem::create_directories(o.tools.work, ec);
  std::filesystem::remove_all(std::filesystem::path(o.tools.work) / "differing", ec);
  return tolvex::rc_compare::Run(o).Main();
}
