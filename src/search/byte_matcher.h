// Width-sensitive matching: the pattern's bytes exactly, or with ASCII letters
// in either case, found with a two-byte filter (first and last pattern byte)
// that looks at 16 positions at a time where the processor allows.
#pragma once

#include <cstdint>

#include "search/document_scan.h"

class ByteMatcher final : public RangeMatcher {
 public:
  // pattern: 1..128 bytes, copied. foldCase: ASCII letters match in either case.
  ByteMatcher(const uint8_t* pattern, int32_t count, bool foldCase);

  int32_t reach() const override { return count_; }
  ScanHit Forward(const uint8_t* base, int32_t baseOffset, int32_t from, int32_t to, int32_t limit,
                  SearchPacer& pacer) override;
  ScanHit Backward(const uint8_t* base, int32_t baseOffset, int32_t from, int32_t to, int32_t limit,
                   SearchPacer& pacer) override;

 private:
  // Whether the pattern matches at s (count_ bytes readable).
  bool MatchesAt(const uint8_t* s) const;

  int32_t count_;
  bool folded_;             // some pattern byte is a letter matched in either case
  uint8_t value_[128];      // pattern byte, lower case where folded
  uint8_t caseBit_[128];    // 0x20 where the byte is a folded letter, else 0
};
