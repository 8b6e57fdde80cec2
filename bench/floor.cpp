// The floor a converter is measured against: the least a program that reads a script and writes
// a program twice its size must do. Reads all the lines into memory, writes each twice with CR LF
// into a temporary file beside the target, flushes it to disk and renames it into place.
// Usage: tolvex-bench-floor SCRIPT OUTPUT
#include <fcntl.h>
#include <unistd.h>

#include <cstdio>
#include <fstream>
#include <string>
#include <vector>

int main(int argc, char** argv) {
  if (argc != 3) return 2;
  std::ifstream in(argv[1], std::ios::binary);
  std::vector<std::string> lines;
  for (std::string line; std::getline(in, line);) {
    if (!line.empty() && line.back() == '\r') line.pop_back();
    lines.push_back(std::move(line));
  }
  const std::string temporary = std::string(argv[2]) + ".tmp";
  std::FILE* out = std::fopen(temporary.c_str(), "wb");
  if (out == nullptr) return 1;
  for (const std::string& line : lines) {
    for (int twice = 0; twice < 2; ++twice) {
      std::fwrite(line.data(), 1, line.size(), out);
      std::fwrite("\r\n", 1, 2, out);
    }
  }
  const bool written = std::fflush(out) == 0 && fsync(fileno(out)) == 0;
  if (std::fclose(out) != 0 || !written) return 1;
  return std::rename(temporary.c_str(), argv[2]) == 0 ? 0 : 1;
}
