// A small helper of the end-to-end tests: answers questions about a running program's window from
// outside, as Spy++ would, so that the test clicks where a gadget really is.
//   probe center TITLE ID     screen centre of the gadget with control id ID (0: the window)
//   probe closebox TITLE      screen centre of the window's close box
//   probe count TITLE ID      number of items of a list box
//   probe item TITLE ID N     text of list-box item N
//   probe visible TITLE ID    1 when the gadget is shown, else 0
//   probe text TITLE ID       the gadget's text
//   probe checked TITLE ID    1 when a check box is ticked, else 0
//   probe close TITLE         posts WM_CLOSE to the window
//   probe dismiss             the text of a message box on the screen, which it then closes
// Exit code 1 when the window or the gadget does not exist.
#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

namespace {

// A message box is a visible dialog whose text is its static control 0xFFFF; it closes as if its
// OK button had been pressed.
BOOL CALLBACK DismissMessageBox(HWND window, LPARAM) {
  char kind[16] = {};
  GetClassNameA(window, kind, sizeof kind);
  const HWND text = GetDlgItem(window, 0xFFFF);
  if (!IsWindowVisible(window) || std::strcmp(kind, "#32770") != 0 || text == nullptr) return TRUE;
  char bytes[1024] = {};
  SendMessageA(text, WM_GETTEXT, sizeof bytes, reinterpret_cast<LPARAM>(bytes));
  std::printf("%s\n", bytes);
  PostMessageA(window, WM_COMMAND, IDOK, 0);
  return FALSE;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc == 2 && std::strcmp(argv[1], "dismiss") == 0) {
    return EnumWindows(DismissMessageBox, 0) ? 1 : 0;
  }
  if (argc < 3) return 2;
  const std::string command = argv[1];
  const HWND window = FindWindowA(nullptr, argv[2]);
  if (window == nullptr) return 1;
  if (command == "close") return PostMessageA(window, WM_CLOSE, 0, 0) ? 0 : 1;
  if (command == "closebox") {
    RECT r;
    GetWindowRect(window, &r);
    const int frame = GetSystemMetrics(SM_CXFRAME), button = GetSystemMetrics(SM_CXSIZE);
    const int caption = GetSystemMetrics(SM_CYCAPTION);
    std::printf("%ld %ld\n", r.right - frame - button / 2 - 1, r.top + frame + caption / 2);
    return 0;
  }
  if (argc < 4) return 2;
  const int id = std::atoi(argv[3]);
  const HWND gadget = id == 0 ? window : GetDlgItem(window, id);
  if (gadget == nullptr) return 1;
  if (command == "center") {
    RECT r;
    GetWindowRect(gadget, &r);
    std::printf("%ld %ld\n", (r.left + r.right) / 2, (r.top + r.bottom) / 2);
  } else if (command == "count") {
    std::printf("%ld\n", static_cast<long>(SendMessageA(gadget, LB_GETCOUNT, 0, 0)));
  } else if (command == "item" && argc > 4) {
    // Asked from another process, the list box answers in UTF-16 (Wine marshals the W form).
    const WPARAM index = static_cast<WPARAM>(std::atoi(argv[4]));
    const LRESULT length = SendMessageW(gadget, LB_GETTEXTLEN, index, 0);
    if (length < 0) return 1;
    std::wstring text(static_cast<size_t>(length) + 1, L'\0');
    SendMessageW(gadget, LB_GETTEXT, index, reinterpret_cast<LPARAM>(text.data()));
    char bytes[4096] = {};
    WideCharToMultiByte(CP_ACP, 0, text.c_str(), -1, bytes, sizeof bytes - 1, nullptr, nullptr);
    std::printf("%s\n", bytes);
  } else if (command == "visible") {
    std::printf("%d\n", IsWindowVisible(gadget) ? 1 : 0);
  } else if (command == "checked") {
    std::printf("%d\n", SendMessageA(gadget, BM_GETCHECK, 0, 0) == BST_CHECKED ? 1 : 0);
  } else if (command == "text") {
    // GetWindowText does not read another program's controls; WM_GETTEXT does.
    char text[2048] = {};
    SendMessageA(gadget, WM_GETTEXT, sizeof text, reinterpret_cast<LPARAM>(text));
    std::printf("%s\n", text);
  } else {
    return 2;
  }
  return 0;
}
