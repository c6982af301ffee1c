// A click on the picture: the caret goes to the clicked byte (or the end of the
// data), the digit to 0, and the dump scrolls to show it in the right column.
#include <gtest/gtest.h>

#include "imageview/image_click.h"

namespace {

// A hex view of 100,000 bytes, 16 per line, 50 columns and 20 lines on screen.
ViewMetrics Metrics() {
  ViewMetrics m;
  m.length = 100000;
  m.charWidth = 8;
  m.pageColumns = 50;
  m.pageLines = 20;
  m.lineCount = 6251;
  m.totalColumns = 82;
  return m;
}

TEST(ImageClick, CaretGoesToTheClickedByteAndTheDumpFollows) {
  CaretState s;
  s.caret = 7;
  s.digitIndex = 1;
  ImageClick click = ClickImage(s, Metrics(), 10, 2, 16);
  EXPECT_TRUE(click.changed);
  EXPECT_EQ(click.state.caret, 2314);
  EXPECT_EQ(click.state.digitIndex, 0);
  EXPECT_EQ(click.state.scrollLine, 125);  // line 144 becomes the last of 20 visible lines
  EXPECT_EQ(click.state.scrollColumn, 0);
  EXPECT_EQ(click.state.anchor, -1);

  s.activeColumn = kAreaUtf16;  // the ANSI cell of byte column 10 (column 58) is made visible
  click = ClickImage(s, Metrics(), 10, 2, 16);
  EXPECT_EQ(click.state.scrollColumn, 11);
  EXPECT_EQ(click.state.activeColumn, kAreaUtf16);
}

TEST(ImageClick, BelowTheDataAndUnchangedClicks) {
  ViewMetrics m = Metrics();
  m.length = 3000;
  m.lineCount = 188;
  CaretState s;
  ImageClick click = ClickImage(s, m, 0, 100, 0);
  EXPECT_EQ(click.state.caret, 3000);
  EXPECT_EQ(click.state.scrollLine, 168);

  CaretState same = click.state;
  EXPECT_FALSE(ClickImage(same, m, 5, 200, 0).changed);  // again below the data: nothing moves
  same.digitIndex = 1;
  EXPECT_TRUE(ClickImage(same, m, 5, 200, 0).changed);   // the digit index alone counts
}

}  // namespace
