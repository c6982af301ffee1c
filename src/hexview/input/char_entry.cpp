// Characters typed into a hex view, ANSI and UTF-16 windows alike.
#include "hexview/input/char_entry.h"

#include <string>

#include "core/codepage.h"
#include "hexview/input/caret_geometry.h"

namespace {

CharEntry Ignore() { return CharEntry{}; }

CharEntry Digit(unsigned code) {
  CharEntry e;
  e.action = CharEntry::kDigit;
  e.digit = static_cast<char>(code);
  return e;
}

CharEntry AnsiBytes(const std::string& text) {
  CharEntry e;
  if (text.empty() || text.size() > 2) return e;
  e.action = CharEntry::kBytes;
  e.count = static_cast<int>(text.size());
  for (int i = 0; i < e.count; ++i) e.bytes[i] = static_cast<uint8_t>(text[static_cast<size_t>(i)]);
  return e;
}

CharEntry Utf16Bytes(const std::u16string& units) {
  CharEntry e;
  if (units.empty() || units.size() > 2) return e;
  e.action = CharEntry::kBytes;
  for (char16_t u : units) {
    e.bytes[e.count++] = static_cast<uint8_t>(u & 0xFF);
    e.bytes[e.count++] = static_cast<uint8_t>(u >> 8);
  }
  return e;
}

}  // namespace

bool IsTypeableSingleByte(unsigned code) { return (code >= 0x20 && code <= 0x7E) || (code >= 0xA0 && code <= 0xDF); }

CharEntry TakeCharacter(unsigned code, bool unicodeWindow, int activeColumn, uint8_t& pendingLeadByte) {
  if (unicodeWindow) {
    const char16_t unit = static_cast<char16_t>(code & 0xFFFF);
    if (unit < 0x80 && !IsTypeableSingleByte(unit)) return Ignore();
    if (activeColumn == kAreaNumeric) return unit < 0x80 ? Digit(unit) : Ignore();
    if (activeColumn == kAreaAnsi) return AnsiBytes(Utf16ToAnsi(std::u16string(1, unit)));
    return Utf16Bytes(std::u16string(1, unit));
  }

  const unsigned char byte = static_cast<unsigned char>(code & 0xFF);
  if (pendingLeadByte == 0) {
    if (IsLeadByte(byte)) {
      pendingLeadByte = byte;
      CharEntry e;
      e.action = CharEntry::kPending;
      return e;
    }
    if (!IsTypeableSingleByte(byte)) return Ignore();
    if (activeColumn == kAreaNumeric) return Digit(byte);
    const std::string single(1, static_cast<char>(byte));
    return activeColumn == kAreaAnsi ? AnsiBytes(single) : Utf16Bytes(AnsiToUtf16(single));
  }

  const char pair[2] = {static_cast<char>(pendingLeadByte), static_cast<char>(byte)};
  pendingLeadByte = 0;
  if (activeColumn == kAreaNumeric) return Ignore();
  const std::string text(pair, 2);
  return activeColumn == kAreaAnsi ? AnsiBytes(text) : Utf16Bytes(AnsiToUtf16(text));
}
