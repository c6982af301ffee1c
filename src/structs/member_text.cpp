// Member value text: formatting and parsing of structure member values.
#include "structs/member_text.h"

#include <algorithm>
#include <cstring>

#include "core/codepage.h"
#include "core/number_text.h"

namespace {

// Longest Shift-JIS text a UNICODE string gives when formatted as ANSI text.
constexpr size_t kMaxConvertedBytes = 2048;

struct NumberStyle {
  int radix;  // data radix code 0..4
  int base;
  bool isSigned;
};

NumberStyle StyleOf(const StructureMember& member) {
  int radix = MemberRadixOf(member.viewFlags);
  if (radix > kRadixSigned) radix = kRadixHex;
  return {radix, RadixBase(radix), radix == kRadixSigned};
}

// Zero padding to the digit count for hexadecimal, octal and binary; none for decimals.
int WidthFor(const NumberStyle& style, int unitBytes) {
  return style.base == 10 ? 0 : -DigitsPerValue(unitBytes, style.radix);
}

size_t ByteCountOf(const StructureMember& member) {
  return member.byteCount > 0 ? static_cast<size_t>(member.byteCount) : 0;
}

// The byte count as a width factor: 0 to kMaxMemberBytes.
int WidthCount(const StructureMember& member) {
  return static_cast<int>(std::min<size_t>(ByteCountOf(member), kMaxMemberBytes));
}

bool IsUnicode(const StructureMember& member) { return (member.viewFlags & kMemberUnicode) != 0; }

std::string FormatInteger(const StructureMember& member, const uint8_t* bytes, int size) {
  uint8_t value[4] = {};
  int available = std::min<int>(size, static_cast<int>(ByteCountOf(member)));
  if (available > 0) std::memcpy(value, bytes, static_cast<size_t>(available));
  if (member.viewFlags & kMemberMotorola) std::reverse(value, value + size);
  uint32_t raw = static_cast<uint32_t>(value[0]) | (static_cast<uint32_t>(value[1]) << 8) |
                 (static_cast<uint32_t>(value[2]) << 16) | (static_cast<uint32_t>(value[3]) << 24);
  NumberStyle style = StyleOf(member);
  int32_t v = static_cast<int32_t>(raw);
  if (style.isSigned) {
    if (size == 1) v = static_cast<int8_t>(raw);
    if (size == 2) v = static_cast<int16_t>(raw);
  }
  return NumberText(v, style.base, WidthFor(style, size), style.isSigned);
}

// The string's UTF-16 units up to the first zero unit; a last odd byte is the low
// half of one more unit.
std::u16string UnitsOf(const uint8_t* bytes, size_t count, bool withOddByte) {
  std::u16string units;
  size_t end = withOddByte ? count : count & ~static_cast<size_t>(1);
  for (size_t i = 0; i < end; i += 2) {
    char16_t u = static_cast<char16_t>(bytes[i] | (i + 1 < count ? bytes[i + 1] << 8 : 0));
    if (u == 0) break;
    units.push_back(u);
  }
  return units;
}

// Cuts Shift-JIS text to at most limit bytes without splitting a character.
std::string CutText(const std::string& text, size_t limit) {
  if (text.size() <= limit) return text;
  size_t end = 0;
  while (end < text.size()) {
    size_t step = IsLeadByte(static_cast<unsigned char>(text[end])) ? 2 : 1;
    if (end + step > limit) break;
    end += step;
  }
  return text.substr(0, end);
}

void StoreInteger(const StructureMember& member, const std::string& text, int size, std::vector<uint8_t>& out) {
  NumberStyle style = StyleOf(member);
  int32_t v = 0;
  ParseNumber(text.c_str(), style.base, style.isSigned, &v);
  uint8_t value[4];
  for (int i = 0; i < 4; ++i) value[i] = static_cast<uint8_t>(static_cast<uint32_t>(v) >> (8 * i));
  if (member.viewFlags & kMemberMotorola) std::reverse(value, value + size);
  size_t n = std::min(out.size(), static_cast<size_t>(size));
  if (n > 0) std::memcpy(out.data(), value, n);
}

void StoreSequence(const StructureMember& member, const std::string& text, std::vector<uint8_t>& out) {
  NumberStyle style = StyleOf(member);
  size_t next = 0;
  size_t pos = 0;
  while (next < out.size()) {
    pos = text.find_first_not_of(" ,.", pos);
    if (pos == std::string::npos) break;
    size_t end = text.find_first_of(" ,.", pos);
    std::string token = text.substr(pos, end == std::string::npos ? std::string::npos : end - pos);
    int32_t v = 0;
    ParseNumber(token.c_str(), style.base, style.isSigned, &v);
    out[next++] = static_cast<uint8_t>(v & 0xFF);
    if (end == std::string::npos) break;
    pos = end;
  }
}

void StoreUnits(const std::u16string& units, std::vector<uint8_t>& out) {
  for (size_t i = 0; i < units.size() && 2 * i < out.size(); ++i) {
    out[2 * i] = static_cast<uint8_t>(units[i] & 0xFF);
    if (2 * i + 1 < out.size()) out[2 * i + 1] = static_cast<uint8_t>(units[i] >> 8);
  }
}

}  // namespace

