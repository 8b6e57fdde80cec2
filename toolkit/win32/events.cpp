// The window procedure of every toolkit window, its event stack, and the taking of events.
#include <windows.h>
#include <commctrl.h>

#include <algorithm>
#include <array>
#include <cstring>
#include <utility>

#include "toolkit/win32/toolkit.h"
#include "toolkit/win32/toolkit_state.h"

namespace tolvex::win32 {
namespace {

constexpr int kStackCapacity = 4096;

struct EventRecord {
  HWND window;
  UINT message;
  WPARAM wParam;
  LPARAM lParam;
};

// Index 0 is never used: the newest event stands at the count.
std::array<EventRecord, kStackCapacity + 1> FBGUIEVENTSBUFFER{};
int FBGUICOUNTEVENTS = 0;

int EVENTID = 0;
int EVENTNUMBER_ = 0;
HWND EVENTHWND_ = nullptr;
int EVENTKEY_ = 0;
int EVENTX = 0, EVENTY = 0;
WPARAM EVENT_W_PARAM = 0;
LPARAM EVENT_L_PARAM = 0;
int EVENTNUMBERTOOLBAR_ = 0;
int SIZEX_ = 0, SIZEY_ = 0;
int EVENTNUMBERLISTVIEW_ = 0;
int EVENTITEM_ = 0, EVENTSUBITEM_ = 0;
int FLAGKEYLISTVIEW_ = 0;
int COLUMNEVENT_ = -1;
int EVENTNUMBERTREEVIEW_ = 0;
LPARAM EVENTTREEVIEWITEM_ = 0;
int LIST_COLUMN_FLAG__ = 0;
MSG FBGUIMSG{};

// The one brush handed out for coloured gadgets, and what it was made for.
HBRUSH sharedBrush = nullptr;
struct {
  int colour = 0;
  HWND window = nullptr;
  UINT message = 0;
} brushKey;

ONWINDOWPROCCALLBACK procedureHook = nullptr;
ONWINDOWPROCCALLBACK_2 messageHook = nullptr;
int ADDRESS_FUNCTION___9 = 0;
int ADDRESS_FUNCTION___8 = 0;

int PAGELENGTH999 = 10;
int USERFLAGBOUNDS = 0;

bool IsRecorded(UINT message) {
  switch (message) {
    case WM_SIZE:
    case WM_ACTIVATE:
    case WM_SETFOCUS:
    case WM_KILLFOCUS:
    case WM_PAINT:
    case WM_CLOSE:
    case WM_VKEYTOITEM:
    case WM_NOTIFY:
    case WM_KEYDOWN:
    case WM_KEYUP:
    case WM_SYSKEYDOWN:
    case WM_SYSKEYUP:
    case WM_COMMAND:
    case WM_SYSCOMMAND:
    case WM_TIMER:
    case WM_HSCROLL:
    case WM_VSCROLL:
    case WM_MENUSELECT:
    case WM_PARENTNOTIFY:
    case WM_DROPFILES:
    case WM_HOTKEY:
    case WM_USER: return true;
    default: return message >= WM_MOUSEMOVE && message <= WM_MOUSEWHEEL;
  }
}

void Record(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (FBGUICOUNTEVENTS >= kStackCapacity || !IsRecorded(message)) return;
  // A close request drops every older event.
  FBGUICOUNTEVENTS = message == WM_CLOSE ? 1 : FBGUICOUNTEVENTS + 1;
  FBGUIEVENTSBUFFER[static_cast<size_t>(FBGUICOUNTEVENTS)] = {window, message, wParam, lParam};
}

LRESULT ColourMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  const HDC context = reinterpret_cast<HDC>(wParam);
  const HWND control = reinterpret_cast<HWND>(lParam);
  const int code = GADGETCLASS(control);
  if (code == kComboListClass) {
    SetBkColor(context, static_cast<COLORREF>(COLBK));
    SetTextColor(context, static_cast<COLORREF>(COLTE));
    return reinterpret_cast<LRESULT>(sharedBrush);
  }
  // The flag answers for this control alone: a look-up elsewhere that found no record must not
  // leave this control unpainted, nor this one's missing record the next control.
  ERR_(0);
  const int text = GetGadgetColor(lParam, 4);
  const bool recorded = ERROR_COLOR == 0;
  ERR_(0);
  if (code == kScrollBarClass && text == 0) return 0;
  if (!recorded) return reinterpret_cast<LRESULT>(sharedBrush);
  const int background = GetGadgetColor(lParam, 3);
  if (background != brushKey.colour || window != brushKey.window || message != brushKey.message ||
      sharedBrush == nullptr) {
    brushKey = {background, window, message};
    DeleteCounted(sharedBrush);
    sharedBrush = CreateCountedBrush(static_cast<COLORREF>(background));
  }
  SetBkColor(context, static_cast<COLORREF>(background));
  SetTextColor(context, static_cast<COLORREF>(text));
  return reinterpret_cast<LRESULT>(sharedBrush);
}

int NewScrollPosition(HWND bar, int kind, int request, int track) {
  switch (request) {
    case SB_THUMBPOSITION:
    case SB_THUMBTRACK: return track;
    case SB_LINEDOWN: return GetScrollPos(bar, kind) + 1;
    case SB_LINEUP: return GetScrollPos(bar, kind) - 1;
    case SB_PAGEDOWN: return GetScrollPos(bar, kind) + PAGELENGTH999;
    case SB_PAGEUP: return GetScrollPos(bar, kind) - PAGELENGTH999;
    default: return -1;
  }
}

bool Moves(int request) { return request >= SB_LINEUP && request <= SB_THUMBTRACK; }

void ScrollStep(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  const int request = LOWORD(wParam);
  if (!Moves(request)) return;
  const int track = HIWORD(wParam);
  const HWND control = reinterpret_cast<HWND>(lParam);
  const int onControl =
      SetScrollPos(control, SB_CTL, NewScrollPosition(control, SB_CTL, request, track), TRUE);
  if (onControl != 0) return;
  const int own = message == WM_HSCROLL ? SB_HORZ : SB_VERT;
  SetScrollPos(window, own, NewScrollPosition(window, own, request, track), TRUE);
}

void SyntheticCommand(HWND window, const NMHDR& header) {
  SendMessageA(window, WM_COMMAND, LOWORD(header.idFrom), reinterpret_cast<LPARAM>(window));
}

HWND TabPage(const NMHDR& header) {
  const LRESULT selected = SendMessageA(header.hwndFrom, TCM_GETCURSEL, 0, 0);
  TCITEMA item{};
  item.mask = TCIF_PARAM;
  SendMessageA(header.hwndFrom, TCM_GETITEMA, static_cast<WPARAM>(selected),
               reinterpret_cast<LPARAM>(&item));
  return reinterpret_cast<HWND>(item.lParam);
}

void NotificationStep(HWND window, LPARAM lParam) {
  if (lParam == 0) return;
  const auto& header = *reinterpret_cast<const NMHDR*>(lParam);
  const int source = static_cast<int>(header.idFrom);
  switch (static_cast<int>(header.code)) {
    case static_cast<int>(NM_CLICK): {
      const auto& click = *reinterpret_cast<const NMITEMACTIVATE*>(lParam);
      EVENTNUMBERLISTVIEW_ = source;
      EVENTITEM_ = click.iItem;
      EVENTSUBITEM_ = click.iSubItem;
      FLAGKEYLISTVIEW_ = static_cast<int>(click.uKeyFlags);
      SyntheticCommand(window, header);
      break;
    }
    case static_cast<int>(TTN_GETDISPINFOA): {
      auto& tip = *reinterpret_cast<NMTTDISPINFOA*>(lParam);
      lstrcpynA(tip.szText, GET_GTOOL(source).c_str(), sizeof tip.szText);
      break;
    }
    case static_cast<int>(LVN_COLUMNCLICK): {
      const auto& list = *reinterpret_cast<const NMLISTVIEW*>(lParam);
      EVENTNUMBERLISTVIEW_ = source;
      COLUMNEVENT_ = list.iSubItem;
      EVENTITEM_ = list.iItem;
      EVENTSUBITEM_ = list.iSubItem;
      LIST_COLUMN_FLAG__ = 1;
      SyntheticCommand(window, header);
      break;
    }
    case -9: {
      const auto& list = *reinterpret_cast<const NMLISTVIEW*>(lParam);
      COLUMNEVENT_ = list.iSubItem;
      EVENTITEM_ = list.iItem;
      break;
    }
    case static_cast<int>(TVN_SELCHANGEDA): {
      const auto& tree = *reinterpret_cast<const NMTREEVIEWA*>(lParam);
      LIST_COLUMN_FLAG__ = 1;
      EVENTNUMBERTREEVIEW_ = source;
      EVENTTREEVIEWITEM_ = reinterpret_cast<LPARAM>(tree.itemNew.hItem);
      break;
    }
    case static_cast<int>(NM_DBLCLK):
      SendMessageA(window, WM_LBUTTONDBLCLK, 0, 0);
      if (GADGETCLASS(GadgetID(source)) == kListViewClass) EVENTNUMBERLISTVIEW_ = source;
      break;
    case static_cast<int>(TCN_SELCHANGE):
      ShowWindow(TabPage(header), SW_SHOWNORMAL);
      LIST_COLUMN_FLAG__ = 1;
      SyntheticCommand(window, header);
      break;
    case static_cast<int>(TCN_SELCHANGING): ShowWindow(TabPage(header), SW_HIDE); break;
    default: break;
  }
}

int NotifyEvent(const EventRecord& e) {
  if (LIST_COLUMN_FLAG__ == 1) LIST_COLUMN_FLAG__ = 0;
  EVENTNUMBERTOOLBAR_ = -1;
  const int n = LOWORD(e.wParam);
  const int code = GADGETCLASS(GadgetID(n));
  int event = 0;
  if (code == kTrackbarClass || code == kDateTimeClass || code == kMonthCalendarClass ||
      code == kStaticClass || UpDownOf(n) != nullptr) {
    event = kGadgetEvent;
    EVENTNUMBER_ = n;
    EVENTHWND_ = reinterpret_cast<HWND>(e.lParam);
  }
  return event;
}

void MouseValues(const EventRecord& e) {
  EVENTHWND_ = e.window;
  EVENTKEY_ = static_cast<int>(e.wParam);
  EVENTX = LOWORD(e.lParam);
  EVENTY = HIWORD(e.lParam);
}

int Translate(const EventRecord& e) {
  switch (e.message) {
    case WM_CLOSE:
    case WM_SIZE: EVENTHWND_ = e.window; return static_cast<int>(e.message);
    case WM_COMMAND:
      EVENTNUMBER_ = LOWORD(e.wParam);
      if (e.lParam != 0) {
        EVENTNUMBERTOOLBAR_ = EVENTNUMBER_;
        EVENTHWND_ = reinterpret_cast<HWND>(e.lParam);
        return kGadgetEvent;
      }
      EVENTHWND_ = e.window;
      return kMenuEvent;
    case WM_KEYDOWN:
      EVENTHWND_ = e.window;
      EVENTKEY_ = LOWORD(e.wParam);
      return WM_KEYDOWN;
    case WM_KEYUP:
      EVENTHWND_ = e.window;
      EVENTNUMBER_ = LOWORD(e.wParam);
      return WM_KEYUP;
    case WM_MOUSEMOVE:
    case WM_LBUTTONUP:
    case WM_RBUTTONUP:
    case WM_MBUTTONUP:
    case WM_MOUSEWHEEL: MouseValues(e); return static_cast<int>(e.message);
    case WM_LBUTTONDOWN:
    case WM_RBUTTONDOWN:
    case WM_MBUTTONDOWN:
      MouseValues(e);
      EVENTNUMBER_ = e.lParam == -1 ? static_cast<int>(e.wParam) : 0;
      return static_cast<int>(e.message);
    case WM_HSCROLL:
    case WM_VSCROLL:
      EVENTNUMBER_ = LOWORD(e.wParam);
      EVENTHWND_ = reinterpret_cast<HWND>(e.lParam);
      return static_cast<int>(e.message);
    case WM_TIMER:
      EVENTHWND_ = e.window;
      EVENTNUMBER_ = static_cast<int>(e.wParam);
      return WM_TIMER;
    case WM_ACTIVATE:
      if (LOWORD(e.wParam) != WA_CLICKACTIVE) return 0;
      EVENTHWND_ = e.window;
      return WM_ACTIVATE;
    case WM_NOTIFY: return NotifyEvent(e);
    case WM_PARENTNOTIFY: {
      const int what = LOWORD(e.wParam);
      if (LIST_COLUMN_FLAG__ != 0 ||
          (what != WM_LBUTTONDOWN && what != WM_RBUTTONDOWN && what != WM_MBUTTONDOWN)) {
        return 0;
      }
      EVENTX = LOWORD(e.lParam);
      EVENTY = HIWORD(e.lParam);
      return what;
    }
    case WM_VKEYTOITEM:
      EVENTKEY_ = LOWORD(e.wParam);
      EVENTNUMBER_ = ID_In_Number(reinterpret_cast<HWND>(e.lParam));
      return kGadgetEvent;
    default: return static_cast<int>(e.message);
  }
}

}  // namespace
}  // namespace tolvex::win32

