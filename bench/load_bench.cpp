// How long loading a 10 MB script takes: one byte per read call, as a plain reader would do it,
// against READ_STRING. Prints both figures side by side.
#include <chrono>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <random>
#include <string>
#include <vector>

#include "toolkit/files.h"
#include "toolkit/line_rule.h"

namespace {

namespace fs = std::filesystem;

// The line of the same rule, taken one byte per call: the position never runs ahead.
std::string ReadLineByteByByte(FileHandle handle) {
  std::string line;
  char c = 0;
  while (tolvex::files::ReadSome(handle, &c, 1) == 1) {
    if (tolvex::TakeLineByte(line, c)) break;
  }
  return line;
}

struct Load {
  size_t lines = 0, bytes = 0;
  double seconds = 0;
};

template <typename ReadLine>
Load Measure(const std::string& path, ReadLine readLine) {
  Load load;
  const auto start = std::chrono::steady_clock::now();
  const FileHandle handle = READ_FILE(path.c_str(), kNormalFile);
  while (E_O_F(handle) == 0) {
    load.bytes += readLine(handle).size();
    ++load.lines;
  }
  CLOSE_FILE(handle);
  load.seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
  return load;
}

// Script-like lines of 10 to 90 characters with CR LF ends, up to 10 MB.
std::string Script() {
  std::string bytes;
  for (int i = 0; bytes.size() < 10u * 1000 * 1000; ++i) {
    bytes += "  CONTROL \"Caption " + std::to_string(i) + "\",IDC_" + std::to_string(i) +
             ",\"Button\",0x50010000,7,7,50,14" + std::string(static_cast<size_t>(i % 40), ' ') +
             "\r\n";
  }
  return bytes;
}

}  // namespace

int main() {
  std::random_device random;
  const fs::path folder = fs::temp_directory_path() / ("tolvex-bench-" + std::to_string(random()));
  fs::create_directories(folder);
  const std::string path = (folder / "large.rc").string();
  const std::string script = Script();
  std::ofstream(path, std::ios::binary)
      .write(script.data(), static_cast<std::streamsize>(script.size()));

  const Load oneByte = Measure(path, ReadLineByteByByte);
  const Load blocks =
      Measure(path, [](FileHandle handle) { return tolvex::files::ReadLine(handle); });
  fs::remove_all(folder);

  std::printf("loading a %.1f MB script of %zu lines\n", static_cast<double>(script.size()) / 1e6,
              blocks.lines);
  std::printf("%-24s %12s %12s\n", "", "one byte/call", "READ_STRING");
  std::printf("%-24s %12.3f %12.3f\n", "seconds", oneByte.seconds, blocks.seconds);
  std::printf("%-24s %12.1f %12.1f\n", "MB/s",
              static_cast<double>(script.size()) / 1e6 / oneByte.seconds,
              static_cast<double>(script.size()) / 1e6 / blocks.seconds);
  std::printf("%-24s %12zu %12zu\n", "lines", oneByte.lines, blocks.lines);
  std::printf("speed-up: %.1f x\n", oneByte.seconds / blocks.seconds);
  const bool same = oneByte.lines == blocks.lines && oneByte.bytes == blocks.bytes;
  if (!same) std::printf("the two readers disagree\n");
  return same ? 0 : 1;
}
