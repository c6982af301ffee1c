// Building the find and replace messages.
#include "search/search_texts.h"

#include <algorithm>
#include <cstdio>

#include "core/codepage.h"
#include "core/messages.h"
#include "search/search_options.h"

std::string NotFoundText(const ByteSequence& pattern, int activeColumn, const PatternNumberFormat& format) {
  std::string shown;
  if (activeColumn == 1) {
    shown = FormsOfBytes(pattern.bytes, pattern.count, format).ansi;
  } else {
    shown = FormatByteSequence(pattern, format.radix, format.width, format.isSigned);
  }
  return "\"" + shown + "\"" + kMsgNotFound;
}

std::u16string NotFoundTextWide(const ByteSequence& pattern) {
  PatternTexts texts = TextsOfBytes(pattern.bytes, pattern.count, PatternNumberFormatFor(kRadixHex));
  return u"\"" + texts.unicode + u"\"" + AnsiToUtf16(kMsgNotFound);
}

std::string ReplacedCountText(int count) {
  char text[64];
  std::snprintf(text, sizeof text, kMsgReplacedCount, count);
  return text;
}

std::string MatchRangeText(int32_t anchor, int32_t caret, int addressRadix) {
  int32_t first = std::min(anchor, caret), length = std::max(anchor, caret) - first;
  int32_t last = length > 0 ? first + length - 1 : first;
  return AddressText(static_cast<uint32_t>(first), addressRadix) + " ... " +
         AddressText(static_cast<uint32_t>(last), addressRadix) + " (" +
         AddressText(static_cast<uint32_t>(length), addressRadix) + ")";
}

OptionTexts ConfirmOptionTexts(int options) {
  return {(options & kSearchCaseSensitive) ? "大/小文字を区別する" : "大/小文字を区別しない",
          (options & kSearchWidthSensitive) ? "全/半角を区別する" : "全/半角を区別しない",
          (options & kSearchUpward) ? "上" : "下"};
}

ConfirmTexts ConfirmTextsFor(const ReplaceConfirm& info) {
  const PatternNumberFormat format{info.radix, info.width, info.signedFlag != 0};
  const int matchCount = std::clamp<int>(info.matchCount, 0, static_cast<int>(sizeof info.match));
  const int replacementCount = std::clamp(info.replacement.count, 0, kByteSequenceCapacity);
  return {TextsOfBytes(info.match, matchCount, format), TextsOfBytes(info.replacement.bytes, replacementCount, format),
          MatchRangeText(info.anchor, info.caret, info.addressRadix), ConfirmOptionTexts(info.options)};
}
