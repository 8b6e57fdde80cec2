// The gadget toolkit over the Windows API: windows, the gadget registry, gadgets, events, status
// bars, bounds, hooks and the file requester. Every operation here is exported from the program
// under its own name (toolkit.def lists them).
#pragma once

#include <windows.h>

#include <string>

#include "toolkit/files.h"
#include "toolkit/gadget_ops.h"

namespace tolvex::win32 {
// Event codes besides message numbers: a control reported something, a menu item was chosen.
constexpr int kGadgetEvent = 1025;
constexpr int kMenuEvent = 1026;
// An up-down control belonging to gadget n is registered under n + 50000.
constexpr int kUpDownIdOffset = 50000;
}  // namespace tolvex::win32

extern "C" {

// Windows and the registry.
HWND OpenWindow(const char* title, int x, int y, int width, int height, int style, int exStyle);
int UseGadgetList(HWND window);
HWND GETGURRENTAL();
LONG_PTR WindowColor(HWND window, int colour);
int ADDIN9999(int id, HWND handle);
int ColorAdd(HWND handle, int background, int text);
HWND GadgetID(int id);
int ID_In_Number(HWND handle);
int FREEGADGET(int id);
int ERR_(int value);
int COOLOOR(int background, int text);

// Colours and fonts.
int GetGadgetColor(LONG_PTR key, int type);
int SetGadgetColor(int id, int background, int text, int type);
int DSGC(HWND handle, int background, int text, int type);
HFONT LOADFONT(const char* face, int size, int angle, int bold, int italic, int underline,
               int strikeOut);
LRESULT SETGADGETFONT(int id, HFONT font);
HFONT GGF();

// Gadgets (the list, text, state and visibility operations are in toolkit/gadget_ops.h).
HWND TEXTGADGET(int id, int x, int y, int width, int height, const char* text, int style);
HWND STRINGGADGET(int id, int x, int y, int width, int height, const char* text, int style,
                  int exStyle);
HWND BUTTONGADGET(int id, int x, int y, int width, int height, const char* text, int style);
HWND CHECKBOXGADGET(int id, int x, int y, int width, int height, const char* text, int style);
HWND ListBoxGadget(int id, int x, int y, int width, int height, int style, int exStyle);
int WINDOWHEIGHT(HWND window);
int GADGETCLASS(HWND handle);

// Events.
LRESULT CALLBACK FBGUIWINPROC(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
WNDPROC GLACLA();
int WINDOWEVENT();
int WAITEVENT();
int EVENTNUMBER();
HWND EVENTHWND();
int EVENTKEY();
int MOUSEX();
int MOUSEY();
WPARAM EVENTWPARAM();
LPARAM EVENTLPARAM();
int EVENTNUMBERTOOLBAR();
int SIZEX();
int SIZEY();
int EVENTNUMBERLISTVIEW();
int GETITEMLISTVIEW();
int GETSUBITEMLISTVIEW();
int FLAGKEYLISTVIEW();
int GETCOLUMNLISTVIEW();
int EVENTNUMBERTREEVIEW();
LPARAM GETITEMTREEVIEW();
int SETWINDOWCALLBACK(void* function, int kind);
int FREECALLBACK(int kind);
int SETPAGESTEPSCROLLBAR(int step);
int GETBOUNDSFLAG(int flag);

// Status bars, toolbar tooltips, window bounds.
HWND STATUSBARGADGET(int id, const char* text, int style, int exStyle);
LRESULT SETSTATUSBARFIELD(int id, int index, int width, const char* text);
LRESULT TOOLTIPSTATUSBAR(int id, int index, const char* text);
HWND STATUSEVENT(HWND window);
int REMOVESTATUSBAR(int id);
int TOOLBARTOOLTIP(int id, const char* text);
std::string GET_GTOOL(int id);
int WINDOWBOUNDS(HWND window, int minWidth, int minHeight, int maxWidth, int maxHeight);
int WINDOWADDRESSBOUNDS(HWND window, MINMAXINFO* record);

// The file requester.
std::string OPENFILEREQUESTER(const char* title, const char* initialDir, const char* filter,
                              int flags);
std::string NEXTSELECTEDFILENAME();
}

// The hooks' signatures.
using ONWINDOWPROCCALLBACK = LRESULT (*)(HWND, UINT, WPARAM, LPARAM);
using ONWINDOWPROCCALLBACK_2 = LRESULT (*)(HWND, UINT, WPARAM, LPARAM, DWORD, LONG, LONG);

namespace tolvex::win32 {
// Brushes and fonts the toolkit has created and not yet deleted.
int LiveGdiObjects();
}  // namespace tolvex::win32
