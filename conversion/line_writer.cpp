#include "conversion/designed_conversion.h"

namespace tolvex {

void DesignedConversion::EmitLine(std::string_view line) {
  if (sink_) {
    sink_(line);
  } else {
    program_.lines.push_back(line);
  }
}

void DesignedConversion::EmitLines(const shapes::Lines& lines) {
  if (sink_) {
    for (const std::string& line : lines) sink_(line);
  } else {
    program_.lines.append(lines);
  }
}

}  // namespace tolvex
