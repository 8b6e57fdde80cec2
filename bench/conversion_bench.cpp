// How long a conversion takes on large scripts, over the headless gadgets. Prints its figures.
#include <chrono>
#include <cstdio>
#include <string>
#include <vector>

#include "app/headless_main_window.h"
#include "conversion/driver.h"
#include "conversion/main_window_ids.h"
#include "conversion/tables.h"
#include "toolkit/gadget_ops.h"

namespace {

std::vector<std::string> Script(int dialogs, int controls, bool withMenus) {
  std::vector<std::string> lines;
  for (int i = 1; i <= dialogs * controls; ++i) {
    lines.push_back("#define IDC_BTN" + std::to_string(i) + " " + std::to_string(1000 + i));
  }
  if (withMenus) lines.push_back("#define IDM_OPEN 9");
  int id = 0;
  for (int d = 1; d <= dialogs; ++d) {
    lines.insert(lines.end(), {"IDD_" + std::to_string(d) + " DIALOGEX 0,0,200,100",
                               "CAPTION \"Dialog\"", "FONT 8,\"MS Sans Serif\"", "BEGIN"});
    for (int c = 0; c < controls; ++c) {
      lines.push_back("  CONTROL \"Caption\",IDC_BTN" + std::to_string(++id) +
                      ",\"Button\",0x50010000,7,7,50,14");
    }
    lines.push_back("END");
    if (withMenus) {
      lines.insert(lines.end(),
                   {"IDR_MENU" + std::to_string(d) + " MENU", "BEGIN", "  POPUP \"&File\"",
                    "  BEGIN", "    MENUITEM \"&Open\",IDM_OPEN", "  END", "END"});
    }
  }
  return lines;
}

double Measure(const char* name, int dialogs, int controls, bool withMenus) {
  using namespace tolvex;
  const std::vector<std::string> lines = Script(dialogs, controls, withMenus);
  OpenHeadlessMainWindow();
  ResetTablesForLoad();
  for (const std::string& line : lines) AddListBoxItem(kSourceListing, line.c_str(), -1);
  const auto start = std::chrono::steady_clock::now();
  CONVERT();
  const double seconds =
      std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
  std::printf("%-34s %8zu script lines -> %8d program lines in %8.3f s (%.0f lines/s)\n", name,
              lines.size(), CountItemListBox(kOutputListing), seconds,
              static_cast<double>(lines.size()) / seconds);
  return seconds;
}

}  // namespace

int main() {
  Measure("a typical script", 3, 15, true);
  Measure("200 dialogs x 50 controls", 200, 50, false);
  Measure("1000 dialogs x 20 controls", 1000, 20, false);
  Measure("200 dialogs x 50 controls, menus", 200, 50, true);
  const double large = Measure("300 dialogs x 25 controls, menus", 300, 25, true);
  std::printf("300 dialogs x 25 controls: %.3f s (target: under 10 s)\n", large);
  return 0;
}
