// Texts kept in the program's 3075-byte buffers: names, descriptions, patterns.
#pragma once

#include <string>
#include <string_view>

// text cut to at most kMaxTextLength (3074) bytes without splitting a
// double-byte character, so that it fits a buffer with its terminator.
std::string StoredText(std::string_view text);
