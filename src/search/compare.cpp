// The match definition shared by find, replace and their tests.
#include "search/compare.h"

#include <cstring>
#include <string_view>

#include "core/codepage.h"
#include "search/search_options.h"

namespace {

std::string_view View(const uint8_t* bytes, int32_t count) {
  return count > 0 ? std::string_view(reinterpret_cast<const char*>(bytes), static_cast<size_t>(count))
                   : std::string_view();
}

bool EqualFolded(const uint8_t* a, const uint8_t* b, int32_t n) {
  for (int32_t i = 0; i < n; ++i) {
    if (FoldAsciiCase(a[i]) != FoldAsciiCase(b[i])) return false;
  }
  return true;
}

}  // namespace

unsigned WidthInsensitiveFlags(int options) {
  return kCompareIgnoreWidth | ((options & kSearchCaseSensitive) ? 0u : kCompareIgnoreCase);
}

int Compare(const uint8_t* text, int32_t n, const uint8_t* pattern, int32_t p, int options) {
  if (p <= 0 || n <= 0) return 0;
  if (options & kSearchWidthSensitive) {
    if (n < p) return 0;
    bool equal = (options & kSearchCaseSensitive) ? std::memcmp(text, pattern, static_cast<size_t>(p)) == 0
                                                  : EqualFolded(text, pattern, p);
    return equal ? p : 0;
  }
  int32_t chars = 0;
  for (int32_t i = 0; i < p; ++chars) i += IsLeadByte(pattern[i]) ? 2 : 1;
  int32_t k = 0;
  for (int32_t c = 0; c < chars; ++c) {
    if (k >= n) return 0;
    k += IsLeadByte(text[k]) ? 2 : 1;
  }
  if (k > n) return 0;
  return CompareAnsi(View(text, k), View(pattern, p), WidthInsensitiveFlags(options)) == 0 ? k : 0;
}
