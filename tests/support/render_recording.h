// A DumpCanvas for tests that keeps every call as a record, and a document set
// up for painting with round numbers (cells 8 pixels wide).
#pragma once

#include <algorithm>
#include <memory>
#include <ostream>
#include <string>
#include <vector>

#include "core/codepage.h"
#include "core/document.h"
#include "core/palette.h"
#include "hexview/render/dump_paint.h"
#include "support/doc_builders.h"

inline void PrintTo(const PixelRect& r, std::ostream* os) {
  *os << "{" << r.left << ", " << r.top << ", " << r.right << ", " << r.bottom << "}";
}

// One drawn text. Ansi texts keep their Shift-JIS bytes in ansi; wide holds the
// UTF-16 form of every text (also the ansi ones), as a metafile records them.
struct DrawnText {
  int32_t x = 0;
  int32_t y = 0;
  bool clipped = false;
  PixelRect clip;
  std::string ansi;
  std::u16string wide;
  ColorRef color = 0;
  bool small = false;
};

struct DrawnFill {
  PixelRect rect;
  ColorRef color = 0;
};

class RecordingCanvas final : public DumpCanvas {
 public:
  // The colours the three brushes fill with.
  RecordingCanvas(ColorRef back, ColorRef selection, ColorRef half) : brushColors_{back, selection, half} {}

  std::vector<DrawnText> texts;
  std::vector<DrawnFill> fills;

  void Fill(const PixelRect& rect, DumpBrush brush) override {
    fills.push_back({rect, brushColors_[static_cast<int>(brush)]});
  }
  void UseFont(DumpFont font) override { small_ = font == DumpFont::Small; }
  void Text(int32_t x, int32_t y, const PixelRect* clip, const char* text, int length, ColorRef color) override {
    std::string ansi(text, static_cast<size_t>(length));
    texts.push_back(
        {x, y, clip != nullptr, clip != nullptr ? *clip : PixelRect{}, ansi, AnsiToUtf16(ansi), color, small_});
  }
  void WideText(int32_t x, int32_t y, const PixelRect& clip, const char16_t* text, int length,
                ColorRef color) override {
    texts.push_back({x, y, true, clip, "", std::u16string(text, static_cast<size_t>(length)), color, small_});
  }

  // The texts whose reference point is (x, y), in drawing order.
  std::vector<DrawnText> At(int32_t x, int32_t y) const {
    std::vector<DrawnText> out;
    for (const DrawnText& t : texts)
      if (t.x == x && t.y == y) out.push_back(t);
    return out;
  }
  // The Shift-JIS texts drawn in row y from x0 on, left to right, each one cell
  // (step pixels) further; "" where a cell has no text, stopping after count cells.
  std::string Row(int32_t y, int32_t x0, int step, int count) const {
    std::string out;
    for (int i = 0; i < count; ++i) {
      std::vector<DrawnText> at = At(x0 + i * step, y);
      out += at.empty() ? std::string(" ") : at.front().ansi;
    }
    return out;
  }

 private:
  ColorRef brushColors_[3];
  bool small_ = false;
};

// A document for paint tests: cells 8 pixels wide (rows 16 high), a client area
// of 800 x 160 (the ruler and 9 rows), distinct colours for every role and a
// colour per byte value that encodes the value (0x0100 + value).
inline std::unique_ptr<Document, void (*)(Document*)> PaintDocument(const std::vector<uint8_t>& bytes,
                                                                    uint32_t options = 0) {
  std::unique_ptr<Document, void (*)(Document*)> doc(CreateDocument(), FreeDocument);
  SetContent(*doc, bytes);
  doc->options = options;
  doc->charWidth = 8;
  doc->clientWidth = 800;
  doc->clientHeight = 160;
  doc->textColor() = 0x000001;
  doc->backColor() = 0xFFFFFE;
  doc->fixedColor() = 0x000003;
  doc->selTextColor() = 0x000004;
  doc->selBackColor() = 0x800005;
  for (int v = 0; v < 256; ++v) doc->byteColors()[v] = static_cast<ColorRef>(0x0100 + v);
  return doc;
}

// Paints doc with its own colours into a fresh recording canvas.
inline RecordingCanvas PaintRecorded(Document& doc, const PixelRect& update, bool erase = false) {
  DumpPalette palette = DocumentPalette(doc);
  RecordingCanvas canvas(palette.back, palette.selBack, MeanColor(palette.back, palette.selBack));
  PaintDump(canvas, doc, palette, update, erase);
  return canvas;
}

inline PixelRect ClientOf(const Document& doc) { return PixelRect{0, 0, doc.clientWidth, doc.clientHeight}; }
