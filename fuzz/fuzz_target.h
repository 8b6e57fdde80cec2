// What every fuzz target shares: its one entry, which takes an input's bytes; a check that names
// itself when it fails; and a folder of its own for the targets that write files.
#pragma once

#include <unistd.h>

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

#include "tests/files/scratch_folder.h"

namespace tolvex::fuzzing {

// The target's work on one input; -1 keeps the input out of the corpus.
int FuzzOne(std::string_view bytes);

[[noreturn]] void Fail(const char* file, int line, const char* check);

// A new folder, in memory where the system has one (every save flushes its file to its disk),
// removed with all it holds when the fuzzer ends.
inline const std::filesystem::path& FolderOfOurOwn() {
  static const testing::ScratchFolder folder(::access("/dev/shm", W_OK) == 0
                                                 ? std::filesystem::path("/dev/shm")
                                                 : std::filesystem::temp_directory_path());
  return folder.path();
}

// The lines of text by the plain line rule, character by character: the pieces between line feeds,
// the last one a line only when it holds a byte (with crAloneIsNoLine, a byte other than CR); each
// line ends at its first NUL and has no CR.
inline std::vector<std::string> PlainLines(std::string_view text, bool crAloneIsNoLine) {
  std::vector<std::string> pieces(1);
  for (char c : text) {
    if (c == '\n') {
      pieces.emplace_back();
    } else {
      pieces.back() += c;
    }
  }
  bool lastCounts = false;
  for (char c : pieces.back()) lastCounts = lastCounts || !crAloneIsNoLine || c != '\r';
  if (!lastCounts) pieces.pop_back();
  std::vector<std::string> lines;
  for (const std::string& piece : pieces) {
    std::string line;
    for (char c : piece.substr(0, piece.find('\0'))) {
      if (c != '\r') line += c;
    }
    lines.push_back(line);
  }
  return lines;
}

}  // namespace tolvex::fuzzing

// Stops the fuzzer unless holds, naming the check and where it stands.
#define FUZZ_CHECK(holds) \
  if (!(holds)) ::tolvex::fuzzing::Fail(__FILE__, __LINE__, #holds)
