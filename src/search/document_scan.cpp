// Walking the block list for a matcher.
#include "search/document_scan.h"

#include <algorithm>

namespace {

constexpr int32_t kMaxReach = 256;

// Bytes [from, to) of doc in a buffer of at least 2 * kMaxReach bytes.
struct Stitch {
  uint8_t bytes[2 * kMaxReach];
  bool Fill(Document& doc, int32_t from, int32_t to) {
    return ReadBytes(doc, from, bytes, to - from) == to - from;
  }
};

ScanHit Down(Document& doc, RangeMatcher& m, int32_t lo, int32_t hi, SearchPacer& pacer) {
  const int32_t reach = m.reach();
  Block* block = SeekBlock(doc, lo);
  int32_t start = doc.cursorBase;
  Stitch stitch;
  for (int32_t d = lo; block && d < hi; start += block->len, block = block->next) {
    int32_t end = start + block->len;
    if (end <= d) continue;
    if (end >= hi) return m.Forward(block->data, start, d, hi, hi, pacer);
    int32_t inPlaceEnd = end - reach + 1;
    if (inPlaceEnd > d) {
      ScanHit hit = m.Forward(block->data, start, d, inPlaceEnd, end, pacer);
      if (hit.offset >= 0 || hit.aborted) return hit;
      d = inPlaceEnd;
    }
    int32_t stitchEnd = std::min(hi, end + reach - 1);
    if (!stitch.Fill(doc, d, stitchEnd)) return {};
    ScanHit hit = m.Forward(stitch.bytes, d, d, end, stitchEnd, pacer);
    if (hit.offset >= 0 || hit.aborted) return hit;
    d = end;
    if (pacer.ShouldStop()) return {-1, 0, true};
  }
  return {};
}

ScanHit Up(Document& doc, RangeMatcher& m, int32_t lo, int32_t hi, SearchPacer& pacer) {
  const int32_t reach = m.reach();
  Block* block = SeekBlock(doc, hi - 1);
  int32_t start = doc.cursorBase;
  Stitch stitch;
  for (int32_t top = hi; block && top > lo; block = block->prev, start -= block ? block->len : 0) {
    int32_t end = start + block->len;
    int32_t first = std::max(lo, start);
    if (first >= top) continue;
    if (end >= hi) {
      ScanHit hit = m.Backward(block->data, start, first, top, hi, pacer);
      if (hit.offset >= 0 || hit.aborted) return hit;
    } else {
      int32_t stitchFirst = std::max(first, end - reach + 1);
      if (stitchFirst < top) {
        int32_t stitchEnd = std::min(hi, end + reach - 1);
        if (!stitch.Fill(doc, stitchFirst, stitchEnd)) return {};
        ScanHit hit = m.Backward(stitch.bytes, stitchFirst, stitchFirst, top, stitchEnd, pacer);
        if (hit.offset >= 0 || hit.aborted) return hit;
        top = stitchFirst;
      }
      if (first < top) {
        ScanHit hit = m.Backward(block->data, start, first, top, end, pacer);
        if (hit.offset >= 0 || hit.aborted) return hit;
      }
    }
    top = first;
    if (pacer.ShouldStop()) return {-1, 0, true};
  }
  return {};
}

}  // namespace

ScanHit ScanDocument(Document& doc, RangeMatcher& matcher, int32_t a, int32_t b, SearchPacer& pacer) {
  a = std::clamp(a, 0, doc.length);
  b = std::clamp(b, 0, doc.length);
  if (a == b || matcher.reach() < 1 || matcher.reach() > kMaxReach) return {};
  return a < b ? Down(doc, matcher, a, b, pacer) : Up(doc, matcher, b, a, pacer);
}
