// The find and replace histories: patterns, newest first, at most 32 of them.
// They are the vectors AppSettings keeps (findHistory, replaceHistory).
#pragma once

#include <cstdint>
#include <vector>

using PatternHistory = std::vector<std::vector<uint8_t>>;

inline constexpr int kPatternHistoryLimit = 32;

// Enters count bytes (1..kByteSequenceCapacity) into history: an entry with the
// same bytes moves to the front, the ones before it moving down one place;
// otherwise a copy goes to the front and entries beyond kPatternHistoryLimit
// (the oldest) are dropped. An empty or over-long pattern changes nothing.
// Throws std::bad_alloc when memory runs out (the history is then unchanged).
void EnterPatternHistory(PatternHistory& history, const uint8_t* bytes, int count);
