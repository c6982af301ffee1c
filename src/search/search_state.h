// What the find commands remember between searches.
#pragma once

// Length of the last search pattern; 0 while nothing was searched.
int LastSearchLength();
void SetLastSearchLength(int length);
