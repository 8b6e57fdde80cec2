// FBGUIWINPROC, the window procedure of every toolkit window: it records the messages of interest,
// answers the colour messages, moves scroll boxes, turns control notifications into commands and
// keeps a window open when asked to close.
#include <windows.h>
#include <commctrl.h>

#include "toolkit/win32/event_state.h"
#include "toolkit/win32/toolkit.h"
#include "toolkit/win32/toolkit_state.h"
#include "toolkit/win32/window_classes.h"

namespace tolvex::win32 {
namespace {

// A notification the Windows headers give no name; its record is a list view's, whose item and
// column it reports.
constexpr int kListItemColumnNotice = -9;

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

// Moves the scroll-bar control; when its previous position was 0, also the window's own bar.
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

// A command from the notifying control, which the procedure records as a gadget event.
void SyntheticCommand(HWND window, const NMHDR& header) {
  SendMessageA(window, WM_COMMAND, LOWORD(header.idFrom), reinterpret_cast<LPARAM>(window));
}

// The window a tab control holds as the item data of its selected tab.
HWND TabPage(const NMHDR& header) {
  const LRESULT selected = SendMessageA(header.hwndFrom, TCM_GETCURSEL, 0, 0);
  TCITEMA item{};
  item.mask = TCIF_PARAM;
  SendMessageA(header.hwndFrom, TCM_GETITEMA, static_cast<WPARAM>(selected),
               reinterpret_cast<LPARAM>(&item));
  return reinterpret_cast<HWND>(item.lParam);
}

struct RecordSender {
  int code;
  NativeClass sender;
};

// The notifications whose record goes beyond the header, with the one kind of control that sends
// that record. Other controls send some of these codes too (a status bar's or a toolbar's click)
// with a smaller record of their own: theirs is never read past the header.
constexpr RecordSender kRecordSenders[] = {
    {static_cast<int>(NM_CLICK), NativeClass::kListView},
    {static_cast<int>(LVN_COLUMNCLICK), NativeClass::kListView},
    {kListItemColumnNotice, NativeClass::kListView},
    {static_cast<int>(TVN_SELCHANGEDA), NativeClass::kTreeView},
    {static_cast<int>(TTN_GETDISPINFOA), NativeClass::kTooltips},
};

// Whether the record of the notification may be read beyond its header.
bool RecordIsTheSendersOwn(const NMHDR& header) {
  for (const RecordSender& entry : kRecordSenders) {
    if (entry.code == static_cast<int>(header.code))
      return ClassOf(header.hwndFrom) == entry.sender;
  }
  return true;
}

void NotificationStep(HWND window, LPARAM lParam) {
  if (lParam == 0) return;
  const auto& header = *reinterpret_cast<const NMHDR*>(lParam);
  const int source = static_cast<int>(header.idFrom);
  if (!RecordIsTheSendersOwn(header)) {
    // Only what the header says: a click is still the control's gadget event.
    if (static_cast<int>(header.code) == static_cast<int>(NM_CLICK)) {
      SyntheticCommand(window, header);
    }
    return;
  }
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
      lstrcpynA(tip.szText, ToolTipText(source).c_str(), sizeof tip.szText);
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
    case kListItemColumnNotice: {
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

}  // extern "C"
