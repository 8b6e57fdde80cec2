#include "conversion/designed_conversion.h"
#include "generator/line_shapes.h"

namespace tolvex {

// The fields go in exactly as the dialog reader stored them, blanks included.
void DesignedConversion::DISPWIN(int d) {
  const auto field = [this, d](int f) -> const std::string& { return SDIALVAL.get(d, f); };
  EmitLines(shapes::WindowLines(
      {d, field(4), field(0), field(1), field(2), field(3), field(6), field(5), "", ""}));
  ++program_.written.windows;
}

}  // namespace tolvex
