// The colour messages of the controls: the window procedure answers them from the colour records,
// handing out one shared brush that is made again only when what it was made for changes.
#include <windows.h>

#include "toolkit/win32/event_state.h"
#include "toolkit/win32/toolkit.h"
#include "toolkit/win32/toolkit_state.h"

namespace tolvex::win32 {
namespace {

// The one brush handed out for coloured gadgets, and what it was made for.
HBRUSH sharedBrush = nullptr;
struct {
  int colour = 0;
  HWND window = nullptr;
  UINT message = 0;
} brushKey;

}  // namespace

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

}  // namespace tolvex::win32
