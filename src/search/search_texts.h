// The texts find and replace show: the not-found message, the replace summary
// and the lines of the confirmation dialog.
#pragma once

#include <cstdint>
#include <string>

#include "core/messages.h"
#include "core/number_text.h"
#include "search/pattern_forms.h"
#include "search/replace_loop.h"

// The not-found message for the numeric (activeColumn 0) or character column
// (1): a double quote, the pattern as numbers in format (column 0) or as ANSI text
// up to its first zero byte (column 1), a double quote and "が見つかりません".
std::string NotFoundText(const ByteSequence& pattern, int activeColumn, const PatternNumberFormat& format);

// The same for the UNICODE column (2), as UTF-16: the pattern's bytes as
// little-endian units up to an even count and its first zero unit.
std::u16string NotFoundTextWide(const ByteSequence& pattern);

// "%d個の数列を置換しました" with count.
std::string ReplacedCountText(int count);

// The confirmation dialog's range line for a match between anchor and caret:
// first offset, " ... ", last offset, " (", length, ")", each as an address in
// addressRadix (8 digits). An empty range gives the first offset as the last.
std::string MatchRangeText(int32_t anchor, int32_t caret, int addressRadix);

// The confirmation dialog's lines for the option bits: case, width and direction.
struct OptionTexts {
  const char* caseText;
  const char* widthText;
  const char* directionText;
};
OptionTexts ConfirmOptionTexts(int options);

// Everything the confirmation dialog shows about one occurrence: the bytes
// matched and the replacement in the three forms (in the request's number
// format), the range line and the option lines.
struct ConfirmTexts {
  PatternTexts match;
  PatternTexts replacement;
  std::string range;
  OptionTexts options;
};
ConfirmTexts ConfirmTextsFor(const ReplaceConfirm& info);
