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
  // List boxes: kBelowWindowHeight, the window's outer height less 40; kDownToListings, down to
  // where the output listing ends.
  int height;
  const char* text;
  int style;
  int exStyle;
};

constexpr int kBelowWindowHeight = -40;
constexpr int kDownToListings = -1;

constexpr const char* kMainWindowTitle = "Tolvex 5.0 by Brisam 06-2012";
constexpr const char* kDefaultCoefficient = " 1.000";

// Style bits of the main window's gadgets, as the Windows headers define them.
namespace layout {
constexpr int kStaticLeft = 0, kStaticCentred = 1, kEditCentred = 1, kAutoCheckBox = 3;
constexpr int kVisible = 0x10000000, kVerticalScroll = 0x00200000, kHorizontalScroll = 0x00100000;
constexpr int kClientEdge = 0x200, kAcceptFiles = 0x10;
}  // namespace layout

// The gadgets in creation order: labels and coefficient fields, the output listing, the buttons
// and the check box, the source listing (the fifteen of the designed window, in their places);
// then, below them in the left column, the box that asks for the complete conversion, the counts
// of what a Run wrote, and the list of its messages, wide enough to scroll across; and Preview,
// between Run and Quit.
inline constexpr std::array<GadgetSpec, 19> kMainGadgets = {{
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
    {kCompleteCheck, GadgetKind::kCheckBox, 10, 470, 180, 20, " complete conversion",
     layout::kAutoCheckBox, 0},
    {kCountsText, GadgetKind::kText, 10, 500, 180, 130, "", layout::kStaticLeft, 0},
    {kMessagesList, GadgetKind::kListBox, 10, 640, 180, kDownToListings, "",
     layout::kVisible | layout::kVerticalScroll | layout::kHorizontalScroll, layout::kClientEdge},
    {kPreviewButton, GadgetKind::kButton, 10, 70, 75, 24, "Preview", 0, 0},
}};

// Index in kMainGadgets of the output listing: the window becomes the gadget list again before it.
constexpr int kFirstAfterFields = 9;

}  // namespace tolvex
