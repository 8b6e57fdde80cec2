#include "generator/output_listing.h"

#include <string>

#include "conversion/main_window_ids.h"
#include "toolkit/gadget_ops.h"

namespace tolvex {

void EmitLine(std::string_view line) {
  const std::string text(line);
  AddListBoxItem(kOutputListing, text.c_str(), -1);
}

void EmitLines(const std::vector<std::string>& lines) {
  for (const std::string& line : lines) AddListBoxItem(kOutputListing, line.c_str(), -1);
}

}  // namespace tolvex
