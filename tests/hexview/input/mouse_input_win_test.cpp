// The left button in a real document window: clicks on the areas' edges and
// Shift+click.
#include "hexview/input/mouse_input_win.h"

#include "hexview/view_fixture_win.h"

namespace {

using MouseInput = ViewTest;

TEST_F(MouseInput, ClicksOnTheSeparatorOnADigitAndWithShift) {
  Open(std::string(16 * 40, 'm'), 0, kEntryOverwrite, 1000, 200);
  Click(view, ColumnX(view, 64), LineY(view, 1));  // separator column
  EXPECT_EQ(Where(doc), "caret 31 digit 0 area 1 anchor -1");
  Click(view, ColumnX(view, 4), LineY(view, 2));  // second digit of byte 1 of line 2
  EXPECT_EQ(Where(doc), "caret 33 digit 1 area 0 anchor -1");
  Click(view, ColumnX(view, 9), LineY(view, 0), MK_SHIFT);  // Shift+click selects from the caret
  EXPECT_EQ(Where(doc), "caret 3 digit 0 area 0 anchor 33");
  Click(view, ColumnX(view, 9), LineY(view, 1));
  EXPECT_TRUE(doc->anchor == -1 && GetCapture() == nullptr);
}

}  // namespace
