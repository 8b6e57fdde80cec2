#include "app/main_window.h"

#include <windows.h>

#include <algorithm>
#include <string>

#include "app/main_window_gadgets.h"
#include "app/main_window_ids.h"
#include "app/main_window_layout.h"
#include "app/output_file.h"
#include "app/preview.h"
#include "app/run_inputs.h"
#include "app/script_loader.h"
#include "app/shell_state.h"
#include "toolkit/files.h"
#include "toolkit/gadget_ops.h"
#include "toolkit/win32/toolkit.h"

namespace tolvex {
namespace {

constexpr int kWindowWidth = 800;
constexpr int kWindowBackground = 16773240;  // red 120, green 240, blue 255

HWND HW1000 = nullptr;

// The folder of the script loaded last: where the next requester opens.
std::string lastScriptFolder;

// Shows the source listing in place of the output listing and empties both.
void ClearForLoad() {
  HideGadget(kOutputListing, 1);
  HideGadget(kSourceListing, 0);
  ResetAllListBox(kSourceListing);
  ResetAllListBox(kOutputListing);
  SCRIPTLINES.clear();
  SCRIPTBYTES.clear();
  PROGRAMLINES.clear();
  ShowRunReport("", {});
  // A preview shows the program of the script loaded before: it goes with it.
  ClosePreview();
}

// The coefficient fields, first to last, as the settings file orders them.
constexpr int kCoefficientField[kCoefficientFields] = {kGlobalHorizCoeff, kGlobalVertCoeff,
                                                       kWindowHorizCoeff, kWindowVertCoeff};

// Reads the settings file in DIR1040 back into the coefficient fields and the box of the complete
// conversion: the box follows the folder, unticked where no file asks for it.
void INI() {
  const Settings settings = ReadSettings();
  for (size_t i = 0; i < settings.texts.size() && i < kCoefficientFields; ++i) {
    SetGadgetText(kCoefficientField[i], settings.texts[i].c_str());
  }
  SendMessageA(GadgetID(kCompleteCheck), BM_SETCHECK,
               settings.complete ? BST_CHECKED : BST_UNCHECKED, 0);
}

// The width in pixels of the widest text in the list box's font: how far the list scrolls across.
int WidestText(HWND box, const std::vector<std::string>& texts) {
  const HDC context = GetDC(box);
  const auto font = reinterpret_cast<HFONT>(SendMessageA(box, WM_GETFONT, 0, 0));
  const HGDIOBJ before = SelectObject(context, font);
  int widest = 0;
  for (const std::string& text : texts) {
    SIZE size{};
    GetTextExtentPoint32A(context, text.c_str(), static_cast<int>(text.size()), &size);
    widest = std::max(widest, static_cast<int>(size.cx));
  }
  SelectObject(context, before);
  ReleaseDC(box, context);
  return widest;
}

// A visible list box repaints after every inserted line: the lines go in with redrawing off. Each
// line's data() ends with a NUL, as a string's and a packed line's do.
template <typename Lines>
void FillListingWith(int listing, const Lines& lines) {
  const HWND box = GadgetID(listing);
  SendMessageA(box, WM_SETREDRAW, FALSE, 0);
  ResetAllListBox(listing);
  for (const auto& line : lines) AddListBoxItem(listing, line.data(), -1);
  SendMessageA(box, WM_SETREDRAW, TRUE, 0);
  InvalidateRect(box, nullptr, TRUE);
}

}  // namespace

void FillListing(int listing, const std::vector<std::string>& lines) {
  FillListingWith(listing, lines);
}

void FillListing(int listing, const PackedLines& lines) { FillListingWith(listing, lines); }

RunInputs WindowRunInputs() {
  RunInputs inputs;
  for (size_t i = 0; i < kCoefficientFields; ++i) {
    inputs.coefficients[i] = GadgetText(kCoefficientField[i], kFieldTextSize);
  }
  inputs.screen = GETGADGETSTATE(kScreenCheck) == 1;
  inputs.complete = GETGADGETSTATE(kCompleteCheck) == 1;
  return inputs;
}

void ShowRunReport(const std::string& counts, const std::vector<std::string>& messages) {
  SetGadgetText(kCountsText, counts.c_str());
  FillListing(kMessagesList, messages);
  const HWND box = GadgetID(kMessagesList);
  const int margin = 8;  // the text's inset from the list's edge, both sides
  SendMessageA(box, LB_SETHORIZONTALEXTENT, static_cast<WPARAM>(WidestText(box, messages) + margin),
               0);
}

std::vector<std::string> WindowMessages() {
  std::vector<std::string> messages;
  const int count = CountItemListBox(kMessagesList);
  for (int i = 0; i < count; ++i) messages.push_back(ListBoxText(kMessagesList, i));
  return messages;
}

void OBJETS() {
  HW1000 = OpenWindow(kMainWindowTitle, SCREEN_X - kWindowWidth, 1, kWindowWidth, SCREEN_Y - 5,
                      WS_OVERLAPPEDWINDOW | WS_VISIBLE, 0);
  WindowColor(HW1000, kWindowBackground);
  SETGADGETFONT(-1, LOADFONT("Courier New", 9, 0, 0, 0, 0, 0));
  CreateMainGadgets(HW1000);
}

void LOAD() {
  ClearForLoad();
  std::string filter = "Resource (*.rc) | ";
  filter += '\0';
  filter += "*.rc";
  filter += '\0';  // ends the pattern; c_str() adds the list's final NUL

  NAMEF1040 = win32::RequestFile("", lastScriptFolder.c_str(), filter.c_str(), 0);
  // The script's own folder, whatever folder the requester leaves current.
  DIR1040 = NAMEF1040.empty() ? files::CurrentFolder() : FolderOf(NAMEF1040);
  if (NAMEF1040.empty()) return;

  if (ReadScriptLines(NAMEF1040, SCRIPTLINES, &SCRIPTBYTES)) {
    FillListing(kSourceListing, SCRIPTLINES);
  }
  INI();
  lastScriptFolder = DIR1040;
}

}  // namespace tolvex
