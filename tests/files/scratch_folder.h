// A fresh folder under the system's temporary folder (or another) for one test, removed afterwards,
// and small helpers to put bytes into files and take them out again.
#pragma once

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <initializer_list>
#include <iterator>
#include <optional>
#include <random>
#include <set>
#include <string>
#include <vector>

namespace tolvex::testing {

class ScratchFolder {
 public:
  explicit ScratchFolder(
      const std::filesystem::path& under = std::filesystem::temp_directory_path()) {
    std::random_device random;
    path_ = under / ("tolvex-test-" + std::to_string(random()) + "-" + std::to_string(random()));
    std::filesystem::create_directories(path_);
  }
  ~ScratchFolder() {
    std::error_code ignored;
    std::filesystem::remove_all(path_, ignored);
  }
  ScratchFolder(const ScratchFolder&) = delete;
  ScratchFolder& operator=(const ScratchFolder&) = delete;

  const std::filesystem::path& path() const { return path_; }
  std::string operator/(const std::string& name) const { return (path_ / name).string(); }
  // The names in the folder, sorted, joined with blanks.
  std::string Names() const {
    std::string names;
    std::set<std::string> sorted;
    for (const auto& entry : std::filesystem::directory_iterator(path_)) {
      sorted.insert(entry.path().filename().string());
    }
    for (const std::string& name : sorted) names += (names.empty() ? "" : " ") + name;
    return names;
  }

 private:
  std::filesystem::path path_;
};

// The files of the folders whose names end in `extension`, sorted: the cases a runner reads.
inline std::vector<std::filesystem::path> FilesOf(
    std::initializer_list<std::filesystem::path> folders, const std::string& extension) {
  std::vector<std::filesystem::path> files;
  for (const std::filesystem::path& folder : folders) {
    for (const auto& entry : std::filesystem::directory_iterator(folder)) {
      if (entry.path().extension() == extension) files.push_back(entry.path());
    }
  }
  std::sort(files.begin(), files.end());
  return files;
}

inline void WriteBytes(const std::string& path, const std::string& bytes) {
  std::ofstream(path, std::ios::binary)
      .write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
}

inline std::string BytesOf(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

// The read system calls this process has made so far, where the platform counts them (Linux's
// /proc/self/io); nothing elsewhere.
inline std::optional<long long> ReadCallsSoFar() {
  std::ifstream io("/proc/self/io");
  std::string key;
  long long value = 0;
  while (io >> key >> value) {
    if (key == "syscr:") return value;
  }
  return std::nullopt;
}

}  // namespace tolvex::testing
