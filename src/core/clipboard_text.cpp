// Text forms of copied bytes.
#include "core/clipboard_text.h"

#include <cstdint>
#include <cstring>

#include "core/codepage.h"
#include "core/number_text.h"

namespace {

int CellWidth(int dataRadix) {
  int digits = DigitsPerValue(1, dataRadix);
  return digits == 0 ? 2 : digits;
}

}  // namespace

size_t NumericTextSize(int32_t count, int dataRadix) {
  if (count <= 0) return 1;
  size_t cell = static_cast<size_t>(CellWidth(dataRadix) + 1);
  if (static_cast<size_t>(count) > SIZE_MAX / cell) return SIZE_MAX;
  return static_cast<size_t>(count) * cell;
}

void WriteNumericText(const uint8_t* bytes, int32_t count, int dataRadix, char* out) {
  if (dataRadix < kRadixHex || dataRadix > kRadixSigned) dataRadix = kRadixHex;
  int width = CellWidth(dataRadix);
  bool decimal = dataRadix == kRadixUnsigned || dataRadix == kRadixSigned;
  bool isSigned = dataRadix == kRadixSigned;
  int radix = RadixBase(dataRadix);
  // Every byte value fits its cell, so each cell takes exactly width characters.
  char cell[40];
  char* p = out;
  for (int32_t i = 0; i < count; ++i) {
    int32_t v = isSigned ? static_cast<int32_t>(static_cast<int8_t>(bytes[i])) : bytes[i];
    FormatNumber(v, cell, radix, decimal ? width : -width, isSigned);
    std::memcpy(p, cell, static_cast<size_t>(width));
    p += width;
    *p++ = ' ';
  }
  if (p != out) --p;
  *p = '\0';
}

size_t CharacterTextSize(int32_t count) { return static_cast<size_t>(count < 0 ? 0 : count) + 1; }

void WriteCharacterText(const uint8_t* bytes, int32_t count, char* out) {
  if (count > 0) std::memcpy(out, bytes, static_cast<size_t>(count));
  out[count > 0 ? count : 0] = '\0';
}

size_t WideTextSize(int32_t count) {
  size_t n = static_cast<size_t>(count < 0 ? 0 : count);
  return (n + 1) / 2 * 2 + 2;
}

void WriteWideText(const uint8_t* bytes, int32_t count, uint8_t* out) {
  size_t n = static_cast<size_t>(count < 0 ? 0 : count);
  if (n > 0) std::memcpy(out, bytes, n);
  std::memset(out + n, 0, WideTextSize(count) - n);
}

std::string AnsiCopyOfWideText(const uint8_t* wide, size_t unitCount) {
  std::u16string units;
  for (size_t i = 0; i < unitCount; ++i) {
    char16_t u = static_cast<char16_t>(wide[2 * i] | (wide[2 * i + 1] << 8));
    if (u == 0) break;
    units.push_back(u);
  }
  return Utf16ToAnsi(units);
}
