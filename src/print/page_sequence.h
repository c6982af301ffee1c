// The order pages come out of a print job: the units (dump lines or structure
// rows) cut into pages, the whole output repeated once per collated copy.
#pragma once

#include <cstdint>

// One page: which run (copy) it belongs to, its number within the run and its units.
struct PagePosition {
  int32_t copy = 0;    // 0 .. runs - 1
  int32_t number = 0;  // 0 .. pages per run - 1
  int64_t first = 0;   // first unit on the page, counted from 0
  int32_t count = 0;   // units on it; 0 only on the single page of an empty printout

  bool operator==(const PagePosition&) const = default;
};

// Pages of units units with perPage (at least 1) on each, repeated runs times.
class PageSequence {
 public:
  using Page = PagePosition;

  PageSequence(int64_t units, int32_t perPage, int32_t runs);

  // Pages of one run: units / perPage rounded up, but at least 1 (an empty
  // printout still gives a page, with its ruler for a dump).
  int64_t PagesPerRun() const { return pages_; }

  // The next page in printing order (page 0 .. last of run 0, then of run 1...);
  // false after the last page of the last run.
  bool Next(PagePosition* page);

 private:
  int64_t units_;
  int32_t perPage_;
  int32_t runs_;
  int64_t pages_;
  int32_t copy_ = 0;
  int64_t number_ = 0;
};
