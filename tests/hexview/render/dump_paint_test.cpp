// Painting the dump through a recording canvas: every cell's text, position,
// colour, font and clip for the edge cases of the layout (cells 8 pixels wide,
// rows 16 high; hexadecimal layout: numeric cell c at x = 72 + 24c, ANSI cell c at
// 456 + 8c, separator 584, UTF-16 cell c at 592 + 8c).
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "hexview/render/dump_text.h"
#include "hexview/render_recording.h"

namespace {

std::vector<uint8_t> Bytes(const std::string& s) { return std::vector<uint8_t>(s.begin(), s.end()); }

const ColorRef kText = 0x000001, kFixed = 0x000003, kSelText = 0x000004, kSelBack = 0x800005;
ColorRef ByteColor(uint8_t v) { return 0x0100 + v; }

std::string Addresses(const RecordingCanvas& c, int row) { return c.Row(row * 16, 0, 8, 8); }

TEST(RenderPaint, EmptyDocumentShowsRulerAddressesAndTheEndMark) {
  auto doc = PaintDocument({});
  RecordingCanvas c = PaintRecorded(*doc, ClientOf(*doc));
  EXPECT_EQ(c.Row(0, 72, 8, 81), RulerText(GeometryFor(0), 0));
  EXPECT_EQ(Addresses(c, 1), "00000000");
  EXPECT_EQ(Addresses(c, 2), "00000010");
  EXPECT_EQ(Addresses(c, 9), "00000080");  // every row of the window has an address
  EXPECT_TRUE(c.At(0, 160).empty());
  for (int x : {72, 456, 592}) {
    std::vector<DrawnText> mark = c.At(x, 16);
    ASSERT_EQ(mark.size(), 1u) << x;
    EXPECT_EQ(mark[0].ansi, "･");
    EXPECT_EQ(mark[0].color, kFixed);
  }
  EXPECT_EQ(c.texts.size(), 48u + 9 * 8 + 3);  // ruler digits, addresses, marks
  EXPECT_TRUE(c.fills.empty());
}

TEST(RenderPaint, SixteenBytesFillOneLineAndTheMarkStartsTheSecond) {
  auto doc = PaintDocument(Bytes("0123456789ABCDEF"));
  RecordingCanvas c = PaintRecorded(*doc, ClientOf(*doc));
  EXPECT_EQ(c.Row(16, 72, 8, 47), "30 31 32 33 34 35 36 37 38 39 41 42 43 44 45 46");
  EXPECT_EQ(c.Row(16, 456, 8, 16), "0123456789ABCDEF");
  EXPECT_EQ(c.At(592, 16).at(0).wide, u"\u3130");  // "01" read as one little-endian unit
  EXPECT_EQ(c.At(72, 32).at(0).ansi, "･");
  EXPECT_EQ(c.At(456, 32).at(0).ansi, "･");
  EXPECT_EQ(c.At(592, 32).at(0).ansi, "･");
  EXPECT_EQ(c.At(80, 16).at(0).color, ByteColor('0'));
  EXPECT_EQ(c.At(80, 16).at(0).clip, (PixelRect{72, 16, 448, 160}));  // digits clip to the numeric area
  EXPECT_EQ(c.At(456, 16).at(0).clip, (PixelRect{456, 16, 464, 32}));  // characters to their cell
}

TEST(RenderPaint, DecimalAndOctalAddressesWithTheirRulers) {
  std::vector<uint8_t> bytes(25, 'x');
  auto dec = PaintDocument(bytes, 0x08);
  RecordingCanvas c = PaintRecorded(*dec, ClientOf(*dec));
  EXPECT_EQ(c.Row(0, 312, 8, 10), "0123456789");  // ANSI ruler of 10 columns
  EXPECT_EQ(Addresses(c, 2), "00000010");
  EXPECT_EQ(Addresses(c, 3), "00000020");
  EXPECT_EQ(c.At(312 + 5 * 8, 48).at(0).ansi, "･");  // 25 = line 2, column 5

  auto oct = PaintDocument(bytes, 0x10);
  c = PaintRecorded(*oct, ClientOf(*oct));
  EXPECT_EQ(c.Row(0, 456, 8, 16), "0123456701234567");
  EXPECT_EQ(Addresses(c, 2), "00000020");
  EXPECT_EQ(Addresses(c, 9), "00000200");
}

// The address column keeps only the last 8 decimal digits. The top line is set
// beyond the data on purpose: rows past the end still get addresses.
TEST(RenderPaint, DecimalAddressesAbove99999999ShowTheirLastEightDigits) {
  auto doc = PaintDocument({}, 0x08);
  doc->scrollLine = 9999999;
  RecordingCanvas c = PaintRecorded(*doc, ClientOf(*doc));
  EXPECT_EQ(Addresses(c, 1), "99999990");
  EXPECT_EQ(Addresses(c, 2), "00000000");
  EXPECT_EQ(Addresses(c, 3), "00000010");
}

TEST(RenderPaint, BinarySignedAndUnsignedCells) {
  auto bin = PaintDocument({0x05, 0xA0}, 0x02);
  RecordingCanvas c = PaintRecorded(*bin, ClientOf(*bin));
  EXPECT_EQ(c.Row(16, 72, 8, 17), "00000101 10100000");
  EXPECT_EQ(c.Row(0, 72, 8, 18), "       0        1 ");

  auto sig = PaintDocument({0xFF, 0x80, 0x07, 0x7F}, 0x04);
  c = PaintRecorded(*sig, ClientOf(*sig));
  EXPECT_EQ(c.Row(16, 72, 8, 19), "  -1 -128    7  127");
  EXPECT_TRUE(c.At(72, 16).empty());  // the padding blanks are not drawn

  auto uns = PaintDocument({0x07, 0xFF}, 0x03);
  c = PaintRecorded(*uns, ClientOf(*uns));
  EXPECT_EQ(c.Row(16, 72, 8, 7), "  7 255");
}

std::vector<uint8_t> LeadAtLineEnd(uint8_t lead, uint8_t trail) {
  std::vector<uint8_t> bytes(15, 'A');
  bytes.push_back(lead);
  bytes.push_back(trail);
  bytes.push_back('B');
  return bytes;
}

TEST(RenderPaint, LeadByteAtLineEndShowsInTheSeparatorAndOnTheNextLine) {
  auto doc = PaintDocument(LeadAtLineEnd(0x93, 0xFA));  // 日
  RecordingCanvas c = PaintRecorded(*doc, ClientOf(*doc));
  std::vector<DrawnText> at = c.At(576, 16);
  ASSERT_EQ(at.size(), 2u);
  EXPECT_EQ(at[0].ansi, "日");
  EXPECT_EQ(at[0].clip, (PixelRect{576, 16, 584, 32}));
  EXPECT_EQ(at[0].color, ByteColor(0x93));
  EXPECT_EQ(at[1].ansi, "日");
  EXPECT_EQ(at[1].clip, (PixelRect{584, 16, 592, 32}));  // right half, dimmed, in the separator
  EXPECT_EQ(at[1].color, 0x7F80C8u);                     // mean of 0x000193 and 0xFFFFFE
  std::vector<DrawnText> trail = c.At(448, 32);          // drawn one cell left of the line start
  ASSERT_EQ(trail.size(), 1u);
  EXPECT_EQ(trail[0].ansi, "日");
  EXPECT_EQ(trail[0].clip, (PixelRect{456, 32, 464, 48}));
  EXPECT_EQ(trail[0].color, ByteColor(0xFA));
  EXPECT_EQ(c.At(464, 32).at(0).ansi, "B");
}

// Pairing starts afresh at the top line: the trail byte of a character begun on
// the line above the window is shown as a byte of its own.
TEST(RenderPaint, TopLineStartingWithATrailByteIsClassifiedAfresh) {
  auto doc = PaintDocument(LeadAtLineEnd(0x83, 0x41));  // ア, whose trail byte is "A"
  doc->scrollLine = 1;
  RecordingCanvas c = PaintRecorded(*doc, ClientOf(*doc));
  std::vector<DrawnText> first = c.At(456, 16);
  ASSERT_EQ(first.size(), 1u);
  EXPECT_EQ(first[0].ansi, "A");
  EXPECT_TRUE(c.At(448, 16).empty());
  EXPECT_EQ(Addresses(c, 1), "00000010");
}

// The paint reads the lines the client height holds plus one byte, so the last
// visible byte pairs with the byte after it.
TEST(RenderPaint, LastVisibleLeadPairsWithTheExtraByte) {
  std::vector<uint8_t> bytes(143, 'A');
  bytes.push_back(0x93);
  bytes.push_back(0xFA);
  auto doc = PaintDocument(bytes);
  doc->clientHeight = 150;  // rows 1-9, the last one cut: 9 lines and 1 byte are read
  RecordingCanvas c = PaintRecorded(*doc, ClientOf(*doc));
  std::vector<DrawnText> at = c.At(576, 144);
  ASSERT_EQ(at.size(), 2u);
  EXPECT_EQ(at[0].ansi, "日");
  EXPECT_EQ(at[1].clip.left, 584);
}

TEST(RenderPaint, LoneLeadByteAtTheEndShowsItsLabelInTwoSmallRows) {
  auto doc = PaintDocument({'A', 'B', 0x81});
  RecordingCanvas c = PaintRecorded(*doc, ClientOf(*doc));
  std::vector<DrawnText> top = c.At(472, 16), bottom = c.At(472, 24);
  ASSERT_EQ(top.size(), 1u);
  ASSERT_EQ(bottom.size(), 1u);
  EXPECT_EQ(top[0].ansi, "漢");
  EXPECT_EQ(bottom[0].ansi, "81");
  EXPECT_TRUE(top[0].small);
  EXPECT_TRUE(bottom[0].small);
  EXPECT_FALSE(c.At(480, 16).at(0).small);  // the end mark is back in the main font
}

TEST(RenderPaint, TwoLetterArrowAndQuestionLabels) {
  auto doc = PaintDocument({0x00, 0x1C, 0x0A, 0x80, 0xFD, 0xA0, 0xB1});
  RecordingCanvas c = PaintRecorded(*doc, ClientOf(*doc));
  EXPECT_EQ(c.At(456, 16).at(0).ansi, "\\");
  EXPECT_EQ(c.At(460, 24).at(0).ansi, "0");  // second letter half a cell right, a half row down
  EXPECT_EQ(c.At(464, 20).at(0).ansi, "→");  // an arrow centred in the cell
  EXPECT_EQ(c.At(472, 16).at(0).ansi, "L");
  EXPECT_EQ(c.At(476, 24).at(0).ansi, "F");
  EXPECT_EQ(c.At(480, 16).at(0).ansi, "？");
  EXPECT_EQ(c.At(480, 24).at(0).ansi, "80");
  EXPECT_EQ(c.At(488, 24).at(0).ansi, "FD");
  EXPECT_TRUE(c.At(496, 16).empty());  // 0xA0 is a blank
  EXPECT_EQ(c.At(504, 16).at(0).ansi, "ｱ");
  EXPECT_FALSE(c.At(504, 16).at(0).small);
  for (const DrawnText& t : c.texts) {
    if (t.x >= 456 && t.x < 496 && t.y > 16 && t.y < 32) {
      EXPECT_TRUE(t.small) << t.x;
    }
  }
}

TEST(RenderPaint, Utf16UnitsSurrogatePairsAndTheQuestionMarkForALastEvenByte) {
  auto doc = PaintDocument({0x3D, 0xD8, 0x00, 0xDE, 'A', 0x00, 'B'});
  RecordingCanvas c = PaintRecorded(*doc, ClientOf(*doc));
  std::vector<DrawnText> pair = c.At(592, 16);
  ASSERT_EQ(pair.size(), 2u);  // the even cell and the odd cell both draw the pair
  EXPECT_EQ(pair[0].wide, (std::u16string{0xD83D, 0xDE00}));
  EXPECT_EQ(pair[0].clip, (PixelRect{592, 16, 600, 32}));
  EXPECT_EQ(pair[1].clip, (PixelRect{600, 16, 608, 32}));
  std::vector<DrawnText> low = c.At(608, 16);
  ASSERT_EQ(low.size(), 2u);
  EXPECT_EQ(low[0].wide, std::u16string(1, char16_t(0xDE00)));  // a low surrogate alone is not paired backwards
  EXPECT_EQ(c.At(624, 16).at(0).wide, u"A");
  EXPECT_EQ(c.At(640, 16).at(0).ansi, "?");  // offset 6 is even and the last byte
  EXPECT_EQ(c.At(648, 16).at(0).ansi, "･");

  auto cut = PaintDocument({0x3D, 0xD8, 0x00});  // a high surrogate without four bytes
  c = PaintRecorded(*cut, ClientOf(*cut));
  EXPECT_EQ(c.At(592, 16).at(0).wide, std::u16string(1, char16_t(0xD83D)));
  EXPECT_EQ(c.At(608, 16).at(0).ansi, "?");
}

TEST(RenderPaint, SelectionAcrossADoubleByteCharacter) {
  auto doc = PaintDocument(Bytes("AA日本AA"));  // 41 41 93 FA 96 7B 41 41
  doc->anchor = 5;
  doc->caret = 3;  // [3, 5): the trail of 日 and the lead of 本
  RecordingCanvas c = PaintRecorded(*doc, ClientOf(*doc));
  std::vector<DrawnFill> expected = {
      {{144, 16, 168, 32}, kSelBack}, {{480, 16, 488, 32}, kSelBack}, {{616, 16, 624, 32}, kSelBack},
      {{168, 16, 192, 32}, kSelBack}, {{488, 16, 496, 32}, kSelBack}, {{624, 16, 632, 32}, kSelBack},
  };
  ASSERT_EQ(c.fills.size(), expected.size());
  for (size_t i = 0; i < expected.size(); ++i) {
    EXPECT_EQ(c.fills[i].rect, expected[i].rect) << i;
    EXPECT_EQ(c.fills[i].color, expected[i].color) << i;
  }
  std::vector<DrawnText> left = c.At(472, 16);  // 日 drawn for its lead and its trail cell
  ASSERT_EQ(left.size(), 2u);
  EXPECT_EQ(left[0].color, ByteColor(0x93));
  EXPECT_EQ(left[1].color, kSelText);
  EXPECT_EQ(left[1].clip, (PixelRect{480, 16, 488, 32}));
  std::vector<DrawnText> right = c.At(488, 16);  // 本
  ASSERT_EQ(right.size(), 2u);
  EXPECT_EQ(right[0].color, kSelText);
  EXPECT_EQ(right[1].color, ByteColor(0x7B));
  EXPECT_EQ(c.At(144, 16).at(0).color, kSelText);
  EXPECT_EQ(c.At(120, 16).at(0).color, ByteColor(0x93));
}

TEST(RenderPaint, SelectedTrailOnTheNextLineHalfFillsTheSeparator) {
  auto doc = PaintDocument(LeadAtLineEnd(0x93, 0xFA));
  doc->anchor = 16;
  doc->caret = 17;
  RecordingCanvas c = PaintRecorded(*doc, ClientOf(*doc));
  ASSERT_FALSE(c.fills.empty());
  EXPECT_EQ(c.fills[0].rect, (PixelRect{584, 16, 592, 32}));
  EXPECT_EQ(c.fills[0].color, 0xBF7F81u);  // mean of background and selection background
  std::vector<DrawnText> at = c.At(576, 16);
  ASSERT_EQ(at.size(), 2u);
  EXPECT_EQ(at[0].color, ByteColor(0x93));  // the lead itself is not selected
  EXPECT_EQ(at[1].color, 0x5F3F42u);        // ((selBack + back) / 2 + selText) / 2
}

TEST(RenderPaint, SystemColoursReplaceTheDocumentsAndItsByteColours) {
  auto doc = PaintDocument(LeadAtLineEnd(0x93, 0xFA), 0x80);
  doc->anchor = 0;
  doc->caret = 1;
  SampledColors sampled{0x000010, 0xFFFFF0, 0x000030, 0x000040, 0x500000};
  SystemColorValues system = MixSystemColors(sampled);
  DumpPalette palette = PaletteFor(*doc, system);
  RecordingCanvas c(0xFFFFF0, 0x500000, system.halfHighlight);
  PaintDump(c, *doc, palette, ClientOf(*doc), false);
  EXPECT_EQ(c.At(456, 16).at(0).color, 0x000040u);  // selected
  EXPECT_EQ(c.At(464, 16).at(0).color, 0x000010u);  // unselected: the window text, no byte colour
  EXPECT_EQ(c.At(576, 16).at(1).color, system.textMix);
  EXPECT_EQ(c.At(472, 32).at(0).color, 0x000030u);  // the end mark (offset 18) in gray text
  EXPECT_EQ(c.fills.at(0).color, 0x500000u);
  EXPECT_EQ(palette.selectedHalf, system.selectionMix);
}

TEST(RenderPaint, OnlyCellsMeetingTheUpdateRectangleAreDrawn) {
  auto doc = PaintDocument(Bytes("ABCDEFGH"));
  RecordingCanvas c = PaintRecorded(*doc, PixelRect{460, 20, 470, 30}, true);
  ASSERT_EQ(c.fills.size(), 1u);
  EXPECT_EQ(c.fills[0].rect, (PixelRect{460, 20, 470, 30}));
  EXPECT_EQ(c.fills[0].color, 0xFFFFFEu);
  ASSERT_EQ(c.texts.size(), 2u);  // the ANSI cells of A and B
  EXPECT_EQ(c.texts[0].ansi, "A");
  EXPECT_EQ(c.texts[0].clip, (PixelRect{460, 20, 464, 30}));
  EXPECT_EQ(c.texts[1].ansi, "B");

  RecordingCanvas ruler = PaintRecorded(*doc, PixelRect{0, 0, 800, 16});
  EXPECT_EQ(ruler.texts.size(), 48u);  // the ruler row alone: no bytes, no mark

  RecordingCanvas address = PaintRecorded(*doc, PixelRect{0, 40, 60, 50});
  EXPECT_EQ(address.texts.size(), 16u);  // rows 2 and 3 meet y 40-50
  EXPECT_EQ(Addresses(address, 2), "00000010");
  EXPECT_EQ(Addresses(address, 3), "00000020");
}

TEST(RenderPaint, HorizontalScrollKeepsTheAddressColumnAndCutsAtNineCells) {
  auto doc = PaintDocument(Bytes("ABCDEFGHIJKLMNOP"));
  doc->scrollColumn = 3;  // the first numeric cell is scrolled out
  RecordingCanvas c = PaintRecorded(*doc, ClientOf(*doc));
  EXPECT_EQ(Addresses(c, 1), "00000000");
  EXPECT_EQ(c.Row(0, 72, 8, 6), " 1  2 ");
  EXPECT_EQ(c.At(48, 16).size(), 1u);  // the address digit only: cell 0 lies left of the area
  EXPECT_EQ(c.Row(16, 72, 8, 5), "42 43");
  EXPECT_EQ(c.At(432, 16).at(0).ansi, "A");  // ANSI cell 0 now at (9 + 48 - 3) * 8
}

// A frame other than the window's: its own cell width (10) and lines, only the
// bytes of [0x13, 0x25) drawn, no selection, no end mark.
TEST(RenderPaint, FrameDrawsOnlyItsByteRangeAtItsOwnCellWidth) {
  auto doc = PaintDocument(Bytes("0123456789ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmn"));
  doc->anchor = 0;
  doc->caret = 40;  // the window's selection is not the frame's
  DumpFrame frame;
  frame.charWidth = 10;
  frame.scrollLine = 1;
  frame.clientHeight = 60;
  frame.begin = 0x13;
  frame.end = 0x25;
  frame.endMark = false;
  DumpPalette palette = DocumentPalette(*doc);
  RecordingCanvas c(palette.back, palette.selBack, palette.back);
  PaintDumpFrame(c, *doc, palette, frame, PixelRect{0, 0, 1000, 60}, false);
  EXPECT_EQ(c.Row(20, 0, 10, 8), "00000010");
  EXPECT_EQ(c.Row(40, 0, 10, 8), "00000020");
  EXPECT_EQ(c.Row(20, 90, 10, 47), "         4A 4B 4C 4D 4E 4F 50 51 52 53 54 55 56");
  EXPECT_EQ(c.Row(40, 90, 10, 47), "57 58 59 5A 61                                 ");
  EXPECT_EQ(c.Row(20, 570, 10, 16), "   JKLMNOPQRSTUV");
  EXPECT_EQ(c.Row(40, 570, 10, 16), "WXYZa           ");
  std::vector<DrawnText> odd = c.At(760, 20);  // 0x13 shows the unit of 0x12 and 0x13, one cell left
  ASSERT_EQ(odd.size(), 1u);
  EXPECT_EQ(odd[0].wide, u"\u4A49");
  EXPECT_EQ(odd[0].clip, (PixelRect{770, 20, 780, 40}));
  EXPECT_EQ(c.At(780, 40).at(0).wide, u"\u6261");  // 0x24 pairs with 0x25 beyond the range: no "?"
  EXPECT_TRUE(c.At(790, 40).empty());
  EXPECT_TRUE(c.fills.empty());
  for (const DrawnText& t : c.texts) {
    EXPECT_NE(t.ansi, "･");
    EXPECT_LT(t.y, 60);
  }
}

// A frame that continues a pairing: its first byte is the trail of a lead
// before it, read from the document, and the dimmed half takes the trail's colour.
TEST(RenderPaint, FrameStartingWithATrailAndHalvesInTheTrailColour) {
  auto doc = PaintDocument(LeadAtLineEnd(0x93, 0xFA));  // 0xFA would pair with "B" if taken afresh
  DumpFrame frame;
  frame.charWidth = 8;
  frame.scrollLine = 1;
  frame.clientHeight = 32;
  frame.begin = 16;
  frame.beginsWithTrail = true;
  DumpPalette palette = DocumentPalette(*doc);
  RecordingCanvas c(palette.back, palette.selBack, palette.back);
  PaintDumpFrame(c, *doc, palette, frame, PixelRect{0, 0, 800, 32}, false);
  std::vector<DrawnText> trail = c.At(448, 16);
  ASSERT_EQ(trail.size(), 1u);
  EXPECT_EQ(trail[0].ansi, "日");
  EXPECT_EQ(trail[0].clip, (PixelRect{456, 16, 464, 32}));
  EXPECT_EQ(c.At(464, 16).at(0).ansi, "B");

  frame.scrollLine = 0;
  frame.clientHeight = 48;
  frame.begin = 0;
  frame.beginsWithTrail = false;
  frame.halfFromTrail = true;
  RecordingCanvas first(palette.back, palette.selBack, palette.back);
  PaintDumpFrame(first, *doc, palette, frame, PixelRect{0, 0, 800, 48}, false);
  std::vector<DrawnText> lead = first.At(576, 16);
  ASSERT_EQ(lead.size(), 2u);
  EXPECT_EQ(lead[1].clip, (PixelRect{584, 16, 592, 32}));
  EXPECT_EQ(lead[1].color, 0x7F80FCu);  // mean of 0x0001FA and 0xFFFFFE
}

}  // namespace
