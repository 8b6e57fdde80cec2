// What the fuzzers that write files share: a folder of their own and reading a file back.
#pragma once

#include <stdlib.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

namespace tolvex::fuzzing {

// A new folder, in memory where the system has one (every save flushes its file to its disk),
// removed with all it holds when the fuzzer ends.
inline std::string FolderOfOurOwn(const std::string& name) {
  std::string inMemory = "/dev/shm/" + name + "-XXXXXX", onDisk = "/tmp/" + name + "-XXXXXX";
  const char* folder = ::mkdtemp(inMemory.data());
  if (folder == nullptr) folder = ::mkdtemp(onDisk.data());
  if (folder == nullptr) std::abort();
  static std::string made;
  made = folder;
  std::atexit([] {
    std::error_code ignored;
    std::filesystem::remove_all(made, ignored);
  });
  return made;
}

inline std::string BytesOf(const std::string& name) {
  std::ifstream in(name, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

}  // namespace tolvex::fuzzing
