// The three forms of a find or replace pattern kept in step: numbers in the
// document's data radix, Shift-JIS text and UTF-16LE text.
#pragma once

#include <string>
#include <string_view>

#include "core/number_text.h"

// Characters a pattern field (combo box) holds.
inline constexpr int kPatternFieldLimit = 127;

// How the numeric field writes and reads the bytes.
struct PatternNumberFormat {
  int radix;
  int width;
  bool isSigned;
};

// The pattern-field format of a data radix code: hexadecimal 16/-2, octal 8/0,
// binary 2/-8, unsigned decimal 10/0, all unsigned; signed decimal 10/0 signed.
// Codes outside 0..4 give the hexadecimal format.
PatternNumberFormat PatternNumberFormatFor(int dataRadix);

// Which of the three fields.
enum PatternField : int {
  kPatternNumeric = 0,
  kPatternAnsi = 1,
  kPatternUnicode = 2,
};

// The three texts of a run of bytes.
struct PatternTexts {
  std::string numeric;     // every byte as a number in the format, one space apart
  std::string ansi;        // the bytes up to the first zero byte
  std::u16string unicode;  // the bytes as little-endian units up to an even count, cut at the first zero unit
};

// The texts of count bytes (any count >= 0; no holder limits them).
PatternTexts TextsOfBytes(const uint8_t* bytes, int count, const PatternNumberFormat& format);

// One pattern and its three texts (numeric may be longer than a field holds).
struct PatternForms : PatternTexts {
  ByteSequence pattern;    // the bytes the dialog returns
  bool parsed = true;      // false when the numeric text did not parse (pattern and texts then empty)
  bool cut = false;        // the edited text gave more bytes than the holder takes; the first ones were kept

  // OK (and Replace all) are enabled exactly when the pattern is not empty.
  bool okEnabled() const { return pattern.count > 0; }
  // The text the numeric field shows: the first kPatternFieldLimit characters of numeric.
  std::string numericFieldText() const;
};

// The forms of count bytes (clamped to 0..kByteSequenceCapacity), for a history entry the user picked.
PatternForms FormsOfBytes(const uint8_t* bytes, int count, const PatternNumberFormat& format);

// The forms after the user edited one field. Only the first kPatternFieldLimit
// characters of the text count. Numeric: ParseByteSequence; text that does not
// parse gives an empty pattern and empty texts, with parsed false. ANSI: the
// text's bytes. UNICODE: two bytes per unit, little-endian; units past the
// holder's 128 bytes are dropped (cut set). A dialog that is not a Unicode
// window converts its ANSI text with AnsiToUtf16 first.
PatternForms FormsFromNumeric(std::string_view text, const PatternNumberFormat& format);
PatternForms FormsFromAnsi(std::string_view text, const PatternNumberFormat& format);
PatternForms FormsFromUnicode(std::u16string_view text, const PatternNumberFormat& format);

// The pattern OK ends the dialog with: the numeric field's text counts, so it is
// parsed again, except when it is still exactly the text the forms put there
// (numericFieldText), whose bytes are kept whole even when the field cut the
// numbers short. A text that does not parse gives an empty pattern.
ByteSequence PatternOnOk(std::string_view numericFieldText, const PatternForms& current,
                         const PatternNumberFormat& format);
