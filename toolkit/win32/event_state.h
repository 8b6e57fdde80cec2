// What the window procedure and the taking of events share: the current event values behind the
// accessors, and the hooks and settings that SETWINDOWCALLBACK, SETPAGESTEPSCROLLBAR and
// GETBOUNDSFLAG change.
#pragma once

#include <windows.h>

#include "toolkit/win32/toolkit.h"

namespace tolvex::win32 {

// Set by the taking of an event (event_stack.cpp).
extern int EVENTID;
extern int EVENTNUMBER_;
extern HWND EVENTHWND_;
extern int EVENTKEY_;
extern int EVENTX, EVENTY;
extern WPARAM EVENT_W_PARAM;
extern LPARAM EVENT_L_PARAM;
extern int EVENTNUMBERTOOLBAR_;

// Set by the window procedure (window_procedure.cpp).
extern int SIZEX_, SIZEY_;
extern int EVENTNUMBERLISTVIEW_;
extern int EVENTITEM_, EVENTSUBITEM_;
extern int FLAGKEYLISTVIEW_;
extern int COLUMNEVENT_;  // -1: no column clicked since the last GETCOLUMNLISTVIEW
extern int EVENTNUMBERTREEVIEW_;
extern LPARAM EVENTTREEVIEWITEM_;
// 1 after a column click, a tree selection or a tab change: the parent notifications of the mouse
// that come with them give no event until the next WM_NOTIFY event is taken.
extern int LIST_COLUMN_FLAG__;

// The hooks, each active while its flag is not 0.
extern ONWINDOWPROCCALLBACK procedureHook;
extern ONWINDOWPROCCALLBACK_2 messageHook;
extern int ADDRESS_FUNCTION___9;
extern int ADDRESS_FUNCTION___8;

extern int PAGELENGTH999;  // the page step of scroll bars
extern int USERFLAGBOUNDS;

// Puts a message of interest on the event stack (event_stack.cpp).
void Record(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
// Whether an event is recorded and not yet taken.
bool EventPending();

// The colour messages of the controls (colour_message.cpp): the colours of the control's record
// and the one shared brush.
LRESULT ColourMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

}  // namespace tolvex::win32
