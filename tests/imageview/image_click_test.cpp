// A click on the picture: the digit goes to 0 and the dump scrolls to show the
// clicked byte in the column the caret is active in. (The caret itself is
// checked on real windows.)
#include <gtest/gtest.h>

#include "imageview/image_click.h"

namespace {

TEST(ImageClick, TheDumpFollowsTheCaretInItsColumn) {
  // 100,000 bytes, 16 per line, 50 columns and 20 lines on screen
  const ViewMetrics m{.length = 100000, .charWidth = 8, .pageColumns = 50, .pageLines = 20, .lineCount = 6251,
                      .totalColumns = 82};
  CaretState s;
  s.digitIndex = 1;
  const ImageClick click = ClickImage(s, m, 10, 2, 16);
  EXPECT_EQ(click.state.digitIndex, 0);
  EXPECT_EQ(click.state.scrollLine, 125);  // line 144 becomes the last of 20 visible lines
  EXPECT_EQ(click.state.scrollColumn, 0);
  s.activeColumn = kAreaUtf16;  // the ANSI cell of byte column 10 (column 58) is made visible
  EXPECT_EQ(ClickImage(s, m, 10, 2, 16).state.scrollColumn, 11);
  s = click.state;
  s.digitIndex = 1;
  EXPECT_TRUE(ClickImage(s, m, 10, 2, 16).changed);  // on the caret's own byte the digit index alone counts
}

}  // namespace
