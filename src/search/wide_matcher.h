// Width-insensitive matching: Compare (the system comparison) decides, but only
// at positions that a character-by-character filter cannot rule out.
//
// The filter walks the text's characters against the pattern's primary weights
// (see CharTraits). Ignorable and weightless text characters add no primary
// weight and are passed over. A text character compare-equal to the pattern
// character has the same weights and lets the walk go on. One that differs and
// is not risky (see RelationOf) has a different first primary weight, so the two
// texts differ whatever follows: the position is ruled out. The walk leaves the
// position to Compare at a risky pair (same first primary weight: the two may
// differ only in lower weights, which a neighbouring mark can change, or one is
// a ligature), at a contextual text character after the first, at the first
// irregular pattern character, and when every pattern character was matched.
// When the text's characters run out first it held fewer primary weights than
// the pattern: ruled out.
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
  // What the first character alone says about a position (per code and per byte).
  enum Start : uint8_t { kStartUnknown = 0, kStartRejects = 1, kStartExamine = 2 };

  // How a text character stands to the pattern character at place: equal
  // (same weights), risky (same first primary weight, or one sorts between the
  // other and the other followed by the ceiling), else apart.
  Relation RelationOf(int32_t place, CharCode code);
  // False when Compare cannot match at t (avail bytes of window).
  bool MayMatch(const uint8_t* t, int32_t avail);
  Start LearnStart(CharCode code);
  // Sums up the characters that begin with a lead byte once it has come up often.
  void SummariseLead(uint8_t lead);
  // False when the first character at t (left bytes up to the limit) rules the position out.
  inline bool StartMayMatch(const uint8_t* t, int32_t left);
  // The match length at t (avail bytes of window) or 0.
  int32_t Try(const uint8_t* t, int32_t avail);

  uint8_t pattern_[128];
  int32_t count_;
  int options_;
  CharTraits& traits_;
  std::vector<PatternChar> chars_;
  int32_t irregularFrom_;  // first pattern place the filter cannot judge
  std::vector<std::unique_ptr<uint8_t[]>> relations_;  // per distinct pattern character, Relation per text code
  std::unique_ptr<uint8_t[]> start_;                    // Start per text code
  uint8_t byteStart_[256] = {};                         // Start shared by every character beginning with the byte
  uint16_t leadSeen_[256] = {};
  bool lead_[256];
  int64_t compareCalls_ = 0;
};
