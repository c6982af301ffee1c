// The time-paced pumping of long searches.
#include "search/search_pacer.h"

#include <time.h>

namespace {

class MonotonicClock final : public PaceClock {
 public:
  int64_t NowMicroseconds() override {
    timespec t;
    clock_gettime(CLOCK_MONOTONIC, &t);
    return static_cast<int64_t>(t.tv_sec) * 1000000 + t.tv_nsec / 1000;
  }
};

}  // namespace

PaceClock& SystemPaceClock() {
  static MonotonicClock clock;
  return clock;
}

SearchPacer::SearchPacer(Progress& progress, PaceClock& clock, int64_t intervalMicroseconds)
    : progress_(progress), clock_(clock), interval_(intervalMicroseconds), lastPump_(clock.NowMicroseconds()) {}

bool SearchPacer::ShouldStop() {
  if (progress_.Aborted()) return true;
  int64_t now = clock_.NowMicroseconds();
  if (now - lastPump_ < interval_) return false;
  progress_.Pump();
  lastPump_ = now;
  return progress_.Aborted();
}
