// Building the find and replace messages.
#include "search/search_texts.h"
#include "core/messages.h"

#include <algorithm>
#include <cstdio>

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
  PatternForms forms = FormsOfBytes(pattern.bytes, pattern.count, PatternNumberFormatFor(kRadixHex));
  return u"\"" + forms.unicode + u"\"が見つかりません";
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
