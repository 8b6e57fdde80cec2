// Every figure of the converter's speed beside its target: tolvex-cli and --complete against the
// floor program on a 10 MB script, the reader (--dump) against the C preprocessor and a resource
// compiler on a script both read, the IDM_ menu-search case, READ_STRING line by line, a script of
// hundreds of dialogs, the growth of time per source line (the designed conversion, --complete,
// --dump), and (when given) the Windows converter under Wine against the native one.
// Usage: tolvex-bench-converter TOLVEX_CLI FLOOR SCRATCH_FOLDER [--before OLD_TOLVEX_CLI]
//                               [--wine WINE TOLVEX_CLI_EXE] [--peer CPP LLVM_RC]
// With --before, an earlier build of tolvex-cli is measured beside the current one.
#include <fcntl.h>
#include <malloc.h>
#include <sched.h>
#include <spawn.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <ostream>
#include <streambuf>
#include <string>
#include <string_view>
#include <vector>

#include "bench/compact_script.h"
#include "complete/program.h"
#include "conversion/designed.h"
#include "generator/program_text.h"
#include "rcscript/dump.h"
#include "rcscript/reader.h"
#include "toolkit/files.h"

namespace {

// In-process figures that run the same work again and again: while one lives, the allocator keeps
// what it is given. glibc hands the large blocks of a large script's model back to the system
// when they are freed, and the next run would pay for fresh pages again, which a small script's
// runs never do. A fresh page costs the same per byte in a process of its own, which the whole runs
// count; an in-process figure counts the conversions' own work. Restored, and the memory handed
// back, when it ends, so that the programs spawned later start beside a small process.
class HeldMemory {
 public:
  HeldMemory() {
    mallopt(M_MMAP_THRESHOLD, 32 << 20);
    mallopt(M_TRIM_THRESHOLD, 1 << 30);
  }
  ~HeldMemory() {
    mallopt(M_TRIM_THRESHOLD, 128 << 10);
    malloc_trim(0);
  }
  HeldMemory(const HeldMemory&) = delete;
  HeldMemory& operator=(const HeldMemory&) = delete;
};

namespace fs = std::filesystem;
using Clock = std::chrono::steady_clock;
using tolvex::bench::CompactScript;
using tolvex::bench::ScriptShape;

struct Run {
  double wall = 0, cpu = 0, peakMb = 0;
  int status = -1;
};

double SecondsSince(Clock::time_point start) {
  return std::chrono::duration<double>(Clock::now() - start).count();
}

// Runs a program to its end: wall time, CPU time and peak resident memory of the child. Spawned,
// not forked, so that the peak is the program's own and not a copy of this process.
Run RunProgram(const std::vector<std::string>& arguments) {
  std::vector<char*> argv;
  for (const std::string& a : arguments) argv.push_back(const_cast<char*>(a.c_str()));
  argv.push_back(nullptr);
  posix_spawn_file_actions_t quiet;
  posix_spawn_file_actions_init(&quiet);
  posix_spawn_file_actions_addopen(&quiet, 1, "/dev/null", O_WRONLY, 0);
  posix_spawn_file_actions_addopen(&quiet, 2, "/dev/null", O_WRONLY, 0);
  Run run;
  const auto start = Clock::now();
  pid_t child = -1;
  const int spawned = posix_spawnp(&child, argv[0], &quiet, nullptr, argv.data(), environ);
  posix_spawn_file_actions_destroy(&quiet);
  if (spawned != 0) return run;
  int status = 0;
  rusage usage{};
  wait4(child, &status, 0, &usage);
  run.wall = SecondsSince(start);
  run.cpu = static_cast<double>(usage.ru_utime.tv_sec + usage.ru_stime.tv_sec) +
            static_cast<double>(usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) / 1e6;
  run.peakMb = static_cast<double>(usage.ru_maxrss) / 1024.0;
  run.status = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
  return run;
}

double Median(std::vector<double> values) {
  std::sort(values.begin(), values.end());
  return values[values.size() / 2];
}

// Each figure's median on its own; the status is the first run's.
Run MedianOf(const std::vector<Run>& runs) {
  Run median = runs.front();
  for (double Run::*figure : {&Run::wall, &Run::cpu, &Run::peakMb}) {
    std::vector<double> values;
    for (const Run& r : runs) values.push_back(r.*figure);
    median.*figure = Median(values);
  }
  return median;
}

void Write(const std::string& path, const std::string& bytes) {
  std::ofstream(path, std::ios::binary)
      .write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
}

const char* Verdict(bool met) { return met ? "met" : "NOT MET"; }

// The program's bytes made a piece at a time, as tolvex-cli writes them, and counted.
template <class Lines>
size_t WrittenBytes(const Lines& lines) {
  size_t bytes = 0;
  tolvex::ProgramPieces(lines)([&bytes](std::string_view piece) {
    bytes += piece.size();
    return true;
  });
  return bytes;
}

// Splitting, conversion and the program's bytes in this process.
double SecondsToConvert(const std::string& script) {
  using namespace tolvex;
  const auto start = Clock::now();
  const DesignedProgram program = ConvertDesigned(ScriptLinesOf(script), {}, false);
  return WrittenBytes(program.lines) > 0 ? SecondsSince(start) : 0;
}

// The reader and the complete conversion's program, as --complete makes it.
double SecondsToComplete(const std::string& script) {
  using namespace tolvex;
  const auto start = Clock::now();
  const rc::Reading reading = rc::ReadScriptBytes("bench.rc", script, {});
  complete::CompleteOptions options;
  options.scriptFile = "bench.rc";
  return WrittenBytes(complete::ConvertModel(reading.model, options).lines) > 0
             ? SecondsSince(start)
             : 0;
}

// A stream that only counts what is written to it.
class CountingBuffer : public std::streambuf {
 public:
  size_t count = 0;

