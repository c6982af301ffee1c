// One long operation at a time: a second progress dialog is refused.
#include <windows.h>

#include <gtest/gtest.h>

#include "shell/progress_dialog_win.h"
#include "shell/shell.h"
#include "support/shell_fixture_win.h"

namespace {

TEST(BeginProgress, ASecondOperationIsRefusedAndTheFirstKeepsItsDialog) {
  ShellRun run;
  ASSERT_TRUE(run.Start("/Q0"));
  ASSERT_TRUE(BeginProgress("ﾌｧｲﾙに書き込み中"));
  EXPECT_FALSE(IsWindowEnabled(g_shell.frame));
  EXPECT_FALSE(BeginProgress("ﾌｧｲﾙを読み込み中"));
  EXPECT_EQ(ThreadDialogs(), 1);
  EXPECT_TRUE(LongOperationRunning());
  EXPECT_TRUE(EndProgress());
  EXPECT_TRUE(IsWindowEnabled(g_shell.frame));
  EXPECT_EQ(ThreadDialogs(), 0);
  EXPECT_FALSE(LongOperationRunning());
}

}  // namespace
