// The remembered search state.
#include "search/search_state.h"

#include <algorithm>

SearchState g_search;

void ResetSearchState() { g_search = SearchState{}; }

void SetCurrentSearchPattern(const ByteSequence& pattern) {
  g_search.pattern = pattern;
  g_search.pattern.count = std::clamp(pattern.count, 0, kByteSequenceCapacity);
}