 protected:
  std::streamsize xsputn(const char*, std::streamsize n) override {
    count += static_cast<size_t>(n);
    return n;
  }
  int_type overflow(int_type c) override {
    ++count;
    return traits_type::not_eof(c);
  }
};

// The reader and the model's listing, as --dump makes it: written to a stream a piece at a time.
double SecondsToDump(const std::string& script) {
  using namespace tolvex;
  CountingBuffer listed;
  std::ostream out(&listed);
  const auto start = Clock::now();
  rc::DumpModel(rc::ReadScriptBytes("bench.rc", script, {}).model, out);
  return listed.count > 0 ? SecondsSince(start) : 0;
}

void Growth(const char* what, double (*seconds)(const std::string&)) {
  std::printf("\n== %s: time per source line as the script grows (in process, median run)\n", what);
  std::printf("%8s %10s %12s %14s\n", "scale", "lines", "seconds", "us per line");
  constexpr int kScales[] = {1, 10, 100, 1000};
  std::vector<std::string> scripts;
  for (int scale : kScales) scripts.push_back(CompactScript({4 * scale, 12, true}));
  // One untimed run each, so that every scale is timed on memory the process already holds; then
  // the scales take turns, a tenth of a second of runs each, eleven times over, so that a change of
  // the machine's speed falls on every scale alike rather than on the last one. The median run
  // counts: with five turns, a few seconds of another program's traffic on the shared cache, which
  // slows the large scripts more than the small, moved the figure by a tenth.
  for (const std::string& script : scripts) seconds(script);
  std::vector<std::vector<double>> runs(scripts.size());
  for (int turn = 0; turn < 11; ++turn) {
    for (size_t s = 0; s < scripts.size(); ++s) {
      for (double slice = 0; slice < 0.1;) {
        runs[s].push_back(seconds(scripts[s]));
        slice += runs[s].back();
      }
    }
  }
  double atTen = 0, atThousand = 0;
  for (size_t s = 0; s < scripts.size(); ++s) {
    const long lines = static_cast<long>(std::count(scripts[s].begin(), scripts[s].end(), '\n'));
    const double median = Median(runs[s]);
    const double perLine = median / static_cast<double>(lines) * 1e6;
    if (kScales[s] == 10) atTen = perLine;
    if (kScales[s] == 1000) atThousand = perLine;
    std::printf("%7dx %10ld %12.4f %14.3f\n", kScales[s], lines, median, perLine);
  }
  std::printf("per line at 1000x / at 10x: %.2f (target: at most 1.20) %s\n", atThousand / atTen,
              Verdict(atThousand <= 1.2 * atTen));
}

// The CPUs of a shared machine do not all run alike: one may share its core with other work and
// run the same program half as fast again, which made two runs of one figure disagree by more than
// any change measured. Every figure is a ratio of two programs or two sizes, so all are measured on
// one CPU, the quickest of those this process may use: the same conversion is timed on each in
// turns. Programs spawned keep it. The CPUs given at the start are kept for what needs them all.
class OneCpu {
 public:
  OneCpu() {
    if (sched_getaffinity(0, sizeof given_, &given_) != 0) return;
    std::vector<int> cpus;
    for (int cpu = 0; cpu < CPU_SETSIZE; ++cpu) {
      if (CPU_ISSET(cpu, &given_)) cpus.push_back(cpu);
    }
    if (cpus.size() < 2) return;
    const std::string script = CompactScript({400, 12, true});
    std::vector<std::vector<double>> runs(cpus.size());
    for (int turn = 0; turn < 5; ++turn) {
      for (size_t i = 0; i < cpus.size(); ++i) {
        if (!Pin(cpus[i])) return;
        runs[i].push_back(SecondsToComplete(script));
      }
    }
    std::printf("== CPUs:");
    size_t quickest = 0;
    for (size_t i = 0; i < cpus.size(); ++i) {
      std::printf(" %d takes %.1f ms,", cpus[i], Median(runs[i]) * 1e3);
      if (Median(runs[i]) < Median(runs[quickest])) quickest = i;
    }
    if (Pin(cpus[quickest])) {
      cpu_ = cpus[quickest];
      std::printf(" so every figure is measured on CPU %d\n", cpu_);
    }
  }
  // Every CPU given, until Repin: the Windows converter under Wine runs more than one process.
  void Release() const {
    if (cpu_ >= 0) sched_setaffinity(0, sizeof given_, &given_);
  }
  void Repin() const {
    if (cpu_ >= 0) Pin(cpu_);
  }

