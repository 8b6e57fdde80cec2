// Top-level windows, each with a class of its own, and the registry of gadgets and their colours.
#include <windows.h>

#include <cstdio>
#include <ctime>
#include <memory>
#include <unordered_map>
#include <utility>

#include "toolkit/win32/toolkit.h"
#include "toolkit/win32/toolkit_state.h"

namespace tolvex::win32 {
namespace {

std::unique_ptr<LIST10> gadgetList, classList, colourList;
bool LOLILOLILOLI = false;
int windowCounter = 0;
// Brushes that WindowColor installed, per window: the next call deletes the one it replaces.
std::unordered_map<HWND, HBRUSH> windowBrushes;

std::string ClassName(int counter) {
  const std::time_t now = std::time(nullptr);
  std::tm local{};
  localtime_s(&local, &now);
  char text[64];
  std::snprintf(text, sizeof text, "CLASSCLASS_%02d:%02d:%02d%d", local.tm_hour, local.tm_min,
                local.tm_sec, counter);
  return text;
}

}  // namespace

LIST10* LISALIST() { return gadgetList.get(); }
LIST10* CLASSLIST() { return classList.get(); }
LIST10* COLORLIST() { return colourList.get(); }

int ERROR_COLOR = 0;
int COLBK = 0;
int COLTE = 0;
HFONT FONT___ = nullptr;
CHARFORMATA CF{};

}  // namespace tolvex::win32

using namespace tolvex::win32;

extern "C" {

HWND OpenWindow(const char* title, int x, int y, int width, int height, int style, int exStyle) {
  ++windowCounter;
  if (!LOLILOLILOLI) {
    gadgetList = std::make_unique<LIST10>();
    classList = std::make_unique<LIST10>();
    colourList = std::make_unique<LIST10>();
    LOLILOLILOLI = true;
  }
  const Key classKey = classList->ADDLASTS10(ClassName(windowCounter));
  const std::string& className = classList->FINDBYID10(classKey)->text;

  WNDCLASSEXA windowClass{};
  windowClass.cbSize = sizeof windowClass;
  windowClass.style = CS_VREDRAW | CS_HREDRAW;
  windowClass.lpfnWndProc = FBGUIWINPROC;
  windowClass.hInstance = GetModuleHandleA(nullptr);
  windowClass.hIcon = LoadIconA(nullptr, MAKEINTRESOURCEA(32512));
  windowClass.hIconSm = LoadIconA(nullptr, MAKEINTRESOURCEA(32512));
  windowClass.hCursor = LoadCursorA(nullptr, MAKEINTRESOURCEA(32512));
  windowClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
  windowClass.lpszClassName = className.c_str();
  if (RegisterClassExA(&windowClass) == 0) {
    std::printf("Not Registered class , Error = %lu\n", GetLastError());
    std::fflush(stdout);
    return nullptr;
  }
  const HWND window = CreateWindowExA(static_cast<DWORD>(exStyle), className.c_str(),
                                      title == nullptr ? "" : title, static_cast<DWORD>(style), x,
                                      y, width, height, nullptr, nullptr, nullptr, nullptr);
  gadgetList->SETGURRENT(window);
  return window;
}

int UseGadgetList(HWND window) {
  if (gadgetList) gadgetList->SETGURRENT(window);
  return 1;
}

HWND GETGURRENTAL() { return gadgetList ? gadgetList->GETGURRENT() : nullptr; }

// Returns the background the window's class had before while the caller can still use it: the
// system colour the class was registered with (COLOR_BTNFACE + 1). A brush of an earlier call is
// deleted here, and 0 is returned in its place; 0 also when window is not a window.
LONG_PTR WindowColor(HWND window, int colour) {
  if (!IsWindow(window)) return 0;
  const HBRUSH brush = CreateCountedBrush(static_cast<COLORREF>(colour));
  const LONG_PTR previous =
      SetClassLongPtrA(window, GCLP_HBRBACKGROUND, reinterpret_cast<LONG_PTR>(brush));
  InvalidateRect(window, nullptr, TRUE);
  auto [place, added] = windowBrushes.try_emplace(window, brush);
  if (added) return previous;
  const HBRUSH replaced = std::exchange(place->second, brush);
  if (replaced == brush) return previous;
  DeleteCounted(replaced);
  return previous == reinterpret_cast<LONG_PTR>(replaced) ? 0 : previous;
}

int ADDIN9999(int id, HWND handle) {
  FREEGADGET(id);
  if (!gadgetList) return 1;
  gadgetList->ADDLASTIN10(id);
  gadgetList->ADDLASTIN10(KeyOf(handle));
  return 1;
}

int ColorAdd(HWND handle, int background, int text) {
  if (!colourList) return 1;
  colourList->ADDLASTIN10(KeyOf(handle));
  colourList->ADDLASTIN10(background);
  colourList->ADDLASTIN10(text);
  return 1;
}

HWND GadgetID(int id) {
  if (!gadgetList) return nullptr;
  const LISTNODE10* node = gadgetList->FINDBYID10(id);
  return node != nullptr && node->next != nullptr ? WindowOf(node->next->value) : nullptr;
}

int ID_In_Number(HWND handle) {
  if (!gadgetList) return 0;
  const LISTNODE10* node = gadgetList->FINDBYID10(KeyOf(handle));
  return node != nullptr && node->previous != nullptr ? static_cast<int>(node->previous->value) : 0;
}

int FREEGADGET(int id) {
  REMOVESTATUSBAR(id);
  const HWND handle = GadgetID(id);
  if (handle != nullptr && colourList) colourList->REMOVECOLOR(KeyOf(handle));
  const BOOL destroyed = handle != nullptr ? DestroyWindow(handle) : FALSE;
  if (gadgetList) gadgetList->REMOVE10(id);
  return destroyed & 0xFF;
}

int ERR_(int value) {
  ERROR_COLOR = value;
  return 1;
}

int COOLOOR(int background, int text) {
  COLBK = background;
  COLTE = text;
  return 1;
}

}  // extern "C"
