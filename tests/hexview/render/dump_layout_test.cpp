// Dump geometry: columns per radix, pages, scroll limits, area boxes, cell and ruler texts.
#include "hexview/render/dump_layout.h"

#include <gtest/gtest.h>

#include <memory>

#include "core/document.h"
#include "hexview/render/dump_text.h"

namespace {

struct GeometryCase {
  uint32_t options;
  int digits, bytesPerLine;
  int ansi0, separator, utf16First, utf16Last, total;
};

// data radix in bits 0-2, address radix in bits 3-4
const GeometryCase kGeometry[] = {
    {0x00, 2, 16, 48, 64, 65, 80, 82},    // hexadecimal / hexadecimal: the classic 82 columns
    {0x01, 3, 16, 64, 80, 81, 96, 98},    // octal data
    {0x02, 8, 16, 144, 160, 161, 176, 178},  // binary: 177 drawn columns, range 178
    {0x03, 3, 16, 64, 80, 81, 96, 98},    // unsigned decimal
    {0x04, 4, 16, 80, 96, 97, 112, 114},  // signed decimal
    {0x08, 2, 10, 30, 40, 41, 50, 52},    // decimal addresses: 10 bytes per line
    {0x10, 2, 16, 48, 64, 65, 80, 82},    // octal addresses keep 16 bytes per line
    {0x0C, 4, 10, 50, 60, 61, 70, 72},    // signed decimal with decimal addresses
    {0x97, 2, 16, 48, 64, 65, 80, 82},    // the unused data radix code 7 shows as hexadecimal
};

TEST(DumpGeometry, ColumnsOfEveryRadixCombination) {
  for (const GeometryCase& c : kGeometry) {
    SCOPED_TRACE(c.options);
    DumpGeometry g = GeometryFor(c.options);
    EXPECT_EQ(g.digits, c.digits);
    EXPECT_EQ(g.bytesPerLine, c.bytesPerLine);
    EXPECT_EQ(g.AnsiColumn(0), c.ansi0);
    EXPECT_EQ(g.SeparatorColumn(), c.separator);
    EXPECT_EQ(g.Utf16Column(0), c.utf16First);
    EXPECT_EQ(g.Utf16Column(g.bytesPerLine - 1), c.utf16Last);
    EXPECT_EQ(g.TotalColumns(), c.total);
    EXPECT_EQ(g.NumericEnd(), c.ansi0 - 1);
  }
}

TEST(DumpGeometry, CellColumnsAndLinesOfOffsets) {
  DumpGeometry hex = GeometryFor(0);
  EXPECT_EQ(hex.NumericColumn(5), 15);
  EXPECT_EQ(hex.AreaColumn(kAreaNumeric, 15), 45);
  EXPECT_EQ(hex.AreaColumn(kAreaAnsi, 15), 63);
  EXPECT_EQ(hex.AreaColumn(kAreaUtf16, 15), 80);
  EXPECT_EQ(hex.LineOf(0x1F), 1);
  EXPECT_EQ(hex.ColumnOf(0x1F), 15);
  DumpGeometry dec = GeometryFor(0x08);
  EXPECT_EQ(dec.LineOf(123), 12);
  EXPECT_EQ(dec.ColumnOf(123), 3);
  EXPECT_EQ(dec.LineStart(300000000), 3000000000LL);  // past 2^31: no overflow
  // The end-of-data position always has a line.
  EXPECT_EQ(hex.LineCount(0), 1);
  EXPECT_EQ(hex.LineCount(15), 1);
  EXPECT_EQ(hex.LineCount(16), 2);
  EXPECT_EQ(dec.LineCount(10), 2);
}

std::unique_ptr<Document, void (*)(Document*)> ViewDocument(int32_t length, int charWidth, int width, int height) {
  std::unique_ptr<Document, void (*)(Document*)> doc(CreateDocument(), FreeDocument);
  doc->length = length;  // geometry only: no bytes are read
  doc->charWidth = charWidth;
  doc->clientWidth = width;
  doc->clientHeight = height;
  return doc;
}

TEST(DumpGeometry, PagesAndScrollLimits) {
  auto doc = ViewDocument(1000, 8, 800, 160);
  EXPECT_EQ(PageColumns(*doc), 91);  // 100 cells minus the 9 fixed ones
  EXPECT_EQ(PageLines(*doc), 9);     // 10 rows minus the ruler
  EXPECT_EQ(MaxScrollColumn(*doc), 0);
  EXPECT_EQ(MaxScrollLine(*doc), 63 - 9);  // 1000 / 16 + 1 = 63 lines

  auto narrow = ViewDocument(1000, 8, 100, 20);
  EXPECT_EQ(PageColumns(*narrow), 3);
  EXPECT_EQ(PageLines(*narrow), 1);  // never below one
  EXPECT_EQ(MaxScrollColumn(*narrow), 79);
  narrow->scrollColumn = 500;
  narrow->scrollLine = -4;
  ClampScroll(*narrow);
  EXPECT_EQ(narrow->scrollColumn, 79);
  EXPECT_EQ(narrow->scrollLine, 0);

  auto tiny = ViewDocument(0, 0, 0, 0);  // before the font was measured
  EXPECT_EQ(CellWidth(*tiny), 1);
  EXPECT_EQ(PageColumns(*tiny), 1);
  EXPECT_EQ(PageLines(*tiny), 1);
  EXPECT_EQ(MaxScrollLine(*tiny), 0);
}

TEST(DumpGeometry, PixelPositionsAndAreaBoxes) {
  auto doc = ViewDocument(1000, 8, 800, 160);
  EXPECT_EQ(ColumnX(*doc, 0), 72);
  EXPECT_EQ(LineY(*doc, 0), 16);
  doc->scrollLine = 10;
  doc->scrollColumn = 5;
  EXPECT_EQ(ColumnX(*doc, 5), 72);
  EXPECT_EQ(LineY(*doc, 12), 48);
  EXPECT_EQ(LineY(*doc, 2000000000), 176);  // far below: clamped just past the client area
  EXPECT_EQ(LineY(*doc, 0), -16);

  DumpAreas a = AreasOf(*doc);
  // numeric: columns 0..46 shifted left by 5, cut at 9 cells; ansi 48..64; utf16 65..80.
  EXPECT_EQ(a.numeric, (PixelRect{72, 16, 408, 160}));
  EXPECT_EQ(a.ansi, (PixelRect{416, 16, 552, 160}));
  EXPECT_EQ(a.utf16, (PixelRect{552, 16, 680, 160}));
  doc->scrollColumn = 60;
  a = AreasOf(*doc);
  EXPECT_TRUE(a.numeric.Empty());
  EXPECT_EQ(a.ansi, (PixelRect{72, 16, 112, 160}));  // the last ANSI cells and the separator
}

TEST(DumpText, ByteCellsInEveryRadix) {
  struct Case {
    uint8_t value;
    int radix;
    const char* text;
  } cases[] = {
      {0x0A, 0, "0A"}, {0xFF, 0, "FF"}, {0x0A, 1, "012"}, {0xFF, 1, "377"}, {0x0A, 2, "00001010"},
      {0x07, 3, "  7"}, {0xFF, 3, "255"}, {0xFF, 4, "  -1"}, {0x80, 4, "-128"}, {0x7F, 4, " 127"},
      {0x00, 4, "   0"}, {0x41, 7, "41"},
  };
  for (const Case& c : cases) {
    char text[9];
    EXPECT_EQ(ByteCellText(c.value, c.radix, text), static_cast<int>(std::string(c.text).size()));
    EXPECT_STREQ(text, c.text);
  }
}

TEST(DumpText, RulersOfHexDecimalAndOctalAddresses) {
  EXPECT_EQ(RulerText(GeometryFor(0), 0),
            " 0  1  2  3  4  5  6  7  8  9  A  B  C  D  E  F "
            "0123456789ABCDEF 0123456789ABCDEF");
  EXPECT_EQ(RulerText(GeometryFor(0x08), 1), " 0  1  2  3  4  5  6  7  8  9 0123456789 0123456789");
  EXPECT_EQ(RulerText(GeometryFor(0x10), 2),
            " 0  1  2  3  4  5  6  7  0  1  2  3  4  5  6  7 "
            "0123456701234567 0123456701234567");
  EXPECT_EQ(RulerText(GeometryFor(0x02), 0).substr(0, 18), "       0        1 ");
}

}  // namespace
