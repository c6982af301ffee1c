// The texts of the not-found message, the replace summary and the confirmation dialog.
#include "search/search_texts.h"

#include <gtest/gtest.h>

#include "search/search_options.h"

namespace {

ByteSequence Seq(std::initializer_list<uint8_t> bytes) {
  ByteSequence s;
  for (uint8_t b : bytes) s.bytes[s.count++] = b;
  return s;
}

TEST(SearchTexts, NotFoundInTheActiveColumnsForm) {
  ByteSequence ab = Seq({0x41, 0x42, 0x00, 0x43});
  EXPECT_EQ(NotFoundText(ab, 0, PatternNumberFormatFor(kRadixHex)), "\"41 42 00 43\"が見つかりません");
  EXPECT_EQ(NotFoundText(ab, 0, PatternNumberFormatFor(kRadixSigned)), "\"65 66 0 67\"が見つかりません");
  EXPECT_EQ(NotFoundText(ab, 1, PatternNumberFormatFor(kRadixHex)), "\"AB\"が見つかりません");
  EXPECT_EQ(NotFoundTextWide(Seq({0x42, 0x30, 0x41})), u"\"あ\"が見つかりません");
}

TEST(SearchTexts, SummaryAndRange) {
  EXPECT_EQ(ReplacedCountText(3), "3個の数列を置換しました");
  EXPECT_EQ(MatchRangeText(0x12, 0x10, kAddressHex), "00000010 ... 00000011 (00000002)");
  EXPECT_EQ(MatchRangeText(100, 110, kAddressDecimal), "00000100 ... 00000109 (00000010)");
  EXPECT_EQ(MatchRangeText(8, 9, kAddressOctal), "00000010 ... 00000010 (00000001)");
}

TEST(SearchTexts, ConfirmationOptionLines) {
  OptionTexts all = ConfirmOptionTexts(kSearchCaseSensitive | kSearchWidthSensitive | kSearchUpward);
  EXPECT_STREQ(all.caseText, "大/小文字を区別する");
  EXPECT_STREQ(all.widthText, "全/半角を区別する");
  EXPECT_STREQ(all.directionText, "上");
  OptionTexts none = ConfirmOptionTexts(0);
  EXPECT_STREQ(none.caseText, "大/小文字を区別しない");
  EXPECT_STREQ(none.widthText, "全/半角を区別しない");
  EXPECT_STREQ(none.directionText, "下");
}

}  // namespace
