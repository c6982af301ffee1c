// The status line of a real document window following caret, byte order and
// radixes, and the idle text.
#include "hexview/status/status_line_win.h"

#include "hexview/view_fixture_win.h"

namespace {

using StatusLine = ViewTest;

TEST_F(StatusLine, FollowsCaretOrderAndRadixes) {
  std::string bytes;
  for (int i = 0; i < 48; ++i) bytes += static_cast<char>(i);
  Open(bytes.replace(16, 4, "ABCD"));
  const struct {
    int key, command;  // a key with Ctrl, or a command
    const char* status;
  } steps[] = {
      {VK_DOWN, 0, "ｱﾄﾞﾚｽ=00000010,WORD=4241,DWORD=44434241"},
      {0, IDM_ORDER_MOTOROLA, "ｱﾄﾞﾚｽ=00000010,WORD=4142,DWORD=41424344"},
      {0, IDM_RADIX_BIN, "ｱﾄﾞﾚｽ=00000010"},
      {VK_END, 0, "ｱﾄﾞﾚｽ=00000030"},
      {0, IDM_ADDR_DEC, "ｱﾄﾞﾚｽ=00000048"},
  };
  for (const auto& step : steps) {
    if (step.key != 0) Key(view, static_cast<UINT>(step.key), step.key != VK_DOWN);
    if (step.command != 0) Command(step.command);
    EXPECT_EQ(StatusText(), step.status) << step.key << " " << step.command;
  }
  SendMessageA(g_shell.mdiClient, WM_MDIDESTROY, reinterpret_cast<WPARAM>(view), 0);
  EXPECT_FALSE(StatusText() != "" || MenuItemEnabled(IDM_SAVE) || MenuItemEnabled(IDM_UNDO));  // the idle state
}

}  // namespace
