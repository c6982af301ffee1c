// A search prepared once for a pattern and options and run as often as needed
// (Find Next, every step of a replace loop). It finds exactly what the
// position-by-position rule over Compare finds (search_rule.h), faster.
#pragma once

#include <cstdint>
#include <memory>

#include "core/document.h"
#include "core/number_text.h"
#include "search/document_scan.h"
#include "search/search_pacer.h"

class Searcher {
 public:
  // pattern: count bytes (at most kByteSequenceCapacity are used; an empty one
  // finds nothing); options: the search options (the upward bit is not used here).
  Searcher(const uint8_t* pattern, int32_t count, int options);
  Searcher(const ByteSequence& pattern, int options);
  Searcher(const Searcher&) = delete;
  Searcher& operator=(const Searcher&) = delete;
  ~Searcher();

  // The first match whose start d runs from a toward b: a, a + 1, ..., b - 1
  // when a < b, a - 1, ..., b when a > b. A match must end by max(a, b). a and
  // b are clamped to 0..length. Returns the match (offset -1 when none) or, with
  // aborted set, that the pacer stopped the scan.
  ScanHit Find(Document& doc, int32_t a, int32_t b, SearchPacer& pacer);

  const ByteSequence& pattern() const { return pattern_; }
  int options() const { return options_; }

 private:
  ByteSequence pattern_;
  int options_;
  std::unique_ptr<RangeMatcher> matcher_;  // null for an empty pattern
};
