// The image view's title and the texts of its failure messages (Shift-JIS at run time).
#pragma once

#include <string>

// "name.ext のｲﾒｰｼﾞ": the file name and extension of path (directory and drive
// dropped), or the whole path when it cannot be split.
std::string ImageTitle(const char* path);

