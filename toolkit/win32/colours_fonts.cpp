// Gadget colours, the per-class colour messages, and fonts.
#include <windows.h>
#include <commctrl.h>
#include <richedit.h>

#include "toolkit/win32/toolkit.h"
#include "toolkit/win32/toolkit_state.h"
#include "toolkit/win32/window_classes.h"

namespace tolvex::win32 {
namespace {

int liveObjects = 0;

// The colour record of a handle: the node holding the handle, or null.
LISTNODE10* ColourRecord(HWND handle) {
  const LIST10* colours = COLORLIST();
  return colours != nullptr ? colours->FINDBYID10(KeyOf(handle)) : nullptr;
}

// The background (1) or text (2) colour of a record, when the record holds it.
int RecordColour(const LISTNODE10* record, int which) {
  const LISTNODE10* node = record;
  for (int i = 0; i < which && node != nullptr; ++i) node = node->next;
  return node != nullptr ? static_cast<int>(node->value) : 0;
}

}  // namespace

HBRUSH CreateCountedBrush(COLORREF colour) {
  const HBRUSH brush = CreateSolidBrush(colour);
  if (brush != nullptr) ++liveObjects;
  return brush;
}

HFONT CreateCountedFont(const LOGFONTA& font) {
  const HFONT handle = CreateFontIndirectA(&font);
  if (handle != nullptr) ++liveObjects;
  return handle;
}

void DeleteCounted(HGDIOBJ object) {
  if (object != nullptr && DeleteObject(object)) --liveObjects;
}

int LiveGdiObjects() { return liveObjects; }

}  // namespace tolvex::win32

using namespace tolvex::win32;

extern "C" {

int GetGadgetColor(LONG_PTR key, int type) {
  switch (type & 0xFF) {
    case 1:
    case 2: {
      // An id without a control has no record: the null handle would find another record's
      // colour 0 and read on into the next gadget's handle.
      const HWND handle = GadgetID(static_cast<int>(key));
      return handle != nullptr ? RecordColour(ColourRecord(handle), type & 0xFF) : 0;
    }
    case 3:
    case 4: {
      const LISTNODE10* record = ColourRecord(reinterpret_cast<HWND>(key));
      if (record == nullptr) {
        ERR_(1);
        return 0;
      }
      return RecordColour(record, (type & 0xFF) == 3 ? 1 : 2);
    }
    default: return 0;
  }
}

int SetGadgetColor(int id, int background, int text, int type) {
  // An id that is not registered, or whose control could not be created, changes nothing.
  const HWND handle = GadgetID(id);
  if (handle == nullptr) return 0;
  const int code = DSGC(handle, background, text, type);
  if (LISTNODE10* record = ColourRecord(handle)) {
    const int which = type & 0xFF;
    if ((which == 1 || which == 3) && record->next != nullptr) {
      record->next->key = record->next->value = background;
    }
    if ((which == 2 || which == 3) && record->next != nullptr && record->next->next != nullptr) {
      record->next->next->key = record->next->next->value = text;
    }
  }
  if (code == 2) {
    SendMessageA(GetParent(handle), WM_CTLCOLORSCROLLBAR, 0, reinterpret_cast<LPARAM>(handle));
  }
  return 1;
}

int DSGC(HWND handle, int background, int text, int type) {
  const int which = type & 0xFF;
  const bool back = which == 1 || which == 3, fore = which == 2 || which == 3;
  switch (ClassOf(handle)) {
    case NativeClass::kRichEdit:
      if (fore) {
        CF = CHARFORMATA{};
        CF.cbSize = sizeof CF;
        CF.dwMask = CFM_COLOR;
        CF.crTextColor = static_cast<COLORREF>(text);
        SendMessageA(handle, EM_SETCHARFORMAT, SCF_ALL, reinterpret_cast<LPARAM>(&CF));
      }
      if (back) SendMessageA(handle, EM_SETBKGNDCOLOR, 0, background);
      return 1;
    case NativeClass::kTooltips:
      if (back) SendMessageA(handle, TTM_SETTIPBKCOLOR, static_cast<WPARAM>(background), 0);
      if (fore) SendMessageA(handle, TTM_SETTIPTEXTCOLOR, static_cast<WPARAM>(text), 0);
      return 1;
    case NativeClass::kComboBox: COOLOOR(background, text); return 3;
    case NativeClass::kTreeView:
      if (back) SendMessageA(handle, TVM_SETBKCOLOR, 0, background);
      if (fore) SendMessageA(handle, TVM_SETTEXTCOLOR, 0, text);
      return 1;
    case NativeClass::kListView:
      if (back) {
        SendMessageA(handle, LVM_SETBKCOLOR, 0, background);
        SendMessageA(handle, LVM_SETTEXTBKCOLOR, 0, background);
      }
      if (fore) SendMessageA(handle, LVM_SETTEXTCOLOR, 0, text);
      return 1;
    case NativeClass::kScrollBar: return 2;
    case NativeClass::kProgress:
      if (back) SendMessageA(handle, PBM_SETBKCOLOR, 0, background);
      if (fore) SendMessageA(handle, PBM_SETBARCOLOR, 0, text);
      return 0;
    case NativeClass::kStatusBar: SendMessageA(handle, SB_SETBKCOLOR, 0, background); return 0;
    case NativeClass::kStatic: InvalidateRect(handle, nullptr, TRUE); return 0;
    default:
      if (IsToolkitWindow(handle)) WindowColor(handle, background);
      return 0;
  }
}

HFONT LOADFONT(const char* face, int size, int angle, int bold, int italic, int underline,
               int strikeOut) {
  const HDC display = CreateDCA("DISPLAY", nullptr, nullptr, nullptr);
  const int pixelsPerInch = display != nullptr ? GetDeviceCaps(display, LOGPIXELSY) : 96;
  if (display != nullptr) DeleteDC(display);

  LOGFONTA font{};
  font.lfHeight = -MulDiv(size, pixelsPerInch, 72);
  font.lfEscapement = angle * 10;
  font.lfWeight = bold == 1 ? FW_BOLD : FW_NORMAL;
  font.lfItalic = static_cast<BYTE>(italic);
  font.lfUnderline = static_cast<BYTE>(underline);
  font.lfStrikeOut = static_cast<BYTE>(strikeOut);
  font.lfCharSet = DEFAULT_CHARSET;
  font.lfOutPrecision = OUT_DEFAULT_PRECIS;
  font.lfClipPrecision = CLIP_DEFAULT_PRECIS;
  font.lfQuality = DEFAULT_QUALITY;
  font.lfPitchAndFamily = DEFAULT_PITCH | FF_DONTCARE;
  lstrcpynA(font.lfFaceName, face == nullptr ? "" : face, LF_FACESIZE);
  return CreateCountedFont(font);
}

LRESULT SETGADGETFONT(int id, HFONT font) {
  if (id == -1) {
    FONT___ = font == reinterpret_cast<HFONT>(-1) ? nullptr : font;
    return 0;
  }
  return SendMessageA(GadgetID(id), WM_SETFONT, reinterpret_cast<WPARAM>(font), 0);
}

HFONT GGF() { return FONT___; }

}  // extern "C"
