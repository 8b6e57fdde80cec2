// Runs designed conversions for the tests: a script's lines in, the program's lines out as the
// output listing shows them, and the conversion's state kept for a look after the run.
#pragma once

#include <string>
#include <vector>

#include "conversion/designed_conversion.h"

namespace tolvex::testing {

using Lines = std::vector<std::string>;

// The lines as the conversion takes them, packed.
PackedLines Packed(const Lines& lines);

// A conversion of its own script, run once, its tables and counters left as the run left them.
struct Converted {
  explicit Converted(Lines script, const Coefficients& coefficients = {}, bool screen = false);
  Lines lines() const;  // the program's lines as listed (an empty one as one blank)

  PackedLines script;
  DesignedConversion state;
  DesignedProgram program;
};

// The program's lines as listed, with the default coefficients and no screen block.
Lines Convert(const Lines& script, const Coefficients& coefficients = {}, bool screen = false);

// The lines from first up to, not including, the first line equal to stop (or to the end).
Lines Between(const Lines& lines, const std::string& first, const std::string& stop);

}  // namespace tolvex::testing
