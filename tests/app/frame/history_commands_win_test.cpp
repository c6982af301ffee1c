// The history length dialog: its range, what OK and Cancel do to the File menu.
#include <windows.h>

#include <gtest/gtest.h>

#include "resources/resource_ids.h"
#include "shell/process_state.h"
#include "shell/shell.h"
#include "support/dialog_driver_win.h"
#include "support/shell_fixture_win.h"

namespace {

void Spin(HWND dialog, int code, int times) {
  for (int i = 0; i < times; ++i) {
    SendMessageA(dialog, WM_VSCROLL, code, reinterpret_cast<LPARAM>(GetDlgItem(dialog, IDC_HISTORY_SPIN)));
  }
}

TEST(RunHistoryCountDialog, CancelKeepsOkCutsTheListAndZeroLeavesOneSeparator) {
  ScratchFolder folder;
  std::string line = "/Q0 /H4";
  for (int i = 0; i < 4; ++i) line += " " + Quote(folder.Write("h" + std::to_string(i) + ".bin", "x"));
  ShellRun run;
  ASSERT_TRUE(run.Start(line));
  ASSERT_EQ(FileMenuTexts().size(), 16u);
  DialogDriver dialogs;
  dialogs.Then([](HWND dialog) {
    Spin(dialog, SB_LINEUP, 7);  // stops at 9
    EXPECT_EQ(DialogDriver::Text(dialog, IDC_HISTORY_EDIT), "9");
    DialogDriver::Press(dialog, IDCANCEL);
  });
  dialogs.Then([](HWND dialog) {
    EXPECT_EQ(DialogDriver::Text(dialog, IDC_HISTORY_EDIT), "4");
    EXPECT_FALSE(IsWindowEnabled(GetDlgItem(dialog, IDOK)));  // nothing changed yet
    DialogDriver::SetText(dialog, IDC_HISTORY_EDIT, "10");
    EXPECT_FALSE(IsWindowEnabled(GetDlgItem(dialog, IDOK)));
    DialogDriver::SetText(dialog, IDC_HISTORY_EDIT, "2");
    EXPECT_TRUE(IsWindowEnabled(GetDlgItem(dialog, IDOK)));
    DialogDriver::Press(dialog, IDOK);
  });
  dialogs.Then([](HWND dialog) {
    Spin(dialog, SB_LINEDOWN, 5);  // stops at 0
    EXPECT_EQ(DialogDriver::Text(dialog, IDC_HISTORY_EDIT), "0");
    DialogDriver::Press(dialog, IDOK);
  });
  auto command = [] {
    SendMessageA(g_shell.frame, WM_COMMAND, IDM_HISTORYCOUNT, 0);
    return FileMenuTexts();
  };
  EXPECT_EQ(command().size(), 16u);
  EXPECT_EQ(g_settings.history, 4);
  std::vector<std::string> texts = command();
  EXPECT_EQ(g_settings.history, 2);
  ASSERT_EQ(texts.size(), 14u);
  EXPECT_EQ(texts[10].substr(0, 3) + texts[11].substr(0, 3), "&1 &2 ");
  texts = command();
  EXPECT_EQ(dialogs.dialogsSeen(), 3);
  ASSERT_EQ(texts.size(), 11u);
  EXPECT_EQ(texts[8] + texts[9] + texts[10], "ﾌﾟﾛﾊﾟﾃｨ(&I)...\tAlt+Enter-終了(&X)\tAlt+F4");
}

}  // namespace
