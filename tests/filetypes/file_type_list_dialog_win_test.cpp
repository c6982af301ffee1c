// The file type list dialog and the detail dialog, real under Wine: move,
// delete down to one, edit and cancel (the drop rules are the model's).
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

TEST_F(FileTypeListDialogTest, MoveAndDeleteDownToOne) {
  dialogs.Then([&](HWND d) {
    EXPECT_TRUE(Current(d) == 2 && !Enabled(d, IDC_FTLIST_MOVE)) << "the Open filter's type";
    SendDlgItemMessageA(d, IDC_FTLIST_LIST, LB_SETCURSEL, 0, 0);
    SendMessageA(d, WM_COMMAND, MAKEWPARAM(IDC_FTLIST_LIST, LBN_SELCHANGE),
                 reinterpret_cast<LPARAM>(GetDlgItem(d, IDC_FTLIST_LIST)));
    Click(d, IDC_FTLIST_MOVE);
    EXPECT_EQ(Lines(d) + std::to_string(Current(d)), all + "third|" + exe + "0") << "the type that followed";
    EXPECT_EQ(g_settings.filter, 0);
    for (int i = 0; i < 3; ++i) Click(d, IDC_FTLIST_DELETE);
    EXPECT_EQ(Lines(d), exe);
    EXPECT_FALSE(Enabled(d, IDC_FTLIST_DELETE));
    DialogDriver::Press(d, IDCANCEL);
  });
  FileTypeListDialog(g_shell.mdiClient);
  ASSERT_EQ(g_fileTypes.types.size(), 1u);
  EXPECT_EQ(g_fileTypes.types[0].text, "実行可能ﾌｧｲﾙ (*.exe)");
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
