// Paths for the UTF-16 file calls: the full form of an ANSI path, with "\\?\" in
// front when it is too long for the plain calls, so that files beyond MAX_PATH
// can be found, read and written as any other.
#pragma once

#include <string>

std::wstring WidePath(const char* path);
