// The scripts of one run, known by the files their names lead to, so that nothing the program
// writes (a program, the settings, a backup) ever takes a script's place.
#pragma once

#include <string>
#include <utility>
#include <vector>

#include "toolkit/files.h"

namespace tolvex {

class RunScripts {
 public:
  // A script by its name; a name that leads to no file adds nothing.
  void Add(const std::string& path);
  // The script read from standard input, named "-".
  void AddStandardInput();
  // The name of the script that writing path would replace (path's links followed, compared by
  // device and inode), or nullptr when it would replace none. Every written path asks this.
  const std::string* ReplacedBy(const std::string& path) const;

 private:
  std::vector<std::pair<files::FileId, std::string>> scripts_;
};

}  // namespace tolvex
