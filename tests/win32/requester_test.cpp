// The open-file requester, answered from a second thread as a user would: the thread finds the
// dialog, reads what it shows, types into its file-name field and presses a button.
#include <windows.h>
#include <commdlg.h>
#include <dlgs.h>

#include <gtest/gtest.h>

#include <chrono>
#include <memory>
#include <string>
#include <thread>

#include "tests/files/scratch_folder.h"
#include "tests/win32/toolkit_window.h"

namespace tolvex::win32::testing {
namespace {

using tolvex::testing::ScratchFolder;
using tolvex::testing::WriteBytes;

using Clock = std::chrono::steady_clock;

// What the dialog showed when it appeared.
struct Shown {
  bool appeared = false;
  std::string name, folder;
};

// Runs one requester that a helper thread answers with `typed` and `button`. Should the dialog
// stay (a refused name raises a message box), the helper cancels whatever dialog is left, so
// that a fault fails the test instead of hanging it.
std::string Answer(const std::string& initialDir, int flags, const char* typed, int button,
                   Shown* shown) {
  const DWORD self = GetCurrentThreadId();
  std::thread helper = AnswerDialogOf(self, [=](HWND dialog) {
    shown->appeared = true;
    const int field = GetDlgItem(dialog, cmb13) != nullptr ? cmb13 : edt1;
    char text[MAX_PATH] = {};
    GetDlgItemTextA(dialog, field, text, sizeof text);
    shown->name = text;
    SendMessageA(dialog, CDM_GETFOLDERPATH, sizeof text, reinterpret_cast<LPARAM>(text));
    shown->folder = text;
    SetDlgItemTextA(dialog, field, typed);
    PostMessageA(dialog, WM_COMMAND, MAKEWPARAM(button, BN_CLICKED), 0);
    const auto giveUp = Clock::now() + std::chrono::seconds(5),
               end = giveUp + std::chrono::seconds(5);
    while ((dialog = VisibleDialogOf(self)) != nullptr && Clock::now() < end) {
      if (Clock::now() > giveUp) PostMessageA(dialog, WM_COMMAND, IDCANCEL, 0);
      Sleep(50);
    }
  });
  static const char kFilter[] = "Resource (*.rc)\0*.rc\0";
  std::string result = RequestFile("", initialDir.c_str(), kFilter, flags);
  helper.join();
  return result;
}

class Requester : public ::testing::Test {
 protected:
  // A scratch folder holding a.rc and b.rc, in the platform's temporary folder.
  static void SetUpTestSuite() {
    scratch_ = std::make_unique<ScratchFolder>();
    folder_ = scratch_->path().string();
    parent_ = scratch_->path().parent_path().string();
    for (const char* name : {"a.rc", "b.rc"}) WriteBytes(*scratch_ / name, "");
  }
  static void TearDownTestSuite() {
    SetCurrentDirectoryA(parent_.c_str());  // a current folder cannot be removed
    scratch_.reset();
  }

  static std::unique_ptr<ScratchFolder> scratch_;
  static std::string parent_, folder_;
};
std::unique_ptr<ScratchFolder> Requester::scratch_;
std::string Requester::parent_, Requester::folder_;

// In order: each requester starts from what the one before left in the buffer.
TEST_F(Requester, ChoiceIsItsPathAndTheNextRequesterStartsFromIt) {
  SetCurrentDirectoryA(parent_.c_str());
  Shown first, second;
  const std::string path = Answer(folder_, 0, "a.rc", IDOK, &first);
  EXPECT_EQ(path, folder_ + "\\a.rc");
  EXPECT_EQ(first.name, "");
  EXPECT_EQ(first.folder, folder_);
  EXPECT_EQ(files::CurrentFolder(), folder_);  // left at the chosen script's folder

  // Another initial folder: the path in the buffer wins, its name in the field.
  const std::string next = Answer(parent_, 0, "b.rc", IDOK, &second);
  EXPECT_EQ(second.folder + "\\" + second.name, path);
  EXPECT_EQ(next, folder_ + "\\b.rc");
  EXPECT_EQ(NextSelectedFile(), next);
  EXPECT_EQ(NextSelectedFile(), "");
}

TEST_F(Requester, SeveralChoicesAreTheFolderAndAreWalkedOneByOne) {
  Shown shown;
  EXPECT_EQ(Answer(folder_, OFN_ALLOWMULTISELECT, "\"a.rc\" \"b.rc\"", IDOK, &shown), folder_);
  EXPECT_EQ(shown.name, "");  // the walk before cleared the buffer
  EXPECT_EQ(NextSelectedFile(), folder_ + "\\a.rc");
  EXPECT_EQ(NextSelectedFile(), folder_ + "\\b.rc");
  EXPECT_EQ(NextSelectedFile(), "");
}

TEST_F(Requester, CancelGivesTheEmptyText) {
  Shown shown;
  EXPECT_EQ(Answer(folder_, 0, "a.rc", IDCANCEL, &shown), "");
  EXPECT_TRUE(shown.appeared) << "the dialog never appeared, so nothing was cancelled";
  EXPECT_EQ(shown.folder, folder_);
}

}  // namespace
}  // namespace tolvex::win32::testing
