#include "conversion/designed_conversion.h"

namespace tolvex {

void DesignedConversion::EmitLine(std::string_view line) { program_.lines.emplace_back(line); }

void DesignedConversion::EmitLines(const shapes::Lines& lines) {
  program_.lines.insert(program_.lines.end(), lines.begin(), lines.end());
}

}  // namespace tolvex
