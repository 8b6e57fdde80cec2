// Loading a resource script: its file read whole and split into the lines every reader of a
// script sees, shared by the main window's Load.rc and the command-line converter.
#pragma once

#include <string>

#include "generator/packed_lines.h"

namespace tolvex {

// The script's lines, decoded and split, and its bytes as read when bytes is given. False, with
// no lines, when the file is no regular file, cannot be opened or a read fails before its end.
bool ReadScriptLines(const std::string& path, PackedLines& lines, std::string* bytes = nullptr);
// The script's bytes alone, for a caller that reads them before it splits them. False, with no
// bytes, as above.
bool ReadScriptFile(const std::string& path, std::string& bytes);
// A script's bytes on standard input, read to its end or up to kMaxStandardInputBytes
// (app/limits.h), whatever it is.
bool ReadStandardInputBytes(std::string& bytes);

}  // namespace tolvex