MemberValueText FormatMemberValue(const StructureMember& member, const uint8_t* bytes, bool utf16) {
  MemberValueText result;
  size_t count = ByteCountOf(member);
  uint32_t kind = MemberKindOf(member.viewFlags);
  switch (kind) {
    case kMemberByte:
    case kMemberWord:
    case kMemberDword:
      result.ansi = FormatInteger(member, bytes, IntegerMemberSize(kind));
      break;
    case kMemberString:
      if (!IsUnicode(member)) {
        const void* zero = count > 0 ? std::memchr(bytes, 0, count) : nullptr;
        size_t length = zero ? static_cast<size_t>(static_cast<const uint8_t*>(zero) - bytes) : count;
        if (length > 0) result.ansi.assign(reinterpret_cast<const char*>(bytes), length);
      } else if (utf16) {
        result.isUtf16 = true;
        result.utf16 = UnitsOf(bytes, count, true);
      } else {
        result.ansi = CutText(Utf16ToAnsi(UnitsOf(bytes, count, false)), kMaxConvertedBytes);
      }
      break;
    case kMemberSequence: {
      NumberStyle style = StyleOf(member);
      result.ansi = FormatByteSequence(bytes, static_cast<int>(count), style.base, WidthFor(style, 1), style.isSigned);
      break;
    }
    default:
      break;
  }
  return result;
}

std::vector<uint8_t> ParseMemberValue(const StructureMember& member, std::string_view text) {
  std::vector<uint8_t> out(ByteCountOf(member), 0);
  uint32_t kind = MemberKindOf(member.viewFlags);
  switch (kind) {
    case kMemberByte:
    case kMemberWord:
    case kMemberDword:
      StoreInteger(member, std::string(text), IntegerMemberSize(kind), out);
      break;
    case kMemberString:
      if (IsUnicode(member)) {
        std::u16string units = AnsiToUtf16(text);
        units.push_back(u'\0');
        StoreUnits(units, out);
      } else {
        size_t n = std::min(out.size(), text.size());
        if (n > 0) std::memcpy(out.data(), text.data(), n);
      }
      break;
    case kMemberSequence:
      StoreSequence(member, std::string(text), out);
      break;
    default:
      break;
  }
  return out;
}

std::vector<uint8_t> ParseMemberValue(const StructureMember& member, std::u16string_view text) {
  if (IsUnicodeString(member)) {
    std::vector<uint8_t> out(ByteCountOf(member), 0);
    StoreUnits(std::u16string(text), out);
    return out;
  }
  return ParseMemberValue(member, std::string_view(Utf16ToAnsi(text)));
}

int MemberDisplayWidth(const StructureMember& member) {
  uint32_t kind = MemberKindOf(member.viewFlags);
  int radix = StyleOf(member).radix;
  switch (kind) {
    case kMemberByte:
    case kMemberWord:
    case kMemberDword: return DigitsPerValue(IntegerMemberSize(kind), radix);
    case kMemberString: return WidthCount(member);
    case kMemberSequence: return std::max(0, (DigitsPerValue(1, radix) + 1) * WidthCount(member) - 1);
    default: return 0;
  }
}

int MemberEditLimit(const StructureMember& member, bool utf16EditBox) {
  // Only strings typed as UTF-16 and sequences (room for a last separator) differ from the display width.
  switch (MemberKindOf(member.viewFlags)) {
    case kMemberString: return utf16EditBox ? (WidthCount(member) + 1) / 2 : WidthCount(member);
    case kMemberSequence: return (DigitsPerValue(1, StyleOf(member).radix) + 1) * WidthCount(member);
    default: return MemberDisplayWidth(member);
  }
}
