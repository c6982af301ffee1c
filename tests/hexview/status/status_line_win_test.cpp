// The status line, caret and marker bars of a real document window following
// caret, byte order, radixes and selection, and the idle text.
#include "hexview/status/status_line_win.h"

#include "hexview/render/view_resources_win.h"
#include "hexview/view_fixture_win.h"

namespace {

using StatusLine = ViewTest;

TEST_F(StatusLine, FollowsCaretOrderAndRadix) {
  std::string bytes;
  for (int i = 0; i < 48; ++i) bytes += static_cast<char>(i);
  Open(bytes.replace(16, 4, "ABCD"));
  Key(view, VK_DOWN);
  EXPECT_EQ(StatusText(), "ｱﾄﾞﾚｽ=00000010,WORD=4241,DWORD=44434241");
  Command(IDM_ORDER_MOTOROLA);
  EXPECT_EQ(StatusText(), "ｱﾄﾞﾚｽ=00000010,WORD=4142,DWORD=41424344");
  EXPECT_TRUE(MenuItemChecked(IDM_ORDER_MOTOROLA));
  Command(IDM_TOGGLEORDER);
  EXPECT_EQ(StatusText(), "ｱﾄﾞﾚｽ=00000010,WORD=4241,DWORD=44434241");
  EXPECT_TRUE(MenuItemChecked(IDM_ORDER_INTEL));
  Command(IDM_RADIX_BIN);
  EXPECT_EQ(StatusText(), "ｱﾄﾞﾚｽ=00000010");
  Command(IDM_RADIX_HEX);
  Key(view, VK_END, true);
  Key(view, VK_LEFT, true);
  Key(view, VK_LEFT, true);
  EXPECT_EQ(StatusText(), "ｱﾄﾞﾚｽ=0000002E,WORD=2F2E");
  Key(view, VK_RIGHT, true);
  EXPECT_EQ(StatusText(), "ｱﾄﾞﾚｽ=0000002F");
  Command(IDM_ADDR_DEC);
  EXPECT_EQ(StatusText(), "ｱﾄﾞﾚｽ=00000047");
}

TEST_F(StatusLine, SelectAllAndTheIdleText) {
  Open(std::string(32, 'q'));
  Command(IDM_SELECTALL);
  EXPECT_EQ(StatusText(), "ｱﾄﾞﾚｽ=00000020,選択範囲 00000000 ... 0000001F (00000020)");
  EXPECT_TRUE(MenuItemEnabled(IDM_DELETE));
  SendMessageA(g_shell.mdiClient, WM_MDIDESTROY, reinterpret_cast<WPARAM>(view), 0);
  EXPECT_EQ(StatusText(), "");
  EXPECT_FALSE(MenuItemEnabled(IDM_SAVE) || MenuItemEnabled(IDM_UNDO));
}

TEST_F(StatusLine, CaretScrolledOutOfViewStillDescribesTheCaret) {
  Open(std::string(16 * 60, 's'), 0, kEntryOverwrite, 760, 200);
  Key(view, VK_RIGHT, true);
  for (int i = 0; i < 20; ++i) SendMessageA(view, WM_VSCROLL, SB_LINEDOWN, 0);
  POINT caret;
  GetCaretPos(&caret);
  EXPECT_EQ(caret.x, -128);
  EXPECT_EQ(caret.y, -128);
  RECT bar;
  GetWindowRect(HexViewOf(view)->markBar1, &bar);
  MapWindowPoints(nullptr, view, reinterpret_cast<POINT*>(&bar), 2);
  EXPECT_EQ(bar.left, -128);
  EXPECT_EQ(StatusText(), "ｱﾄﾞﾚｽ=00000001,WORD=7373,DWORD=73737373");
}

}  // namespace
