// The frame's menus following a real document window, maximised or not.
#include "hexview/commands/view_menus_win.h"

#include "hexview/view_fixture_win.h"
#include "shell/menu_bar_win.h"

namespace {

using ViewMenus = ViewTest;

TEST_F(ViewMenus, MaximisedWindowHasTheSameItems) {
  Open("abcdef");
  Key(view, VK_RIGHT, true, true);
  const UINT ids[] = {IDM_CLOSE, IDM_SAVE, IDM_UNDO, IDM_REDO, IDM_CUT, IDM_COPY, IDM_DELETE, IDM_RADIX_HEX};
  std::vector<bool> normal, maximised;
  for (UINT id : ids) normal.push_back(MenuItemEnabled(id));
  SendMessageA(g_shell.mdiClient, WM_MDIMAXIMIZE, reinterpret_cast<WPARAM>(view), 0);
  ASSERT_EQ(MenuBarShift(g_shell.frame), 1);  // the child's system menu stands first
  Command(IDM_ORDER_MOTOROLA);                // refreshes the state through the shifted bar
  for (UINT id : ids) maximised.push_back(MenuItemEnabled(id));
  EXPECT_TRUE(maximised == normal && MenuItemChecked(IDM_ORDER_MOTOROLA));
  EXPECT_EQ(GetMenuState(GetSubMenu(GetMenu(g_shell.frame), 4), 4, MF_BYPOSITION) & MF_GRAYED, 0u);  // 基数
  EXPECT_EQ(GetMenuState(GetMenu(g_shell.frame), 2, MF_BYPOSITION) & MF_GRAYED, 0u);                 // 編集
}

}  // namespace
