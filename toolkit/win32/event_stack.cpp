// The event stack and the taking of events: messages recorded by the window procedure, taken
// newest first and translated into an event code and the accessors' values.
#include <windows.h>

#include <array>

#include "toolkit/win32/event_state.h"
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
MSG FBGUIMSG{};

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

void Record(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (FBGUICOUNTEVENTS >= kStackCapacity || !IsRecorded(message)) return;
  // A close request drops every older event.
  FBGUICOUNTEVENTS = message == WM_CLOSE ? 1 : FBGUICOUNTEVENTS + 1;
  FBGUIEVENTSBUFFER[static_cast<size_t>(FBGUICOUNTEVENTS)] = {window, message, wParam, lParam};
}

bool EventPending() { return FBGUICOUNTEVENTS > 0; }

}  // namespace tolvex::win32

using namespace tolvex::win32;

extern "C" {

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
  // A click's messages arrive together and its events are recorded together: while an event is
  // pending, or a message is already queued (the platform counts it as seen, and WaitMessage
  // would sleep on it until some new input came), it is handed over at once.
  MSG queued;
  if (!EventPending() && !PeekMessageA(&queued, nullptr, 0, 0, PM_NOREMOVE) && !EventPending()) {
    WaitMessage();
  }
  return WINDOWEVENT();
}

}  // extern "C"
