// The colours a document is drawn in: its own colour block or the system colours,
// and the mixed colours every view uses in system-colour mode. The dump, the image
// view and the colour list of the properties dialog all take their colours from here.
#pragma once

#include <cstdint>

#include "core/display_types.h"

struct Document;

// Per-channel integer mean of two colours (remainder dropped).
ColorRef MeanColor(ColorRef a, ColorRef b);

// The sampled system colours and the mixes made from them.
struct SystemColorValues {
  SampledColors sampled;
  ColorRef textMix;       // mean of window and window text
  ColorRef selectionMix;  // ((highlight + window) / 2 + highlight text) / 2, per channel
  ColorRef halfHighlight; // mean of window and highlight
};

SystemColorValues MixSystemColors(const SampledColors& sampled);

// The colours a paint uses.
struct DumpPalette {
  ColorRef text = 0;         // addresses, ruler, and unselected bytes without byte colours
  ColorRef back = 0;
  ColorRef fixed = 0;        // the end-of-data mark
  ColorRef selText = 0;
  ColorRef selBack = 0;
  const ColorRef* byteColors = nullptr;  // 256 colours by byte value; null: every byte in text
  ColorRef unselectedHalf = 0;  // right half of a double-byte character in the separator
                                // when byteColors is null; otherwise mean(byte colour, back)
  ColorRef selectedHalf = 0;    // the same half when its trail byte is selected

  ColorRef ByteColor(uint8_t value) const { return byteColors != nullptr ? byteColors[value] : text; }
  ColorRef HalfColor(uint8_t lead, bool trailSelected) const;
};

// The document's own colours (the byte colours stay in doc; the palette points at them).
DumpPalette DocumentPalette(const Document& doc);
// The system colours: text COLOR_WINDOWTEXT, back COLOR_WINDOW, fixed COLOR_GRAYTEXT,
// selection COLOR_HIGHLIGHTTEXT on COLOR_HIGHLIGHT, halves textMix and selectionMix.
DumpPalette SystemPalette(const SystemColorValues& system);
// The palette doc paints with: the system one when its options ask for system colours.
DumpPalette PaletteFor(const Document& doc, const SystemColorValues& system);
