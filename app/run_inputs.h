// What a Run takes from the window besides the script: the four coefficient fields' texts, the
// screen box and the box that asks for the complete conversion. The command-line converter fills
// the same from the settings file and its options.
#pragma once

#include <array>
#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

#include "generator/scaling.h"

namespace tolvex {

// The fields in the order the settings file holds them: global across, global down, window
// across, window down.
constexpr size_t kCoefficientFields = 4;
using CoefficientTexts = std::array<std::string, kCoefficientFields>;

struct RunInputs {
  CoefficientTexts coefficients;  // as the fields hold them (FieldText)
  bool screen = false;            // "use screen_x,screen_y" ticked
  bool complete = false;          // "complete conversion" ticked
};

// The fields as the window starts: every coefficient " 1.000", both boxes clear.
RunInputs DefaultRunInputs();
// A text as a coefficient field gives it back: up to its first NUL, at most 1,023 characters.
std::string FieldText(std::string_view text);
// The coefficients the texts read as.
Coefficients CoefficientsOf(const CoefficientTexts& texts);
// The one rule for coefficient texts: a text that is not wholly a finite number (blanks around
// it aside), or whose number is not greater than 0, gets a warning saying what was given and what
// the conversion reads it as; nullopt for a sound coefficient.
std::optional<std::string> CoefficientWarning(std::string_view text);

}  // namespace tolvex
