// Cutting a printout into pages and repeating it per copy.
#include "print/page_sequence.h"

#include <algorithm>

PageSequence::PageSequence(int64_t units, int32_t perPage, int32_t runs)
    : units_(std::max<int64_t>(0, units)), perPage_(std::max(1, perPage)), runs_(std::max(1, runs)),
      pages_(std::max<int64_t>(1, (units_ + perPage_ - 1) / perPage_)) {}

bool PageSequence::Next(PagePosition* page) {
  if (number_ == pages_) {
    ++copy_;
    number_ = 0;
  }
  if (copy_ >= runs_) return false;
  page->copy = copy_;
  page->number = static_cast<int32_t>(number_);
  page->first = number_ * perPage_;
  page->count = static_cast<int32_t>(std::min<int64_t>(perPage_, units_ - page->first));
  if (page->count < 0) page->count = 0;
  ++number_;
  return true;
}
