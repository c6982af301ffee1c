// Choosing the matcher for a pattern and options.
#include "search/searcher.h"

#include <algorithm>
#include <cstring>

#include "search/byte_matcher.h"
#include "search/search_options.h"
#include "search/wide_matcher.h"

Searcher::Searcher(const uint8_t* pattern, int32_t count, int options) : options_(options) {
  pattern_.count = std::clamp(count, 0, kByteSequenceCapacity);
  if (pattern_.count == 0) return;
  std::memcpy(pattern_.bytes, pattern, static_cast<size_t>(pattern_.count));
  if (options & kSearchWidthSensitive) {
    matcher_ = std::make_unique<ByteMatcher>(pattern_.bytes, pattern_.count, !(options & kSearchCaseSensitive));
  } else {
    matcher_ = std::make_unique<WideMatcher>(pattern_.bytes, pattern_.count, options);
  }
}

Searcher::Searcher(const ByteSequence& pattern, int options) : Searcher(pattern.bytes, pattern.count, options) {}

Searcher::~Searcher() = default;

ScanHit Searcher::Find(Document& doc, int32_t a, int32_t b, SearchPacer& pacer) {
  if (!matcher_) return {};
  return ScanDocument(doc, *matcher_, a, b, pacer);
}
