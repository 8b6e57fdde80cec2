/* The toolkit as a C program sees it: this file is compiled as C and linked with the toolkit's
   library, and calls every exported operation that needs no person at the screen, on real
   windows and controls. Every text result is checked and then released with FREESTRING. */
#include <windows.h>
#include <commctrl.h>

#include <stdio.h>
#include <string.h>

#include "toolkit/win32/toolkit_exports.h"

static int failures = 0;

static void check(int ok, const char* what, int line) {
  if (ok) return;
  printf("FAIL line %d: %s\n", line, what);
  ++failures;
}
#define CHECK(condition) check((condition) ? 1 : 0, #condition, __LINE__)

/* Compares a text result with the expected text, then gives it back. */
static void check_text(char* result, const char* expected, int line) {
  if (result == NULL) {
    printf("FAIL line %d: a text result is null\n", line);
    ++failures;
    return;
  }
  if (strcmp(result, expected) != 0) {
    printf("FAIL line %d: [%s] where [%s] was expected\n", line, result, expected);
    ++failures;
  }
  FREESTRING(result);
}
#define CHECK_TEXT(result, expected) check_text((result), (expected), __LINE__)

/* Takes every recorded event and waiting message. A recorded event may translate to 0: only a
   run of zeros means nothing is left. */
static void drain(void) {
  int calls, zeros = 0;
  for (calls = 0; calls < 20000 && zeros < 64; ++calls) zeros = WINDOWEVENT() == 0 ? zeros + 1 : 0;
}

static COLORREF class_brush_colour(HWND window) {
  LOGBRUSH described;
  memset(&described, 0, sizeof described);
  GetObjectA((HGDIOBJ)GetClassLongPtrA(window, GCLP_HBRBACKGROUND), sizeof described, &described);
  return described.lbColor;
}

static HWND child(const char* className, DWORD style, HWND parent) {
  return CreateWindowExA(0, className, "", WS_CHILD | WS_VISIBLE | style, 5, 150, 200, 100, parent,
                         NULL, NULL, NULL);
}

static LRESULT procedure_hook(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  (void)window;
  (void)wParam;
  (void)lParam;
  return message == WM_USER ? 77 : 0;
}

static int hooked = 0;
static LRESULT message_hook(HWND window, UINT message, WPARAM wParam, LPARAM lParam, DWORD time,
                            LONG x, LONG y) {
  (void)window, (void)wParam, (void)lParam, (void)time, (void)x, (void)y;
  if (message == WM_NULL) ++hooked;
  return 0;
}

/* A hook as the untyped pointer SETWINDOWCALLBACK takes. */
union hook {
  ONWINDOWPROCCALLBACK procedure;
  ONWINDOWPROCCALLBACK_2 message;
  void* pointer;
};

static HWND windows_and_gadgets(void) {
  HWND window = OpenWindow("C caller", 10, 10, 420, 320, WS_OVERLAPPEDWINDOW | WS_VISIBLE, 0);
  HWND other = OpenWindow("other", 10, 10, 200, 100, WS_OVERLAPPEDWINDOW, 0);
  HWND label, raw;
  CHECK(window != NULL && other != NULL);
  CHECK(GETGURRENTAL() == other);
  CHECK(UseGadgetList(window) == 1);
  CHECK(GETGURRENTAL() == window);
  DestroyWindow(other);
  CHECK(WINDOWHEIGHT(window) == 320);
  CHECK(GLACLA() == FBGUIWINPROC);
  CHECK((WNDPROC)GetClassLongPtrA(window, GCLP_WNDPROC) == FBGUIWINPROC);

  label = TEXTGADGET(101, 5, 5, 100, 20, "label", 0);
  CHECK(GadgetID(101) == label && ID_In_Number(label) == 101 && GetParent(label) == window);
  CHECK(GADGETCLASS(label) == 16);
  CHECK(STRINGGADGET(102, 5, 30, 100, 20, " 1.000", ES_CENTER, 0) != NULL);
  CHECK_TEXT(GetGadgetText(102, 1), " 1.000");
  CHECK(SetGadgetText(102, "2.5") != 0);
  CHECK_TEXT(GetGadgetText(102, 1), "2.5");
  CHECK_TEXT(GetGadgetText(999, 1), "");
  CHECK(BUTTONGADGET(103, 5, 55, 80, 24, "Run", 0) != NULL);
  CHECK(CHECKBOXGADGET(104, 5, 85, 100, 20, "box", BS_AUTOCHECKBOX) != NULL);
  CHECK(GETGADGETSTATE(104) == 0);
  SendMessageA(GadgetID(104), BM_CLICK, 0, 0);
  CHECK(GETGADGETSTATE(104) == 1);

  CHECK(ListBoxGadget(105, 120, 5, 150, 100, WS_VSCROLL, 0) != NULL);
  CHECK(AddListBoxItem(105, "first", -1) == 0);
  CHECK(AddListBoxItem(105, "", -1) == 1);
  CHECK(CountItemListBox(105) == 2);
  CHECK_TEXT(GetListBoxText(105, 0), "first");
  CHECK_TEXT(GetListBoxText(105, 1), " ");
  CHECK_TEXT(GetListBoxText(105, 2), "");
  ResetAllListBox(105);
  CHECK(CountItemListBox(105) == 0);
  CHECK(HideGadget(105, 1) != 0);
  CHECK(!IsWindowVisible(GadgetID(105)));
  CHECK(HideGadget(105, 0) == 0);

  raw = child("Static", 0, window);
  CHECK(ADDIN9999(106, raw) == 1 && GadgetID(106) == raw);
  CHECK(FREEGADGET(106) != 0 && GadgetID(106) == NULL && !IsWindow(raw));
  return window;
}

