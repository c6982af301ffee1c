// The match definition: bytes matched at the start of a text under each option set.
#include "search/compare.h"

#include <gtest/gtest.h>

#include <string>

#include "search/search_options.h"

namespace {

constexpr int kExact = kSearchCaseSensitive | kSearchWidthSensitive;
constexpr int kAnyCase = kSearchWidthSensitive;
constexpr int kAnyWidth = kSearchCaseSensitive;
constexpr int kAnyCaseAnyWidth = 0;

TEST(Compare, MatchedLengthPerOptionSet) {
  const std::string fullAbc = "ＡＢＣ", fullSmallAbc = "ａｂｃ";
  // why, text, pattern, options, bytes of the text matched
  const std::tuple<const char*, std::string, std::string, int, int> cases[] = {
      {"exact match at the start", "abcd", "abc", kExact, 3},
      {"exact differs in case", "ABC", "abc", kExact, 0},
      {"case folded letters", "ABC", "abc", kAnyCase, 3},
      {"case folding leaves full width apart", fullAbc, "abc", kAnyCase, 0},
      {"case folding touches letters only", "[", "{", kAnyCase, 0},
      {"case folding does not fold lead bytes", "\x82\x60", "\x82\x80", kAnyCase, 0},
      {"full width matches half width, any case", fullAbc, "abc", kAnyCaseAnyWidth, 6},
      {"full width lower case matches case-sensitively", fullSmallAbc, "abc", kAnyWidth, 6},
      {"full width upper case differs case-sensitively", fullAbc, "abc", kAnyWidth, 0},
      {"half-width katakana matches full width", "ア", "ｱ", kAnyWidth, 2},
      {"full-width pattern matches half-width text", "abcd", fullAbc, kAnyCaseAnyWidth, 3},
      {"characters are counted, not bytes", "aあb", "aあ", kAnyWidth, 3},
      {"text ends inside a double-byte character", "a\x82", "ab", kAnyWidth, 0},
      {"the second character needs the text's fourth byte", "\x82\x60\x82", "ab", kAnyCaseAnyWidth, 0},
      {"empty pattern matches nothing", "abc", "", kAnyWidth, 0},
  };
  for (const auto& [why, text, pattern, options, expected] : cases) {
    EXPECT_EQ(Compare(reinterpret_cast<const uint8_t*>(text.data()), static_cast<int32_t>(text.size()),
                      reinterpret_cast<const uint8_t*>(pattern.data()), static_cast<int32_t>(pattern.size()), options),
              expected)
        << why;
  }
}

}  // namespace
