// The three pattern fields kept in step, and the pattern OK returns.
#include "search/pattern_forms.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

using Bytes = std::vector<uint8_t>;

Bytes PatternOf(const PatternForms& f) { return Bytes(f.pattern.bytes, f.pattern.bytes + f.pattern.count); }

const PatternNumberFormat kHex = PatternNumberFormatFor(kRadixHex);

// Each field gives the other two: ANSI text up to the first zero byte, UTF-16
// up to an even count and the first zero unit.
TEST(PatternForms, FieldsInStepLimitsAndThePatternOkKeeps) {
  PatternForms kana = FormsFromUnicode(u"あ", PatternNumberFormatFor(kRadixUnsigned));
  EXPECT_EQ(kana.numeric, "66 48");
  PatternForms ansi = FormsFromAnsi("aあ", PatternNumberFormatFor(kRadixSigned));
  EXPECT_EQ(PatternOf(ansi), (Bytes{0x61, 0x82, 0xA0}));
  EXPECT_TRUE(ansi.numeric == "97 -126 -96" && ansi.unicode == u"\u8261");
  const uint8_t entry[] = {0x61, 0x00, 0x62, 0x00, 0x00, 0x00, 0x63};
  PatternForms history = FormsOfBytes(entry, 7, PatternNumberFormatFor(kRadixOctal));
  EXPECT_TRUE(history.numeric == "141 0 142 0 0 0 143" && history.ansi == "a" && history.unicode == u"ab");
  EXPECT_EQ(FormsFromAnsi("\x05\xFF", PatternNumberFormatFor(kRadixBinary)).numeric, "00000101 11111111");
  EXPECT_EQ(FormsFromAnsi("\x05", kHex).numeric, "05");
  // Numbers that do not parse empty the other two fields and disable OK.
  for (const char* text : {"41 100", "4G", "-1", "41,,zz"}) {
    PatternForms f = FormsFromNumeric(text, kHex);
    EXPECT_TRUE(!f.parsed && !f.okEnabled() && f.ansi.empty() && f.numeric.empty() && f.unicode.empty()) << text;
  }
  EXPECT_TRUE(FormsFromNumeric("", kHex).parsed && !FormsFromNumeric("", kHex).okEnabled());
  // The fields take at most 127 characters and the holder 128 bytes.
  EXPECT_EQ(FormsFromAnsi(std::string(130, 'x'), kHex).pattern.count, 127);
  std::string numbers;
  for (int i = 0; i < 43; ++i) numbers += "7F ";  // 129 characters; the cut falls inside the 43rd number
  PatternForms f = FormsFromNumeric(numbers, kHex);
  EXPECT_TRUE(f.pattern.count == 43 && f.pattern.bytes[42] == 0x07);
  PatternForms wide = FormsFromUnicode(std::u16string(100, u'x'), kHex);
  EXPECT_TRUE(wide.pattern.count == 128 && wide.cut && wide.unicode.size() == 64u);
  // OK keeps a pattern whose numbers do not fit the field.
  f = FormsFromAnsi(std::string(100, 'A'), kHex);  // 299 characters of numbers
  ASSERT_EQ(f.numericFieldText().size(), 127u);
  EXPECT_EQ(f.numericFieldText().substr(123), "41 4");  // the field cuts inside a number
  ByteSequence ok = PatternOnOk(f.numericFieldText(), f, kHex);
  EXPECT_EQ(Bytes(ok.bytes, ok.bytes + ok.count), Bytes(100, 0x41));
  // Once the user changes the numeric text, that text counts.
  EXPECT_EQ(PatternOnOk("41 42", f, kHex).count, 2);
  EXPECT_EQ(PatternOnOk("4G", f, kHex).count, 0);
}

}  // namespace
