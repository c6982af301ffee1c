// Keeping the ANSI column's double-byte pairing right after a vertical scroll that
// moved the existing pixels.
#pragma once

#include <cstdint>

#include "hexview/render/dump_layout.h"

struct Document;

// The ANSI column pairs lead and trail bytes starting afresh at the top line, so
// moving the top line from previousLine to doc.scrollLine can shift the pairing of
// the lines that stayed on screen. Steps through the lines that entered or left
// at the top; when they end in the middle of a double-byte character, the run of
// lead bytes at the start of the first line that stayed decides how far the
// pairing differs: *rect is then set to that line's ANSI cells from column 0 up to
// and including the first byte after the run (one row), or the whole ANSI area
// with the separator over every row the run touches. Only moves by fewer rows than
// the client height holds keep pixels; for larger ones (the whole area is repainted)
// nothing is read. Returns 1 when *rect was set, 0 when nothing needs repainting,
// -1 when a buffer could not be allocated.
int AnsiResyncRect(Document& doc, int32_t previousLine, PixelRect* rect);
