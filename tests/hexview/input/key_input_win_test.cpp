// Caret, selection, mouse and status line of a real document window.
#include <windows.h>

#include <gtest/gtest.h>

#include "hexview/input_helpers_win.h"
#include "resources/resource_ids.h"

using namespace input;

namespace {

// 48 bytes: 0x00..0x0F, then 41 42 43 44 at 0x10, then 0x14..0x2F.
std::string Sample() {
  std::string s;
  for (int i = 0; i < 48; ++i) s += static_cast<char>(i);
  s[0x10] = 'A';
  s[0x11] = 'B';
  s[0x12] = 'C';
  s[0x13] = 'D';
  return s;
}

TEST(CaretKeys, ShiftRightTwiceSelectsOneByte) {
  ScratchFolder folder;
  ShellRun run;
  HWND view = OpenView(run, folder, Sample());
  Document* doc = DocumentOf(view);
  for (int i = 0; i < 5; ++i) Key(view, VK_RIGHT, true);
  ASSERT_EQ(doc->caret, 5);
  Key(view, VK_RIGHT, false, true);
  EXPECT_EQ(doc->caret, 5);
  EXPECT_EQ(doc->digitIndex, 1);
  EXPECT_EQ(doc->anchor, -1);
  EXPECT_FALSE(MenuItemEnabled(IDM_COPY));
  Key(view, VK_RIGHT, false, true);
  EXPECT_EQ(doc->caret, 6);
  EXPECT_EQ(doc->digitIndex, 0);
  EXPECT_EQ(doc->anchor, 5);
  EXPECT_TRUE(MenuItemEnabled(IDM_COPY));
  EXPECT_TRUE(MenuItemEnabled(IDM_CUT));
  EXPECT_EQ(StatusText(), "ｱﾄﾞﾚｽ=00000006,選択範囲 00000005 ... 00000005 (00000001)");
  Key(view, VK_ESCAPE);
  EXPECT_EQ(doc->anchor, -1);
  EXPECT_FALSE(MenuItemEnabled(IDM_COPY));
}

TEST(CaretKeys, LeftAtZeroAndRightAtTheEnd) {
  ScratchFolder folder;
  ShellRun run;
  HWND view = OpenView(run, folder, "ab");
  Document* doc = DocumentOf(view);
  Key(view, VK_LEFT);
  EXPECT_EQ(doc->caret, 0);
  EXPECT_EQ(doc->digitIndex, 0);
  Key(view, VK_END, true);
  Key(view, VK_RIGHT);
  EXPECT_EQ(doc->caret, 2);
  EXPECT_EQ(doc->digitIndex, 0);
}

TEST(StatusLine, FollowsCaretOrderAndRadix) {
  ScratchFolder folder;
  ShellRun run;
  HWND view = OpenView(run, folder, Sample());
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

TEST(StatusLine, SelectAllAndTheIdleText) {
  ScratchFolder folder;
  ShellRun run;
  HWND view = OpenView(run, folder, std::string(32, 'q'));
  Command(IDM_SELECTALL);
  EXPECT_EQ(StatusText(), "ｱﾄﾞﾚｽ=00000020,選択範囲 00000000 ... 0000001F (00000020)");
  EXPECT_TRUE(MenuItemEnabled(IDM_DELETE));
  SendMessageA(g_shell.mdiClient, WM_MDIDESTROY, reinterpret_cast<WPARAM>(view), 0);
  EXPECT_EQ(StatusText(), "");
  EXPECT_FALSE(MenuItemEnabled(IDM_SAVE));
  EXPECT_FALSE(MenuItemEnabled(IDM_UNDO));
}

TEST(Mouse, SeparatorAndRightOfTheUtf16Area) {
  ScratchFolder folder;
  ShellRun run;
  HWND view = OpenView(run, folder, Sample(), 0, kEntryOverwrite, 1000, 300);
  Document* doc = DocumentOf(view);
  Click(view, ColumnX(view, 64), LineY(view, 1));  // separator column
  EXPECT_EQ(doc->caret, 31);
  EXPECT_EQ(doc->activeColumn, 1);
  Click(view, ColumnX(view, 81), LineY(view, 0));  // right of the UTF-16 cells
  EXPECT_EQ(doc->caret, 15);
  EXPECT_EQ(doc->activeColumn, 2);
  Click(view, ColumnX(view, 4), LineY(view, 2));  // second digit of byte 1 of line 2
  EXPECT_EQ(doc->caret, 33);
  EXPECT_EQ(doc->digitIndex, 1);
  EXPECT_EQ(doc->activeColumn, 0);
  Click(view, ColumnX(view, 9), LineY(view, 0), MK_SHIFT);  // Shift+click selects from the caret
  EXPECT_EQ(doc->caret, 3);
  EXPECT_EQ(doc->anchor, 33);
  EXPECT_TRUE(MenuItemEnabled(IDM_COPY));
  Click(view, ColumnX(view, 9), LineY(view, 1));
  EXPECT_EQ(doc->anchor, -1);
  EXPECT_FALSE(MenuItemEnabled(IDM_COPY));
  EXPECT_EQ(GetCapture(), nullptr);
}

TEST(Mouse, DraggingBelowTheWindowScrollsOneLinePerMessage) {
  ScratchFolder folder;
  ShellRun run;
  HWND view = OpenView(run, folder, std::string(16 * 40, 'm'), 0, kEntryOverwrite, 760, 200);
  Document* doc = DocumentOf(view);
  ASSERT_EQ(doc->scrollLine, 0);
  ButtonDown(view, ColumnX(view, 0), LineY(view, 0));
  EXPECT_EQ(GetCapture(), view);
  const int below = doc->clientHeight + 20;
  int32_t lastCaret = doc->caret;
  for (int i = 1; i <= 5; ++i) {
    Drag(view, ColumnX(view, 0), below);
    EXPECT_EQ(doc->scrollLine, i);
    EXPECT_GT(doc->caret, lastCaret);
    EXPECT_EQ(doc->anchor, 0);
    lastCaret = doc->caret;
  }
  // The selection ends on the last row the client area shows.
  const int lastRow = (doc->clientHeight - 1) / (2 * doc->charWidth) - 1;
  EXPECT_EQ(doc->caret, (doc->scrollLine + lastRow) * 16);
  ButtonUp(view, 0, below);
  EXPECT_EQ(GetCapture(), nullptr);
  Drag(view, ColumnX(view, 0), below);  // no button capture: nothing
  EXPECT_EQ(doc->scrollLine, 5);
}

TEST(Mouse, WheelScrollsFourLinesPerNotchAndKeepsTheCaret) {
  ScratchFolder folder;
  ShellRun run;
  HWND view = OpenView(run, folder, std::string(16 * 40, 'w'), 0, kEntryOverwrite, 760, 200);
  Document* doc = DocumentOf(view);
  SendMessageA(view, WM_MOUSEWHEEL, MAKEWPARAM(0, static_cast<WORD>(-120)), 0);
  EXPECT_EQ(doc->scrollLine, 4);
  EXPECT_EQ(doc->caret, 0);
  EXPECT_EQ(StatusText(), "ｱﾄﾞﾚｽ=00000000,WORD=7777,DWORD=77777777");
}

}  // namespace
