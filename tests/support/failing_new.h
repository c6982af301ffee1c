// Replaces the global allocation functions so that an operation can be run with
// each of its allocations failing in turn (std::bad_alloc, or null from the
// nothrow forms). It defines the replacements: include it in exactly one source
// file of a test binary.
#pragma once

#include <cstdlib>
#include <new>

namespace failing_new {

// Allocations still allowed before the failing one; -1: none fails.
inline long countdown = -1;

inline void* Allocate(std::size_t n) {
  if (countdown == 0) {
    countdown = -1;
    return nullptr;
  }
  if (countdown > 0) --countdown;
  return std::malloc(n ? n : 1);
}

// Runs operation (returning 0 on success) with its first, second, ... allocation
// failing, until it succeeds; after each failed run calls failed with what it
// returned. Returns the number of failed runs.
template <typename Operation, typename Failed>
int FailEachAllocation(Operation operation, Failed failed) {
  for (long allowed = 0;; ++allowed) {
    countdown = allowed;
    const int result = operation();
    countdown = -1;
    if (result == 0) return static_cast<int>(allowed);
    failed(result);
  }
}

}  // namespace failing_new

void* operator new(std::size_t n) {
  if (void* p = failing_new::Allocate(n)) return p;
  throw std::bad_alloc();
}
void* operator new[](std::size_t n) { return operator new(n); }
void* operator new(std::size_t n, const std::nothrow_t&) noexcept { return failing_new::Allocate(n); }
void* operator new[](std::size_t n, const std::nothrow_t&) noexcept { return failing_new::Allocate(n); }
// The replacements pair malloc with free; GCC cannot see that through inlined
// container code and would warn about a mismatch.
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wmismatched-new-delete"
void operator delete(void* p) noexcept { std::free(p); }
void operator delete[](void* p) noexcept { std::free(p); }
void operator delete(void* p, std::size_t) noexcept { std::free(p); }
void operator delete[](void* p, std::size_t) noexcept { std::free(p); }
void operator delete(void* p, const std::nothrow_t&) noexcept { std::free(p); }
void operator delete[](void* p, const std::nothrow_t&) noexcept { std::free(p); }
#pragma GCC diagnostic pop
