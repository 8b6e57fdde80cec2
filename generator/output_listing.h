// The one line writer of the generated program: every emitter appends through it.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace tolvex {

// Appends line to the output listing; an empty line is stored as one blank.
void EmitLine(std::string_view line);
void EmitLines(const std::vector<std::string>& lines);

}  // namespace tolvex
