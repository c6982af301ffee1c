// What find and replace remember for the whole run of the program: the current
// search pattern and where the confirmation dialog was last closed.
#pragma once

#include <climits>
#include <cstdint>

#include "core/number_text.h"

// A coordinate of the confirmation dialog's place that was not stored yet.
inline constexpr int32_t kNoPosition = INT_MAX;

struct SearchState {
  ByteSequence pattern;              // set by the find dialog, used by Find Next; count 0 until then
  int32_t confirmX = kNoPosition;    // top-left corner of the confirmation dialog when it was last
  int32_t confirmY = kNoPosition;    // closed; kNoPosition until it was closed once
};

extern SearchState g_search;

// Puts the state back to its value at process start.
void ResetSearchState();

// The current search pattern, and setting it (counts outside 0..kByteSequenceCapacity are clamped).
inline const ByteSequence& CurrentSearchPattern() { return g_search.pattern; }
void SetCurrentSearchPattern(const ByteSequence& pattern);
