// Digit entry: bit groups for hexadecimal and binary, the dialog for the rest.
#include "hexview/input/digit_entry.h"

#include "core/codepage.h"
#include "core/number_text.h"
#include "hexview/input/caret_entry_mode.h"

namespace {

// Value of ch among the first base digits of the alphabet, or -1.
int DigitValue(char ch, int base) {
  const unsigned char upper = UpperAnsiChar(static_cast<unsigned char>(ch));
  for (int i = 0; i < base; ++i)
    if (kDigits[i] == static_cast<char>(upper)) return i;
  return -1;
}

}  // namespace

DigitEntryPlan PlanDigitEntry(char ch, int dataRadix, int entryMode, int32_t caret, int32_t length,
                              bool hasSelection, int digitIndex, uint8_t byteAtCaret) {
  DigitEntryPlan plan;
  plan.digitIndex = digitIndex;
  plan.entryMode = entryMode;
  const int base = RadixBase(dataRadix);
  const int value = DigitValue(ch, base);
  if (value < 0) {
    if (ch == '-' && dataRadix == kRadixSigned) plan.action = DigitEntryPlan::kRadixDialog;
    return plan;
  }
  if (dataRadix != kRadixHex && dataRadix != kRadixBinary) {
    plan.action = DigitEntryPlan::kRadixDialog;
    return plan;
  }
  const int digits = DigitsPerValue(1, dataRadix);
  const int bits = 8 / digits;
  const unsigned groupMask = (1u << bits) - 1;
  plan.action = DigitEntryPlan::kWrite;
  if (entryMode != kEntryInsert && caret < length && !hasSelection) {
    const int index = digitIndex < 0 ? 0 : digitIndex >= digits ? digits - 1 : digitIndex;
    const int shift = (digits - index - 1) * bits;
    plan.overwrite = true;
    plan.digitIndex = index;
    const unsigned kept = byteAtCaret & ~(groupMask << shift);
    plan.newByte = static_cast<uint8_t>(kept | (static_cast<unsigned>(value) << shift));
  } else {
    plan.digitIndex = 0;
    plan.newByte = static_cast<uint8_t>(static_cast<unsigned>(value) << ((digits - 1) * bits));
    if (entryMode == kEntryInsert) plan.entryMode = kEntryDigit;
  }
  return plan;
}

int EntryModeAfterDigit(int entryMode, int digitIndexAfter) {
  return entryMode == kEntryDigit && digitIndexAfter == 0 ? kEntryInsert : entryMode;
}
