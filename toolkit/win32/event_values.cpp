// The current event values and their accessors; the hooks and the settings of event taking.
#include <windows.h>

#include <utility>

#include "toolkit/win32/event_state.h"
#include "toolkit/win32/toolkit.h"

namespace tolvex::win32 {

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

ONWINDOWPROCCALLBACK procedureHook = nullptr;
ONWINDOWPROCCALLBACK_2 messageHook = nullptr;
int ADDRESS_FUNCTION___9 = 0;
int ADDRESS_FUNCTION___8 = 0;

int PAGELENGTH999 = 10;
int USERFLAGBOUNDS = 0;

}  // namespace tolvex::win32

using namespace tolvex::win32;

extern "C" {

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
