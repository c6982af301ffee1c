// Edit commands sent through the frame to a real document window: cut, delete
// and select all, with their undo.
#include "hexview/commands/view_commands_win.h"

#include "hexview/view_fixture_win.h"

namespace {

using ViewCommands = ViewTest;

TEST_F(ViewCommands, CutDeleteAndSelectAll) {
  Open("0123456789");
  Command(IDM_DELETE);  // nothing selected: nothing happens
  EXPECT_EQ(UndoSteps(doc), 0);
  Key(view, VK_RIGHT, true, true);
  Key(view, VK_RIGHT, true, true);
  Command(IDM_CUT);
  EXPECT_EQ(DocumentBytes(view), "23456789");
  Command(IDM_SELECTALL);
  EXPECT_EQ(Where(doc), "caret 8 digit 0 area 0 anchor 0");
  Command(IDM_DELETE);
  EXPECT_EQ(DocumentBytes(view), "");
  Command(IDM_SELECTALL);  // empty: nothing to select
  EXPECT_EQ(Where(doc), "caret 0 digit 0 area 0 anchor -1");
  Command(IDM_UNDO);
  Command(IDM_UNDO);
  EXPECT_EQ(DocumentBytes(view), "0123456789");
  EXPECT_TRUE(run.messages().texts().empty());
}

}  // namespace