 private:
  static bool Pin(int cpu) {
    cpu_set_t one;
    CPU_ZERO(&one);
    CPU_SET(cpu, &one);
    return sched_setaffinity(0, sizeof one, &one) == 0;
  }
  cpu_set_t given_{};
  int cpu_ = -1;
};

struct Programs {
  std::string cli, floor, before, wine, exe, cpp, llvmRc;
};

void PrintRow(const char* name, const Run& m) {
  std::printf("%-12s %10.3f %10.3f %12.1f\n", name, m.wall, m.cpu, m.peakMb);
}

// READ_STRING, the exported line reader, over the 10 MB script; then the same file's bytes read
// whole beside the reader's pace from file to model, which a linear reader keeps at every size.
void LineByLine(const fs::path& dir) {
  const std::string script = (dir / "large.rc").string();
  const auto start = Clock::now();
  const FileHandle handle = READ_FILE(script.c_str(), kNormalFile);
  long lines = 0;
  while (E_O_F(handle) == 0) {
    tolvex::files::ReadLine(handle);
    ++lines;
  }
  CLOSE_FILE(handle);
  const double seconds = SecondsSince(start);
  std::printf("\n== READ_STRING line by line over the 10 MB script (%ld lines)\n", lines);
  std::printf("%.3f s (target: under 3 s) %s\n", seconds, Verdict(seconds < 3));
  const auto read = Clock::now();
  const double megabytes =
      static_cast<double>(tolvex::rc::DiskFiles()(script).bytes.value_or("").size()) / 1e6;
  const double readSeconds = SecondsSince(read);
  const auto modelled = Clock::now();
  const size_t dialogs = tolvex::rc::ReadScript(script, {}).model.dialogs.size();
  std::printf(
      "its %.1f MB read whole: %.0f MB/s; the reader, file to model (%zu dialogs): %.1f MB/s\n",
      megabytes, megabytes / readSeconds, dialogs, megabytes / SecondsSince(modelled));
}

// Hundreds of dialogs and thousands of controls, converted in this process.
void ManyDialogs() {
  const std::string script = CompactScript({300, 25, true});
  const double seconds = SecondsToConvert(script);
  std::printf("\n== 300 dialogs of 25 controls, each with its menu (in process)\n");
  std::printf("%.3f s (target: under 10 s) %s\n", seconds, Verdict(seconds < 10));
}

void AgainstTheFloor(const Programs& p, const fs::path& dir) {
  const std::string script = (dir / "large.rc").string();
  ScriptShape shape;
  shape.groups = tolvex::bench::GroupsForBytes(shape, 10'000'000);
  Write(script, CompactScript(shape));
  std::printf(
      "\n== A %.1f MB script: tolvex-cli as a user runs it (its hint included; --quiet without),"
      " against the floor program\n",
      static_cast<double>(fs::file_size(script)) / 1e6);
  const std::string completeBas = (dir / "complete.bas").string();
  std::vector<Run> converter, minimum, before, quiet, complete, beforeComplete;
  for (int i = 0; i < 5; ++i) {  // alternated, so that all meet the same machine
    minimum.push_back(RunProgram({p.floor, script, (dir / "floor.bas").string()}));
    converter.push_back(RunProgram({p.cli, script}));
    // Without the hint, and so without reading the script a second time: the designed conversion
    // alone.
    quiet.push_back(RunProgram({p.cli, "--quiet", script}));
    complete.push_back(RunProgram({p.cli, "--complete", "-o", completeBas, script}));
    if (!p.before.empty()) {
      before.push_back(RunProgram({p.before, script}));
      beforeComplete.push_back(RunProgram({p.before, "--complete", "-o", completeBas, script}));
    }
  }
  const Run c = MedianOf(converter), f = MedianOf(minimum), k = MedianOf(complete);
  std::printf("%-12s %10s %10s %12s\n", "median of 5", "wall s", "CPU s", "peak MB");
  PrintRow("floor", f);
  if (!before.empty()) PrintRow("before", MedianOf(before));
  PrintRow("tolvex-cli", c);
  PrintRow("  --quiet", MedianOf(quiet));
  if (!before.empty()) PrintRow("before -c", MedianOf(beforeComplete));
  PrintRow("--complete", k);
  std::printf("default run: %.2fx the floor's wall, %.2fx its CPU (target: at most 2x) %s\n",
              c.wall / f.wall, c.cpu / f.cpu, Verdict(c.wall <= 2 * f.wall));
  std::printf("default run: peak memory %.2fx the floor's (target: at most 1.5x) %s\n",
              c.peakMb / f.peakMb, Verdict(c.peakMb <= 1.5 * f.peakMb));
  std::printf("--complete: %.2fx the floor's wall (target: at most 2.5x) %s\n", k.wall / f.wall,
              Verdict(k.wall <= 2.5 * f.wall));
  std::printf("--complete: peak memory %.2fx the floor's (target: at most 2x) %s\n",
              k.peakMb / f.peakMb, Verdict(k.peakMb <= 2 * f.peakMb));
  if (converter.front().status != 0) std::printf("tolvex-cli failed on the script\n");
  if (complete.front().status != 0) std::printf("tolvex-cli --complete failed on the script\n");
}

// The reader (--dump: file to model, and its listing) against the C preprocessor followed by a
// resource compiler building the .res, on a script both read whole.
void AgainstTheCompiler(const Programs& p, const fs::path& dir) {
  const std::string script = (dir / "units.rc").string();
  const std::string text = tolvex::bench::UnitScript(2482);
  Write(script, text);
  const double bytes = static_cast<double>(text.size());
  std::printf("\n== The reader on a %.1f MB script of 2,482 units (two dialogs, a menu)\n",
              bytes / 1e6);
  const std::string preprocessed = (dir / "units.pp.rc").string();
  const std::string res = (dir / "units.res").string();
  const bool peer = !p.llvmRc.empty();
  std::vector<Run> dump, before, peerRuns;
  for (int i = 0; i < 5; ++i) {
    dump.push_back(RunProgram({p.cli, "--dump", script}));
    if (!p.before.empty()) before.push_back(RunProgram({p.before, "--dump", script}));
    if (!peer) continue;
    // The two programs one after the other: the time of both, the larger of their peaks.
    const Run cpp = RunProgram({p.cpp, "-w", "-P", "-xc", "-undef", "-nostdinc", "-DRC_INVOKED",
                                script, "-o", preprocessed});
    // The compiler reads an argument that starts with a slash as an option (a folder under "/c..."
    // reads as "/C"), so it gets paths relative to the current folder.
    const Run rc = RunProgram({p.llvmRc, "/no-preprocess", "/C", "65001", "/FO",
                               fs::relative(res).string(), fs::relative(preprocessed).string()});
    Run both = rc;
    both.wall += cpp.wall;
    both.cpu += cpp.cpu;
    both.peakMb = std::max(cpp.peakMb, rc.peakMb);
    both.status = cpp.status != 0 ? cpp.status : rc.status;
    peerRuns.push_back(both);
  }
  // File to model in this process: the bytes read, the model made; first on fresh pages, then on
  // memory the process holds.
  std::vector<double> inProcess;
  double firstRead = 0;
  {
    const HeldMemory held;
    for (int i = 0; i < 6; ++i) {
      const auto start = Clock::now();
      const tolvex::rc::Reading reading = tolvex::rc::ReadScript(script, {});
      if (reading.model.dialogs.empty()) continue;
      const double seconds = SecondsSince(start);
      if (i == 0) {
        firstRead = seconds;
      } else {
        inProcess.push_back(seconds);
      }
    }
  }
  const Run d = MedianOf(dump);
  std::printf("%-16s %10s %10s %12s\n", "median of 5", "wall s", "CPU s", "peak MB");
  if (!before.empty()) PrintRow("before --dump", MedianOf(before));
  PrintRow("--dump", d);
  const double rate = inProcess.empty() ? 0 : bytes / 1e6 / Median(inProcess);
  std::printf("file to model: %.1f MB/s (target: at least 60) %s; on fresh pages %.1f MB/s\n", rate,
              Verdict(rate >= 60), firstRead > 0 ? bytes / 1e6 / firstRead : 0.0);
  const double perByte = d.peakMb * 1024 * 1024 / bytes;
  std::printf("memory: %.2f bytes per byte of script (target: at most 4) %s\n", perByte,
              Verdict(perByte <= 4));
  if (!peer) {
    std::printf("cpp and llvm-rc: skipped (no llvm-rc 18 or later found)\n");
    return;
  }
  const Run r = MedianOf(peerRuns);
  PrintRow("cpp + llvm-rc", r);
  if (peerRuns.front().status != 0) std::printf("cpp or llvm-rc failed on the script\n");
  std::printf("--dump: %.2fx the wall of cpp + llvm-rc (target: at most 0.5x) %s\n",
              d.wall / r.wall, Verdict(d.wall <= 0.5 * r.wall));
  std::printf("--dump: %.2fx their peak memory (target: at most 1x) %s\n", d.peakMb / r.peakMb,
              Verdict(d.peakMb <= r.peakMb));
}

void MenuSearchCase(const Programs& p, const fs::path& dir) {
  std::printf("\n== 8,000 one-control dialogs: with one #define IDM_ line and without\n");
  const std::string without = CompactScript({8000, 1, false});
  const std::string with = "#define IDM_ONLY 9\r\n" + without;
  Write((dir / "idm.rc").string(), with);
  Write((dir / "plain.rc").string(), without);
  const auto measure = [&dir](const std::string& cli, const char* name) {
    std::vector<Run> a, b;
    for (int i = 0; i < 3; ++i) {
      a.push_back(RunProgram({cli, (dir / "idm.rc").string()}));
      b.push_back(RunProgram({cli, (dir / "plain.rc").string()}));
    }
    const double withIdm = MedianOf(a).wall, plain = MedianOf(b).wall;
    std::printf("%-10s without: %.3f s, with: %.3f s: %.2fx (target: at most 2x) %s\n", name, plain,
                withIdm, withIdm / plain, Verdict(withIdm <= 2 * plain));
  };
  if (!p.before.empty()) measure(p.before, "before");
  measure(p.cli, "tolvex-cli");
}

void UnderWine(const Programs& p, const fs::path& dir) {
  ScriptShape shape;
  shape.groups = tolvex::bench::GroupsForBytes(shape, 1'000'000);
  const std::string script = (dir / "one-mb.rc").string();
  Write(script, CompactScript(shape));
  std::printf("\n== A 1 MB script: tolvex-cli.exe under Wine against the native tolvex-cli\n");
  RunProgram({p.wine, p.exe, "--version"});  // starts the Wine server first
  std::vector<Run> windows, native;
  for (int i = 0; i < 3; ++i) {
    windows.push_back(RunProgram({p.wine, p.exe, "-o", (dir / "wine.bas").string(), script}));
    native.push_back(RunProgram({p.cli, "-o", (dir / "native.bas").string(), script}));
  }
  const double w = MedianOf(windows).wall, n = MedianOf(native).wall;
  std::printf("native: %.3f s, under Wine: %.3f s (%.1fx; no target: Wine's start-up is in it)\n",
              n, w, w / n);
}

}  // namespace

