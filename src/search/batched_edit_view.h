// An EditView that gathers the notifications of many edits and passes them on
// as one: the replace-all loop repaints once at the end instead of per edit.
#pragma once

#include "core/edit.h"

class BatchedEditView final : public EditView {
 public:
  // target may be null (then nothing is passed on).
  explicit BatchedEditView(EditView* target) : target_(target) {}

  void ContentChanged(Document& doc, const EditChange& change) override;
  void MenuStateChanged(Document& doc) override;

  // Passes on what was gathered and starts afresh: one ContentChanged whose range
  // covers every change (its bytes before and after all of them, the caret,
  // anchor and digit index before the first and as doc holds them now), then one
  // MenuStateChanged when any was asked for. Nothing when nothing was gathered.
  void Flush(Document& doc);

  bool pending() const { return changed_ || menu_; }

 private:
  EditView* target_;
  bool changed_ = false;
  bool menu_ = false;
  EditChange first_ = {};
  int32_t low_ = 0;       // start of the changed range
  int32_t highNow_ = 0;   // its end in the document as it is now
  int32_t shift_ = 0;     // bytes inserted minus bytes removed so far
};
