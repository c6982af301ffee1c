// Keys in a real document window: selection with Shift, and Delete and
// Backspace with their undo, through WM_KEYDOWN.
#include "hexview/input/key_input_win.h"

#include "hexview/view_fixture_win.h"

namespace {

using KeyInput = ViewTest;

TEST_F(KeyInput, ShiftSelectsAndDeleteAndBackspaceWorkAtTheEdgesWithTheirUndo) {
  Open("abcdef");
  Key(view, VK_BACK);  // offset 0: nothing
  Key(view, VK_END, true);
  Key(view, VK_DELETE);  // end of data: nothing
  EXPECT_EQ(UndoSteps(doc), 0);
  Key(view, VK_BACK);
  Key(view, VK_HOME);
  Key(view, VK_DELETE);
  EXPECT_EQ(DocumentBytes(view), "bcde");
  Key(view, VK_RIGHT, false, true);  // inside byte 0: nothing selected yet
  EXPECT_EQ(Where(doc) + (MenuItemEnabled(IDM_COPY) ? " copy" : ""), "caret 0 digit 1 area 0 anchor -1");
  for (int i = 0; i < 3; ++i) Key(view, VK_RIGHT, false, true);
  EXPECT_EQ(StatusText(), "ｱﾄﾞﾚｽ=00000002,選択範囲 00000000 ... 00000001 (00000002)");
  EXPECT_TRUE(MenuItemEnabled(IDM_COPY));
  Key(view, VK_DELETE);
  EXPECT_FALSE(DocumentBytes(view) != "de" || MenuItemEnabled(IDM_DELETE));
  Command(IDM_UNDO);  // the restored bytes are selected again
  EXPECT_EQ(Where(doc), "caret 2 digit 0 area 0 anchor 0");
  Command(IDM_UNDO);  // Delete's undo selects the byte, the caret in front
  EXPECT_EQ(Where(doc), "caret 0 digit 0 area 0 anchor 1");
  Command(IDM_UNDO);  // Backspace's after it
  EXPECT_EQ(DocumentBytes(view) + std::to_string(doc->caret), "abcdef6");
}

}  // namespace