int main(int argc, char** argv) {
  const std::vector<std::string> args(argv + 1, argv + argc);
  Programs p;
  bool understood = args.size() >= 3;
  for (size_t i = 3; understood && i < args.size(); ++i) {
    if (args[i] == "--before" && i + 1 < args.size()) {
      p.before = args[++i];
    } else if (args[i] == "--wine" && i + 2 < args.size()) {
      p.wine = args[++i];
      p.exe = args[++i];
    } else if (args[i] == "--peer" && i + 2 < args.size()) {
      p.cpp = args[++i];
      p.llvmRc = args[++i];
    } else {
      understood = false;
    }
  }
  if (!understood) {
    std::fprintf(stderr,
                 "usage: tolvex-bench-converter TOLVEX_CLI FLOOR SCRATCH_FOLDER "
                 "[--before OLD_TOLVEX_CLI] [--wine WINE TOLVEX_CLI_EXE] [--peer CPP LLVM_RC]\n");
    return 2;
  }
  p.cli = args[0];
  p.floor = args[1];
  const fs::path dir = args[2];
  fs::create_directories(dir);
  const OneCpu cpu;
  // Programs first, while this process is small: a spawned child's peak counts the memory it
  // shared with this process before it started its program.
  AgainstTheFloor(p, dir);
  AgainstTheCompiler(p, dir);
  MenuSearchCase(p, dir);
  if (!p.wine.empty()) {
    cpu.Release();
    UnderWine(p, dir);
    cpu.Repin();
  }
  LineByLine(dir);
  ManyDialogs();
  const HeldMemory held;
  Growth("The designed conversion", SecondsToConvert);
  Growth("--complete", SecondsToComplete);
  Growth("--dump", SecondsToDump);
  return 0;
}
