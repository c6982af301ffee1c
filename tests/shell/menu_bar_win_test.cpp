// The status help of the menu item pointed at, also with a maximised document
// whose system menu stands in front of the popups.
#include <windows.h>
#include <commctrl.h>

#include <gtest/gtest.h>

#include "resources/resource_ids.h"
#include "shell/menu_bar_win.h"
#include "shell/shell.h"
#include "support/shell_fixture_win.h"

namespace {

TEST(ShowMenuHelp, CommandsPopupsHistoryAndWindowEntries) {
  ScratchFolder folder;
  ShellRun run;
  ASSERT_TRUE(run.Start("/Q0 " + Quote(folder.Write("m.bin", "M"))));
  HMENU bar = GetMenu(g_shell.frame);
  auto select = [&](UINT item, UINT flags, HMENU menu) {
    SendMessageA(g_shell.frame, WM_MENUSELECT, MAKEWPARAM(item, flags), reinterpret_cast<LPARAM>(menu));
    return StatusText();
  };
  const std::string edit = "操作を取り消したり、ｺﾋﾟｰ、切り取りを行います。";
  EXPECT_EQ(select(IDM_SAVE, 0, GetSubMenu(bar, 0)), "作業中のﾌｧｲﾙを保存します。");
  EXPECT_EQ(select(1, MF_POPUP, bar), edit);
  EXPECT_EQ(select(200, 0, GetSubMenu(bar, 0)), "このﾌｧｲﾙを開きます。");  // a history entry
  SendMessageA(g_shell.frame, WM_MENUSELECT, MAKEWPARAM(0, 0xFFFF), 0);
  EXPECT_FALSE(SendMessageA(g_shell.statusBar, SB_ISSIMPLE, 0, 0));
  // A maximised document puts its system menu in front: 編集 moves to position 2.
  SendMessageA(g_shell.mdiClient, WM_MDIMAXIMIZE, reinterpret_cast<WPARAM>(DocumentWindows()[0]), 0);
  ASSERT_GT(GetMenuItemCount(bar), 6);
  EXPECT_EQ(select(0, MF_POPUP | MF_SYSMENU, bar), "");
  EXPECT_EQ(select(2, MF_POPUP, bar), edit);
  EXPECT_TRUE(MenuItemEnabled(IDM_SAVE));
  EXPECT_EQ(FileMenuTexts()[10].substr(0, 3), "&1 ");  // the history is found in the shifted File menu
}

// Both forms of the request get the tip, the UTF-16 one cut to the 79 characters it holds.
TEST(FillToolTipText, AnsiAndUtf16Requests) {
  NMTTDISPINFOA ansi = {};
  ansi.hdr.code = TTN_NEEDTEXTA;
  ASSERT_TRUE(FillToolTipText(&ansi.hdr, "ｺﾋﾟｰ"));
  EXPECT_STREQ(ansi.lpszText, "ｺﾋﾟｰ");
  NMTTDISPINFOW wide = {};
  wide.hdr.code = TTN_NEEDTEXTW;
  ASSERT_TRUE(FillToolTipText(&wide.hdr, std::string(90, 'x').append("表").c_str()));
  EXPECT_EQ(std::wstring(wide.lpszText), std::wstring(79, L'x'));
  ASSERT_TRUE(FillToolTipText(&wide.hdr, "表示"));
  EXPECT_EQ(std::wstring(wide.lpszText), L"\u8868\u793A");
  NMHDR other = {};
  other.code = TTN_SHOW;
  EXPECT_FALSE(FillToolTipText(&other, "x"));
}

}  // namespace
