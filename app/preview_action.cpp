#include "app/preview_action.h"

#include <windows.h>

#include <string>
#include <vector>

#include "app/main_window.h"
#include "app/main_window_ids.h"
#include "app/preview.h"
#include "app/shell_state.h"
#include "toolkit/gadget_ops.h"

namespace tolvex {
namespace {

// How long a clicked id stands in the counts text before the Run's counts come back.
constexpr UINT kIdShownMilliseconds = 3000;

// The counts text while an id is shown in its place, and the timer that brings it back.
std::string countsBeforeClick;
UINT_PTR restoreTimer = 0;

void CALLBACK RestoreCounts(HWND, UINT, UINT_PTR, DWORD) {
  KillTimer(nullptr, restoreTimer);
  restoreTimer = 0;
  SetGadgetText(kCountsText, countsBeforeClick.c_str());
}

void ShowClickedId(const program::Id& id) {
  if (restoreTimer == 0) countsBeforeClick = GadgetText(kCountsText, 5);
  KillTimer(nullptr, restoreTimer);
  SetGadgetText(kCountsText, ("preview: " + program::IdText(id)).c_str());
  restoreTimer = SetTimer(nullptr, 0, kIdShownMilliseconds, RestoreCounts);
}

}  // namespace

void PREVIEW() {
  if (PROGRAMLINES.empty()) return;
  const PreviewResult result = PreviewProgram(PROGRAMLINES, ShowClickedId);
  if (result.messages.empty()) return;
  std::vector<std::string> messages = WindowMessages();
  for (const std::string& message : result.messages) messages.push_back("preview: " + message);
  ShowRunReport(GadgetText(kCountsText, 5), messages);
}

}  // namespace tolvex
