// The three pattern fields kept in step, and the pattern OK returns.
#include "search/pattern_forms.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

using Bytes = std::vector<uint8_t>;

Bytes PatternOf(const PatternForms& f) { return Bytes(f.pattern.bytes, f.pattern.bytes + f.pattern.count); }

const PatternNumberFormat kHex = PatternNumberFormatFor(kRadixHex);

TEST(PatternForms, FieldFormatPerDataRadix) {
  struct Row {
    int dataRadix, radix, width;
    bool isSigned;
  };
  const Row rows[] = {{kRadixHex, 16, -2, false},     {kRadixOctal, 8, 0, false}, {kRadixBinary, 2, -8, false},
                      {kRadixUnsigned, 10, 0, false}, {kRadixSigned, 10, 0, true}};
  for (const Row& r : rows) {
    PatternNumberFormat f = PatternNumberFormatFor(r.dataRadix);
    EXPECT_EQ(f.radix, r.radix) << r.dataRadix;
    EXPECT_EQ(f.width, r.width) << r.dataRadix;
    EXPECT_EQ(f.isSigned, r.isSigned) << r.dataRadix;
  }
}

TEST(PatternForms, NumericFieldFillsTheOtherTwo) {
  PatternForms f = FormsFromNumeric("41 42", kHex);
  EXPECT_EQ(PatternOf(f), (Bytes{0x41, 0x42}));
  EXPECT_EQ(f.ansi, "AB");
  EXPECT_EQ(f.unicode, std::u16string(u"\u4241"));
  EXPECT_TRUE(f.okEnabled());
}

TEST(PatternForms, UnicodeFieldGivesLittleEndianUnits) {
  PatternForms f = FormsFromUnicode(u"A", kHex);
  EXPECT_EQ(PatternOf(f), (Bytes{0x41, 0x00}));
  EXPECT_EQ(f.numeric, "41 00");
  EXPECT_EQ(f.ansi, "A");  // up to the first zero byte
  PatternForms kana = FormsFromUnicode(u"あ", PatternNumberFormatFor(kRadixUnsigned));
  EXPECT_EQ(kana.numeric, "66 48");
}

TEST(PatternForms, AnsiFieldKeepsItsBytes) {
  PatternForms f = FormsFromAnsi("aあ", PatternNumberFormatFor(kRadixSigned));
  EXPECT_EQ(PatternOf(f), (Bytes{0x61, 0x82, 0xA0}));
  EXPECT_EQ(f.numeric, "97 -126 -96");
  EXPECT_EQ(f.unicode, std::u16string(u"\u8261"));  // the odd last byte is left out
}

TEST(PatternForms, UnparsableNumbersEmptyTheOthersAndDisableOk) {
  for (const char* text : {"41 100", "4G", "-1", "41,,zz"}) {
    PatternForms f = FormsFromNumeric(text, kHex);
    EXPECT_FALSE(f.parsed) << text;
    EXPECT_EQ(f.pattern.count, 0) << text;
    EXPECT_EQ(f.ansi, "") << text;
    EXPECT_EQ(f.unicode, u"") << text;
    EXPECT_FALSE(f.okEnabled()) << text;
  }
  EXPECT_FALSE(FormsFromNumeric("", kHex).okEnabled());
  EXPECT_TRUE(FormsFromNumeric("", kHex).parsed);
}

TEST(PatternForms, FieldsTakeAtMost127Characters) {
  std::string letters(130, 'x');
  EXPECT_EQ(FormsFromAnsi(letters, kHex).pattern.count, 127);
  std::string numbers;
  for (int i = 0; i < 43; ++i) numbers += "7F ";  // 129 characters; the cut falls inside the 43rd number
  PatternForms f = FormsFromNumeric(numbers, kHex);
  ASSERT_EQ(f.pattern.count, 43);
  EXPECT_EQ(f.pattern.bytes[41], 0x7F);
  EXPECT_EQ(f.pattern.bytes[42], 0x07);
}

TEST(PatternForms, LongUnicodeTextIsCutToTheHolder) {
  std::u16string text(100, u'x');
  PatternForms f = FormsFromUnicode(text, kHex);
  EXPECT_EQ(f.pattern.count, 128);
  EXPECT_TRUE(f.cut);
  EXPECT_EQ(f.unicode.size(), 64u);
}

TEST(PatternForms, OkKeepsAPatternWhoseNumbersDoNotFitTheField) {
  std::string text(100, 'A');  // 100 bytes: 299 characters of hexadecimal numbers
  PatternForms f = FormsFromAnsi(text, kHex);
  ASSERT_EQ(f.numericFieldText().size(), 127u);
  EXPECT_EQ(f.numericFieldText().substr(123), "41 4");  // the field cuts inside a number
  ByteSequence ok = PatternOnOk(f.numericFieldText(), f, kHex);
  EXPECT_EQ(ok.count, 100);
  EXPECT_EQ(Bytes(ok.bytes, ok.bytes + ok.count), Bytes(100, 0x41));
  // Once the user changes the numeric text, that text counts.
  ByteSequence edited = PatternOnOk("41 42", f, kHex);
  EXPECT_EQ(Bytes(edited.bytes, edited.bytes + edited.count), (Bytes{0x41, 0x42}));
  EXPECT_EQ(PatternOnOk("4G", f, kHex).count, 0);
}

TEST(PatternForms, HistoryEntryShowsAllThreeForms) {
  const uint8_t entry[] = {0x61, 0x00, 0x62, 0x00, 0x00, 0x00, 0x63};
  PatternForms f = FormsOfBytes(entry, 7, PatternNumberFormatFor(kRadixOctal));
  EXPECT_EQ(f.numeric, "141 0 142 0 0 0 143");
  EXPECT_EQ(f.ansi, "a");
  EXPECT_EQ(f.unicode, u"ab");  // cut at the first zero unit
}

}  // namespace
