// The go-to entry: absolute and relative targets, their limits and the spin.
#include "hexview/dialogs/goto_address.h"

#include <gtest/gtest.h>

#include <tuple>

namespace {

TEST(GoToAddress, EntriesTheirTargetsAndTheInitialText) {
  struct Row {
    const char* why;
    const char* text;
    int base;
    int32_t caret, length;
    bool relative;
    int64_t target;
    bool allowed;
  };
  const Row rows[] = {
      {"+10 hexadecimal is 16 forward", "+10", 16, 0x20, 0x100, true, 0x30, true},
      {"absolute", "80", 16, 0x20, 0x100, false, 0x80, true},
      {"the end of data is allowed", "100", 16, 0, 0x100, false, 0x100, true},
      {"past the end", "101", 16, 0, 0x100, false, 0x101, false},
      {"before the start", "-21", 16, 0x20, 0x100, true, -1, false},
      {"decimal addresses", "+10", 10, 5, 100, true, 15, true},
      {"largest number far past the end", "FFFFFFFF", 16, 0, 0x100, false, 0xFFFFFFFFll, false},
      {"relative largest number does not wrap", "+FFFFFFFF", 16, 0x7FFFFFFF, 0x7FFFFFFF, true,
       0x7FFFFFFFll + 0xFFFFFFFFll, false},
  };
  EXPECT_EQ(GoToInitialText(0x1F, 16) + " " + GoToInitialText(0, 10) + " " + GoToInitialText(64, 8), "1F 0 100");
  for (const char* t : {"", "+", "-", "1G", "8", "+-1", "100000000"})  // unparsed: OK stays disabled
    EXPECT_FALSE(GoToTargetAllowed(ParseGoToEntry(t, t[0] == '8' ? 8 : 16, 0), 0x1000)) << t;
  for (const Row& r : rows) {
    GoToEntry e = ParseGoToEntry(r.text, r.base, r.caret);
    EXPECT_EQ(std::make_tuple(e.parsed, e.relative, e.target, GoToTargetAllowed(e, r.length)),
              std::make_tuple(true, r.relative, r.target, r.allowed))
        << r.why;
  }
}

// The spin on a document of 0x20 bytes: up, down across the caret (4), stopped at 0, and an
// out-of-range entry pulled back to the end.
TEST(GoToAddress, SpinMovesTheTargetAndStopsAtBothEnds) {
  EXPECT_EQ(SpinGoToText("F", 16, 0, 0x20, +1) + " " + SpinGoToText("+0", 16, 4, 0x20, -1) + " " +
                SpinGoToText("-4", 16, 4, 0x20, -1) + " " + SpinGoToText("50", 16, 0, 0x20, -1),
            "10 -1 -4 20");
}

}  // namespace
