// The fifteen kinds of gadget a control can become, chosen by the first seven characters of its
// identifier: each kind's lines, and for the three bars the rule that turns the control's style
// into an orientation.
#pragma once

#include <string_view>
#include <vector>

namespace tolvex {

// How a bar reads its orientation from the last digit of its style, and how that orientation is
// written into its gadget line.
struct BarOrientation {
  std::string_view verticalDigits;  // last style digits that make the bar vertical
  std::string_view vertical;        // the orientation keyword of a vertical bar
  std::string_view horizontal;      // of any other bar; empty: the orientation is left unset
  // Written after the comma in place of the keyword; empty: the keyword itself is written.
  std::string_view writtenAs;
};

// A kind's lines are templates: {id} stands for the numeric id, {geometry} for the id and the
// four geometry values joined by commas, {caption} for the caption's literal, {vert} for a bar's
// orientation suffix and {variant} for what tells a list view's variable from an earlier one's.
// Text put in for a marker is never read again as a template.
struct GadgetKindLines {
  std::string_view prefix;
  std::string_view gadgetLine;
  std::vector<std::string_view> furtherLines;
  const BarOrientation* orientation = nullptr;  // bars only
};

// The kinds in the order they are tested.
const std::vector<GadgetKindLines>& GadgetKinds();
// The kind whose prefix equals the first seven characters of identifier, or null.
const GadgetKindLines* FindGadgetKind(std::string_view identifier);

// The orientation keyword a bar kind gives a style ending in lastDigit; empty when the kind
// leaves it unset (or is no bar).
std::string_view OrientationOf(const GadgetKindLines& kind, char lastDigit);
// The orientation keyword of a bar kind lying upright or flat; empty when the kind leaves it unset
// (or is no bar).
std::string_view OrientationKeyword(const GadgetKindLines& kind, bool vertical);
// The suffix {vert} stands for in the kind's gadget line: nothing without an orientation,
// otherwise a comma and the orientation as the kind writes it.
std::string OrientationSuffix(const GadgetKindLines& kind, std::string_view orientation);

}  // namespace tolvex
