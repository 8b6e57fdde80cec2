#include "conversion/designed_conversion.h"

namespace tolvex {

void DesignedConversion::EmitLine(std::string_view line) { program_.lines.push_back(line); }

void DesignedConversion::EmitLines(const shapes::Lines& lines) { program_.lines.append(lines); }

}  // namespace tolvex
