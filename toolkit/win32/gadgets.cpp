// The gadget constructors and the operations on list boxes, texts, check states and visibility.
#include <windows.h>
#include <commctrl.h>

#include <cstring>
#include <string>
#include <vector>

#include "toolkit/win32/toolkit.h"
#include "toolkit/win32/toolkit_state.h"
#include "toolkit/win32/window_classes.h"

namespace tolvex::win32 {
namespace {

constexpr DWORD kChildVisible = WS_CHILD | WS_VISIBLE;
constexpr DWORD kChildVisibleNotify = WS_CHILD | WS_VISIBLE | SS_NOTIFY;

struct Colours {
  int background, text;
};

// Creates the control as the current gadget window's child, registers it under id, gives it its
// colour record and the default font.
HWND MakeGadget(int id, const char* className, const char* text, DWORD style, DWORD exStyle, int x,
                int y, int width, int height, const Colours* colours) {
  const HWND handle = CreateWindowExA(
      exStyle, className, text == nullptr ? "" : text, style, x, y, width, height, GETGURRENTAL(),
      reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), nullptr, nullptr);
  ADDIN9999(id, handle);
  if (colours != nullptr) ColorAdd(handle, colours->background, colours->text);
  if (GGF() != nullptr) SendMessageA(handle, WM_SETFONT, reinterpret_cast<WPARAM>(GGF()), 0);
  return handle;
}

constexpr Colours kGrey{0xF0F0F0, 0};
constexpr Colours kWhite{0xFFFFFF, 0};

std::string ListBoxItem(int id, int index) {
  // The item is read whole: its length first, then a buffer that holds it.
  const HWND handle = GadgetID(id);
  const LRESULT length = SendMessageA(handle, LB_GETTEXTLEN, static_cast<WPARAM>(index), 0);
  if (length <= 0) return "";
  std::vector<char> buffer(static_cast<size_t>(length) + 1, '\0');
  const LRESULT copied = SendMessageA(handle, LB_GETTEXT, static_cast<WPARAM>(index),
                                      reinterpret_cast<LPARAM>(buffer.data()));
  if (copied <= 0) return "";
  return std::string(buffer.data(), strnlen(buffer.data(), static_cast<size_t>(copied)));
}

std::string WindowText(int id, int sizeClass) {
  // Wine fills the buffer with whatever its heap held when asked for the text of the null
  // handle; Windows leaves it empty. A missing gadget has no text either way.
  const HWND handle = GadgetID(id);
  if (handle == nullptr) return "";
  std::vector<char> buffer(static_cast<size_t>(tolvex::GadgetTextCapacity(sizeClass)), '\0');
  GetWindowTextA(handle, buffer.data(), static_cast<int>(buffer.size()));
  buffer.back() = '\0';
  return buffer.data();
}

}  // namespace

HWND UpDownOf(int id) {
  const HWND upDown = GadgetID(id + kUpDownIdOffset);
  return GADGETCLASS(upDown) == kUpDownClass ? upDown : nullptr;
}

}  // namespace tolvex::win32

using namespace tolvex::win32;

extern "C" {

HWND TEXTGADGET(int id, int x, int y, int width, int height, const char* text, int style) {
  return MakeGadget(id, "static", text, static_cast<DWORD>(style) | kChildVisibleNotify, 0, x, y,
                    width, height, &kGrey);
}

HWND STRINGGADGET(int id, int x, int y, int width, int height, const char* text, int style,
                  int exStyle) {
  INITCOMMONCONTROLSEX classes{sizeof classes, ICC_STANDARD_CLASSES};
  InitCommonControlsEx(&classes);
  return MakeGadget(id, "EDIT", text, static_cast<DWORD>(style) | kChildVisible,
                    static_cast<DWORD>(exStyle), x, y, width, height, &kWhite);
}

HWND BUTTONGADGET(int id, int x, int y, int width, int height, const char* text, int style) {
  return MakeGadget(id, "Button", text, static_cast<DWORD>(style) | kChildVisible, 0, x, y, width,
                    height, nullptr);
}

HWND CHECKBOXGADGET(int id, int x, int y, int width, int height, const char* text, int style) {
  return MakeGadget(id, "Button", text, static_cast<DWORD>(style) | kChildVisible, 0, x, y, width,
                    height, &kGrey);
}

HWND ListBoxGadget(int id, int x, int y, int width, int height, int style, int exStyle) {
  const Colours system{static_cast<int>(GetSysColor(COLOR_WINDOW)),
                       static_cast<int>(GetSysColor(COLOR_WINDOWTEXT))};
  return MakeGadget(id, "ListBox", "", static_cast<DWORD>(style) | kChildVisible,
                    static_cast<DWORD>(exStyle), x, y, width, height, &system);
}

int AddListBoxItem(int id, const char* text, int position) {
  const char* item = text == nullptr || *text == '\0' ? " " : text;
  // The platform answers 0 for a message to the null handle or to a control that ignores it,
  // which would read as "inserted at index 0": a missing list box reports LB_ERR instead.
  const HWND handle = GadgetID(id);
  if (GADGETCLASS(handle) != kListBoxClass) return LB_ERR;
  return static_cast<int>(SendMessageA(handle, LB_INSERTSTRING, static_cast<WPARAM>(position),
                                       reinterpret_cast<LPARAM>(item)));
}

int CountItemListBox(int id) {
  return static_cast<int>(SendMessageA(GadgetID(id), LB_GETCOUNT, 0, 0));
}

int ResetAllListBox(int id) {
  return static_cast<int>(SendMessageA(GadgetID(id), LB_RESETCONTENT, 0, 0));
}

char* GetListBoxText(int id, int index) { return tolvex::GiveText(ListBoxItem(id, index)); }

char* GetGadgetText(int id, int sizeClass) { return tolvex::GiveText(WindowText(id, sizeClass)); }

int SetGadgetText(int id, const char* text) {
  return SetWindowTextA(GadgetID(id), text == nullptr ? "" : text);
}

int GETGADGETSTATE(int id) {
  if (const HWND upDown = UpDownOf(id)) {
    return static_cast<int>(SendMessageA(upDown, UDM_GETPOS, 0, 0));
  }
  const HWND handle = GadgetID(id);
  if (GADGETCLASS(handle) == kProgressClass)
    return static_cast<int>(SendMessageA(handle, PBM_GETPOS, 0, 0));
  if (handle == nullptr) return 0;
  const UINT state = IsDlgButtonChecked(GetParent(handle), id);
  return state == BST_CHECKED ? 1 : state == BST_INDETERMINATE ? 2 : 0;
}

int HideGadget(int id, int state) {
  return ShowWindow(GadgetID(id), (state & 0xFF) == 1 ? SW_HIDE : SW_SHOWNORMAL);
}

int WINDOWHEIGHT(HWND window) {
  RECT outer{};
  GetWindowRect(window, &outer);
  return outer.bottom - outer.top;
}

int GADGETCLASS(HWND handle) { return GadgetClassCode(ClassOf(handle)); }

}  // extern "C"
