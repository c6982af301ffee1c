// Converting a pattern between its numeric, Shift-JIS and UTF-16 forms.
#include "search/pattern_forms.h"

#include <algorithm>
#include <cstring>

namespace {

template <typename Char>
std::basic_string_view<Char> FieldPart(std::basic_string_view<Char> text) {
  return text.substr(0, std::min<size_t>(text.size(), kPatternFieldLimit));
}

// Fills the three texts from pattern.
void WriteTexts(PatternForms& forms, const PatternNumberFormat& format) {
  const ByteSequence& p = forms.pattern;
  forms.numeric = FormatByteSequence(p, format.radix, format.width, format.isSigned);
  const auto* begin = reinterpret_cast<const char*>(p.bytes);
  forms.ansi.assign(begin, std::find(begin, begin + p.count, '\0'));
  forms.unicode.clear();
  for (int i = 0; i + 1 < p.count; i += 2) {
    char16_t unit = static_cast<char16_t>(p.bytes[i] | (p.bytes[i + 1] << 8));
    if (unit == 0) break;
    forms.unicode.push_back(unit);
  }
}

}  // namespace

PatternNumberFormat PatternNumberFormatFor(int dataRadix) {
  switch (dataRadix) {
    case kRadixOctal:
      return {8, 0, false};
    case kRadixBinary:
      return {2, -8, false};
    case kRadixUnsigned:
      return {10, 0, false};
    case kRadixSigned:
      return {10, 0, true};
    default:
      return {16, -2, false};
  }
}

std::string PatternForms::numericFieldText() const { return numeric.substr(0, kPatternFieldLimit); }

PatternForms FormsOfBytes(const uint8_t* bytes, int count, const PatternNumberFormat& format) {
  PatternForms forms;
  forms.pattern.count = std::clamp(count, 0, kByteSequenceCapacity);
  if (forms.pattern.count > 0) std::memcpy(forms.pattern.bytes, bytes, static_cast<size_t>(forms.pattern.count));
  WriteTexts(forms, format);
  return forms;
}

PatternForms FormsFromNumeric(std::string_view text, const PatternNumberFormat& format) {
  PatternForms forms;
  std::string field(FieldPart(text));
  if (ParseByteSequence(field.c_str(), format.radix, format.isSigned, &forms.pattern) != 0) {
    forms.pattern.count = 0;
    forms.parsed = false;
    return forms;
  }
  WriteTexts(forms, format);
  return forms;
}

PatternForms FormsFromAnsi(std::string_view text, const PatternNumberFormat& format) {
  std::string_view field = FieldPart(text);
  return FormsOfBytes(reinterpret_cast<const uint8_t*>(field.data()), static_cast<int>(field.size()), format);
}

PatternForms FormsFromUnicode(std::u16string_view text, const PatternNumberFormat& format) {
  std::u16string_view field = FieldPart(text);
  size_t units = std::min<size_t>(field.size(), kByteSequenceCapacity / 2);
  uint8_t bytes[kByteSequenceCapacity];
  for (size_t i = 0; i < units; ++i) {
    bytes[2 * i] = static_cast<uint8_t>(field[i] & 0xFF);
    bytes[2 * i + 1] = static_cast<uint8_t>(field[i] >> 8);
  }
  PatternForms forms = FormsOfBytes(bytes, static_cast<int>(2 * units), format);
  forms.cut = units < field.size();
  return forms;
}

ByteSequence PatternOnOk(std::string_view numericFieldText, const PatternForms& current,
                         const PatternNumberFormat& format) {
  if (current.parsed && numericFieldText == current.numericFieldText()) return current.pattern;
  return FormsFromNumeric(numericFieldText, format).pattern;
}
