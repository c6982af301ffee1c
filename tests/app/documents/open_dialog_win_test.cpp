// The Open dialog's filters follow the file type list as the list dialog leaves it.
#include "app/documents/open_dialog_win.h"

#include <windows.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "filetypes/file_type_list_dialog_win.h"
#include "resources/resource_ids.h"
#include "shell/shell.h"
#include "support/dialog_driver_win.h"
#include "support/shell_fixture_win.h"

namespace {

TEST(OpenDialog, NewOnTheExecutableTypeShowsItTwice) {
  ShellRun run;
  ASSERT_TRUE(run.Start("/Q0"));
  DialogDriver dialogs;
  dialogs.Then([](HWND list) {
    SendDlgItemMessageA(list, IDC_FTLIST_NEW, BM_CLICK, 0, 0);
    DialogDriver::Press(list, IDCANCEL);
  });
  std::vector<std::string> filters;
  dialogs.Then([&](HWND open) {
    constexpr int kTypeBox = 0x470;
    const int n = static_cast<int>(SendDlgItemMessageA(open, kTypeBox, CB_GETCOUNT, 0, 0));
    for (int i = 0; i < n; ++i) {
      char text[128] = {};
      SendDlgItemMessageA(open, kTypeBox, CB_GETLBTEXT, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(text));
      filters.push_back(text);
    }
    DialogDriver::Press(open, IDCANCEL);
  });
  SendMessageA(g_shell.frame, WM_COMMAND, IDM_FILETYPES, 0);
  RunOpenDialog();
  EXPECT_EQ(filters, (std::vector<std::string>{"実行可能ﾌｧｲﾙ (*.exe)", "すべてのﾌｧｲﾙ (*.*)", "実行可能ﾌｧｲﾙ (*.exe)"}));
}

}  // namespace
