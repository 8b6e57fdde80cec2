#include "generator/window_emitter.h"

#include "conversion/tables.h"
#include "generator/line_shapes.h"
#include "generator/output_listing.h"

namespace tolvex {

// The fields go in exactly as the dialog reader stored them, blanks included.
void DISPWIN(int d) {
  const auto field = [d](int f) -> const std::string& { return SDIALVAL.get(d, f); };
  EmitLines(shapes::WindowLines(
      {d, field(4), field(0), field(1), field(2), field(3), field(6), field(5), "", ""}));
}

}  // namespace tolvex
