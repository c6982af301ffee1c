// The file type list dialog and the detail dialog, real under Wine: drag and
// drop with the real cursor, move, delete down to one, edit and cancel.
#include "filetypes/file_type_list_dialog_win.h"

#include <windows.h>

#include <gtest/gtest.h>

#include <string>

#include "filetypes/file_type.h"
#include "shell/process_state.h"
#include "shell/shell.h"
#include "support/settings_part_helpers_win.h"
#include "support/shell_fixture_win.h"

namespace {

using namespace settings;

// The list's lines, each ended by "|".
std::string Lines(HWND dialog) {
  std::string out;
  for (int i = 0; i < static_cast<int>(SendDlgItemMessageA(dialog, IDC_FTLIST_LIST, LB_GETCOUNT, 0, 0)); ++i) {
    char text[256] = {};
    SendDlgItemMessageA(dialog, IDC_FTLIST_LIST, LB_GETTEXT, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(text));
    out += text + std::string("|");
  }
  return out;
}

int Current(HWND dialog) { return static_cast<int>(SendDlgItemMessageA(dialog, IDC_FTLIST_LIST, LB_GETCURSEL, 0, 0)); }

// Puts the real cursor at p. The display reports the move a little later and an
// older report must not put the cursor back meanwhile: the reports are let in
// (no message is taken) until the position stays.
void MoveCursor(POINT p) {
  POINT now{};
  for (int i = 0, steady = 0; i < 200 && steady < 5; ++i) {
    if (steady == 0) SetCursorPos(p.x, p.y);
    MSG msg;
    PeekMessageA(&msg, nullptr, 0, 0, PM_NOREMOVE);
    Sleep(5);
    steady = GetCursorPos(&now) && now.x == p.x && now.y == p.y ? steady + 1 : 0;
  }
}

// The screen point in entry index; index == count is below the last entry.
POINT EntryPoint(HWND list, int index) {
  const int height = static_cast<int>(SendMessageA(list, LB_GETITEMHEIGHT, 0, 0));
  POINT p{5, height * index + height / 2};
  ClientToScreen(list, &p);
  return p;
}

// Presses on entry from, moves to the screen point to and lets go there.
void DragEntry(HWND dialog, int from, POINT to) {
  HWND list = GetDlgItem(dialog, IDC_FTLIST_LIST);
  POINT at = EntryPoint(list, from);
  MoveCursor(at);
  ScreenToClient(list, &at);
  SendMessageA(list, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(at.x, at.y));
  MoveCursor(to);
  ScreenToClient(list, &to);
  SendMessageA(list, WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(to.x, to.y));
  SendMessageA(list, WM_LBUTTONUP, 0, MAKELPARAM(to.x, to.y));
}

class FileTypeListDialogTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(run.Start("/Q0"));
    g_fileTypes.types.push_back(g_fileTypes.types[0]);
    g_fileTypes.types[2].text = "third";
    g_settings.filter = 0x0102;
  }
  ShellRun run;
  DialogDriver dialogs;
  const std::string exe = "実行可能ﾌｧｲﾙ (*.exe)|", all = "すべてのﾌｧｲﾙ (*.*)|";
};

TEST_F(FileTypeListDialogTest, DragMoveAndDeleteDownToOne) {
  dialogs.Then([&](HWND d) {
    EXPECT_TRUE(Current(d) == 2 && !Enabled(d, IDC_FTLIST_MOVE)) << "the Open filter's type";
    HWND list = GetDlgItem(d, IDC_FTLIST_LIST);
    RECT box;
    GetWindowRect(list, &box);
    for (POINT to : {EntryPoint(list, 1), EntryPoint(list, 3), POINT{box.right + 20, box.top + 5}}) DragEntry(d, 1, to);
    EXPECT_EQ(Lines(d), exe + all + "third|");
    EXPECT_EQ(g_settings.filter, 0x0102);
    DragEntry(d, 2, EntryPoint(list, 0));
    EXPECT_EQ(Lines(d) + std::to_string(Current(d)), "third|" + exe + all + "0");
    EXPECT_EQ(g_settings.filter, 0);
    g_settings.filter = 0x0102;
    Click(d, IDC_FTLIST_MOVE);
    EXPECT_EQ(Lines(d) + std::to_string(Current(d)), exe + all + "third|0") << "the type that followed";
    EXPECT_EQ(g_settings.filter, 0);
    for (int i = 0; i < 3; ++i) Click(d, IDC_FTLIST_DELETE);
    EXPECT_EQ(Lines(d), "third|");
    EXPECT_FALSE(Enabled(d, IDC_FTLIST_DELETE));
    DialogDriver::Press(d, IDCANCEL);
  });
  FileTypeListDialog(g_shell.mdiClient);
  ASSERT_EQ(g_fileTypes.types.size(), 1u);
  EXPECT_EQ(g_fileTypes.types[0].text, "third");
}

TEST_F(FileTypeListDialogTest, EditCancelKeepsTheTypeAndOkReplacesItsLine) {
  HWND listDialog = nullptr;
  const uint32_t view = g_fileTypes.types[2].view;
  dialogs.Then([&](HWND d) {
    listDialog = d;
    DialogDriver::Press(d, IDC_FTLIST_EDIT);
  });
  for (bool ok : {false, true}) {
    dialogs.Then([&, ok](HWND d) {
      EXPECT_EQ(DialogDriver::Text(d, IDC_FTDETAIL_TEXT) + DialogDriver::Text(d, IDC_FTDETAIL_EXT), "third*.EXE");
      EXPECT_FALSE(Enabled(d, IDOK));
      DialogDriver::SetText(d, IDC_FTDETAIL_TEXT, "バイナリ");
      EXPECT_TRUE(Enabled(d, IDOK));
      DialogDriver::SetText(d, IDC_FTDETAIL_EXT, "*.BIN;*.DAT");
      Click(d, IDC_PROP_RADIX_OCT);
      DialogDriver::Press(d, ok ? IDOK : IDCANCEL);
      DialogDriver::Press(listDialog, IDC_FTLIST_EDIT);
    });
  }
  dialogs.Then([&](HWND d) {
    EXPECT_EQ(Lines(listDialog) + std::to_string(Current(listDialog)), exe + all + "バイナリ|2");
    DialogDriver::Press(d, IDCANCEL);
    DialogDriver::Press(listDialog, IDCANCEL);
  });
  FileTypeListDialog(g_shell.mdiClient);
  const FileType& t = g_fileTypes.types[2];
  EXPECT_TRUE(t.text == "バイナリ" && t.ext == "*.BIN;*.DAT" && t.view == (view | 1u));
}

}  // namespace
