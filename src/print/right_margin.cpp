// The right-margin request and the rules of its dialog.
#include "print/right_margin.h"

#include <algorithm>

MarginRequest MarginRequestFor(int32_t lineWidth, int32_t margin) {
  return MarginRequest{lineWidth, std::max(kMarginMaximum, lineWidth), margin};
}

int32_t LimitMargin(const MarginRequest& r, int64_t value) {
  return static_cast<int32_t>(std::max<int64_t>(r.minimum, std::min<int64_t>(value, r.maximum)));
}

bool ParseMarginText(std::string_view text, int32_t* value) {
  size_t i = 0, n = text.size();
  while (i < n && text[i] == ' ') ++i;
  bool negative = false;
  if (i < n && (text[i] == '-' || text[i] == '+')) negative = text[i++] == '-';
  int64_t number = 0;
  size_t digits = 0;
  for (; i < n && text[i] >= '0' && text[i] <= '9'; ++i, ++digits) {
    if (digits == 9) return false;  // far beyond any margin
    number = number * 10 + (text[i] - '0');
  }
  while (i < n && text[i] == ' ') ++i;
  if (digits == 0 || i != n) return false;
  *value = static_cast<int32_t>(negative ? -number : number);
  return true;
}

bool MarginTextAcceptable(const MarginRequest& r, std::string_view text) {
  int32_t value = 0;
  return ParseMarginText(text, &value) && value >= r.minimum && value <= r.maximum;
}

int32_t SpinMargin(const MarginRequest& r, std::string_view text, int step) {
  int32_t value = 0;
  if (!ParseMarginText(text, &value)) value = 0;
  return LimitMargin(r, int64_t{value} + step);
}
