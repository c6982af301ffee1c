// Reading and writing the option halves of findstat.
#include "search/search_options.h"

namespace {

int32_t Valid(int32_t findstat) { return findstat >= 0 && findstat <= 63 ? findstat : kDefaultFindstat; }

}  // namespace

int FindOptionsOf(int32_t findstat) { return Valid(findstat) & kSearchOptionMask; }

int ReplaceOptionsOf(int32_t findstat) { return (Valid(findstat) >> 3) & kSearchOptionMask; }

int32_t WithFindOptions(int32_t findstat, int options) {
  return (Valid(findstat) & ~kSearchOptionMask) | (options & kSearchOptionMask);
}

int32_t WithReplaceOptions(int32_t findstat, int options) {
  return (Valid(findstat) & ~(kSearchOptionMask << 3)) | ((options & kSearchOptionMask) << 3);
}

int FindNextOptions(int32_t findstat, bool shiftHeld) {
  return (FindOptionsOf(findstat) & ~kSearchUpward) | (shiftHeld ? kSearchUpward : 0);
}
