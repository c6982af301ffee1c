// The option bits of find and replace, and where the settings keep them.
#pragma once

#include <cstdint>

// Search option bits (find dialog, replace dialog, Find Next).
enum SearchOption : int {
  kSearchCaseSensitive = 1,   // letters must agree in case
  kSearchWidthSensitive = 2,  // full-width and half-width forms differ
  kSearchUpward = 4,          // search toward offset 0
};

// The three option bits, as kept in each half of findstat.
inline constexpr int kSearchOptionMask = 7;

// findstat when nothing was stored: case- and width-sensitive, downward, for both.
inline constexpr int32_t kDefaultFindstat = 27;

// The find options (bits 0-2) and the replace options (bits 3-5) of findstat.
// An out-of-range findstat (unset, negative or above 63) gives those of kDefaultFindstat.
int FindOptionsOf(int32_t findstat);
int ReplaceOptionsOf(int32_t findstat);

// findstat with its find or replace half replaced by options (bits above 2 ignored).
int32_t WithFindOptions(int32_t findstat, int options);
int32_t WithReplaceOptions(int32_t findstat, int options);

// The options of Find Next: the find options with the upward bit taken from the Shift key.
int FindNextOptions(int32_t findstat, bool shiftHeld);
