// The right-margin dialog's rules: the range it allows, the value it opens
// with, when OK is enabled and what the spin does.
#include <gtest/gtest.h>

#include "print/right_margin.h"

namespace {

TEST(RightMargin, RequestOpensWithTheStoredMarginLimitedToTheRange) {
  MarginRequest r = MarginRequestFor(92, 171);  // hexadecimal data, hexadecimal addresses
  EXPECT_EQ(r.minimum, 92);
  EXPECT_EQ(r.maximum, 512);
  EXPECT_EQ(LimitMargin(r, r.value), 171);
  EXPECT_EQ(LimitMargin(r, 50), 92);  // a stored margin below the printout's minimum
  EXPECT_EQ(LimitMargin(r, 600), 512);
  MarginRequest wide = MarginRequestFor(700, 171);  // a structure wider than 512 cells stays printable
  EXPECT_EQ(wide.maximum, 700);
  EXPECT_EQ(LimitMargin(wide, wide.value), 700);
}

TEST(RightMargin, OkIsEnabledExactlyForNumbersInTheRange) {
  MarginRequest r = MarginRequestFor(92, 171);
  const struct {
    const char* text;
    bool ok;
  } cases[] = {
      {"92", true},  {"512", true}, {"171", true}, {" 100 ", true}, {"+100", true}, {"91", false},
      {"513", false}, {"0", false},  {"-92", false}, {"", false},     {" ", false},   {"abc", false},
      {"1O0", false}, {"10 0", false}, {"-", false},
  };
  for (const auto& c : cases) EXPECT_EQ(MarginTextAcceptable(r, c.text), c.ok) << "'" << c.text << "'";
  int32_t value = 0;
  EXPECT_TRUE(ParseMarginText("-12", &value));
  EXPECT_EQ(value, -12);
  EXPECT_FALSE(ParseMarginText("9999999999", &value));
  EXPECT_EQ(value, -12);
}

TEST(RightMargin, SpinStepsAndStaysInTheRange) {
  MarginRequest r = MarginRequestFor(92, 171);
  EXPECT_EQ(SpinMargin(r, "171", 1), 172);
  EXPECT_EQ(SpinMargin(r, "171", -1), 170);
  EXPECT_EQ(SpinMargin(r, "512", 1), 512);
  EXPECT_EQ(SpinMargin(r, "92", -1), 92);
  EXPECT_EQ(SpinMargin(r, "300", 0), 300);  // other scroll codes keep the number
  EXPECT_EQ(SpinMargin(r, "91", 0), 92);
  EXPECT_EQ(SpinMargin(r, "", 1), 92);      // no number counts as 0
}

}  // namespace
