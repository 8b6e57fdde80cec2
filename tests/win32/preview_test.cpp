// The preview of the golden programs, read back from the windows it opens: every window with its
// caption and client size, every gadget with its class, text, rectangle in its window, style and
// font, every menu item with the id its choice reports; clicks; the fault rules of the preview
// windows; 50 previews that leave the process's objects and memory flat. The end-to-end test
// (tests/app) leaves a screenshot of the preview windows.
#include <windows.h>
#include <commctrl.h>
#include <psapi.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>
#include <string_view>
#include <vector>

#include "app/preview.h"
#include "program_reader/program_reader.h"
#include "tests/files/scratch_folder.h"
#include "tests/win32/toolkit_window.h"
#include "toolkit/win32/preview_windows.h"

namespace tolvex::testing {
namespace {

namespace fs = std::filesystem;
using program::Gadget;
using program::MenuEntry;
using win32::testing::ClassOf;
using win32::testing::TextOf;

std::vector<std::string> ProgramLines(const fs::path& path) {
  std::ifstream in(path, std::ios::binary);
  std::vector<std::string> lines;
  std::string line;
  while (std::getline(in, line)) {
    if (!line.empty() && line.back() == '\r') line.pop_back();
    lines.push_back(line);
  }
  return lines;
}

std::vector<fs::path> GoldenPrograms() {
  return FilesOf({TOLVEX_GOLDEN_DIR, TOLVEX_COMPLETE_GOLDEN_DIR}, ".bas");
}

// Lets the windows take the messages their making and showing sent.
void Pump(int milliseconds = 50) {
  const DWORD end = GetTickCount() + static_cast<DWORD>(milliseconds);
  MSG message;
  do {
    while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) DispatchMessageA(&message);
    Sleep(5);
  } while (GetTickCount() < end);
}

// The window's own controls, in the order they were made.
std::vector<HWND> ChildrenOf(HWND window) {
  std::vector<HWND> children;
  for (HWND child = GetWindow(window, GW_CHILD); child != nullptr;
       child = GetWindow(child, GW_HWNDNEXT))
    children.push_back(child);
  return children;
}

// Each kind's class, and the style bits its line asks for.
struct KindCheck {
  const char* prefix;
  const char* className;
  LONG typeBits;     // a button's type, which is 0 for a push button; unread for other classes
  LONG verticalBit;  // the style bit of a vertical bar; 0 for a class without one
};
constexpr KindCheck kKinds[] = {
    {"IDC_BTN", "Button", BS_PUSHBUTTON, 0},
    {"IDC_CHK", "Button", BS_AUTOCHECKBOX, 0},
    {"IDC_RBN", "Button", BS_AUTORADIOBUTTON, 0},
    {"IDC_GRP", "Button", BS_GROUPBOX, 0},
    {"IDC_STC", "Static", 0, 0},
    {"IDC_IMG", "Static", 0, 0},
    {"IDC_EDT", "Edit", 0, 0},
    {"IDC_CBO", "ComboBox", 0, 0},
    {"IDC_LST", "ListBox", 0, 0},
    {"IDC_SCB", "ScrollBar", 0, SBS_VERT},
    {"IDC_PGB", "msctls_progress32", 0, PBS_VERTICAL},
    {"IDC_TRB", "msctls_trackbar32", 0, TBS_VERT},
    {"IDC_DTP", "SysDateTimePick32", 0, 0},
    {"IDC_IPA", "SysIPAddress32", 0, 0},
    {"IDC_LSV", "SysListView32", 0, 0},
};

const KindCheck& CheckOf(const Gadget& gadget) {
  for (const KindCheck& check : kKinds) {
    if (gadget.kind->prefix == check.prefix) return check;
  }
  ADD_FAILURE() << "no class for " << gadget.kind->prefix;
  return kKinds[0];
}

void ExpectGadget(HWND window, HWND control, const Gadget& gadget,
                  const program::ProgramPlan& plan) {
  SCOPED_TRACE("line " + std::to_string(gadget.line));
  const KindCheck& check = CheckOf(gadget);
  const std::string className = ClassOf(control);
  EXPECT_EQ(
      CompareStringA(LOCALE_INVARIANT, NORM_IGNORECASE, className.c_str(), -1, check.className, -1),
      CSTR_EQUAL)
      << className << " for " << check.className;
  if (gadget.text) {
    EXPECT_EQ(TextOf(control), gadget.text->value);
  }
  RECT place{};
  GetWindowRect(control, &place);
  MapWindowPoints(nullptr, window, reinterpret_cast<POINT*>(&place), 2);
  EXPECT_EQ(place.left, gadget.geometry.x);
  EXPECT_EQ(place.top, gadget.geometry.y);
  EXPECT_EQ(place.right - place.left, gadget.geometry.width);
  // A combo box is as high as its edit field; the height its line gives is that of its open list.
  if (className != "ComboBox") {
    EXPECT_EQ(place.bottom - place.top, gadget.geometry.height);
  }
  const LONG style = GetWindowLongA(control, GWL_STYLE);
  if (std::string_view(check.className) == "Button") {
    EXPECT_EQ(style & BS_TYPEMASK, check.typeBits);
  }
  EXPECT_EQ((style & check.verticalBit) != 0, gadget.vertical);
  if (gadget.minimum && className == "msctls_trackbar32") {
    EXPECT_EQ(SendMessageA(control, TBM_GETRANGEMIN, 0, 0), *gadget.minimum);
    EXPECT_EQ(SendMessageA(control, TBM_GETRANGEMAX, 0, 0), *gadget.maximum);
  }
  // The controls that show a caption show it in the program's font.
  if (gadget.font >= 0 && gadget.text) {
    LOGFONTA font{};
    const auto handle = reinterpret_cast<HFONT>(SendMessageA(control, WM_GETFONT, 0, 0));
    ASSERT_NE(handle, nullptr);
    GetObjectA(handle, sizeof font, &font);
    EXPECT_STREQ(font.lfFaceName,
                 plan.fonts[static_cast<size_t>(gadget.font)].face.value.substr(0, 31).c_str());
  }
}

// The menu's pop-ups and items against the plan's entries, each item's choice reporting its id.
void ExpectMenu(HWND window, HMENU menu, const std::vector<MenuEntry>& entries, int parent,
                std::vector<program::Id>& reported) {
  int position = 0;
  for (size_t i = 0; i < entries.size(); ++i) {
    if (entries[i].parent != parent) continue;
    SCOPED_TRACE("line " + std::to_string(entries[i].line));
    char text[256] = {};
    GetMenuStringA(menu, static_cast<UINT>(position), text, sizeof text, MF_BYPOSITION);
    EXPECT_EQ(text, entries[i].text.value);
    const HMENU popup = GetSubMenu(menu, position);
    if (entries[i].kind == MenuEntry::Kind::kItem) {
      EXPECT_EQ(popup, nullptr);
      const UINT command = GetMenuItemID(menu, position);
      reported.clear();
      SendMessageA(window, WM_COMMAND, MAKEWPARAM(command, 0), 0);
      ASSERT_EQ(reported.size(), 1u);
      EXPECT_EQ(reported[0].written, entries[i].id.written);
      EXPECT_EQ(reported[0].value, entries[i].id.value);
    } else {
      ASSERT_NE(popup, nullptr);
      ExpectMenu(window, popup, entries, static_cast<int>(i), reported);
    }
    ++position;
  }
  EXPECT_EQ(GetMenuItemCount(menu), position);
}

TEST(Preview, EveryGoldenProgramShowsEveryWindowGadgetAndMenuItemItsLinesDescribe) {
  std::vector<program::Id> reported;
  const auto onClick = [&reported](const program::Id& id) { reported.push_back(id); };
  int windows = 0, gadgets = 0, items = 0;
  for (const fs::path& path : GoldenPrograms()) {
    SCOPED_TRACE(path.filename().string());
    const std::vector<std::string> lines = ProgramLines(path);
    const program::ProgramPlan plan = program::ReadProgramLines(lines);
    const PreviewResult result = PreviewProgram(lines, onClick);
    EXPECT_TRUE(result.messages.empty()) << result.messages.front();
    Pump();
    const std::vector<HWND> shown = win32::PreviewWindows();
    ASSERT_EQ(shown.size(), plan.windows.size());
    ASSERT_EQ(result.windows, static_cast<int>(plan.windows.size()));
    for (size_t w = 0; w < shown.size(); ++w) {
      const program::Window& window = plan.windows[w];
      SCOPED_TRACE("window of line " + std::to_string(window.line));
      EXPECT_EQ(TextOf(shown[w]), window.caption.value);
      RECT client{};
      GetClientRect(shown[w], &client);
      EXPECT_EQ(client.right, window.geometry.width);
      EXPECT_EQ(client.bottom, window.geometry.height);
      const std::vector<HWND> children = ChildrenOf(shown[w]);
      ASSERT_EQ(children.size(), window.gadgets.size());
      for (size_t g = 0; g < children.size(); ++g)
        ExpectGadget(shown[w], children[g], window.gadgets[g], plan);
      EXPECT_EQ(GetMenu(shown[w]) != nullptr, window.menu.has_value());
      if (window.menu) ExpectMenu(shown[w], GetMenu(shown[w]), window.menu->entries, -1, reported);
      ++windows;
      gadgets += static_cast<int>(children.size());
    }
    items += plan.MenuItemCount();
  }
  ClosePreview();
  EXPECT_TRUE(win32::PreviewWindows().empty());
  std::printf("previewed %d windows, %d gadgets, %d menu items\n", windows, gadgets, items);
}

TEST(Preview, AClickOnAGadgetReportsItsIdAndValue) {
  std::vector<program::Id> reported;
  PreviewProgram(ProgramLines(fs::path(TOLVEX_GOLDEN_DIR) / "all_kinds.bas"),
                 [&reported](const program::Id& id) { reported.push_back(id); });
  Pump();
  const HWND window = win32::PreviewWindows().at(0);
  SetForegroundWindow(window);
  Pump();
  // The OK button, then the list view inside the group box: the smaller of the two is reported.
  for (const int id : {2001, 2018}) {
    reported.clear();
    win32::testing::ClickAt(win32::testing::MiddleOf(GetDlgItem(window, id)));
    Pump(150);
    ASSERT_EQ(reported.size(), 1u) << id;
    EXPECT_EQ(reported[0].value, id);
    EXPECT_EQ(reported[0].written, std::to_string(id));
  }
  ClosePreview();
}

TEST(Preview, WindowsCloseOneByOneAndUnknownHandlesDoNothing) {
  PreviewProgram(ProgramLines(fs::path(TOLVEX_GOLDEN_DIR) / "two_dialogs.bas"), nullptr);
  const std::vector<HWND> shown = win32::PreviewWindows();
  ASSERT_EQ(shown.size(), 2u);
  SendMessageA(shown[0], WM_CLOSE, 0, 0);
  EXPECT_FALSE(IsWindow(shown[0]));
  EXPECT_TRUE(IsWindow(shown[1]));
  EXPECT_EQ(win32::PreviewWindows(), std::vector<HWND>{shown[1]});

  const HWND stranger =
      CreateWindowExA(0, "Static", "", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr, nullptr, nullptr);
  win32::PreviewControl control;
  for (const HWND notPreview : {static_cast<HWND>(nullptr), stranger, shown[0]}) {
    EXPECT_EQ(win32::AddPreviewControl(notPreview, control, 0), nullptr);
    EXPECT_EQ(win32::AddPreviewFont(notPreview, "Tahoma", 9), nullptr);
    EXPECT_FALSE(win32::SetPreviewMenu(notPreview, {}));
    win32::ClosePreviewWindow(notPreview);
  }
  EXPECT_TRUE(IsWindow(stranger));
  DestroyWindow(stranger);
  // A parent that is no earlier pop-up gives no menu at all.
  EXPECT_FALSE(win32::SetPreviewMenu(shown[1], {{false, 0, "item", 1}}));
  EXPECT_EQ(GetMenu(shown[1]), nullptr);
  // The up-down control, which no gadget line asks for, is there for the toolkit's own use.
  control.kind = win32::PreviewControlKind::kUpDown;
  control.vertical = true;
  control.ranged = true;
  control.maximum = 9;
  control.width = 16;
  control.height = 30;
  const HWND upDown = win32::AddPreviewControl(shown[1], control, 0);
  ASSERT_NE(upDown, nullptr);
  EXPECT_EQ(ClassOf(upDown), "msctls_updown32");
  ClosePreview();
  EXPECT_FALSE(IsWindow(shown[1]));
}

SIZE_T PrivateBytes() {
  PROCESS_MEMORY_COUNTERS_EX counters{};
  counters.cb = sizeof counters;
  GetProcessMemoryInfo(GetCurrentProcess(), reinterpret_cast<PROCESS_MEMORY_COUNTERS*>(&counters),
                       sizeof counters);
  // Wine fills the commit charge, not the private usage; Windows fills both.
  return std::max(counters.PrivateUsage, counters.PagefileUsage);
}

// Wine answers 0 to GetGuiResources: the toolkit's own counts of its live fonts and menus, the
// open preview windows and the process's private bytes are what can be measured there.
TEST(Preview, FiftyPreviewsLeaveObjectsAndMemoryFlat) {
  const std::vector<std::string> kinds =
      ProgramLines(fs::path(TOLVEX_GOLDEN_DIR) / "all_kinds.bas");
  const std::vector<std::string> menus =
      ProgramLines(fs::path(TOLVEX_COMPLETE_GOLDEN_DIR) / "menuex_nested.bas");
  const auto previewBoth = [&] {
    PreviewProgram(kinds, nullptr);
    OpenPreview(program::ReadProgramLines(menus), nullptr);
    Pump(5);
  };
  for (int i = 0; i < 5; ++i) previewBoth();
  ClosePreview();
  Pump();
  const int gdi = win32::LiveGdiObjects(), menusLive = win32::LivePreviewMenus();
  const DWORD gui = GetGuiResources(GetCurrentProcess(), GR_GDIOBJECTS);
  const SIZE_T bytes = PrivateBytes();
  std::vector<HWND> earlier;
  HMENU earlierMenu = nullptr;
  const DWORD start = GetTickCount();
  for (int i = 0; i < 50; ++i) {
    previewBoth();
    EXPECT_EQ(win32::PreviewWindows().size(), 2u);
    if (i > 0) continue;
    // Open, the previews hold their fonts and menus.
    earlier = win32::PreviewWindows();
    earlierMenu = GetMenu(earlier[1]);
    EXPECT_EQ(win32::LiveGdiObjects(), gdi + 2);
    EXPECT_EQ(win32::LivePreviewMenus(), menusLive + 5);
  }
  const DWORD each = (GetTickCount() - start) / 50;
  ClosePreview();
  Pump();
  const SIZE_T after = PrivateBytes();
  std::printf(
      "after 50 previews (%lu ms each): live fonts %d -> %d, menus %d -> %d, GetGuiResources "
      "%lu -> %lu, private bytes %zu -> %zu KB\n",
      each, gdi, win32::LiveGdiObjects(), menusLive, win32::LivePreviewMenus(), gui,
      GetGuiResources(GetCurrentProcess(), GR_GDIOBJECTS), bytes / 1024, after / 1024);
  EXPECT_EQ(win32::LiveGdiObjects(), gdi);
  EXPECT_EQ(win32::LivePreviewMenus(), menusLive);
  EXPECT_TRUE(win32::PreviewWindows().empty());
  for (const HWND window : earlier) EXPECT_FALSE(IsWindow(window));
  EXPECT_FALSE(IsMenu(earlierMenu));
  EXPECT_LT(after, bytes + 2 * 1024 * 1024)
      << "private bytes grew by " << (after - bytes) / 1024 << " KB";
}

}  // namespace
}  // namespace tolvex::testing
