// The left button in a real document window: clicks on the areas' edges,
// Shift+click, and dragging below the window, which scrolls a line per message.
#include "hexview/input/mouse_input_win.h"

#include "hexview/view_fixture_win.h"

namespace {

using MouseInput = ViewTest;

TEST_F(MouseInput, ClicksOnTheSeparatorWithShiftAndDragsBelowTheWindow) {
  Open(std::string(16 * 40, 'm'), 0, kEntryOverwrite, 1000, 200);
  Click(view, ColumnX(view, 64), LineY(view, 1));  // separator column
  EXPECT_EQ(Where(doc), "caret 31 digit 0 area 1 anchor -1");
  Click(view, ColumnX(view, 4), LineY(view, 2));  // second digit of byte 1 of line 2
  EXPECT_EQ(Where(doc), "caret 33 digit 1 area 0 anchor -1");
  Click(view, ColumnX(view, 9), LineY(view, 0), MK_SHIFT);  // Shift+click selects from the caret
  EXPECT_EQ(Where(doc), "caret 3 digit 0 area 0 anchor 33");
  ButtonDown(view, ColumnX(view, 0), LineY(view, 0));
  EXPECT_TRUE(doc->anchor == -1 && GetCapture() == view);
  const int below = doc->clientHeight + 20;
  for (int i = 1; i <= 5; ++i) {
    Drag(view, ColumnX(view, 0), below);  // one line per message
    EXPECT_EQ(doc->scrollLine, i);
  }
  // The selection ends on the last row the client area shows.
  EXPECT_EQ(Where(doc), "caret " + std::to_string((5 + (doc->clientHeight - 1) / (2 * doc->charWidth) - 1) * 16) +
                            " digit 0 area 0 anchor 0");
  ButtonUp(view, 0, below);
  Drag(view, ColumnX(view, 0), below);  // no button capture: nothing
  EXPECT_TRUE(doc->scrollLine == 5 && GetCapture() == nullptr);
}

}  // namespace
