// Painting the dump through a recording canvas: every cell's text, position,
// colour, font and clip for the edge cases of the layout (cells 8 pixels wide,
// rows 16 high; hexadecimal layout: numeric cell c at x = 72 + 24c, ANSI cell c at
// 456 + 8c, separator 584, UTF-16 cell c at 592 + 8c). Byte colours are 0x100 + value.
#include <gtest/gtest.h>

#include <cstdio>
#include <string>
#include <vector>

#include "hexview/render/dump_text.h"
#include "support/render_recording.h"

namespace {

using Bytes = std::vector<uint8_t>;

Bytes Of(const std::string& s) { return Bytes(s.begin(), s.end()); }
Bytes LeadAtLineEnd(uint8_t lead, uint8_t trail) { return Of(std::string(15, 'A') + char(lead) + char(trail) + "B"); }

RecordingCanvas Paint(const Bytes& bytes, uint32_t options = 0, int32_t scrollLine = 0, int32_t anchor = -1,
                      int32_t caret = 0) {
  auto doc = PaintDocument(bytes, options);
  doc->scrollLine = scrollLine;
  doc->anchor = anchor;
  doc->caret = caret;
  return PaintRecorded(*doc, ClientOf(*doc));
}

// The texts drawn at (x, y), each as "text #colour [clip]" and " small" for the
// small font, joined by " | "; a text drawn as UTF-16 only shows its units in hex.
std::string At(const RecordingCanvas& c, int x, int y) {
  std::string out;
  char buffer[80];
  for (const DrawnText& t : c.At(x, y)) {
    out += out.empty() ? t.ansi : " | " + t.ansi;
    for (char16_t u : t.ansi.empty() ? t.wide : u"") out += (std::snprintf(buffer, sizeof buffer, "U+%04X", u), buffer);
    out += (std::snprintf(buffer, sizeof buffer, " #%X", t.color), buffer);
    if (t.clipped) {
      std::snprintf(buffer, sizeof buffer, " [%d,%d,%d,%d]", t.clip.left, t.clip.top, t.clip.right, t.clip.bottom);
      out += buffer;
    }
    if (t.small) out += " small";
  }
  return out;
}

// Every fill as "left,top,right,bottom #colour", in drawing order.
std::string Fills(const RecordingCanvas& c) {
  std::string out;
  char buffer[80];
  for (const DrawnFill& f : c.fills) {
    std::snprintf(buffer, sizeof buffer, "%s%d,%d,%d,%d #%X", out.empty() ? "" : " ", f.rect.left, f.rect.top,
                  f.rect.right, f.rect.bottom, f.color);
    out += buffer;
  }
  return out;
}

// Paints frame (over its whole height, 1000 pixels wide) with the document's colours.
RecordingCanvas PaintFrame(Document& doc, const DumpFrame& frame) {
  DumpPalette palette = DocumentPalette(doc);
  RecordingCanvas canvas(palette.back, palette.selBack, palette.back);
  PaintDumpFrame(canvas, doc, palette, frame, PixelRect{0, 0, 1000, frame.clientHeight}, false);
  return canvas;
}

std::string Addresses(const RecordingCanvas& c, int row) { return c.Row(row * 16, 0, 8, 8); }

TEST(DumpPaint, EmptyDocumentShowsRulerAddressesAndTheEndMark) {
  RecordingCanvas c = Paint({});
  EXPECT_EQ(c.Row(0, 72, 8, 81), RulerText(GeometryFor(0), 0));
  EXPECT_EQ(Addresses(c, 2) + Addresses(c, 9), "0000001000000080");  // every row of the window has an address
  EXPECT_EQ(At(c, 72, 16) + At(c, 456, 16) + At(c, 592, 16),
            "･ #3 [72,16,448,160]･ #3 [456,16,592,160]･ #3 [592,16,720,160]");  // clipped to their areas
  EXPECT_TRUE(c.texts.size() == 48u + 9 * 8 + 3 && c.fills.empty());            // ruler digits, addresses, marks
  c = Paint({}, 0x08, 9999999);  // only the last 8 decimal digits; rows past the end still get addresses
  EXPECT_EQ(Addresses(c, 1) + " " + Addresses(c, 2), "99999990 00000000");
}

TEST(DumpPaint, DoubleByteCharactersAtLineEndsAndWindowEdges) {
  // A lead ending a line: whole in its cell, its right half dimmed (mean of 0x193
  // and the background) in the separator, its trail drawn one cell left of line 1.
  RecordingCanvas c = Paint(LeadAtLineEnd(0x93, 0xFA));  // 日
  EXPECT_EQ(At(c, 576, 16), "日 #193 [576,16,584,32] | 日 #7F80C8 [584,16,592,32]");
  EXPECT_EQ(At(c, 448, 32) + " / " + At(c, 464, 32), "日 #1FA [456,32,464,48] / B #142 [464,32,472,48]");
  // Pairing starts afresh at the top line: the trail "A" of ア shows as itself.
  c = Paint(LeadAtLineEnd(0x83, 0x41), 0, 1);
  EXPECT_EQ(At(c, 448, 16) + At(c, 456, 16) + Addresses(c, 1), "A #141 [456,16,464,32]00000010");
  // The paint reads the lines the client height holds plus one byte, so the last
  // visible byte pairs with the byte after it (rows 1-9, the last one cut).
  auto doc = PaintDocument(Of(std::string(143, 'A') + "\x93\xFA"));
  doc->clientHeight = 150;
  c = PaintRecorded(*doc, ClientOf(*doc));
  EXPECT_EQ(At(c, 576, 144), "日 #193 [576,144,584,150] | 日 #7F80C8 [584,144,592,150]");
}

TEST(DumpPaint, LabelsOfLoneLeadsControlsAndUnassignedBytes) {
  RecordingCanvas c = Paint({'A', 'B', 0x81});  // a lone lead at the end: its label in two small rows
  EXPECT_EQ(At(c, 472, 16) + " / " + At(c, 472, 24), "漢 #181 [472,16,480,32] small / 81 #181 [472,16,480,32] small");
  c = Paint({0x00, 0xA0});  // a control's label; 0xA0 is a blank
  EXPECT_EQ(At(c, 456, 16) + " / " + At(c, 460, 24), "\\ #100 [456,16,464,32] small / 0 #100 [456,16,464,32] small");
  EXPECT_TRUE(c.At(464, 16).empty());
}

TEST(DumpPaint, SelectionAcrossADoubleByteCharacter) {
  RecordingCanvas c = Paint(Of("AA日本AA"), 0, 0, 5, 3);  // 41 41 93 FA 96 7B 41 41; [3, 5) selected
  EXPECT_EQ(Fills(c),
            "144,16,168,32 #800005 480,16,488,32 #800005 616,16,624,32 #800005 "
            "168,16,192,32 #800005 488,16,496,32 #800005 624,16,632,32 #800005");
  // 日 and 本 are drawn for their lead and their trail cell, each part in its own colours.
  EXPECT_EQ(At(c, 472, 16), "日 #193 [472,16,480,32] | 日 #4 [480,16,488,32]");
  EXPECT_EQ(At(c, 488, 16), "本 #4 [488,16,496,32] | 本 #17B [496,16,504,32]");
  // A selected trail on the next line half-fills the separator with the mean of
  // background and selection background; the half's text is ((selBack + back) / 2 + selText) / 2.
  c = Paint(LeadAtLineEnd(0x93, 0xFA), 0, 0, 16, 17);
  EXPECT_EQ(Fills(c), "584,16,592,32 #BF7F81 72,32,96,48 #800005 456,32,464,48 #800005 592,32,600,48 #800005");
  EXPECT_EQ(At(c, 576, 16), "日 #193 [576,16,584,32] | 日 #5F3F42 [584,16,592,32]");
}

// A frame other than the window's: its own cell width (10) and lines, only the
// bytes of [0x13, 0x25) drawn, no selection, no end mark.
TEST(DumpPaint, FrameDrawsOnlyItsByteRangeAtItsOwnCellWidth) {
  auto doc = PaintDocument(Of("0123456789ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmn"));
  doc->anchor = 0;
  doc->caret = 40;  // the window's selection is not the frame's
  RecordingCanvas c = PaintFrame(
      *doc,
      DumpFrame{.charWidth = 10, .scrollLine = 1, .clientHeight = 60, .begin = 0x13, .end = 0x25, .endMark = false});
  EXPECT_EQ(c.Row(20, 0, 10, 8) + " " + c.Row(40, 0, 10, 8), "00000010 00000020");
  EXPECT_EQ(c.Row(20, 90, 10, 47), "         4A 4B 4C 4D 4E 4F 50 51 52 53 54 55 56");
  EXPECT_EQ(c.Row(40, 90, 10, 47), "57 58 59 5A 61                                 ");
  EXPECT_EQ(At(c, 760, 20), "U+4A49 #14A [770,20,780,40]");  // 0x13 shows the unit of 0x12 and 0x13, a cell left
  EXPECT_EQ(c.At(780, 40).at(0).wide, u"\u6261");            // 0x24 pairs with 0x25 beyond the range: no "?"
  EXPECT_TRUE(c.At(790, 40).empty() && c.fills.empty());
  for (const DrawnText& t : c.texts) EXPECT_TRUE(t.ansi != "･" && t.y < 60) << t.ansi << " " << t.y;
}

// A frame that continues a pairing: its first byte is the trail of a lead
// before it, read from the document, and the dimmed half takes the trail's colour.
TEST(DumpPaint, FrameStartingWithATrailAndHalvesInTheTrailColour) {
  auto doc = PaintDocument(LeadAtLineEnd(0x93, 0xFA));  // 0xFA would pair with "B" if taken afresh
  RecordingCanvas c = PaintFrame(
      *doc, DumpFrame{.charWidth = 8, .scrollLine = 1, .clientHeight = 32, .begin = 16, .beginsWithTrail = true});
  EXPECT_EQ(At(c, 448, 16) + c.At(464, 16).at(0).ansi, "日 #1FA [456,16,464,32]B");
  c = PaintFrame(*doc, DumpFrame{.charWidth = 8, .clientHeight = 48, .halfFromTrail = true});
  EXPECT_EQ(At(c, 576, 16), "日 #193 [576,16,584,32] | 日 #7F80FC [584,16,592,32]");  // mean of 0x1FA and back
}

}  // namespace
