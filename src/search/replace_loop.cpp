// The replace loop.
#include "search/replace_loop.h"

#include <algorithm>
#include <cstdlib>
#include <optional>

#include "core/display_types.h"
#include "core/messages.h"
#include "core/user_message.h"
#include "search/batched_edit_view.h"
#include "search/search.h"
#include "search/search_options.h"
#include "search/search_texts.h"

namespace {

ReplaceConfirm ConfirmFor(Document& doc, const ReplaceRequest& request) {
  ReplaceConfirm info;
  info.anchor = doc.anchor;
  info.caret = doc.caret;
  int32_t first = std::min(doc.anchor, doc.caret);
  int32_t count = std::min<int32_t>(std::abs(doc.anchor - doc.caret), sizeof info.match);
  info.matchCount = ReadBytes(doc, first, info.match, count);
  info.replacement = request.replacement;
  info.options = request.options;
  info.radix = request.radix;
  info.width = request.width;
  info.signedFlag = request.signedFlag;
  info.addressRadix = AddressRadixOf(doc.options);
  return info;
}

// The progress run shared by the searches of replacing all.
class AllRun {
 public:
  AllRun(Progress& progress, PaceClock& clock) : progress_(progress), clock_(clock) {}
  bool Begin() {
    if (!progress_.Begin(kMsgSearching)) {
      ShowMessage(kMsgCannotCreateProgress, MessageIcon::Warning);
      return false;
    }
    pacer_.emplace(progress_, clock_);
    return true;
  }
  bool open() const { return pacer_.has_value(); }
  SearchPacer& pacer() { return *pacer_; }
  bool End() {
    if (!pacer_) return true;
    pacer_.reset();
    if (progress_.End()) return true;
    ShowMessage(kMsgCannotDestroyWindow, MessageIcon::Warning);
    return false;
  }

 private:
  Progress& progress_;
  PaceClock& clock_;
  std::optional<SearchPacer> pacer_;
};

}  // namespace

ReplaceOutcome RunReplace(Document& doc, const ReplaceRequest& request, int mode, ReplaceQuestions& questions,
                          EditView* view, Progress& progress, PaceClock& clock) {
  ReplaceOutcome out;
  Searcher searcher(request.pattern, request.options);
  const bool upward = (request.options & kSearchUpward) != 0;

  // The selection, if it limits the search, is searched from its near end in the
  // direction of the search; the far end (bound) moves with the replacements.
  SearchStretch first = ResolveSearchStretch(doc, doc.caret, doc.anchor, searcher);
  if (first.readFailed) {
    ShowMessage(kMsgCannotGetData, MessageIcon::Stop);
    out.failed = true;
    return out;
  }
  int32_t bound = -1;
  if (first.limited) {
    doc.caret = upward ? std::max(first.from, first.bound) : std::min(first.from, first.bound);
    bound = upward ? std::min(first.from, first.bound) : std::max(first.from, first.bound);
  }

  BatchedEditView batch(view);
  AllRun run(progress, clock);
  if (mode >= 100 && !run.Begin()) {
    out.failed = true;
    return out;
  }
  const uint8_t* replacement = request.replacement.count > 0 ? request.replacement.bytes : nullptr;
  const int32_t replacementCount = std::clamp(request.replacement.count, 0, kByteSequenceCapacity);
  for (;;) {
    SearchStretch stretch{doc.caret, bound != -1 ? bound : upward ? 0 : doc.length, bound != -1, false};
    SearchResult result = run.open() ? SearchOver(doc, stretch, searcher, run.pacer())
                                     : SearchOver(doc, stretch, searcher, progress, clock);
    if (result.status == SearchStatus::kFailed) {
      out.failed = true;
      break;
    }
    if (result.status != SearchStatus::kFound) {
      out.aborted = result.status == SearchStatus::kAborted;
      break;
    }
    ++out.found;
    if (mode < 100) {
      mode = questions.Confirm(ConfirmFor(doc, request));
      if (mode == kConfirmNext) continue;
      if (mode != kConfirmReplace && mode != kConfirmAll) {
        mode = kConfirmCancel;
        break;
      }
      if (mode == kConfirmAll && !run.Begin()) {
        out.failed = true;
        break;
      }
    }
    EditView* target = mode >= 100 ? static_cast<EditView*>(&batch) : view;
    int32_t lengthBefore = doc.length;
    UndoStep* step = ReplaceSelection(doc, replacement, replacementCount, upward ? kCaretBefore : kCaretAfter,
                                      true, target);
    if (!step) {
      out.failed = true;
      break;
    }
    if (bound != -1 && !upward) bound += doc.length - lengthBefore;
    if (mode >= 100) ++out.replaced;
    CommitStep(doc, step, target);
  }
  if (!run.End()) out.failed = true;
  batch.Flush(doc);
  out.showNotFound = !out.failed && !out.aborted && out.found == 0;
  out.showSummary = !out.failed && out.found > 0 && mode >= 100;
  return out;
}
