// The image view's colours and the conversion of document bytes into pixels: a
// 256-entry table applied to the block data, one pixel line after another.
#pragma once

#include <cstdint>

#include "core/display_types.h"
#include "core/palette.h"

struct Document;

// One pixel of a 32-bit top-down device-independent bitmap: 0x00RRGGBB (blue in
// the lowest byte in memory, as BI_RGB stores it).
using ImagePixel = uint32_t;

// The pixel showing a COLORREF (0x00BBGGRR).
inline ImagePixel PixelOf(ColorRef color) {
  return ((color & 0xFF) << 16) | (color & 0xFF00) | ((color >> 16) & 0xFF);
}

// The pixel of every byte value and of the positions past the data.
struct ImageColors {
  ImagePixel byValue[256];
  ImagePixel end;
};

// The colours of doc as its dump shows them: its byte colours and its background
// after the data, or, when its options ask for the system colours, the window
// text colour for every byte and the highlight text colour after the data.
ImageColors ImageColorsFor(const Document& doc, const SystemColorValues& system);

// Fills lineCount pixel lines (128 pixels each) at out with the bytes of lines
// firstLine onward: each byte's colour, endColour past the data. Reads the block
// data directly (moves the document's cursor). Returns the document bytes converted.
int32_t ConvertImageLines(Document& doc, const ImageColors& colors, int32_t firstLine, int lineCount,
                          ImagePixel* out);
