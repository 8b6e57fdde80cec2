/* The gadget toolkit as the program exports it (exports.txt lists the names): windows, the gadget
   registry, colours and fonts, gadgets, events, status bars, toolbar tooltips, window bounds,
   files and the file requester. Compiles as C and as C++. Arguments and results are 32-bit
   integers, handles, and pointers to NUL-terminated single-byte text; every text result is a
   copy the caller owns and releases with FREESTRING (toolkit/text_result.h). */
#ifndef TOLVEX_TOOLKIT_WIN32_TOOLKIT_EXPORTS_H
#define TOLVEX_TOOLKIT_WIN32_TOOLKIT_EXPORTS_H

#include <windows.h>

#include "toolkit/file_ops.h"
#include "toolkit/gadget_ops.h"
#include "toolkit/text_result.h"

/* The hooks' signatures: the procedure hook answers a message in the window procedure's place
   when it returns nonzero; the message hook sees every message WINDOWEVENT dispatches, with its
   time and point. */
typedef LRESULT (*ONWINDOWPROCCALLBACK)(HWND, UINT, WPARAM, LPARAM);
typedef LRESULT (*ONWINDOWPROCCALLBACK_2)(HWND, UINT, WPARAM, LPARAM, DWORD, LONG, LONG);

#ifdef __cplusplus
extern "C" {
#endif

/* Windows and the registry. */
HWND OpenWindow(const char* title, int x, int y, int width, int height, int style, int exStyle);
int UseGadgetList(HWND window);
HWND GETGURRENTAL(void);
LONG_PTR WindowColor(HWND window, int colour);
int ADDIN9999(int id, HWND handle);
int ColorAdd(HWND handle, int background, int text);
HWND GadgetID(int id);
int ID_In_Number(HWND handle);
int FREEGADGET(int id);
int ERR_(int value);
int COOLOOR(int background, int text);

/* Colours and fonts. */
int GetGadgetColor(LONG_PTR key, int type);
int SetGadgetColor(int id, int background, int text, int type);
int DSGC(HWND handle, int background, int text, int type);
HFONT LOADFONT(const char* face, int size, int angle, int bold, int italic, int underline,
               int strikeOut);
LRESULT SETGADGETFONT(int id, HFONT font);
HFONT GGF(void);

/* Gadgets (the list, text, state and visibility operations are in toolkit/gadget_ops.h). */
HWND TEXTGADGET(int id, int x, int y, int width, int height, const char* text, int style);
HWND STRINGGADGET(int id, int x, int y, int width, int height, const char* text, int style,
                  int exStyle);
HWND BUTTONGADGET(int id, int x, int y, int width, int height, const char* text, int style);
HWND CHECKBOXGADGET(int id, int x, int y, int width, int height, const char* text, int style);
HWND ListBoxGadget(int id, int x, int y, int width, int height, int style, int exStyle);
int WINDOWHEIGHT(HWND window);
int GADGETCLASS(HWND handle);

/* Events. */
LRESULT CALLBACK FBGUIWINPROC(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
WNDPROC GLACLA(void);
int WINDOWEVENT(void);
int WAITEVENT(void);
int EVENTNUMBER(void);
HWND EVENTHWND(void);
int EVENTKEY(void);
int MOUSEX(void);
int MOUSEY(void);
WPARAM EVENTWPARAM(void);
LPARAM EVENTLPARAM(void);
int EVENTNUMBERTOOLBAR(void);
int SIZEX(void);
int SIZEY(void);
int EVENTNUMBERLISTVIEW(void);
int GETITEMLISTVIEW(void);
int GETSUBITEMLISTVIEW(void);
int FLAGKEYLISTVIEW(void);
int GETCOLUMNLISTVIEW(void);
int EVENTNUMBERTREEVIEW(void);
LPARAM GETITEMTREEVIEW(void);
int SETWINDOWCALLBACK(void* function, int kind);
int FREECALLBACK(int kind);
int SETPAGESTEPSCROLLBAR(int step);
int GETBOUNDSFLAG(int flag);

/* Status bars, toolbar tooltips, window bounds. */
HWND STATUSBARGADGET(int id, const char* text, int style, int exStyle);
LRESULT SETSTATUSBARFIELD(int id, int index, int width, const char* text);
LRESULT TOOLTIPSTATUSBAR(int id, int index, const char* text);
HWND STATUSEVENT(HWND window);
int REMOVESTATUSBAR(int id);
int TOOLBARTOOLTIP(int id, const char* text);
char* GET_GTOOL(int id);
int WINDOWBOUNDS(HWND window, int minWidth, int minHeight, int maxWidth, int maxHeight);
int WINDOWADDRESSBOUNDS(HWND window, MINMAXINFO* record);

/* The file requester. */
char* OPENFILEREQUESTER(const char* title, const char* initialDir, const char* filter, int flags);
char* NEXTSELECTEDFILENAME(void);

#ifdef __cplusplus
}
#endif

#endif
