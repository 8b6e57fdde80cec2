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
// GetGadgetText's size class for the counts text: up to 16,383 characters.
constexpr int kCountsTextSize = 5;

// The counts text while an id is shown in its place, the id's text, and the timer that brings the
// counts back.
std::string countsBeforeClick, shownId;
UINT_PTR restoreTimer = 0;

// The counts come back unless something else (a Run, a Load) has written the text meanwhile.
void CALLBACK RestoreCounts(HWND, UINT, UINT_PTR, DWORD) {
  KillTimer(nullptr, restoreTimer);
  restoreTimer = 0;
  if (GadgetText(kCountsText, kCountsTextSize) == shownId) {
    SetGadgetText(kCountsText, countsBeforeClick.c_str());
  }
}

void ShowClickedId(const program::Id& id) {
  if (restoreTimer == 0) countsBeforeClick = GadgetText(kCountsText, kCountsTextSize);
  KillTimer(nullptr, restoreTimer);
  shownId = "preview: " + program::IdText(id);
  SetGadgetText(kCountsText, shownId.c_str());
  restoreTimer = SetTimer(nullptr, 0, kIdShownMilliseconds, RestoreCounts);
}

}  // namespace

void PREVIEW() {
  if (PROGRAMLINES.empty()) return;
  const PreviewResult result = PreviewProgram(PROGRAMLINES, ShowClickedId);
  if (result.messages.empty()) return;
  std::vector<std::string> messages = WindowMessages();
  for (const std::string& message : result.messages) messages.push_back("preview: " + message);
  ShowRunReport(GadgetText(kCountsText, kCountsTextSize), messages);
}

}  // namespace tolvex
