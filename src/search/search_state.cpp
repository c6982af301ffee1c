// The remembered search state.
#include "search/search_state.h"

namespace {
int g_lastSearchLength = 0;
}

int LastSearchLength() { return g_lastSearchLength; }
void SetLastSearchLength(int length) { g_lastSearchLength = length < 0 ? 0 : length; }
