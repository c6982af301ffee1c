// The reference search, one Compare per position.
#include "search/search_rule.h"

#include <algorithm>

#include "search/compare.h"

ScanHit FindByRule(Document& doc, int32_t a, int32_t b, const uint8_t* pattern, int32_t count, int options) {
  a = std::clamp(a, 0, doc.length);
  b = std::clamp(b, 0, doc.length);
  const int32_t top = std::max(a, b);
  const int32_t step = a < b ? 1 : -1;
  uint8_t window[256];
  for (int32_t d = a < b ? a : a - 1; a < b ? d < b : d >= b; d += step) {
    int32_t size = std::min(std::min(2 * count, 256), top - d);
    if (size <= 0) continue;
    ReadBytes(doc, d, window, size);
    int m = Compare(window, size, pattern, count, options);
    if (m > 0) return {d, m, false};
  }
  return {};
}
