// The texts of the not-found message, the replace summary and the confirmation
// dialog (the dialog and message tests under Wine cover the common cases).
#include "search/search_texts.h"

#include <gtest/gtest.h>

#include "search/search_options.h"

namespace {

TEST(SearchTexts, CutsAndEdgesOfTheTexts) {
  ByteSequence ab;
  ab.count = 4;
  std::copy_n("AB\0C", 4, ab.bytes);
  EXPECT_EQ(NotFoundText(ab, 0, PatternNumberFormatFor(kRadixHex)), "\"41 42 00 43\"が見つかりません");
  EXPECT_EQ(NotFoundText(ab, 1, PatternNumberFormatFor(kRadixHex)), "\"AB\"が見つかりません");
  EXPECT_EQ(ReplacedCountText(3), "3個の数列を置換しました");
  EXPECT_EQ(MatchRangeText(9, 8, kAddressOctal), "00000010 ... 00000010 (00000001)");
  OptionTexts all = ConfirmOptionTexts(kSearchCaseSensitive | kSearchWidthSensitive | kSearchUpward);
  EXPECT_EQ(std::string(all.caseText) + all.widthText + all.directionText, "大/小文字を区別する全/半角を区別する上");
  OptionTexts none = ConfirmOptionTexts(0);
  EXPECT_EQ(std::string(none.caseText) + none.widthText + none.directionText, "大/小文字を区別しない全/半角を区別しない下");
}

}  // namespace
