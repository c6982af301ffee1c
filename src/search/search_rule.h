// The plain position-by-position search: Compare at every candidate position
// over a window of twice the pattern length. It is the yardstick of the fast
// search (tests and benchmarks), far too slow for the program itself.
#pragma once

#include <cstdint>

#include "core/document.h"
#include "search/document_scan.h"

// Positions d run from a toward b (a, ..., b - 1 when a < b; a - 1, ..., b when
// a > b); the window at d is min(2 * count, max(a, b) - d) bytes read with
// ReadBytes; the first d where Compare gives m > 0 is the match. a and b are
// clamped to 0..length.
ScanHit FindByRule(Document& doc, int32_t a, int32_t b, const uint8_t* pattern, int32_t count, int options);
