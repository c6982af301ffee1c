// The filtered byte search of width-sensitive patterns.
#include "search/byte_matcher.h"

#include <algorithm>
#include <cstring>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

ByteMatcher::ByteMatcher(const uint8_t* pattern, int32_t count, bool foldCase)
    : count_(std::clamp(count, 1, 128)), folded_(false), value_{}, caseBit_{} {
  for (int32_t i = 0; i < count_; ++i) {
    uint8_t b = pattern[i];
    bool letter = foldCase && ((b >= 'A' && b <= 'Z') || (b >= 'a' && b <= 'z'));
    caseBit_[i] = letter ? 0x20 : 0;
    value_[i] = static_cast<uint8_t>(b | caseBit_[i]);
    folded_ = folded_ || letter;
  }
}

// (x | caseBit) == value holds exactly for the two cases of a letter, and for
// the byte itself elsewhere.
bool ByteMatcher::MatchesAt(const uint8_t* s) const {
  if (!folded_) return std::memcmp(s, value_, static_cast<size_t>(count_)) == 0;
  for (int32_t i = 0; i < count_; ++i) {
    if ((s[i] | caseBit_[i]) != value_[i]) return false;
  }
  return true;
}

ScanHit ByteMatcher::Forward(const uint8_t* base, int32_t baseOffset, int32_t from, int32_t to, int32_t limit,
                             SearchPacer&) {
  int32_t end = std::min(to, limit - count_ + 1);  // positions whose pattern fits before limit
  if (end <= from) return {};
  const uint8_t* s = base + (from - baseOffset);
  const int32_t n = end - from;
  const int32_t last = count_ - 1;
  int32_t i = 0;
#if defined(__SSE2__)
  const __m128i firstValue = _mm_set1_epi8(static_cast<char>(value_[0]));
  const __m128i firstBit = _mm_set1_epi8(static_cast<char>(caseBit_[0]));
  const __m128i lastValue = _mm_set1_epi8(static_cast<char>(value_[last]));
  const __m128i lastBit = _mm_set1_epi8(static_cast<char>(caseBit_[last]));
  for (; i + 16 <= n; i += 16) {
    __m128i f = _mm_or_si128(_mm_loadu_si128(reinterpret_cast<const __m128i*>(s + i)), firstBit);
    __m128i l = _mm_or_si128(_mm_loadu_si128(reinterpret_cast<const __m128i*>(s + i + last)), lastBit);
    unsigned mask = static_cast<unsigned>(
        _mm_movemask_epi8(_mm_and_si128(_mm_cmpeq_epi8(f, firstValue), _mm_cmpeq_epi8(l, lastValue))));
    for (; mask; mask &= mask - 1) {
      int32_t at = i + __builtin_ctz(mask);
      if (MatchesAt(s + at)) return {from + at, count_, false};
    }
  }
#endif
  for (; i < n; ++i) {
    if ((s[i] | caseBit_[0]) == value_[0] && (s[i + last] | caseBit_[last]) == value_[last] && MatchesAt(s + i)) {
      return {from + i, count_, false};
    }
  }
  return {};
}

ScanHit ByteMatcher::Backward(const uint8_t* base, int32_t baseOffset, int32_t from, int32_t to, int32_t limit,
                              SearchPacer&) {
  int32_t end = std::min(to, limit - count_ + 1);
  if (end <= from) return {};
  const uint8_t* s = base + (from - baseOffset);
  const int32_t last = count_ - 1;
  int32_t i = end - from;  // positions below i remain
#if defined(__SSE2__)
  const __m128i firstValue = _mm_set1_epi8(static_cast<char>(value_[0]));
  const __m128i firstBit = _mm_set1_epi8(static_cast<char>(caseBit_[0]));
  const __m128i lastValue = _mm_set1_epi8(static_cast<char>(value_[last]));
  const __m128i lastBit = _mm_set1_epi8(static_cast<char>(caseBit_[last]));
  for (; i >= 16; i -= 16) {
    const uint8_t* p = s + i - 16;
    __m128i f = _mm_or_si128(_mm_loadu_si128(reinterpret_cast<const __m128i*>(p)), firstBit);
    __m128i l = _mm_or_si128(_mm_loadu_si128(reinterpret_cast<const __m128i*>(p + last)), lastBit);
    unsigned mask = static_cast<unsigned>(
        _mm_movemask_epi8(_mm_and_si128(_mm_cmpeq_epi8(f, firstValue), _mm_cmpeq_epi8(l, lastValue))));
    while (mask) {
      int bit = 31 - __builtin_clz(mask);
      int32_t at = i - 16 + bit;
      if (MatchesAt(s + at)) return {from + at, count_, false};
      mask &= ~(1u << bit);
    }
  }
#endif
  while (i > 0) {
    --i;
    if ((s[i] | caseBit_[0]) == value_[0] && (s[i + last] | caseBit_[last]) == value_[last] && MatchesAt(s + i)) {
      return {from + i, count_, false};
    }
  }
  return {};
}
