// Every figure of the converter's speed beside its target: the growth of conversion time per
// source line, tolvex-cli against the floor program on a 10 MB script, the IDM_ menu-search case,
// READ_STRING line by line, a script of hundreds of dialogs, and (when given) the Windows
// converter under Wine against the native one.
// Usage: tolvex-bench-converter TOLVEX_CLI FLOOR SCRATCH_FOLDER [--before OLD_TOLVEX_CLI]
//                               [--wine WINE TOLVEX_CLI_EXE]
// With --before, an earlier build of tolvex-cli is measured beside the current one.
#include <fcntl.h>
#include <spawn.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "bench/compact_script.h"
#include "conversion/designed.h"
#include "generator/program_text.h"
#include "rcscript/script_lines.h"
#include "toolkit/files.h"

namespace {

namespace fs = std::filesystem;
using Clock = std::chrono::steady_clock;
using tolvex::bench::CompactScript;
using tolvex::bench::ScriptShape;

struct Run {
  double wall = 0, cpu = 0, peakMb = 0;
  int status = -1;
};

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
  run.wall = std::chrono::duration<double>(Clock::now() - start).count();
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

struct Medians {
  double wall, cpu, peakMb;
};

Medians MedianOf(const std::vector<Run>& runs) {
  std::vector<double> wall, cpu, peak;
  for (const Run& r : runs) {
    wall.push_back(r.wall);
    cpu.push_back(r.cpu);
    peak.push_back(r.peakMb);
  }
  return {Median(wall), Median(cpu), Median(peak)};
}

void Write(const std::string& path, const std::string& bytes) {
  std::ofstream(path, std::ios::binary)
      .write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
}

const char* Verdict(bool met) { return met ? "met" : "NOT MET"; }

// Splitting, conversion and the program's bytes in this process.
double SecondsToConvert(const std::string& script) {
  using namespace tolvex;
  const auto start = Clock::now();
  const DesignedProgram program = ConvertDesigned(rc::SplitScriptLines(script), {}, false);
  const size_t programBytes = ProgramBytes(program.lines).size();
  const double seconds = std::chrono::duration<double>(Clock::now() - start).count();
  return programBytes > 0 ? seconds : 0;
}

void Growth() {
  std::printf("\n== Conversion time per source line as the script grows (in process)\n");
  std::printf("%8s %10s %12s %14s\n", "scale", "lines", "seconds", "us per line");
  double atTen = 0, atThousand = 0;
  for (int scale : {1, 10, 100, 1000}) {
    const std::string script = CompactScript({4 * scale, 12, true});
    const long lines = static_cast<long>(std::count(script.begin(), script.end(), '\n'));
    // Small scripts are converted again and again until the time is long enough to read.
    int repeats = 0;
    double seconds = 0;
    while (seconds < 0.5 || repeats < 3) {
      seconds += SecondsToConvert(script);
      ++repeats;
    }
    const double perLine = seconds / repeats / static_cast<double>(lines) * 1e6;
    if (scale == 10) atTen = perLine;
    if (scale == 1000) atThousand = perLine;
    std::printf("%7dx %10ld %12.4f %14.3f\n", scale, lines, seconds / repeats, perLine);
  }
  std::printf("per line at 1000x / at 10x: %.2f (target: at most 1.20) %s\n", atThousand / atTen,
              Verdict(atThousand <= 1.2 * atTen));
}

struct Programs {
  std::string cli, floor, before, wine, exe;
};

void PrintRow(const char* name, const Medians& m) {
  std::printf("%-12s %10.3f %10.3f %12.1f\n", name, m.wall, m.cpu, m.peakMb);
}

// READ_STRING, the exported line reader, over the 10 MB script.
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
  const double seconds = std::chrono::duration<double>(Clock::now() - start).count();
  std::printf("\n== READ_STRING line by line over the 10 MB script (%ld lines)\n", lines);
  std::printf("%.3f s (target: under 3 s) %s\n", seconds, Verdict(seconds < 3));
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
  std::printf("\n== A %.1f MB script: tolvex-cli as a user runs it, against the floor program\n",
              static_cast<double>(fs::file_size(script)) / 1e6);
  std::vector<Run> converter, minimum, before, quiet;
  for (int i = 0; i < 5; ++i) {  // alternated, so that all meet the same machine
    minimum.push_back(RunProgram({p.floor, script, (dir / "floor.bas").string()}));
    converter.push_back(RunProgram({p.cli, script}));
    // Without the hint, and so without reading the script's model: the designed conversion alone.
    quiet.push_back(RunProgram({p.cli, "--quiet", script}));
    if (!p.before.empty()) before.push_back(RunProgram({p.before, script}));
  }
  const Medians c = MedianOf(converter), f = MedianOf(minimum);
  std::printf("%-12s %10s %10s %12s\n", "median of 5", "wall s", "CPU s", "peak MB");
  PrintRow("floor", f);
  if (!before.empty()) PrintRow("before", MedianOf(before));
  PrintRow("tolvex-cli", c);
  PrintRow("  --quiet", MedianOf(quiet));
  std::printf("time: %.2fx the floor's wall, %.2fx its CPU (target: at most 2x) %s\n",
              c.wall / f.wall, c.cpu / f.cpu, Verdict(c.wall <= 2 * f.wall));
  std::printf("peak memory: %.2fx the floor's (target: at most 1.5x) %s\n", c.peakMb / f.peakMb,
              Verdict(c.peakMb <= 1.5 * f.peakMb));
  const bool converted = converter.front().status == 0;
  if (!converted) std::printf("tolvex-cli failed on the script\n");
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

void CompleteAgainstDesigned(const Programs& p, const fs::path& dir) {
  const std::string& cli = p.cli;
  std::printf("\n== --complete against the designed conversion on the 10 MB script\n");
  const std::string script = (dir / "large.rc").string();
  const Run probe = RunProgram({cli, "--complete", "-o", (dir / "c.bas").string(), script});
  if (probe.status == 2) {
    std::printf("tolvex-cli has no --complete yet\n");
    return;
  }
  std::vector<Run> complete, designed;
  for (int i = 0; i < 3; ++i) {
    complete.push_back(RunProgram({cli, "--complete", "-o", (dir / "c.bas").string(), script}));
    designed.push_back(RunProgram({cli, "-o", (dir / "d.bas").string(), script}));
  }
  const Medians c = MedianOf(complete), d = MedianOf(designed);
  std::printf("designed: %.3f s %.1f MB, --complete: %.3f s %.1f MB\n", d.wall, d.peakMb, c.wall,
              c.peakMb);
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
    } else {
      understood = false;
    }
  }
  if (!understood) {
    std::fprintf(stderr,
                 "usage: tolvex-bench-converter TOLVEX_CLI FLOOR SCRATCH_FOLDER "
                 "[--before OLD_TOLVEX_CLI] [--wine WINE TOLVEX_CLI_EXE]\n");
    return 2;
  }
  p.cli = args[0];
  p.floor = args[1];
  const fs::path dir = args[2];
  fs::create_directories(dir);
  // Programs first, while this process is small: a spawned child's peak counts the memory it
  // shared with this process before it started its program.
  AgainstTheFloor(p, dir);
  MenuSearchCase(p, dir);
  CompleteAgainstDesigned(p, dir);
  if (!p.wine.empty()) UnderWine(p, dir);
  LineByLine(dir);
  ManyDialogs();
  Growth();
  return 0;
}
