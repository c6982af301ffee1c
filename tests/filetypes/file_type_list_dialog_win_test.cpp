// The file type list dialog and the detail dialog, real under Wine: edit and
// cancel (the drop, move and delete rules are the model's).
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

TEST(FileTypeListDialogTest, EditCancelKeepsTheTypeAndOkReplacesItsLine) {
  ShellRun run;
  ASSERT_TRUE(run.Start("/Q0"));
  g_fileTypes.types.push_back(g_fileTypes.types[0]);
  g_fileTypes.types[2].text = "third";
  g_settings.filter = 0x0102;  // the Open dialog's third type: the one current
  DialogDriver dialogs;
  HWND listDialog = nullptr;
  const uint32_t view = g_fileTypes.types[2].view;
  dialogs.Then([&](HWND d) {
    listDialog = d;
    DialogDriver::Press(d, IDC_FTLIST_EDIT);
  });
  for (bool ok : {false, true}) {
    dialogs.Then([&, ok](HWND d) {
      EXPECT_EQ(DialogDriver::Text(d, IDC_FTDETAIL_TEXT) + DialogDriver::Text(d, IDC_FTDETAIL_EXT), "third*.EXE");
      EXPECT_FALSE(DialogDriver::Enabled(d, IDOK));
      DialogDriver::SetText(d, IDC_FTDETAIL_TEXT, "バイナリ");
      EXPECT_TRUE(DialogDriver::Enabled(d, IDOK));
      DialogDriver::SetText(d, IDC_FTDETAIL_EXT, "*.BIN;*.DAT");
      Click(d, IDC_PROP_RADIX_OCT);
      DialogDriver::Press(d, ok ? IDOK : IDCANCEL);
      DialogDriver::Press(listDialog, IDC_FTLIST_EDIT);
    });
  }
  dialogs.Then([&](HWND d) {
    EXPECT_EQ(Lines(listDialog), "実行可能ﾌｧｲﾙ (*.exe)|すべてのﾌｧｲﾙ (*.*)|バイナリ|");
    EXPECT_EQ(SendDlgItemMessageA(listDialog, IDC_FTLIST_LIST, LB_GETCURSEL, 0, 0), 2);
    DialogDriver::Press(d, IDCANCEL);
    DialogDriver::Press(listDialog, IDCANCEL);
  });
  FileTypeListDialog(g_shell.mdiClient);
  const FileType& t = g_fileTypes.types[2];
  EXPECT_TRUE(t.text == "バイナリ" && t.ext == "*.BIN;*.DAT" && t.view == (view | 1u));
}

}  // namespace
