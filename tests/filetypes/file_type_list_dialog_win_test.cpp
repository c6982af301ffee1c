// The file type list dialog and the detail dialog, real under Wine: delete down
// to one, new and the Open dialog's filters, move, drag and drop, edit and cancel.
#include "filetypes/file_type_list_dialog_win.h"

#include <windows.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "filetypes/file_type.h"
#include "settings_part_helpers_win.h"
#include "shell/process_state.h"
#include "shell/shell.h"
#include "support/shell_fixture_win.h"

namespace {

using namespace settings;
using Texts = std::vector<std::string>;

Texts Lines(HWND dialog, int id, UINT count = LB_GETCOUNT, UINT get = LB_GETTEXT) {
  Texts out;
  const int n = static_cast<int>(SendDlgItemMessageA(dialog, id, count, 0, 0));
  for (int i = 0; i < n; ++i) {
    char text[256] = {};
    SendDlgItemMessageA(dialog, id, get, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(text));
    out.push_back(text);
  }
  return out;
}

Texts TypeTexts() {
  Texts out;
  for (const FileType& t : g_fileTypes.types) out.push_back(t.text);
  return out;
}

int Current(HWND dialog) { return static_cast<int>(SendDlgItemMessageA(dialog, IDC_FTLIST_LIST, LB_GETCURSEL, 0, 0)); }

// Puts the real cursor at p. The display reports the move a little later, and
// an older report must not put the cursor back meanwhile: the reports are let
// in (without taking any message) until the position stays.
void MoveCursor(POINT p) {
  SetCursorPos(p.x, p.y);
  POINT now{};
  for (int i = 0, steady = 0; i < 200 && steady < 5; ++i) {
    MSG msg;
    PeekMessageA(&msg, nullptr, 0, 0, PM_NOREMOVE);
    Sleep(5);
    steady = GetCursorPos(&now) && now.x == p.x && now.y == p.y ? steady + 1 : 0;
    if (steady == 0) SetCursorPos(p.x, p.y);
  }
}

// Drags entry from to the screen point `to` with the real cursor and mouse messages.
void DragEntry(HWND dialog, int from, POINT to) {
  HWND list = GetDlgItem(dialog, IDC_FTLIST_LIST);
  RECT r;
  SendMessageA(list, LB_GETITEMRECT, static_cast<WPARAM>(from), reinterpret_cast<LPARAM>(&r));
  POINT start{r.left + 5, r.top + 2};
  ClientToScreen(list, &start);
  MoveCursor(start);
  SendMessageA(list, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(r.left + 5, r.top + 2));
  MoveCursor(to);
  POINT inside = to;
  ScreenToClient(list, &inside);
  SendMessageA(list, WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(inside.x, inside.y));
  SendMessageA(list, WM_LBUTTONUP, 0, MAKELPARAM(inside.x, inside.y));
}

// The screen point inside entry index (or below the last one for index == count).
POINT EntryPoint(HWND dialog, int index) {
  HWND list = GetDlgItem(dialog, IDC_FTLIST_LIST);
  RECT r;
  const int height = static_cast<int>(SendMessageA(list, LB_GETITEMHEIGHT, 0, 0));
  SendMessageA(list, LB_GETITEMRECT, 0, reinterpret_cast<LPARAM>(&r));
  POINT p{r.left + 5, r.top + height * index + height / 2};
  ClientToScreen(list, &p);
  return p;
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
  const Texts builtins{"実行可能ﾌｧｲﾙ (*.exe)", "すべてのﾌｧｲﾙ (*.*)"};
};

TEST_F(FileTypeListDialogTest, DeletingStopsAtOneType) {
  dialogs.Then([&](HWND d) {
    EXPECT_EQ(Lines(d, IDC_FTLIST_LIST), (Texts{builtins[0], builtins[1], "third"}));
    EXPECT_EQ(Current(d), 2) << "the Open filter's type";
    EXPECT_FALSE(Enabled(d, IDC_FTLIST_MOVE));
    for (int i = 0; i < 3; ++i) Click(d, IDC_FTLIST_DELETE);
    EXPECT_EQ(Lines(d, IDC_FTLIST_LIST), Texts{builtins[0]});
    EXPECT_FALSE(Enabled(d, IDC_FTLIST_DELETE));
    DialogDriver::Press(d, IDCANCEL);
  });
  FileTypeListDialog(g_shell.mdiClient);
  EXPECT_EQ(TypeTexts(), Texts{builtins[0]});
  EXPECT_EQ(g_settings.filter, 0);
}

TEST_F(FileTypeListDialogTest, NewOnTheExecutableTypeShowsTwiceInTheOpenDialog) {
  g_fileTypes.types.pop_back();
  g_settings.filter = 0x0100;
  dialogs.Then([&](HWND d) {
    Click(d, IDC_FTLIST_NEW);
    EXPECT_EQ(Current(d), 2);
    EXPECT_TRUE(Enabled(d, IDC_FTLIST_DELETE));
    EXPECT_FALSE(Enabled(d, IDC_FTLIST_MOVE));
    DialogDriver::Press(d, IDCANCEL);
  });
  FileTypeListDialog(g_shell.mdiClient);
  EXPECT_EQ(g_settings.filter, 0x0100) << "new reorders nothing";
  dialogs.Then([&](HWND open) {
    constexpr int kTypeBox = 0x470;
    EXPECT_EQ(Lines(open, kTypeBox, CB_GETCOUNT, CB_GETLBTEXT), (Texts{builtins[0], builtins[1], builtins[0]}));
    DialogDriver::Press(open, IDCANCEL);
  });
  SendMessageA(g_shell.frame, WM_COMMAND, IDM_OPEN, 0);
  EXPECT_EQ(dialogs.dialogsSeen(), 2);
}

TEST_F(FileTypeListDialogTest, MoveAndDragReorderAndResetTheFilter) {
  dialogs.Then([&](HWND d) {
    RECT list;
    GetWindowRect(GetDlgItem(d, IDC_FTLIST_LIST), &list);
    DragEntry(d, 1, EntryPoint(d, 1));  // onto itself
    DragEntry(d, 1, EntryPoint(d, 3));  // below the last entry
    DragEntry(d, 1, POINT{list.right + 20, list.top + 5});  // outside the list
    EXPECT_EQ(Lines(d, IDC_FTLIST_LIST), (Texts{builtins[0], builtins[1], "third"}));
    EXPECT_EQ(g_settings.filter, 0x0102);
    DragEntry(d, 2, EntryPoint(d, 0));
    EXPECT_EQ(Lines(d, IDC_FTLIST_LIST), (Texts{"third", builtins[0], builtins[1]}));
    EXPECT_EQ(Current(d), 0);
    EXPECT_EQ(g_settings.filter, 0);
    g_settings.filter = 0x0102;
    Click(d, IDC_FTLIST_MOVE);
    EXPECT_EQ(Lines(d, IDC_FTLIST_LIST), (Texts{builtins[0], builtins[1], "third"}));
    EXPECT_EQ(Current(d), 0);
    EXPECT_EQ(g_settings.filter, 0);
    DialogDriver::Press(d, IDCANCEL);
  });
  FileTypeListDialog(g_shell.mdiClient);
  EXPECT_EQ(TypeTexts(), (Texts{builtins[0], builtins[1], "third"}));
}

TEST_F(FileTypeListDialogTest, EditCancelKeepsTheTypeAndOkReplacesItsLine) {
  HWND listDialog = nullptr;
  const FileType before = g_fileTypes.types[2];
  dialogs.Then([&](HWND d) {
    listDialog = d;
    DialogDriver::Press(d, IDC_FTLIST_EDIT);
  });
  dialogs.Then([&](HWND d) {
    EXPECT_EQ(DialogDriver::Text(d, IDC_FTDETAIL_TEXT), "third");
    EXPECT_EQ(DialogDriver::Text(d, IDC_FTDETAIL_EXT), "*.EXE");
    EXPECT_FALSE(Enabled(d, IDOK));
    DialogDriver::SetText(d, IDC_FTDETAIL_TEXT, "changed");
    EXPECT_TRUE(Enabled(d, IDOK));
    Click(d, IDC_PROP_RADIX_OCT);
    DialogDriver::Press(d, IDCANCEL);
    DialogDriver::Press(listDialog, IDC_FTLIST_EDIT);
  });
  dialogs.Then([&](HWND d) {
    EXPECT_EQ(Lines(listDialog, IDC_FTLIST_LIST)[2], "third");
    DialogDriver::SetText(d, IDC_FTDETAIL_TEXT, "バイナリ");
    DialogDriver::SetText(d, IDC_FTDETAIL_EXT, "*.BIN;*.DAT");
    Click(d, IDC_PROP_RADIX_OCT);
    DialogDriver::Press(d, IDOK);
    DialogDriver::Press(listDialog, IDC_FTLIST_EDIT);
  });
  dialogs.Then([&](HWND d) {
    EXPECT_EQ(Lines(listDialog, IDC_FTLIST_LIST)[2], "バイナリ");
    EXPECT_EQ(Current(listDialog), 2);
    DialogDriver::Press(d, IDCANCEL);
    DialogDriver::Press(listDialog, IDCANCEL);
  });
  FileTypeListDialog(g_shell.mdiClient);
  const FileType& after = g_fileTypes.types[2];
  EXPECT_EQ(after.text, "バイナリ");
  EXPECT_EQ(after.ext, "*.BIN;*.DAT");
  EXPECT_EQ(after.view, before.view | 1u);
  EXPECT_EQ(g_settings.filter, 0x0102);
}

}  // namespace
