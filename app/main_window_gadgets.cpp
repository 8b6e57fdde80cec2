#include "app/main_window_gadgets.h"

#include <algorithm>

#include "app/main_window_ids.h"
#include "app/main_window_layout.h"
#include "toolkit/gadget_ops.h"
#include "toolkit/win32/toolkit.h"

namespace tolvex {
namespace {

constexpr int kOutputBackground = 16773120;  // red 0, green 240, blue 255
constexpr int kSourceBackground = 15790080;  // red 0, green 240, blue 240
constexpr int kBackgroundOnly = 1;

// The output listing's top: a list that goes down to the listings ends where it ends.
constexpr int kListingTop = kMainGadgets[kFirstAfterFields].y;
// A list squeezed by a short screen still shows a line or two.
constexpr int kShortestList = 40;

int HeightOf(const GadgetSpec& g, int listHeight) {
  if (g.height == kBelowWindowHeight) return listHeight;
  if (g.height == kDownToListings) return std::max(kShortestList, kListingTop + listHeight - g.y);
  return g.height;
}

void CreateMainGadget(const GadgetSpec& g, int listHeight) {
  const int height = HeightOf(g, listHeight);
  switch (g.kind) {
    case GadgetKind::kText: TEXTGADGET(g.id, g.x, g.y, g.width, height, g.text, g.style); break;
    case GadgetKind::kEdit:
      STRINGGADGET(g.id, g.x, g.y, g.width, height, g.text, g.style, g.exStyle);
      break;
    case GadgetKind::kListBox:
      ListBoxGadget(g.id, g.x, g.y, g.width, height, g.style, g.exStyle);
      break;
    case GadgetKind::kButton: BUTTONGADGET(g.id, g.x, g.y, g.width, height, g.text, g.style); break;
    case GadgetKind::kCheckBox:
      CHECKBOXGADGET(g.id, g.x, g.y, g.width, height, g.text, g.style);
      break;
  }
  if (g.id == kOutputListing) SetGadgetColor(kOutputListing, kOutputBackground, 0, kBackgroundOnly);
  if (g.id == kSourceListing) SetGadgetColor(kSourceListing, kSourceBackground, 0, kBackgroundOnly);
}

}  // namespace

void CreateMainGadgets(HWND window) {
  const int listHeight = WINDOWHEIGHT(window) - 40;
  for (size_t i = 0; i < kMainGadgets.size(); ++i) {
    if (i == kFirstAfterFields) UseGadgetList(window);
    CreateMainGadget(kMainGadgets[i], listHeight);
  }
  HideGadget(kOutputListing, 1);
}

}  // namespace tolvex
