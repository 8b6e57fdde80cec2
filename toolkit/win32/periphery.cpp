// Status bars, toolbar tooltip texts and window size bounds.
#include <windows.h>
#include <commctrl.h>

#include <array>
#include <list>
#include <memory>
#include <string>

#include "toolkit/win32/toolkit.h"
#include "toolkit/win32/toolkit_state.h"

namespace tolvex::win32 {
namespace {

constexpr int kPartCount = 251;

struct LISTNODE13 {
  HWND key;
  HWND window;
  HWND statusBar;
  std::array<int, kPartCount> parts{};
};
std::unique_ptr<std::list<LISTNODE13>> LISSTT;  // created by the first status bar

struct LISTNODE1 {
  int id;
  std::string text;
};
std::unique_ptr<std::list<LISTNODE1>> LISTTOOL;  // created by the first tooltip text

struct LISTNODE12 {
  HWND window;
  POINT minimum, maximum;
};
std::unique_ptr<std::list<LISTNODE12>> LISTBOUNDS;  // created by the first bounds
MINMAXINFO* ADDRESSBOUNDS = nullptr;

LISTNODE13* StatusNode(HWND window) {
  if (!LISSTT) return nullptr;
  for (LISTNODE13& node : *LISSTT) {
    if (node.key == window) return &node;
  }
  return nullptr;
}

}  // namespace
}  // namespace tolvex::win32

using namespace tolvex::win32;

extern "C" {

HWND STATUSBARGADGET(int id, const char* text, int style, int exStyle) {
  const HWND parent = GETGURRENTAL();
  const HWND bar = CreateWindowExA(static_cast<DWORD>(exStyle), "msctls_statusbar32",
                                   text == nullptr ? "" : text,
                                   static_cast<DWORD>(style) | WS_CHILD | WS_VISIBLE, 0, 0, 0, 0,
                                   parent, nullptr, nullptr, nullptr);
  ADDIN9999(id, bar);
  if (!LISSTT) LISSTT = std::make_unique<std::list<LISTNODE13>>();
  LISSTT->push_back(LISTNODE13{parent, parent, bar, {}});
  ColorAdd(bar, 0xF0F0F0, 0);
  if (GGF() != nullptr) SendMessageA(bar, WM_SETFONT, reinterpret_cast<WPARAM>(GGF()), 0);
  SendMessageA(bar, SB_SETTEXTA, SB_SIMPLEID,
               reinterpret_cast<LPARAM>(text == nullptr ? "" : text));
  return bar;
}

LRESULT SETSTATUSBARFIELD(int id, int index, int width, const char* text) {
  // A part outside the array, or a window without a status bar, is left alone.
  if (index < 0 || index >= kPartCount) return 0;
  const HWND bar = GadgetID(id);
  LISTNODE13* node = StatusNode(GetParent(bar));
  if (node == nullptr) return 0;
  node->parts[static_cast<size_t>(index)] = width;
  WPARAM used = 0;
  for (int part : node->parts) used += part != 0 ? 1 : 0;
  const LRESULT result =
      SendMessageA(bar, SB_SETPARTS, used, reinterpret_cast<LPARAM>(node->parts.data()));
  SendMessageA(bar, SB_SETTEXTA, static_cast<WPARAM>(index),
               reinterpret_cast<LPARAM>(text == nullptr ? "" : text));
  return result;
}

LRESULT TOOLTIPSTATUSBAR(int id, int index, const char* text) {
  return SendMessageA(GadgetID(id), SB_SETTIPTEXTA, static_cast<WPARAM>(index),
                      reinterpret_cast<LPARAM>(text == nullptr ? "" : text));
}

HWND STATUSEVENT(HWND window) {
  const LISTNODE13* node = StatusNode(window);
  return node != nullptr ? node->statusBar : nullptr;
}

int REMOVESTATUSBAR(int id) {
  if (!LISSTT) return 0;
  const HWND parent = GetParent(GadgetID(id));
  for (auto node = LISSTT->begin(); node != LISSTT->end(); ++node) {
    if (node->key == parent) {
      LISSTT->erase(node);
      return 1;
    }
  }
  return 0;
}

int TOOLBARTOOLTIP(int id, const char* text) {
  if (!LISTTOOL) LISTTOOL = std::make_unique<std::list<LISTNODE1>>();
  LISTTOOL->push_back({id, text == nullptr ? "" : text});
  return 1;
}

char* GET_GTOOL(int id) {
  if (LISTTOOL) {
    for (const LISTNODE1& node : *LISTTOOL) {
      if (node.id == id) return tolvex::GiveText(node.text);
    }
  }
  return tolvex::GiveText("");
}

int WINDOWBOUNDS(HWND window, int minWidth, int minHeight, int maxWidth, int maxHeight) {
  if (!LISTBOUNDS) LISTBOUNDS = std::make_unique<std::list<LISTNODE12>>();
  LISTBOUNDS->push_back({window, {minWidth, minHeight}, {maxWidth, maxHeight}});
  return GETBOUNDSFLAG(1);
}

int WINDOWADDRESSBOUNDS(HWND window, MINMAXINFO* record) {
  ADDRESSBOUNDS = record;
  // Bounds asked for before any window has them leave the platform's sizes as they are.
  if (!LISTBOUNDS || record == nullptr) return 1;
  for (const LISTNODE12& node : *LISTBOUNDS) {
    if (node.window == window) {
      record->ptMinTrackSize = node.minimum;
      record->ptMaxTrackSize = node.maximum;
      break;
    }
  }
  return 1;
}

}  // extern "C"
