// Digits typed into the numeric area: bit groups of hexadecimal and binary
// digits, insert versus overwrite, and the radixes that open the dialog.
#include "hexview/input/digit_entry.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <string>

#include "core/number_text.h"
#include "hexview/input/caret_entry_mode.h"

namespace {

// A plan as "ignore", "dialog", or "insert|overwrite XX digit D mode M" (the digit
// and entry mode set before the edit).
std::string Describe(const DigitEntryPlan& p) {
  if (p.action != DigitEntryPlan::kWrite) return p.action == DigitEntryPlan::kIgnore ? "ignore" : "dialog";
  char text[48];
  std::snprintf(text, sizeof text, "%s %02X digit %d mode %d", p.overwrite ? "overwrite" : "insert", p.newByte,
                p.digitIndex, p.entryMode);
  return text;
}

TEST(DigitEntry, Plans) {
  constexpr int Ins = kEntryInsert, Ovr = kEntryOverwrite, Dig = kEntryDigit;
  const struct {
    const char* why;
    char ch;
    int radix, mode;
    int32_t caret, length;
    int digitIndex;
    uint8_t byteAtCaret;
    const char* plan;
  } cases[] = {
      {"insert: the top nibble, digit entry on", '4', kRadixHex, Ins, 0, 0, 0, 0, "insert 40 digit 0 mode 2"},
      {"overwrite mode, low nibble", 'F', kRadixHex, Ovr, 3, 9, 1, 0x5C, "overwrite 5F digit 1 mode 1"},
      {"nothing to overwrite at the end of data", '7', kRadixHex, Ovr, 9, 9, 0, 0, "insert 70 digit 0 mode 1"},
      {"binary 1 inserted is the top bit", '1', kRadixBinary, Ins, 0, 0, 0, 0, "insert 80 digit 0 mode 2"},
      {"binary, the lowest bit", '0', kRadixBinary, Dig, 0, 1, 7, 0xFF, "overwrite FE digit 7 mode 2"},
      {"an octal digit opens the dialog", '7', kRadixOctal, Ins, 0, 0, 0, 0, "dialog"},
      {"minus in signed decimal", '-', kRadixSigned, Ovr, 0, 0, 0, 0, "dialog"},
  };
  for (const auto& c : cases) {
    DigitEntryPlan plan = PlanDigitEntry(c.ch, c.radix, c.mode, c.caret, c.length, false, c.digitIndex, c.byteAtCaret);
    EXPECT_EQ(Describe(plan), c.plan) << c.why;
  }
}

TEST(DigitEntry, DigitEntryEndsWhenTheCaretLeavesTheByte) {
  EXPECT_EQ(EntryModeAfterDigit(kEntryDigit, 1), kEntryDigit);
  EXPECT_EQ(EntryModeAfterDigit(kEntryDigit, 0), kEntryInsert);
  EXPECT_EQ(ToggledEntryMode(kEntryDigit), kEntryInsert);  // a digit entry counts as overwrite
}

}  // namespace
