// View commands sent through the frame: delete line, radix cycles with the top
// byte kept, select all, cut and delete, the menu state of a maximised window
// and the context menu's items.
#include <windows.h>

#include <gtest/gtest.h>

#include "shell/menu_bar_win.h"
#include "hexview/view_state_win.h"
#include "core/display_types.h"
#include "hexview/input_helpers_win.h"
#include "resources/resource_ids.h"

using namespace input;

namespace {

std::string Counting(int n) {
  std::string s;
  for (int i = 0; i < n; ++i) s += static_cast<char>(i & 0xFF);
  return s;
}

TEST(DeleteLine, CaretAtTheEndOfA32ByteFileDeletesTheSecondLine) {
  ScratchFolder folder;
  ShellRun run;
  HWND view = OpenView(run, folder, Counting(32));
  Document* doc = DocumentOf(view);
  Key(view, VK_END, true);
  Command(IDM_DELETELINE);
  EXPECT_EQ(DocumentBytes(view), Counting(16));
  EXPECT_EQ(doc->caret, 16);
  Key(view, VK_UP);
  Key(view, VK_RIGHT, true);
  Command(IDM_DELETELINE);  // the caret's line, whole
  EXPECT_EQ(DocumentBytes(view), "");
  Command(IDM_DELETELINE);  // empty document: nothing
  EXPECT_EQ(DocumentBytes(view), "");
  EXPECT_EQ(UndoSteps(doc), 2);
  Command(IDM_UNDO);
  EXPECT_EQ(DocumentBytes(view), Counting(16));
}

TEST(DeleteLine, SelectionAndPartialLastLine) {
  ScratchFolder folder;
  ShellRun run;
  HWND view = OpenView(run, folder, Counting(40));
  Document* doc = DocumentOf(view);
  Key(view, VK_END, true);
  Key(view, VK_LEFT, true);  // offset 39 on the partial third line
  Command(IDM_DELETELINE);
  EXPECT_EQ(DocumentBytes(view), Counting(32));
  Key(view, VK_HOME, true);
  Key(view, VK_RIGHT, true, true);
  Key(view, VK_RIGHT, true, true);
  Command(IDM_DELETELINE);  // the selection [0, 2)
  EXPECT_EQ(DocumentBytes(view), Counting(32).substr(2));
  EXPECT_EQ(doc->anchor, -1);
}

TEST(FormatCommands, CtrlOneFiveTimesReturnsToHexadecimal) {
  ScratchFolder folder;
  ShellRun run;
  HWND view = OpenView(run, folder, Counting(20));
  Document* doc = DocumentOf(view);
  const int expected[] = {1, 2, 3, 4, 0};
  const UINT items[] = {IDM_RADIX_OCT, IDM_RADIX_BIN, IDM_RADIX_UDEC, IDM_RADIX_SDEC, IDM_RADIX_HEX};
  for (int i = 0; i < 5; ++i) {
    Command(IDM_NEXTRADIX);
    EXPECT_EQ(DataRadixOf(doc->options), expected[i]);
    EXPECT_TRUE(MenuItemChecked(items[i]));
  }
  for (int i = 0; i < 3; ++i) Command(IDM_NEXTADDRESS);
  EXPECT_EQ(doc->options, kOptSystemColors);
  EXPECT_TRUE(MenuItemChecked(IDM_ADDR_HEX));
}

TEST(FormatCommands, FormatChangeEndsDigitEntryAndDropsTheSelection) {
  ScratchFolder folder;
  ShellRun run;
  HWND view = OpenView(run, folder, Counting(20), 0, kEntryInsert);
  Document* doc = DocumentOf(view);
  Char(view, 'c');
  ASSERT_EQ(g_view.entryMode, kEntryDigit);
  ASSERT_EQ(doc->digitIndex, 1);
  Command(IDM_RADIX_UDEC);
  EXPECT_EQ(g_view.entryMode, kEntryInsert);
  EXPECT_EQ(doc->digitIndex, 0);
  Key(view, VK_RIGHT, true, true);
  ASSERT_EQ(doc->anchor, 0);
  Command(IDM_RADIX_OCT);
  EXPECT_EQ(doc->anchor, -1);
  EXPECT_FALSE(MenuItemEnabled(IDM_COPY));
  g_view.entryMode = kEntryOverwrite;
  Command(IDM_RADIX_HEX);
  EXPECT_EQ(g_view.entryMode, kEntryOverwrite);  // overwrite mode survives a format change
}

TEST(FormatCommands, AddressRadixChangeKeepsTheTopByte) {
  ScratchFolder folder;
  ShellRun run;
  HWND view = OpenView(run, folder, Counting(16 * 100), 0, kEntryOverwrite, 760, 200);
  Document* doc = DocumentOf(view);
  for (int i = 0; i < 10; ++i) SendMessageA(view, WM_VSCROLL, SB_LINEDOWN, 0);
  ASSERT_EQ(doc->scrollLine, 10);  // byte 160 begins the top line
  Command(IDM_NEXTADDRESS);        // decimal: 10 bytes per line
  EXPECT_EQ(doc->scrollLine, 16);
  Command(IDM_NEXTADDRESS);        // octal: 16 per line again
  EXPECT_EQ(doc->scrollLine, 10);
  for (int i = 0; i < 3; ++i) SendMessageA(view, WM_VSCROLL, SB_LINEUP, 0);
  ASSERT_EQ(doc->scrollLine, 7);  // byte 112
  Command(IDM_ADDR_DEC);
  EXPECT_EQ(doc->scrollLine, 11);  // 110-119 holds byte 112
}

TEST(EditCommands, CutDeleteAndSelectAll) {
  ScratchFolder folder;
  ShellRun run;
  HWND view = OpenView(run, folder, "0123456789");
  Document* doc = DocumentOf(view);
  Command(IDM_DELETE);  // nothing selected: nothing happens
  EXPECT_EQ(UndoSteps(doc), 0);
  Key(view, VK_RIGHT, true, true);
  Key(view, VK_RIGHT, true, true);
  Command(IDM_CUT);
  EXPECT_EQ(DocumentBytes(view), "23456789");
  Command(IDM_SELECTALL);
  EXPECT_EQ(doc->anchor, 0);
  EXPECT_EQ(doc->caret, 8);
  Command(IDM_DELETE);
  EXPECT_EQ(DocumentBytes(view), "");
  EXPECT_EQ(doc->caret, 0);
  Command(IDM_SELECTALL);  // empty: nothing to select
  EXPECT_EQ(doc->anchor, -1);
  Command(IDM_UNDO);
  Command(IDM_UNDO);
  EXPECT_EQ(DocumentBytes(view), "0123456789");
  EXPECT_TRUE(run.messages().texts().empty());
}

TEST(MenuState, MaximisedWindowHasTheSameItems) {
  ScratchFolder folder;
  ShellRun run;
  HWND view = OpenView(run, folder, "abcdef");
  Key(view, VK_RIGHT, true, true);
  const UINT ids[] = {IDM_CLOSE, IDM_SAVE, IDM_UNDO, IDM_REDO, IDM_CUT, IDM_COPY, IDM_DELETE, IDM_RADIX_HEX};
  std::vector<bool> normal;
  for (UINT id : ids) normal.push_back(MenuItemEnabled(id));
  SendMessageA(g_shell.mdiClient, WM_MDIMAXIMIZE, reinterpret_cast<WPARAM>(view), 0);
  ASSERT_EQ(MenuBarShift(g_shell.frame), 1);  // the child's system menu stands first
  Command(IDM_ORDER_MOTOROLA);  // refreshes the state through the shifted bar
  std::vector<bool> maximised;
  for (UINT id : ids) maximised.push_back(MenuItemEnabled(id));
  EXPECT_EQ(maximised, normal);
  EXPECT_TRUE(MenuItemChecked(IDM_ORDER_MOTOROLA));
  HMENU options = GetSubMenu(GetMenu(g_shell.frame), 4);
  EXPECT_EQ(GetMenuState(options, 4, MF_BYPOSITION) & MF_GRAYED, 0u);  // 基数 enabled
  EXPECT_EQ(GetMenuState(GetMenu(g_shell.frame), 2, MF_BYPOSITION) & MF_GRAYED, 0u);  // 編集
}

// Ends the context menu's modal loop once it is open, noting the item states.
struct PopupProbe {
  static UINT undo, cut, paste, selectAll;
  static void CALLBACK Close(HWND, UINT, UINT_PTR id, DWORD) {
    KillTimer(nullptr, id);
    undo = GetMenuState(g_shell.editPopupMenu, IDM_UNDO, MF_BYCOMMAND);
    cut = GetMenuState(g_shell.editPopupMenu, IDM_CUT, MF_BYCOMMAND);
    paste = GetMenuState(g_shell.editPopupMenu, IDM_PASTE, MF_BYCOMMAND);
    selectAll = GetMenuState(g_shell.editPopupMenu, IDM_SELECTALL, MF_BYCOMMAND);
    EndMenu();
  }
};
UINT PopupProbe::undo, PopupProbe::cut, PopupProbe::paste, PopupProbe::selectAll;

TEST(ContextMenu, ItemsFollowTheDocument) {
  ScratchFolder folder;
  ShellRun run;
  HWND view = OpenView(run, folder, "abcdef");
  g_shell.pasteAvailable = false;
  SetTimer(nullptr, 0, 50, PopupProbe::Close);
  Command(IDM_CONTEXTMENU);
  EXPECT_TRUE(PopupProbe::undo & MF_GRAYED);
  EXPECT_TRUE(PopupProbe::cut & MF_GRAYED);
  EXPECT_TRUE(PopupProbe::paste & MF_GRAYED);
  EXPECT_FALSE(PopupProbe::selectAll & MF_GRAYED);
  Char(view, '5');
  Key(view, VK_RIGHT, true, true);
  g_shell.pasteAvailable = true;
  SetTimer(nullptr, 0, 50, PopupProbe::Close);
  POINT at{20, 20};
  ClientToScreen(view, &at);
  SendMessageA(view, WM_CONTEXTMENU, reinterpret_cast<WPARAM>(view), MAKELPARAM(at.x, at.y));
  EXPECT_FALSE(PopupProbe::undo & MF_GRAYED);
  EXPECT_FALSE(PopupProbe::cut & MF_GRAYED);
  EXPECT_FALSE(PopupProbe::paste & MF_GRAYED);
  EXPECT_TRUE(run.messages().texts().empty());
}

}  // namespace
