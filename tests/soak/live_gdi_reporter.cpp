// Linked only into the soak's test build of tolvex.exe: a second thread prints the toolkit's count
// of live brushes and fonts four times a second ("live-gdi N"), so that the soak can read it from
// outside while the program runs as it always does. The count is one int written by the window's
// thread; a read that sees it a moment late is read again a quarter second later.
#include <windows.h>

#include <cstdio>

#include "toolkit/win32/toolkit.h"

namespace {

DWORD WINAPI Report(void*) {
  for (;;) {
    std::printf("live-gdi %d\n", tolvex::win32::LiveGdiObjects());
    std::fflush(stdout);
    Sleep(250);
  }
}

[[maybe_unused]] const HANDLE reporter = CreateThread(nullptr, 0, Report, nullptr, 0, nullptr);

}  // namespace
