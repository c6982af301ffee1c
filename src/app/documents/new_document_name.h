// The generated name of a new, untitled document.
#pragma once

#include <string>

// "新規<counter % 10000><extension>", the extension taken from the first pattern
// of the first file type (the text up to its first ";"); no extension when the
// pattern has none or cannot be split.
std::string NewDocumentName(int counter, const std::string& firstTypeExt);
