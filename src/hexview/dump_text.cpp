// Cell and ruler texts of the dump.
#include "hexview/dump_text.h"

#include "core/number_text.h"

int ByteCellText(uint8_t value, int dataRadix, char* text) {
  char buffer[40];
  switch (dataRadix) {
    case kRadixOctal: FormatNumber(value, buffer, 8, -3, false); break;
    case kRadixBinary: FormatNumber(value, buffer, 2, -8, false); break;
    case kRadixUnsigned: FormatNumber(value, buffer, 10, 3, false); break;
    case kRadixSigned: FormatNumber(static_cast<int8_t>(value), buffer, 10, 4, true); break;
    default: FormatNumber(value, buffer, 16, -2, false); break;
  }
  int n = 0;
  while (buffer[n] != '\0' && n < 8) {
    text[n] = buffer[n];
    ++n;
  }
  text[n] = '\0';
  return n;
}

std::string RulerText(const DumpGeometry& g, int addressRadix) {
  std::string ruler(static_cast<size_t>(g.Utf16End()), ' ');
  for (int c = 0; c < g.bytesPerLine; ++c) {
    char digit = kDigits[addressRadix == kAddressOctal ? c % 8 : c % 16];
    ruler[static_cast<size_t>(g.NumericColumn(c) + g.digits - 1)] = digit;
    ruler[static_cast<size_t>(g.AnsiColumn(c))] = digit;
    ruler[static_cast<size_t>(g.Utf16Column(c))] = digit;
  }
  return ruler;
}
