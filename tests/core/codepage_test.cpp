// The code-page seam behaves as code page 932, natively and under Wine.
#include "core/codepage.h"

#include <gtest/gtest.h>

#include <vector>

// "あ" is 82 A0 and the half-width "ｱ" is B1 in code page 932: literals are stored so.
TEST(CodePage, LeadBytesConversionsAndUpperCase) {
  for (int b = 0; b < 256; ++b) {
    bool expected = (b >= 0x81 && b <= 0x9F) || (b >= 0xE0 && b <= 0xFC);
    EXPECT_EQ(IsLeadByte(static_cast<unsigned char>(b)), expected) << "byte " << b;
  }
  EXPECT_EQ(std::string("あｱ"), std::string("\x82\xA0\xB1"));
  EXPECT_EQ(AnsiToUtf16("A\x82\xA0\xB1\x81\x5C"), std::u16string(u"Aあｱ\u2015"));
  EXPECT_EQ(Utf16ToAnsi(u"Aあｱ\u0E01"), std::string("A\x82\xA0\xB1?"));  // Thai has no Shift-JIS form
  // Only ASCII letters: half-width katakana and lead bytes stay.
  EXPECT_EQ((std::vector<int>{UpperAnsiChar('a'), UpperAnsiChar('z'), UpperAnsiChar('1'), UpperAnsiChar(0xB1),
                              UpperAnsiChar(0x82)}),
            (std::vector<int>{'A', 'Z', '1', 0xB1, 0x82}));
}

TEST(CodePage, CompareFoldsCaseAndWidthOnlyWhenAsked) {
  EXPECT_NE(CompareAnsi("abc", "ABC", 0), 0);
  EXPECT_EQ(CompareAnsi("abc", "ABC", kCompareIgnoreCase), 0);
  EXPECT_NE(CompareAnsi("ＡＢＣ", "ABC", kCompareIgnoreCase), 0);
  EXPECT_EQ(CompareAnsi("ａｂｃ", "ABC", kCompareIgnoreWidth | kCompareIgnoreCase), 0);
  EXPECT_EQ(CompareAnsi("ｱｲｳ", "アイウ", kCompareIgnoreWidth), 0);
  EXPECT_LT(CompareAnsi("A", "B", 0), 0);
}
