// Loading a resource script: its file read whole and split into the lines every reader of a
// script sees, shared by the main window's Load.rc and the command-line converter.
#pragma once

#include <string>
#include <vector>

namespace tolvex {

// The script's lines, decoded and split, and its bytes as read when bytes is given. False, with
// no lines, when the file cannot be opened or a read fails before its end.
bool ReadScriptLines(const std::string& path, std::vector<std::string>& lines,
                     std::string* bytes = nullptr);
// A file's bytes, whole. False, with no bytes, when it cannot be opened or a read fails before
// its end.
bool ReadFileBytes(const std::string& path, std::string& bytes);

}  // namespace tolvex
