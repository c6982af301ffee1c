// The program's resources: texts arrive in code page 932.
#include <windows.h>

#include <gtest/gtest.h>

#include "resources/resource_ids.h"
#include "shell/shell.h"
#include "support/shell_fixture_win.h"

namespace {

TEST(Resources, TextsArriveInCodePage932) {
  ShellRun run;
  ASSERT_TRUE(run.Start("/Q0"));
  HMENU bar = GetMenu(g_shell.frame);
  char text[256] = {};
  const char* const popups[] = {"ﾌｧｲﾙ(&F)", "編集(&E)", "検索(&S)", "ｵﾌﾟｼｮﾝ(&O)", "ｳｲﾝﾄﾞｳ(&W)", "ﾍﾙﾌﾟ(&H)"};
  for (UINT position = 0; position < 6; ++position) {
    GetMenuStringA(bar, position, text, sizeof text, MF_BYPOSITION);
    EXPECT_STREQ(text, popups[position]);
  }
  GetMenuStringA(bar, IDM_RADIX_SDEC, text, sizeof text, MF_BYCOMMAND);
  EXPECT_STREQ(text, "符号付き10進数(&S)");
  LoadStringA(GetModuleHandleA(nullptr), 205, text, sizeof text);
  EXPECT_STREQ(text, "ｳｲﾝﾄﾞｳの整列、指定するｳｲﾝﾄﾞｳへの切り替えなどを行います。");
  LoadStringA(GetModuleHandleA(nullptr), 113, text, sizeof text);
  EXPECT_STREQ(text, "ｸﾘｯﾌﾟﾎﾞｰﾄﾞの内容をｷｬﾚｯﾄ位置へ挿入します。");
}

}  // namespace
