// Cell and ruler texts of the dump.
#include "hexview/render/dump_text.h"

#include <cstring>

#include "core/clipboard_text.h"
#include "core/number_text.h"

int ByteCellText(uint8_t value, int dataRadix, char* text) {
  WriteNumericText(&value, 1, dataRadix, text);
  return static_cast<int>(std::strlen(text));
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
