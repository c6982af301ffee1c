// Go-to entries.
#include "hexview/dialogs/goto_address.h"

#include "core/number_text.h"

int AddressRadixBase(int addressRadix) {
  return addressRadix == kAddressDecimal ? 10 : addressRadix == kAddressOctal ? 8 : 16;
}

GoToEntry ParseGoToEntry(const char* text, int base, int32_t caret) {
  GoToEntry entry;
  bool negative = false;
  if (text[0] == '+' || text[0] == '-') {
    entry.relative = true;
    negative = text[0] == '-';
    ++text;
  }
  int32_t value = 0;
  entry.parsed = ParseNumber(text, base, false, &value) == 0;
  int64_t distance = static_cast<uint32_t>(value);
  if (negative) distance = -distance;
  entry.target = entry.relative ? caret + distance : distance;
  return entry;
}

bool GoToTargetAllowed(const GoToEntry& entry, int32_t length) {
  return entry.parsed && entry.target >= 0 && entry.target <= length;
}

std::string GoToInitialText(int32_t caret, int base) { return NumberText(caret, base, 0, false); }

std::string SpinGoToText(const char* text, int base, int32_t caret, int32_t length, int delta) {
  GoToEntry entry = ParseGoToEntry(text, base, caret);
  int64_t target = entry.target + (delta > 0 ? 1 : delta < 0 ? -1 : 0);
  if (target < 0) target = 0;
  if (target > length) target = length;
  if (!entry.relative) return NumberText(static_cast<int32_t>(target), base, 0, false);
  int64_t distance = target - caret;
  std::string sign = distance < 0 ? "-" : "+";
  if (distance < 0) distance = -distance;
  return sign + NumberText(static_cast<int32_t>(distance), base, 0, false);
}
