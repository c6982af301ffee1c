// The radix input's value.
#include "hexview/dialogs/radix_value.h"

#include <climits>

#include "core/number_text.h"

RadixChoice DecodeRadixCode(int32_t code) {
  RadixChoice c;
  uint32_t bits = static_cast<uint32_t>(code);
  c.radix = static_cast<int>(bits & 7);
  c.unit = static_cast<int>((bits >> 3) & 3);
  c.order = static_cast<int>((bits >> 5) & 1);
  if (code < 0 || code > 63) return RadixChoice{};
  if (c.radix >= kRadixChoiceCount) c.radix = 0;
  if (c.unit > kUnitDword) c.unit = 0;
  return c;
}

int32_t EncodeRadixCode(const RadixChoice& choice) {
  return (choice.radix & 7) | ((choice.unit & 3) << 3) | ((choice.order & 1) << 5);
}

int UnitByteCount(int unit) { return unit == kUnitWord ? 2 : unit == kUnitDword ? 4 : 1; }

int ParseRadixText(const char* text, int radix, int32_t* value) {
  bool isSigned = radix == kRadixChoiceSigned;
  int result = ParseNumber(text, RadixBase(radix), isSigned, value);
  if (result == 0 || !isSigned) return result;
  // ParseNumber takes magnitudes below 2^31 after "-"; the smallest signed
  // DWORD, which the spin itself reaches, must still be a valid entry.
  const char* p = text;
  while (*p == ' ') ++p;
  int32_t magnitude = 0;
  if (p[0] == '-' && p[1] >= '0' && p[1] <= '9' && ParseNumber(p + 1, 10, false, &magnitude) == 0 &&
      static_cast<uint32_t>(magnitude) == 0x80000000u) {
    *value = INT32_MIN;
    return 0;
  }
  return result;
}

void RadixValueBytes(int32_t value, int unit, int order, uint8_t out[4]) {
  uint32_t v = static_cast<uint32_t>(value);
  for (int i = 0; i < 4; ++i) out[i] = static_cast<uint8_t>(v >> (8 * i));
  if (order != kOrderMotorola) return;
  int n = UnitByteCount(unit);
  for (int i = 0; i < n / 2; ++i) {
    uint8_t t = out[i];
    out[i] = out[n - 1 - i];
    out[n - 1 - i] = t;
  }
}

std::string SpinRadixText(const char* text, int radix, int delta) {
  int32_t value = 0;
  ParseRadixText(text, radix, &value);
  bool isSigned = radix == kRadixChoiceSigned;
  if (isSigned) {
    if (delta > 0 && value != INT32_MAX) ++value;
    if (delta < 0 && value != INT32_MIN) --value;
  } else {
    uint32_t u = static_cast<uint32_t>(value);
    if (delta > 0 && u != UINT32_MAX) ++u;
    if (delta < 0 && u != 0) --u;
    value = static_cast<int32_t>(u);
  }
  return NumberText(value, RadixBase(radix), 0, isSigned);
}
