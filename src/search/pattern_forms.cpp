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
  static_cast<PatternTexts&>(forms) = TextsOfBytes(forms.pattern.bytes, forms.pattern.count, format);
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

PatternTexts TextsOfBytes(const uint8_t* bytes, int count, const PatternNumberFormat& format) {
  PatternTexts texts;
  if (count <= 0) return texts;
  texts.numeric = FormatByteSequence(bytes, count, format.radix, format.width, format.isSigned);
  const auto* begin = reinterpret_cast<const char*>(bytes);
  texts.ansi.assign(begin, std::find(begin, begin + count, '\0'));
  for (int i = 0; i + 1 < count; i += 2) {
    char16_t unit = static_cast<char16_t>(bytes[i] | (bytes[i + 1] << 8));
    if (unit == 0) break;
    texts.unicode.push_back(unit);
  }
  return texts;
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
