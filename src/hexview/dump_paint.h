// Painting the dump: which text goes to which cell in which colour, through a
// small drawing interface so that the same procedure paints a window, a memory
// device context, a metafile or a counting stand-in.
#pragma once

#include <cstdint>

#include "core/display_types.h"
#include "core/palette.h"
#include "hexview/dump_layout.h"

struct Document;

enum class DumpBrush { Back, Selection, HalfSelection };
enum class DumpFont { Main, Small };

// Where the dump is drawn. Implementations start with the main font selected and
// the background mode transparent; every call draws exactly one thing.
class DumpCanvas {
 public:
  virtual ~DumpCanvas() = default;
  // Fills rect with one of the view's brushes.
  virtual void Fill(const PixelRect& rect, DumpBrush brush) = 0;
  // Selects a font for the following texts.
  virtual void UseFont(DumpFont font) = 0;
  // Draws length bytes of Shift-JIS text with its reference point (top left) at
  // (x, y) in color, clipped to clip, or unclipped when clip is null.
  virtual void Text(int32_t x, int32_t y, const PixelRect* clip, const char* text, int length, ColorRef color) = 0;
  // Draws length UTF-16 code units at (x, y) in color, clipped to clip.
  virtual void WideText(int32_t x, int32_t y, const PixelRect& clip, const char16_t* text, int length,
                        ColorRef color) = 0;
};

// Classes of the bytes in the ANSI column.
enum AnsiClass : uint8_t {
  kAnsiSingle = 0,  // shown as its ByteLabels entry
  kAnsiLead = 1,    // first byte of a double-byte character
  kAnsiTrail = 2,   // second byte of one
};

// Classifies bytes[0 .. count) as the ANSI column shows them, starting afresh at
// bytes[0]: a byte after a lead is a trail; otherwise a DBCS lead byte followed
// by another byte in the buffer is a lead; everything else is single.
void ClassifyAnsi(const uint8_t* bytes, int count, uint8_t* classes);

// Paints everything of doc's dump that meets update (client pixels), in order:
// the background when erase is set, the address column, the ruler, then the cells
// of the visible lines (read with ReadBytes: the lines the client height holds
// plus one byte) and the end-of-data mark "･". Uses the document's options,
// colours are palette's, geometry is charWidth, scroll positions and client size.
// A buffer that cannot be allocated leaves the rows without bytes.
void PaintDump(DumpCanvas& canvas, Document& doc, const DumpPalette& palette, const PixelRect& update, bool erase);
