// Dump geometry: columns per radix, lines, pages and scroll limits.
#include "hexview/render/dump_layout.h"

#include <gtest/gtest.h>

#include <vector>

#include "support/render_recording.h"

namespace {

TEST(DumpGeometry, ColumnsOfEveryRadixCombination) {
  struct Case {
    uint32_t options;  // data radix in bits 0-2, address radix in bits 3-4
    int digits, bytesPerLine, ansi0, separator, utf16Last, total;
  } cases[] = {
      {0x00, 2, 16, 48, 64, 80, 82},      // hexadecimal / hexadecimal: the classic 82 columns
      {0x02, 8, 16, 144, 160, 176, 178},  // binary
      {0x03, 3, 16, 64, 80, 96, 98},      // unsigned decimal
      {0x04, 4, 16, 80, 96, 112, 114},    // signed decimal
      {0x08, 2, 10, 30, 40, 50, 52},      // decimal addresses: 10 bytes per line
      {0x10, 2, 16, 48, 64, 80, 82},      // octal addresses keep 16 bytes per line
      {0x97, 2, 16, 48, 64, 80, 82},      // the unused data radix code 7 shows as hexadecimal
  };
  for (const Case& c : cases) {
    DumpGeometry g = GeometryFor(c.options);
    EXPECT_EQ(std::vector<int>({g.digits, g.bytesPerLine, g.AreaColumn(kAreaAnsi, 0), g.SeparatorColumn(),
                                g.AreaColumn(kAreaUtf16, 0) - 1, g.Utf16Column(g.bytesPerLine - 1), g.TotalColumns()}),
              std::vector<int>({c.digits, c.bytesPerLine, c.ansi0, c.separator, c.separator, c.utf16Last, c.total}))
        << c.options;
  }
  DumpGeometry hex = GeometryFor(0), dec = GeometryFor(0x08);
  EXPECT_EQ(hex.AreaColumn(kAreaNumeric, 15), 45);
  EXPECT_EQ(dec.LineOf(123) * 100 + dec.ColumnOf(123), 1203);
  EXPECT_EQ(dec.LineStart(300000000), 3000000000LL);          // past 2^31: no overflow
  EXPECT_EQ(hex.LineCount(15) * 10 + hex.LineCount(16), 12);  // the end-of-data position always has a line
}

TEST(DumpGeometry, PagesAndScrollLimits) {
  auto doc = PaintDocument(std::vector<uint8_t>(1000));                  // cells 8 pixels wide, 800 x 160 pixels
  EXPECT_EQ(PageColumns(*doc) * 100 + PageLines(*doc), 9109);            // 9 fixed cells and the ruler
  EXPECT_EQ(MaxScrollColumn(*doc) * 100 + MaxScrollLine(*doc), 63 - 9);  // 1000 / 16 + 1 = 63 lines
  doc->clientWidth = 100;
  doc->clientHeight = 20;
  EXPECT_EQ(PageColumns(*doc) * 10 + PageLines(*doc), 31);  // never below one line
  doc->scrollColumn = 500;
  doc->scrollLine = 100;
  ClampScroll(*doc);
  EXPECT_EQ(doc->scrollColumn * 1000 + doc->scrollLine, 79062);
  doc->charWidth = doc->clientWidth = doc->clientHeight = 0;  // before the font was measured
  EXPECT_EQ(CellWidth(*doc) * 100 + PageColumns(*doc) * 10, 110);
}

}  // namespace
