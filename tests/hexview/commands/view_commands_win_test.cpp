// Edit commands sent through the frame to a real document window: delete line,
// cut, delete and select all, with their undo.
#include "hexview/commands/view_commands_win.h"

#include "hexview/view_fixture_win.h"

namespace {

using ViewCommands = ViewTest;

std::string Counting(int n) {
  std::string s;
  for (int i = 0; i < n; ++i) s += static_cast<char>(i);
  return s;
}

TEST_F(ViewCommands, DeleteLineTakesTheCaretsLineOrTheSelection) {
  Open(Counting(40));
  Key(view, VK_END, true);
  Key(view, VK_LEFT, true);  // offset 39 on the partial third line
  Command(IDM_DELETELINE);
  EXPECT_EQ(DocumentBytes(view), Counting(32));
  Command(IDM_DELETELINE);  // at the end of a 32-byte file: the second line
  EXPECT_EQ(DocumentBytes(view), Counting(16));
  EXPECT_EQ(doc->caret, 16);
  Key(view, VK_HOME, true);
  Key(view, VK_RIGHT, true, true);
  Key(view, VK_RIGHT, true, true);
  Command(IDM_DELETELINE);  // the selection [0, 2)
  EXPECT_EQ(DocumentBytes(view), Counting(16).substr(2));
  EXPECT_EQ(doc->anchor, -1);
  Key(view, VK_RIGHT, true);
  Command(IDM_DELETELINE);  // the caret's line, whole
  EXPECT_EQ(DocumentBytes(view), "");
  Command(IDM_DELETELINE);  // empty document: nothing
  EXPECT_EQ(UndoSteps(doc), 4);
  Command(IDM_UNDO);
  EXPECT_EQ(DocumentBytes(view), Counting(16).substr(2));
}

TEST_F(ViewCommands, CutDeleteAndSelectAll) {
  Open("0123456789");
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

}  // namespace
