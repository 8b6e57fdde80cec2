// The main window's gadgets, in the order they are created, with their geometry, texts and styles.
#pragma once

#include <array>

#include "app/main_window_ids.h"
#include "toolkit/gadget_kind.h"

namespace tolvex {

struct GadgetSpec {
  int id;
  GadgetKind kind;
  int x, y, width;
  int height;  // list boxes: kBelowWindowHeight, the window's outer height less 40
  const char* text;
  int style;
  int exStyle;
};

constexpr int kBelowWindowHeight = -40;

constexpr const char* kMainWindowTitle = "Tolvex 5.0 by Brisam 06-2012";
constexpr const char* kDefaultCoefficient = " 1.000";

// Style bits of the main window's gadgets, as the Windows headers define them.
namespace layout {
constexpr int kStaticCentred = 1, kEditCentred = 1, kAutoCheckBox = 3;
constexpr int kVisible = 0x10000000, kVerticalScroll = 0x00200000;
constexpr int kClientEdge = 0x200, kAcceptFiles = 0x10;
}  // namespace layout

// The fifteen gadgets in creation order: labels and coefficient fields, the output listing, the
// buttons and the check box, the source listing.
inline constexpr std::array<GadgetSpec, 15> kMainGadgets = {{
    {kBeforeRunLabel, GadgetKind::kText, 10, 170, 180, 20,
     " before click 'Run':", layout::kStaticCentred, 0},
    {kGlobalHorizLabel, GadgetKind::kText, 10, 200, 180, 20, "  global Horiz coeff",
     layout::kStaticCentred, 0},
    {kGlobalHorizCoeff, GadgetKind::kEdit, 10, 230, 180, 20, kDefaultCoefficient,
     layout::kEditCentred, 0},
    {kGlobalVertLabel, GadgetKind::kText, 10, 260, 180, 20, "  global Vert coeff",
     layout::kStaticCentred, 0},
    {kGlobalVertCoeff, GadgetKind::kEdit, 10, 290, 180, 20, kDefaultCoefficient,
     layout::kEditCentred, 0},
    {kWindowHorizLabel, GadgetKind::kText, 10, 320, 180, 20, " + window Horiz coeff ",
     layout::kStaticCentred, 0},
    {kWindowHorizCoeff, GadgetKind::kEdit, 10, 350, 180, 20, kDefaultCoefficient,
     layout::kEditCentred, 0},
    {kWindowVertLabel, GadgetKind::kText, 10, 380, 180, 20, "+ window Vert coeff ",
     layout::kStaticCentred, 0},
    {kWindowVertCoeff, GadgetKind::kEdit, 10, 410, 180, 20, kDefaultCoefficient,
     layout::kEditCentred, 0},
    {kOutputListing, GadgetKind::kListBox, 200, 5, 580, kBelowWindowHeight, "",
     layout::kVerticalScroll, layout::kClientEdge},
    {kRunButton, GadgetKind::kButton, 10, 40, 75, 24, "Run", 0, 0},
    {kQuitButton, GadgetKind::kButton, 10, 100, 75, 24, "Quit", 0, 0},
    {kLoadButton, GadgetKind::kButton, 10, 10, 75, 24, "Load.rc", 0, 0},
    {kScreenCheck, GadgetKind::kCheckBox, 10, 440, 180, 20, " use screen_x,screen_y",
     layout::kAutoCheckBox, 0},
    {kSourceListing, GadgetKind::kListBox, 200, 15, 580, kBelowWindowHeight, "",
     layout::kVisible | layout::kVerticalScroll, layout::kClientEdge | layout::kAcceptFiles},
}};

// Index in kMainGadgets of the output listing: the window becomes the gadget list again before it.
constexpr int kFirstAfterFields = 9;

}  // namespace tolvex
