// The remembered search state.
#include "search/search_state.h"

#include <algorithm>

namespace {
ByteSequence g_pattern;
int g_lastSearchLength = 0;
}  // namespace

int LastSearchLength() { return g_lastSearchLength; }
void SetLastSearchLength(int length) { g_lastSearchLength = length < 0 ? 0 : length; }

const ByteSequence& CurrentSearchPattern() { return g_pattern; }

void SetCurrentSearchPattern(const ByteSequence& pattern) {
  g_pattern = pattern;
  g_pattern.count = std::clamp(pattern.count, 0, kByteSequenceCapacity);
  SetLastSearchLength(g_pattern.count);
}