using namespace tolvex::win32;

extern "C" {

LRESULT CALLBACK FBGUIWINPROC(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (ADDRESS_FUNCTION___9 != 0 && procedureHook != nullptr) {
    if (const LRESULT answer = procedureHook(window, message, wParam, lParam)) return answer;
  }
  switch (message) {
    case WM_CTLCOLOREDIT:
    case WM_CTLCOLORLISTBOX:
    case WM_CTLCOLORSCROLLBAR:
    case WM_CTLCOLORSTATIC: return ColourMessage(window, message, wParam, lParam);
    default: break;
  }
  Record(window, message, wParam, lParam);
  switch (message) {
    case WM_GETMINMAXINFO:
      if (USERFLAGBOUNDS == 1) {
        WINDOWADDRESSBOUNDS(window, reinterpret_cast<MINMAXINFO*>(lParam));
        return 0;
      }
      break;
    case WM_USER + 5:
      SetForegroundWindow(window);
      SendMessageA(window, static_cast<UINT>(lParam), wParam, -1);
      break;
    case WM_HSCROLL:
    case WM_VSCROLL:
      EVENTHWND_ = reinterpret_cast<HWND>(lParam);
      ScrollStep(window, message, wParam, lParam);
      break;
    case WM_CLOSE: return 0;
    case WM_SIZE:
      if (const HWND status = STATUSEVENT(window)) SendMessageA(status, WM_SIZE, 0, 0);
      SIZEX_ = LOWORD(lParam);
      SIZEY_ = HIWORD(lParam);
      break;
    case WM_NOTIFY: NotificationStep(window, lParam); break;
    default: break;
  }
  return DefWindowProcA(window, message, wParam, lParam);
}

WNDPROC GLACLA() { return FBGUIWINPROC; }

int WINDOWEVENT() {
  EVENTID = 0;
  EVENTHWND_ = nullptr;
  EVENTNUMBER_ = 0;
  EVENTX = 0;
  EVENTY = 0;
  while (FBGUICOUNTEVENTS == 0) {
    if (!PeekMessageA(&FBGUIMSG, nullptr, 0, 0, PM_REMOVE)) return 0;
    TranslateMessage(&FBGUIMSG);
    DispatchMessageA(&FBGUIMSG);
    if (ADDRESS_FUNCTION___8 != 0 && messageHook != nullptr) {
      messageHook(FBGUIMSG.hwnd, FBGUIMSG.message, FBGUIMSG.wParam, FBGUIMSG.lParam, FBGUIMSG.time,
                  FBGUIMSG.pt.x, FBGUIMSG.pt.y);
    }
  }
  const EventRecord taken = FBGUIEVENTSBUFFER[static_cast<size_t>(FBGUICOUNTEVENTS)];
  --FBGUICOUNTEVENTS;
  EVENT_W_PARAM = taken.wParam;
  EVENT_L_PARAM = taken.lParam;
  EVENTID = Translate(taken);
  if (EVENTID != 0) UpdateWindow(taken.window);
  return EVENTID;
}

int WAITEVENT() {
  WaitMessage();
  return WINDOWEVENT();
}

int EVENTNUMBER() { return EVENTNUMBER_; }
HWND EVENTHWND() { return EVENTHWND_; }
int EVENTKEY() { return EVENTKEY_; }
int MOUSEX() { return EVENTX; }
int MOUSEY() { return EVENTY; }
WPARAM EVENTWPARAM() { return EVENT_W_PARAM; }
LPARAM EVENTLPARAM() { return EVENT_L_PARAM; }
int EVENTNUMBERTOOLBAR() { return EVENTNUMBERTOOLBAR_; }
int SIZEX() { return SIZEX_; }
int SIZEY() { return SIZEY_; }

int EVENTNUMBERLISTVIEW() { return std::exchange(EVENTNUMBERLISTVIEW_, 0); }
int GETITEMLISTVIEW() { return EVENTITEM_; }
int GETSUBITEMLISTVIEW() { return EVENTSUBITEM_; }
int FLAGKEYLISTVIEW() { return FLAGKEYLISTVIEW_; }
int GETCOLUMNLISTVIEW() { return std::exchange(COLUMNEVENT_, -1); }
int EVENTNUMBERTREEVIEW() { return std::exchange(EVENTNUMBERTREEVIEW_, 0); }
LPARAM GETITEMTREEVIEW() { return EVENTTREEVIEWITEM_; }

int SETWINDOWCALLBACK(void* function, int kind) {
  if (kind == 0) {
    procedureHook = reinterpret_cast<ONWINDOWPROCCALLBACK>(function);
    ADDRESS_FUNCTION___9 = 100;
  } else if (kind == 1) {
    messageHook = reinterpret_cast<ONWINDOWPROCCALLBACK_2>(function);
    ADDRESS_FUNCTION___8 = 100;
  }
  return 1;
}

int FREECALLBACK(int kind) {
  if (kind == 0) ADDRESS_FUNCTION___9 = 0;
  if (kind == 1) ADDRESS_FUNCTION___8 = 0;
  return 1;
}

int SETPAGESTEPSCROLLBAR(int step) {
  PAGELENGTH999 = step;
  return 1;
}

int GETBOUNDSFLAG(int flag) {
  USERFLAGBOUNDS = flag;
  return 1;
}

}  // extern "C"
