// The status line, caret and marker bars of a real document window following
// caret, byte order, radixes and selection, and the idle text.
#include "hexview/status/status_line_win.h"

#include "hexview/render/view_resources_win.h"
#include "hexview/view_fixture_win.h"

namespace {

using StatusLine = ViewTest;

TEST_F(StatusLine, FollowsCaretOrderRadixAndSelection) {
  std::string bytes;
  for (int i = 0; i < 48; ++i) bytes += static_cast<char>(i);
  Open(bytes.replace(16, 4, "ABCD"));
  const struct {
    int key, command;  // a key with Ctrl, or a command
    const char* status;
  } steps[] = {
      {VK_DOWN, 0, "ｱﾄﾞﾚｽ=00000010,WORD=4241,DWORD=44434241"},
      {0, IDM_ORDER_MOTOROLA, "ｱﾄﾞﾚｽ=00000010,WORD=4142,DWORD=41424344"},
      {0, IDM_TOGGLEORDER, "ｱﾄﾞﾚｽ=00000010,WORD=4241,DWORD=44434241"},
      {0, IDM_RADIX_BIN, "ｱﾄﾞﾚｽ=00000010"},
      {0, IDM_RADIX_HEX, "ｱﾄﾞﾚｽ=00000010,WORD=4241,DWORD=44434241"},
      {VK_END, 0, "ｱﾄﾞﾚｽ=00000030"},
      {VK_LEFT, 0, "ｱﾄﾞﾚｽ=0000002F"},
      {VK_LEFT, 0, "ｱﾄﾞﾚｽ=0000002E,WORD=2F2E"},
      {0, IDM_ADDR_DEC, "ｱﾄﾞﾚｽ=00000046,WORD=2F2E"},
      {0, IDM_SELECTALL, "ｱﾄﾞﾚｽ=00000048,選択範囲 00000000 ... 00000047 (00000048)"},
  };
  for (const auto& step : steps) {
    if (step.key != 0) Key(view, static_cast<UINT>(step.key), step.key != VK_DOWN);
    if (step.command != 0) Command(step.command);
    EXPECT_EQ(StatusText(), step.status) << step.key << " " << step.command;
  }
  EXPECT_TRUE(MenuItemChecked(IDM_ORDER_INTEL));
  SendMessageA(g_shell.mdiClient, WM_MDIDESTROY, reinterpret_cast<WPARAM>(view), 0);
  EXPECT_FALSE(StatusText() != "" || MenuItemEnabled(IDM_SAVE) || MenuItemEnabled(IDM_UNDO));  // the idle state
}

TEST_F(StatusLine, CaretScrolledOutOfViewStillDescribesTheCaret) {
  Open(std::string(16 * 60, 's'), 0, kEntryOverwrite, 760, 200);
  Key(view, VK_RIGHT, true);
  for (int i = 0; i < 20; ++i) SendMessageA(view, WM_VSCROLL, SB_LINEDOWN, 0);
  POINT caret;
  GetCaretPos(&caret);
  RECT bar;
  GetWindowRect(HexViewOf(view)->markBar1, &bar);
  MapWindowPoints(nullptr, view, reinterpret_cast<POINT*>(&bar), 2);
  EXPECT_EQ(std::to_string(caret.x) + "," + std::to_string(caret.y) + " " + std::to_string(bar.left), "-128,-128 -128");
  EXPECT_EQ(StatusText(), "ｱﾄﾞﾚｽ=00000001,WORD=7373,DWORD=73737373");
}

}  // namespace
