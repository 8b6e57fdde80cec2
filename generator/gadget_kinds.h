// The fifteen kinds of gadget a control can become, chosen by the first seven characters of its
// identifier.
#pragma once

#include <string_view>
#include <vector>

namespace tolvex {

// A kind's lines are templates: {id} stands for the numeric id, {geometry} for the id and the
// four geometry values joined by commas, {caption} for the caption and {vert} for a bar's
// orientation suffix. Text put in for a marker is never read again as a template.
struct GadgetKindLines {
  std::string_view prefix;
  std::string_view gadgetLine;
  std::vector<std::string_view> furtherLines;
};

// The kinds in the order they are tested.
const std::vector<GadgetKindLines>& GadgetKinds();
// The kind whose prefix equals the first seven characters of identifier, or null.
const GadgetKindLines* FindGadgetKind(std::string_view identifier);

}  // namespace tolvex
