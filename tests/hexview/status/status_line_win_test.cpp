// The status line of a real document window following caret, byte order and
// radixes, and the idle text.
#include "hexview/status/status_line_win.h"

#include "hexview/view_fixture_win.h"

namespace {

using StatusLine = ViewTest;

TEST_F(StatusLine, FollowsCaretOrderAndRadixes) {
  Open(std::string(16, 's') + "ABCD" + std::string(28, 't'));
  std::string seen;  // after each step, joined by "|"
  Key(view, VK_DOWN);
  seen += StatusText() + "|";
  Command(IDM_ORDER_MOTOROLA);
  seen += StatusText() + "|";
  Command(IDM_RADIX_BIN);
  seen += StatusText() + "|";
  Key(view, VK_END, true);
  Command(IDM_ADDR_DEC);
  seen += StatusText();
  EXPECT_EQ(seen, "ｱﾄﾞﾚｽ=00000010,WORD=4241,DWORD=44434241|ｱﾄﾞﾚｽ=00000010,WORD=4142,DWORD=41424344|"
                  "ｱﾄﾞﾚｽ=00000010|ｱﾄﾞﾚｽ=00000048");
  SendMessageA(g_shell.mdiClient, WM_MDIDESTROY, reinterpret_cast<WPARAM>(view), 0);
  EXPECT_FALSE(StatusText() != "" || MenuItemEnabled(IDM_SAVE) || MenuItemEnabled(IDM_UNDO));  // the idle state
}

}  // namespace
