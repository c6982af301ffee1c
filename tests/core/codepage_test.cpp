// The code-page seam behaves as code page 932, natively and under Wine.
#include "core/codepage.h"

#include <gtest/gtest.h>

TEST(CodePage, LeadBytesAreThoseOfShiftJis) {
  for (int b = 0; b < 256; ++b) {
    bool expected = (b >= 0x81 && b <= 0x9F) || (b >= 0xE0 && b <= 0xFC);
    EXPECT_EQ(IsLeadByte(static_cast<unsigned char>(b)), expected) << "byte " << b;
  }
}

TEST(CodePage, LiteralsAreStoredInShiftJis) {
  // "あ" is 82 A0 and the half-width "ｱ" is B1 in code page 932.
  EXPECT_EQ(std::string("あｱ"), std::string("\x82\xA0\xB1"));
}

TEST(CodePage, AnsiToUtf16ConvertsSingleAndDoubleBytes) {
  EXPECT_EQ(AnsiToUtf16("A\x82\xA0\xB1\x81\x5C"), std::u16string(u"Aあｱ\u2015"));
  EXPECT_EQ(AnsiToUtf16(""), std::u16string());
}

TEST(CodePage, Utf16ToAnsiRoundTripsAndMarksUnmappable) {
  EXPECT_EQ(Utf16ToAnsi(u"Aあｱ"), std::string("A\x82\xA0\xB1"));
  EXPECT_EQ(Utf16ToAnsi(u"\u0E01"), std::string("?"));  // Thai has no Shift-JIS form
}

TEST(CodePage, UpperCasesOnlyAsciiLetters) {
  EXPECT_EQ(UpperAnsiChar('a'), 'A');
  EXPECT_EQ(UpperAnsiChar('z'), 'Z');
  EXPECT_EQ(UpperAnsiChar('A'), 'A');
  EXPECT_EQ(UpperAnsiChar('1'), '1');
  EXPECT_EQ(UpperAnsiChar(0xB1), 0xB1);  // half-width katakana stays
  EXPECT_EQ(UpperAnsiChar(0x82), 0x82);  // a lead byte stays
}

TEST(CodePage, CompareFoldsCaseAndWidthOnlyWhenAsked) {
  EXPECT_EQ(CompareAnsi("abc", "abc", 0), 0);
  EXPECT_NE(CompareAnsi("abc", "ABC", 0), 0);
  EXPECT_EQ(CompareAnsi("abc", "ABC", kCompareIgnoreCase), 0);
  EXPECT_NE(CompareAnsi("ＡＢＣ", "ABC", kCompareIgnoreCase), 0);
  EXPECT_EQ(CompareAnsi("ＡＢＣ", "ABC", kCompareIgnoreWidth), 0);
  EXPECT_EQ(CompareAnsi("ａｂｃ", "ABC", kCompareIgnoreWidth | kCompareIgnoreCase), 0);
  EXPECT_EQ(CompareAnsi("ｱｲｳ", "アイウ", kCompareIgnoreWidth), 0);
  EXPECT_NE(CompareAnsi("ｱｲｳ", "アイウ", 0), 0);
  EXPECT_LT(CompareAnsi("A", "B", 0), 0);
  EXPECT_GT(CompareAnsi("B", "A", 0), 0);
}
