// Runs a matcher over a stretch of a document block by block: in place inside
// each block, and on a small stitched copy where a window crosses into the next
// blocks, so matches that straddle blocks are found without copying the document.
#pragma once

#include <cstdint>

#include "core/document.h"
#include "search/search_pacer.h"

// The outcome of a scan: the first match (offset -1 when none) or an abort.
struct ScanHit {
  int32_t offset = -1;
  int32_t length = 0;
  bool aborted = false;
};

// Finds matches in one contiguous piece of bytes. base holds the document bytes
// [baseOffset, limit); limit never exceeds the end of the searched stretch, and
// every position given sees either its whole window (reach() bytes) or
// everything up to the end of the stretch.
class RangeMatcher {
 public:
  virtual ~RangeMatcher() = default;
  // Bytes a window holds (1..256).
  virtual int32_t reach() const = 0;
  // The first match at a position in [from, to), scanning up from `from`
  // (Forward) or down from to - 1 (Backward); its window is the bytes
  // [d, min(limit, d + reach())).
  virtual ScanHit Forward(const uint8_t* base, int32_t baseOffset, int32_t from, int32_t to, int32_t limit,
                          SearchPacer& pacer) = 0;
  virtual ScanHit Backward(const uint8_t* base, int32_t baseOffset, int32_t from, int32_t to, int32_t limit,
                           SearchPacer& pacer) = 0;
};

// Scans the stretch between a and b (offsets 0..length): from a up to b - 1 when
// a < b, from a - 1 down to b when a > b; nothing when they are equal. Windows
// end at max(a, b). Checks the pacer after every block.
ScanHit ScanDocument(Document& doc, RangeMatcher& matcher, int32_t a, int32_t b, SearchPacer& pacer);
