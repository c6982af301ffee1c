// Width-insensitive matching: Compare (the system comparison) decides, but only
// at positions that a character-by-character filter cannot rule out.
//
// The filter takes the text's characters one by one against the pattern's. A
// text character compare-equal to the pattern character lets it go on. A text
// character that differs rules the position out, unless one of the exceptions of
// CharTraits could make the two texts equal anyway: a weightless or (after the
// first place) contextual character on either side, a weightless character
// right after the differing pair (it could change the weight of the character
// before it), or a pair where one character's weight may begin with the other's
// (ligatures). Then the position is left to Compare.
#pragma once

#include <cstdint>
#include <memory>
#include <vector>

#include "search/char_traits.h"
#include "search/document_scan.h"

class WideMatcher final : public RangeMatcher {
 public:
  // pattern: 1..128 bytes, copied; options: the search options (case sensitivity counts).
  WideMatcher(const uint8_t* pattern, int32_t count, int options);

  int32_t reach() const override { return 2 * count_; }
  ScanHit Forward(const uint8_t* base, int32_t baseOffset, int32_t from, int32_t to, int32_t limit,
                  SearchPacer& pacer) override;
  ScanHit Backward(const uint8_t* base, int32_t baseOffset, int32_t from, int32_t to, int32_t limit,
                   SearchPacer& pacer) override;

  // Calls of Compare so far (for tests and measurements of the filter).
  int64_t compareCalls() const { return compareCalls_; }

 private:
  struct PatternChar {
    CharCode code;
    int32_t table;  // index into relations_ (one per distinct character)
  };
  enum Relation : uint8_t { kUnknown = 0, kEqual = 1, kApart = 2, kRisky = 3 };

  // False when Compare cannot match at t (avail bytes of window).
  bool MayMatch(const uint8_t* t, int32_t avail);
  Relation RelationOf(int32_t place, CharCode code);
  // Compare at t when the filter lets it; the match length or 0.
  int32_t Try(const uint8_t* t, int32_t avail);

  uint8_t pattern_[128];
  int32_t count_;
  int options_;
  CharTraits& traits_;
  std::vector<PatternChar> chars_;
  int32_t irregularFrom_;  // first pattern place the filter cannot judge
  std::vector<std::unique_ptr<uint8_t[]>> relations_;  // per distinct pattern character, per text code
  int64_t compareCalls_ = 0;
};