static void colours_and_fonts(HWND window) {
  HWND button = GadgetID(103), later;
  HFONT font;
  CHECK(ColorAdd(button, 0x111111, 0x222222) == 1);
  CHECK(GetGadgetColor((LONG_PTR)button, 4) == 0x222222);
  CHECK(SetGadgetColor(105, 0x00F0F0, 0, 1) == 1);
  CHECK(GetGadgetColor((LONG_PTR)window, 3) == 0); /* no record: the flag is raised */
  CHECK(ERR_(0) == 1);
  CHECK(COOLOOR(0x123456, 0x654321) == 1);
  CHECK(DSGC(window, 0x0000FF, 0, 1) == 0); /* a toolkit window takes the background */
  CHECK(class_brush_colour(window) == 0x0000FF);
  WindowColor(window, 0x00FF00);
  CHECK(class_brush_colour(window) == 0x00FF00);

  font = LOADFONT("Courier New", 9, 0, 1, 0, 0, 0);
  CHECK(font != NULL);
  CHECK(SETGADGETFONT(-1, font) == 0 && GGF() == font);
  /* The default font reaches only the gadgets made while it is set. */
  CHECK((HFONT)SendMessageA(GadgetID(102), WM_GETFONT, 0, 0) != font);
  later = TEXTGADGET(107, 5, 110, 100, 20, "later", 0);
  CHECK((HFONT)SendMessageA(later, WM_GETFONT, 0, 0) == font);
  CHECK(SETGADGETFONT(-1, (HFONT)(LONG_PTR)-1) == 0 && GGF() == NULL);
  later = TEXTGADGET(108, 5, 130, 100, 20, "after", 0);
  CHECK((HFONT)SendMessageA(later, WM_GETFONT, 0, 0) != font);
  SETGADGETFONT(101, font);
  CHECK((HFONT)SendMessageA(GadgetID(101), WM_GETFONT, 0, 0) == font);
}

static void events(HWND window) {
  HWND list = child(WC_LISTVIEWA, 0, window);
  NMLISTVIEW column;
  NMITEMACTIVATE click;
  int calls;
  drain();

  PostMessageA(window, WM_COMMAND, 77, 0);
  CHECK(WAITEVENT() == 1026 && EVENTNUMBER() == 77 && EVENTHWND() == window);
  SendMessageA(GadgetID(103), BM_CLICK, 0, 0);
  CHECK(WINDOWEVENT() == 1025 && EVENTNUMBER() == 103 && EVENTNUMBERTOOLBAR() == 103);
  CHECK(HIWORD(EVENTWPARAM()) == BN_CLICKED && EVENTLPARAM() == (LPARAM)GadgetID(103));
  drain();
  SendMessageA(window, WM_KEYDOWN, 'A', 0);
  CHECK(WINDOWEVENT() == 256 && EVENTKEY() == 'A' && EVENTHWND() == window);
  SendMessageA(window, WM_KEYUP, 'A', 0);
  CHECK(WINDOWEVENT() == 257 && EVENTNUMBER() == 'A');
  SendMessageA(window, WM_MOUSEMOVE, MK_SHIFT, MAKELPARAM(12, 34));
  CHECK(WINDOWEVENT() == 512 && MOUSEX() == 12 && MOUSEY() == 34 && EVENTKEY() == MK_SHIFT &&
        EVENTHWND() == window);
  SendMessageA(window, WM_SIZE, 0, MAKELPARAM(320, 200));
  CHECK(WINDOWEVENT() == 5 && SIZEX() == 320 && SIZEY() == 200);

  CHECK(SETPAGESTEPSCROLLBAR(10) == 1); /* its steps: the dispatch tests' scroll requests */

  SetTimer(window, 9, 10, NULL);
  for (calls = 0; calls < 1000 && WINDOWEVENT() != 275; ++calls) Sleep(1);
  CHECK(EVENTNUMBER() == 9 && EVENTHWND() == window);
  KillTimer(window, 9);
  drain();

  CHECK(SETWINDOWCALLBACK((union hook){.procedure = procedure_hook}.pointer, 0) == 1);
  CHECK(SendMessageA(window, WM_USER, 0, 0) == 77);
  CHECK(WINDOWEVENT() == 0); /* a message the hook answers is not recorded */
  CHECK(FREECALLBACK(0) == 1);
  CHECK(SendMessageA(window, WM_USER, 0, 0) == 0);
  CHECK(WINDOWEVENT() == WM_USER);
  CHECK(SETWINDOWCALLBACK((union hook){.message = message_hook}.pointer, 1) == 1);
  PostMessageA(window, WM_NULL, 0, 0);
  WINDOWEVENT();
  CHECK(hooked == 1);
  CHECK(FREECALLBACK(1) == 1);
  PostMessageA(window, WM_NULL, 0, 0);
  drain();
  CHECK(hooked == 1);

  CHECK(FBGUIWINPROC(window, WM_CLOSE, 0, 0) == 0);
  CHECK(WINDOWEVENT() == 16 && EVENTHWND() == window && IsWindow(window));

  ADDIN9999(110, list);
  memset(&column, 0, sizeof column);
  column.hdr.hwndFrom = list;
  column.hdr.idFrom = 110;
  column.hdr.code = (UINT)LVN_COLUMNCLICK;
  column.iItem = -1;
  column.iSubItem = 2;
  SendMessageA(window, WM_NOTIFY, 110, (LPARAM)&column);
  CHECK(GETCOLUMNLISTVIEW() == 2 && GETCOLUMNLISTVIEW() == -1);
  CHECK(EVENTNUMBERLISTVIEW() == 110 && EVENTNUMBERLISTVIEW() == 0);
  memset(&click, 0, sizeof click);
  click.hdr = column.hdr;
  click.hdr.code = (UINT)NM_CLICK;
  click.iItem = 3;
  click.iSubItem = 1;
  click.uKeyFlags = LVKF_SHIFT;
  SendMessageA(window, WM_NOTIFY, 110, (LPARAM)&click);
  CHECK(GETITEMLISTVIEW() == 3 && GETSUBITEMLISTVIEW() == 1 && FLAGKEYLISTVIEW() == LVKF_SHIFT);
  /* No tree has changed its selection here: a real tree's is the dispatch tests'. */
  CHECK(EVENTNUMBERTREEVIEW() == 0 && GETITEMTREEVIEW() == 0);
  drain();
}

