// A toolkit window for a test, and bounded ways of taking its events.
#pragma once

#include <windows.h>

#include <gtest/gtest.h>

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

// WAITEVENT, woken by a thread timer after five seconds should the awaited message never come.
inline int WaitEventBounded() {
  const UINT_PTR timer = SetTimer(nullptr, 0, 5000, nullptr);
  const int event = WAITEVENT();
  KillTimer(nullptr, timer);
  return event;
}

class ToolkitWindow : public ::testing::Test {
 protected:
  static constexpr int kHeight = 300;

  void SetUp() override {
    window_ = OpenWindow("test", 20, 20, 420, kHeight, WS_OVERLAPPEDWINDOW | WS_VISIBLE, 0);
    ASSERT_NE(window_, nullptr);
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
