// Painting the dump: which text goes to which cell in which colour, through a
// small drawing interface so that the same procedure paints a window, a memory
// device context, a metafile or a counting stand-in.
#pragma once

#include <cstdint>

#include "core/display_types.h"
#include "core/palette.h"
#include "hexview/render/dump_layout.h"

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

// What a paint shows and at which size: the window's own view of its document
// (WindowFrame), or another view of the same lines such as a printed page.
struct DumpFrame {
  int32_t charWidth = 1;     // cell width in pixels (below 1 counts as 1); rows are twice as high
  int32_t scrollColumn = 0;  // scrollable column drawn at x = 9 * charWidth
  int32_t scrollLine = 0;    // dump line drawn in row 1
  int32_t clientHeight = 0;  // pixels; the bytes of the rows it holds, plus one, are read
  int64_t selectionBegin = 0;  // bytes [selectionBegin, selectionEnd) are drawn selected
  int64_t selectionEnd = 0;
  int64_t begin = 0;          // only bytes [begin, end) are drawn; the cells of the others stay blank
  int64_t end = INT64_MAX;
  bool beginsWithTrail = false;  // the first byte drawn ends a double-byte character begun before it
                                 // (otherwise the pairing starts afresh there)
  bool endMark = true;           // draw "･" after the last byte read
  bool halfFromTrail = false;    // the dimmed half in the separator takes the trail byte's colour
};

// The frame of doc's window: its cell width, scroll position, client height and
// selection, every byte, pairing from the top line, the end mark.
DumpFrame WindowFrame(const Document& doc);

// Paints everything of doc's dump that meets update (client pixels), in order:
// the background when erase is set, the address column, the ruler, then the cells
// of the visible lines (read with ReadBytes: the lines the client height holds
// plus one byte) and the end-of-data mark "･". Uses the document's options,
// colours are palette's, geometry is charWidth, scroll positions and client size.
// A buffer that cannot be allocated leaves the rows without bytes.
void PaintDump(DumpCanvas& canvas, Document& doc, const DumpPalette& palette, const PixelRect& update, bool erase);

// The same paint with frame's geometry, selection, byte range and pairing in place
// of the window's (PaintDump is this with WindowFrame(doc)).
void PaintDumpFrame(DumpCanvas& canvas, Document& doc, const DumpPalette& palette, const DumpFrame& frame,
                    const PixelRect& update, bool erase);
