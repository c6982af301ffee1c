// A search with its stretch, progress run and resulting selection.
#include "search/search.h"

#include <algorithm>
#include <cstdlib>

#include "core/messages.h"
#include "core/user_message.h"
#include "search/compare.h"
#include "search/search_options.h"
#include "search/search_texts.h"

namespace {

constexpr int32_t kPreviousMatchLimit = 256;

SearchResult Failed() { return {SearchStatus::kFailed, -1, 0}; }

SearchResult Scan(Document& doc, const SearchStretch& stretch, Searcher& searcher, SearchPacer& pacer) {
  ScanHit hit = searcher.Find(doc, stretch.from, stretch.bound, pacer);
  if (hit.aborted) return {SearchStatus::kAborted, -1, 0};
  if (hit.offset < 0) return {SearchStatus::kNotFound, -1, 0};
  bool upward = (searcher.options() & kSearchUpward) != 0;
  doc.anchor = upward ? hit.offset + hit.length : hit.offset;
  doc.caret = upward ? hit.offset : hit.offset + hit.length;
  doc.digitIndex = 0;
  return {SearchStatus::kFound, hit.offset, hit.length};
}

}  // namespace

SearchStretch ResolveSearchStretch(Document& doc, int32_t a, int32_t b, const Searcher& searcher) {
  a = std::clamp(a, 0, doc.length);
  if (b != -1) b = std::clamp(b, 0, doc.length);
  if (b == a) b = -1;
  if (b != -1 && std::abs(a - b) < kPreviousMatchLimit) {
    uint8_t selected[kPreviousMatchLimit];
    int32_t count = std::abs(a - b);
    if (ReadBytes(doc, std::min(a, b), selected, count) != count) return {a, b, true, true};
    const ByteSequence& p = searcher.pattern();
    if (Compare(selected, count, p.bytes, p.count, searcher.options()) > 0) b = -1;
  }
  if (b != -1) return {a, b, true, false};
  a = std::clamp(doc.caret, 0, doc.length);
  b = (searcher.options() & kSearchUpward) ? 0 : doc.length;
  return {a, b, false, false};
}

SearchResult SearchOver(Document& doc, const SearchStretch& stretch, Searcher& searcher, SearchPacer& pacer) {
  doc.anchor = -1;
  if (pacer.ShouldStop()) return {SearchStatus::kAborted, -1, 0};
  return Scan(doc, stretch, searcher, pacer);
}

SearchResult SearchOver(Document& doc, const SearchStretch& stretch, Searcher& searcher, Progress& progress,
                        PaceClock& clock) {
  doc.anchor = -1;
  if (!progress.Begin(kMsgSearching)) {
    ShowMessage(kMsgCannotCreateProgress, MessageIcon::Warning);
    return Failed();
  }
  SearchPacer pacer(progress, clock);
  SearchResult result = Scan(doc, stretch, searcher, pacer);
  if (!progress.End()) {
    ShowMessage(kMsgCannotDestroyWindow, MessageIcon::Warning);
    doc.anchor = -1;
    return Failed();
  }
  return result;
}

SearchResult Search(Document& doc, int32_t a, int32_t b, Searcher& searcher, Progress& progress,
                    PaceClock& clock) {
  doc.anchor = -1;
  SearchStretch stretch = ResolveSearchStretch(doc, a, b, searcher);
  if (stretch.readFailed) {
    ShowMessage(kMsgCannotGetData, MessageIcon::Stop);
    return Failed();
  }
  return SearchOver(doc, stretch, searcher, progress, clock);
}
