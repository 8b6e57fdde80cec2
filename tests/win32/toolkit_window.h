// A toolkit window for a test, bounded ways of taking its events, a click as the mouse gives it,
// and the read-backs the window tests share.
#pragma once

#include <windows.h>

#include <gtest/gtest.h>

#include <atomic>
#include <string>
#include <thread>
#include <vector>

#include "toolkit/win32/toolkit.h"

namespace tolvex::win32::testing {

// Takes every recorded event and waiting message, so that a test sees only the events it causes.
// A recorded event may translate to 0: only a run of zeros means nothing is left.
inline void DrainEvents() {
  for (int calls = 0, zeros = 0; calls < 20000 && zeros < 64; ++calls) {
    zeros = WINDOWEVENT() == 0 ? zeros + 1 : 0;
  }
}

// What WAITEVENT gave, and whether it had to be woken: a watchdog posts a message to the thread
// when the call has not come back after five seconds, so that a wait for input that never comes
// fails the test instead of hanging it.
struct Waited {
  int event;
  bool neededAWake;
};
inline Waited WaitEventWithoutInput() {
  std::atomic<bool> done{false}, woke{false};
  const DWORD self = GetCurrentThreadId();
  std::thread watchdog([&] {
    for (int i = 0; i < 100 && !done; ++i) Sleep(50);
    if (!done) {
      woke = true;
      PostThreadMessageA(self, WM_NULL, 0, 0);
    }
  });
  const int event = WAITEVENT();
  done = true;
  watchdog.join();
  return {event, woke};
}

// The events WAITEVENT gives until `wanted` comes (included), at most `most`; none may need a wake.
inline std::vector<int> EventsUntil(int wanted, int most = 200) {
  std::vector<int> events;
  while (static_cast<int>(events.size()) < most) {
    const Waited waited = WaitEventWithoutInput();
    EXPECT_FALSE(waited.neededAWake) << "event " << events.size() + 1;
    events.push_back(waited.event);
    if (waited.event == wanted || waited.neededAWake) break;
  }
  return events;
}

inline std::string TextOf(HWND window) {
  char text[512] = {};
  GetWindowTextA(window, text, sizeof text);
  return text;
}
inline std::string ClassOf(HWND window) {
  char name[257] = {};
  GetClassNameA(window, name, 256);
  return name;
}

// The thread's visible standard dialog (a file requester), or null.
inline HWND VisibleDialogOf(DWORD thread) {
  HWND found = nullptr;
  EnumThreadWindows(
      thread,
      [](HWND window, LPARAM result) -> BOOL {
        if (!IsWindowVisible(window) || ClassOf(window) != "#32770") return TRUE;
        *reinterpret_cast<HWND*>(result) = window;
        return FALSE;
      },
      reinterpret_cast<LPARAM>(&found));
  return found;
}

// Runs `answer` from a second thread on the thread's visible standard dialog once it shows, within
// ten seconds; the caller joins the thread returned.
template <typename Answer>
std::thread AnswerDialogOf(DWORD thread, Answer answer) {
  return std::thread([thread, answer] {
    for (int tries = 0; tries < 200; ++tries, Sleep(50)) {
      if (const HWND dialog = VisibleDialogOf(thread)) return answer(dialog);
    }
  });
}

// The colour of a brush given as a message's answer or a class's background.
inline COLORREF BrushColour(LONG_PTR brush) {
  LOGBRUSH described{};
  GetObjectA(reinterpret_cast<HBRUSH>(brush), sizeof described, &described);
  return described.lbColor;
}

struct Place {
  int x, y, width, height;
};
// A visible control of a class the toolkit makes no gadget of, registered under id unless 0.
inline HWND Child(const char* className, int id, HWND parent, DWORD style, Place at) {
  const HWND child = CreateWindowExA(
      0, className, "", WS_CHILD | WS_VISIBLE | style, at.x, at.y, at.width, at.height, parent,
      reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), nullptr, nullptr);
  if (id != 0) ADDIN9999(id, child);
  return child;
}

inline POINT MiddleOf(HWND window) {
  RECT r{};
  GetWindowRect(window, &r);
  return {(r.left + r.right) / 2, (r.top + r.bottom) / 2};
}

// A click of the left button as the mouse gives it, at a screen point.
inline void ClickAt(POINT at) {
  SetCursorPos(at.x, at.y);
  INPUT inputs[2] = {};
  inputs[0].type = inputs[1].type = INPUT_MOUSE;
  inputs[0].mi.dwFlags = MOUSEEVENTF_LEFTDOWN;
  inputs[1].mi.dwFlags = MOUSEEVENTF_LEFTUP;
  SendInput(2, inputs, sizeof(INPUT));
}

class ToolkitWindow : public ::testing::Test {
 protected:
  void SetUp() override {
    window_ = OpenWindow("test", 20, 20, 420, 300, WS_OVERLAPPEDWINDOW | WS_VISIBLE, 0);
    ASSERT_NE(window_, nullptr);
    SetForegroundWindow(window_);
    SetFocus(window_);
    DrainEvents();
  }
  void TearDown() override {
    for (int id : ids_) FREEGADGET(id);  // gadget ids are process-wide
    DestroyWindow(window_);
    DrainEvents();
  }
  int Id(int id) {
    ids_.push_back(id);
    return id;
  }

  HWND window_ = nullptr;
  std::vector<int> ids_;
};

}  // namespace tolvex::win32::testing
