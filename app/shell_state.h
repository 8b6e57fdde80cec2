// What the shell knows of the loaded script: where it came from and where its files go.
#pragma once

#include <string>
#include <vector>

#include "generator/packed_lines.h"

namespace tolvex {

extern std::string NAMEF1040;  // full path of the loaded script; empty when none was chosen
extern std::string DIR1040;    // the script's folder, where the .bas and the settings go
extern std::vector<std::string>
    PROGRAMLINES;                // the last Run's program, as the output listing shows it
extern PackedLines SCRIPTLINES;  // the loaded script's lines, as Run converts them
extern std::string SCRIPTBYTES;  // the bytes they were split from, for the complete conversion
extern int SCREEN_X, SCREEN_Y;   // the screen's size, read at start-up

// The separator of folders in the paths above.
#ifdef _WIN32
constexpr char kPathSeparator = '\\';
#else
constexpr char kPathSeparator = '/';
#endif

// Both separators name folders on Windows; the conversion's own rules use the backslash.
inline std::string NativePath(std::string path) {
#ifdef _WIN32
  for (char& c : path) {
    if (c == '/') c = '\\';
  }
#endif
  return path;
}

// The folder of a script's path: up to its last separator, a root keeping its separator (/ and
// C:\ stay whole); the current directory for a bare name.
std::string FolderOf(const std::string& path);

}  // namespace tolvex
