// The right-margin dialog's rules apart from the dialog (which the Windows tests
// drive): the numbers the edit box may hold, and a structure wider than 512 cells.
#include <gtest/gtest.h>

#include "print/right_margin.h"

namespace {

TEST(RightMargin, OnlySignedDecimalNumbersInTheRangeAreAccepted) {
  const MarginRequest r = MarginRequestFor(92, 171);
  const struct {
    const char* text;
    bool ok;
  } cases[] = {
      {" 100 ", true}, {"+100", true}, {"-92", false},  {"", false},  {" ", false},
      {"abc", false},  {"1O0", false}, {"10 0", false}, {"-", false}, {"9999999999", false},
  };
  for (const auto& c : cases) EXPECT_EQ(MarginTextAcceptable(r, c.text), c.ok) << "'" << c.text << "'";
  int32_t value = 0;
  EXPECT_TRUE(ParseMarginText("-12", &value) && value == -12);
  EXPECT_EQ(SpinMargin(r, "", 1), 92);                    // no number counts as 0
  const MarginRequest wide = MarginRequestFor(700, 171);  // stays printable: the maximum grows
  EXPECT_EQ(LimitMargin(wide, wide.value), 700);
  EXPECT_EQ(wide.maximum, 700);
}

}  // namespace
