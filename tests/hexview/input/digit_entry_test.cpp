// Digits typed into the numeric area: bit groups of hexadecimal and binary
// digits, insert versus overwrite, and the radixes that open the dialog.
#include "hexview/input/digit_entry.h"

#include <gtest/gtest.h>

#include "core/number_text.h"
#include "hexview/input/caret_entry_mode.h"

namespace {

struct DigitCase {
  const char* name;
  char ch;
  int radix, mode;
  int32_t caret, length;
  bool selection;
  int digitIndex;
  uint8_t byteAtCaret;
  // expected
  DigitEntryPlan::Action action;
  bool overwrite;
  uint8_t newByte;
  int digitIndexBefore;
  int modeBefore;
};

constexpr auto W = DigitEntryPlan::kWrite;
constexpr auto I = DigitEntryPlan::kIgnore;
constexpr auto D = DigitEntryPlan::kRadixDialog;

TEST(DigitEntry, Plans) {
  const DigitCase cases[] = {
      {"insert mode: first digit inserts its top nibble, digit entry begins", '4', kRadixHex, kEntryInsert, 0, 0,
       false, 0, 0, W, false, 0x40, 0, kEntryDigit},
      {"digit entry: second digit overwrites the low nibble", '1', kRadixHex, kEntryDigit, 0, 1, false, 1, 0x40, W,
       true, 0x41, 1, kEntryDigit},
      {"lowercase hexadecimal digit", 'a', kRadixHex, kEntryInsert, 3, 9, false, 0, 0x12, W, false, 0xA0, 0,
       kEntryDigit},
      {"overwrite mode, high nibble", '7', kRadixHex, kEntryOverwrite, 3, 9, false, 0, 0x5C, W, true, 0x7C, 0,
       kEntryOverwrite},
      {"overwrite mode, low nibble", 'F', kRadixHex, kEntryOverwrite, 3, 9, false, 1, 0x5C, W, true, 0x5F, 1,
       kEntryOverwrite},
      // Why: nothing to overwrite at the end of data, so the digit inserts a byte.
      {"overwrite mode at the end of data inserts", '7', kRadixHex, kEntryOverwrite, 9, 9, false, 0, 0, W, false,
       0x70, 0, kEntryOverwrite},
      {"overwrite mode with a selection replaces it", '7', kRadixHex, kEntryOverwrite, 3, 9, true, 1, 0x5C, W,
       false, 0x70, 0, kEntryOverwrite},
      {"insert mode with a selection replaces it and begins digit entry", '7', kRadixHex, kEntryInsert, 3, 9, true,
       0, 0x5C, W, false, 0x70, 0, kEntryDigit},
      {"not a hexadecimal digit", 'G', kRadixHex, kEntryInsert, 0, 0, false, 0, 0, I, false, 0, 0, kEntryInsert},
      {"binary 1 inserted is the top bit", '1', kRadixBinary, kEntryInsert, 0, 0, false, 0, 0, W, false, 0x80, 0,
       kEntryDigit},
      {"binary 7 is no digit", '7', kRadixBinary, kEntryInsert, 0, 0, false, 0, 0, I, false, 0, 0, kEntryInsert},
      {"binary overwrite of bit 4", '1', kRadixBinary, kEntryOverwrite, 0, 1, false, 3, 0x00, W, true, 0x10, 3,
       kEntryOverwrite},
      {"binary overwrite of the lowest bit", '0', kRadixBinary, kEntryDigit, 0, 1, false, 7, 0xFF, W, true, 0xFE, 7,
       kEntryDigit},
      {"octal digit opens the dialog", '7', kRadixOctal, kEntryInsert, 0, 0, false, 0, 0, D, false, 0, 0,
       kEntryInsert},
      {"8 is no octal digit", '8', kRadixOctal, kEntryInsert, 0, 0, false, 0, 0, I, false, 0, 0, kEntryInsert},
      {"unsigned decimal digit", '9', kRadixUnsigned, kEntryOverwrite, 0, 0, false, 0, 0, D, false, 0, 0,
       kEntryOverwrite},
      {"minus in unsigned decimal", '-', kRadixUnsigned, kEntryOverwrite, 0, 0, false, 0, 0, I, false, 0, 0,
       kEntryOverwrite},
      {"minus in signed decimal", '-', kRadixSigned, kEntryOverwrite, 0, 0, false, 0, 0, D, false, 0, 0,
       kEntryOverwrite},
      {"A in signed decimal", 'A', kRadixSigned, kEntryOverwrite, 0, 0, false, 0, 0, I, false, 0, 0,
       kEntryOverwrite},
  };
  for (const DigitCase& c : cases) {
    DigitEntryPlan p =
        PlanDigitEntry(c.ch, c.radix, c.mode, c.caret, c.length, c.selection, c.digitIndex, c.byteAtCaret);
    EXPECT_EQ(p.action, c.action) << c.name;
    if (p.action != DigitEntryPlan::kWrite) continue;
    EXPECT_EQ(p.overwrite, c.overwrite) << c.name;
    EXPECT_EQ(p.newByte, c.newByte) << c.name;
    EXPECT_EQ(p.digitIndex, c.digitIndexBefore) << c.name;
    EXPECT_EQ(p.entryMode, c.modeBefore) << c.name;
  }
}

TEST(DigitEntry, DigitEntryEndsWhenTheCaretLeavesTheByte) {
  EXPECT_EQ(EntryModeAfterDigit(kEntryDigit, 1), kEntryDigit);
  EXPECT_EQ(EntryModeAfterDigit(kEntryDigit, 0), kEntryInsert);
  EXPECT_EQ(EntryModeAfterDigit(kEntryOverwrite, 0), kEntryOverwrite);
  EXPECT_EQ(ToggledEntryMode(kEntryDigit), kEntryInsert);  // a digit entry counts as overwrite
}

}  // namespace
