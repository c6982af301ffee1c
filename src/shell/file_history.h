// Text of the file-history entries of the File menu: "&" number " " path.
#pragma once

#include <string>

// "&<k+1> <path>" for entry k (0 = most recent).
std::string HistoryEntryText(int index, const std::string& path);

// The path of an entry text: what follows the "&<number> " prefix ("" when the
// text has no such prefix).
std::string HistoryEntryPath(const std::string& text);
