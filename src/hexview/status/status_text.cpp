// Status line text.
#include "hexview/status/status_text.h"

#include "core/display_types.h"
#include "core/number_text.h"

namespace {

// The value of n bytes (2 or 4) in the document's byte order.
uint32_t ValueAt(const uint8_t* bytes, int n, bool motorola) {
  uint32_t value = 0;
  for (int i = 0; i < n; ++i) {
    const int from = motorola ? i : n - 1 - i;
    value = (value << 8) | bytes[from];
  }
  return value;
}

std::string ValueText(uint32_t value, int bytes, int dataRadix) {
  if (dataRadix == kRadixSigned) {
    const int32_t v = bytes == 2 ? static_cast<int16_t>(value) : static_cast<int32_t>(value);
    return NumberText(v, 10, 0, true);
  }
  return NumberText(static_cast<int32_t>(value), RadixBase(dataRadix), 0, false);
}

}  // namespace

std::string StatusLineText(uint32_t options, int32_t caret, int32_t anchor, const uint8_t* bytes, int count) {
  const int address = AddressRadixOf(options);
  const int radix = DataRadixOf(options);
  std::string text = "ｱﾄﾞﾚｽ=" + AddressText(static_cast<uint32_t>(caret), address);
  if (anchor == -1) {
    if (radix == kRadixBinary || bytes == nullptr) return text;
    const bool motorola = (options & kOptMotorola) != 0;
    if (count >= 2) text += ",WORD=" + ValueText(ValueAt(bytes, 2, motorola), 2, radix);
    if (count == 4) text += ",DWORD=" + ValueText(ValueAt(bytes, 4, motorola), 4, radix);
    return text;
  }
  const int32_t lo = anchor < caret ? anchor : caret;
  const int32_t hi = anchor < caret ? caret : anchor;
  text += ",選択範囲 " + AddressText(static_cast<uint32_t>(lo), address) + " ... " +
          AddressText(static_cast<uint32_t>(hi - 1), address) + " (" +
          AddressText(static_cast<uint32_t>(hi - lo), address) + ")";
  return text;
}
