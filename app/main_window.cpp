#include "app/main_window.h"

#include <windows.h>

#include <string>

#include "app/main_window_gadgets.h"
#include "app/main_window_layout.h"
#include "app/output_file.h"
#include "app/script_loader.h"
#include "app/shell_state.h"
#include "conversion/main_window_ids.h"
#include "conversion/tables.h"
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

// A visible list box repaints after every inserted line; the script goes in with redrawing off.
void ReadScriptWithoutRedraw(const std::string& path) {
  const HWND listing = GadgetID(kSourceListing);
  SendMessageA(listing, WM_SETREDRAW, FALSE, 0);
  ReadScriptIntoListing(path);
  SendMessageA(listing, WM_SETREDRAW, TRUE, 0);
  InvalidateRect(listing, nullptr, TRUE);
}

}  // namespace

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

  ReadScriptWithoutRedraw(NAMEF1040);
  INI();
  lastScriptFolder = DIR1040;
}

}  // namespace tolvex