static void status_tooltips_bounds(HWND window) {
  MINMAXINFO sizes;
  HWND bar = STATUSBARGADGET(120, "ready", 0, 0);
  CHECK(bar != NULL && STATUSEVENT(window) == bar);
  CHECK(SETSTATUSBARFIELD(120, 0, 100, "one") != 0);
  TOOLTIPSTATUSBAR(120, 0, "tip"); /* the status bar answers nothing to check */
  CHECK(REMOVESTATUSBAR(120) == 1 && STATUSEVENT(window) == NULL);

  CHECK(TOOLBARTOOLTIP(130, "Open a script") == 1);
  CHECK_TEXT(GET_GTOOL(130), "Open a script");
  CHECK_TEXT(GET_GTOOL(131), "");

  CHECK(WINDOWBOUNDS(window, 150, 120, 500, 400) == 1);
  memset(&sizes, 0, sizeof sizes);
  CHECK(WINDOWADDRESSBOUNDS(window, &sizes) == 1);
  CHECK(sizes.ptMinTrackSize.x == 150 && sizes.ptMaxTrackSize.y == 400);
  CHECK(GETBOUNDSFLAG(0) == 1);
}

static void files(void) {
  char folder[MAX_PATH], path[MAX_PATH + 32], current[MAX_PATH];
  FileHandle handle;
  GetTempPathA(sizeof folder, folder);
  snprintf(path, sizeof path, "%stolvex_c_test_%lu.txt", folder, GetCurrentProcessId());
  handle = CREATE_FILE(path, 0x80);
  CHECK(handle != -1);
  CHECK(WRITE_STRING(handle, "a\r\nb") == 1);
  CHECK(CLOSE_FILE(handle) != 0);
  handle = READ_FILE(path, 0x80);
  CHECK(handle != -1 && E_O_F(handle) == 0);
  /* The lines, the end and a missing file: the file operations' tests, built for Windows too. */
  CHECK_TEXT(READ_STRING(handle), "a");
  CHECK(CLOSE_FILE(handle) != 0);
  DeleteFileA(path);

  SetCurrentDirectoryA(folder);
  GetCurrentDirectoryA(sizeof current, current);
  CHECK_TEXT(GETCURENTDIR(), current);
  /* No requester has been shown: the walk gives one backslash, then ends. */
  CHECK_TEXT(NEXTSELECTEDFILENAME(), "\\");
  CHECK_TEXT(NEXTSELECTEDFILENAME(), "");
  FREESTRING(NULL);
}

int main(void) {
  HWND window = windows_and_gadgets();
  colours_and_fonts(window);
  events(window);
  status_tooltips_bounds(window);
  files();
  printf("toolkit from C: %s\n", failures == 0 ? "all checks passed" : "checks failed");
  return failures == 0 ? 0 : 1;
}
