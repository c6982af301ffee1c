// What the find commands remember between searches.
#pragma once

#include "core/number_text.h"

// Length of the last search pattern; 0 while nothing was searched.
int LastSearchLength();
void SetLastSearchLength(int length);

// The current search pattern: set by the find dialog, used by Find Next. Setting
// it also sets LastSearchLength.
const ByteSequence& CurrentSearchPattern();
void SetCurrentSearchPattern(const ByteSequence& pattern);
