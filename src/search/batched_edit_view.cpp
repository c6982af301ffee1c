// Merging edit notifications into one changed range.
#include "search/batched_edit_view.h"

#include <algorithm>

void BatchedEditView::ContentChanged(Document&, const EditChange& change) {
  const int32_t o = change.offset, removedEnd = change.offset + change.removedCount;
  const int32_t insertedEnd = change.offset + change.insertedCount;
  if (!changed_) {
    changed_ = true;
    first_ = change;
    low_ = o;
    highNow_ = insertedEnd;
    shift_ = change.Shift();
    return;
  }
  // Where the end of the range so far lands after this change.
  int32_t end = highNow_ <= o ? highNow_ : highNow_ >= removedEnd ? highNow_ + change.Shift() : insertedEnd;
  low_ = std::min(low_, o);
  highNow_ = std::max(end, insertedEnd);
  shift_ += change.Shift();
}

void BatchedEditView::MenuStateChanged(Document&) { menu_ = true; }

void BatchedEditView::Flush(Document& doc) {
  if (target_ && changed_) {
    EditChange all{low_,        highNow_ - shift_ - low_, highNow_ - low_, first_.caretBefore, first_.anchorBefore,
                   first_.digitIndexBefore, doc.caret, doc.anchor,      doc.digitIndex};
    target_->ContentChanged(doc, all);
  }
  if (target_ && menu_) target_->MenuStateChanged(doc);
  changed_ = menu_ = false;
}
