// Printer font, cell, refusal of short pages and what a page holds.
#include <gtest/gtest.h>

#include "print/page_metrics.h"

namespace {

TEST(PageMetrics, DumpLineWidthPerRadix) {
  const struct {
    uint32_t options;
    int32_t width;
  } cases[] = {
      {0x00, 92},   // hexadecimal data and addresses: 5 x 16 + 12
      {0x01, 108},  // octal data
      {0x02, 188},  // binary
      {0x03, 108},  // unsigned decimal
      {0x04, 124},  // signed decimal
      {0x08, 62},   // decimal addresses: 10 bytes per line
      {0x0A, 122},
      {0x10, 92},   // octal addresses keep 16 bytes per line
  };
  for (const auto& c : cases) EXPECT_EQ(DumpLineWidth(c.options), c.width) << c.options;
}

TEST(PageMetrics, FontAndCellFromTheMargin) {
  EXPECT_EQ(PrinterFontHeight(4800, 92), 104);  // 92 cells of 52 pixels fill 4800 pixels
  EXPECT_EQ(PrinterFontHeight(4800, 171), 56);
  EXPECT_EQ(PrinterFontHeight(100, 512), 1);    // never 0, which would mean the default size
  EXPECT_EQ(PrinterSmallFontHeight(104), 52);
  EXPECT_EQ(PrinterSmallFontHeight(57), 28);
  EXPECT_EQ(PrinterCell(104), 52);
  EXPECT_EQ(PrinterCell(105), 53);
  EXPECT_EQ(PrinterCell(0), 1);
}

TEST(PageMetrics, ShortPagesAreRefusedAndPagesHoldLinesAndRows) {
  EXPECT_TRUE(PageTooShort(52, 260));  // 5 x 52 = 260
  EXPECT_FALSE(PageTooShort(52, 261));
  EXPECT_EQ(DumpLinesPerPage(52, 261), 1);  // the line at y = 104 lies above 261 - 156
  EXPECT_EQ(StructureRowsPerPage(52, 261), 2);
  EXPECT_EQ(DumpLinesPerPage(52, 6600), 61);  // y = 104 .. 6344, below 6444
  EXPECT_EQ(StructureRowsPerPage(52, 6600), 62);
  EXPECT_EQ(DumpLinesPerPage(52, 6604), 61);  // 6448 is not below 6448
  EXPECT_EQ(DumpLinesPerPage(52, 6605), 62);
  EXPECT_EQ(DumpLinesPerPage(52, 200), 0);
}

TEST(PageMetrics, CollatedCopiesRepeatTheOutput) {
  EXPECT_EQ(OutputRuns(true, 2), 2);
  EXPECT_EQ(OutputRuns(false, 2), 1);
  EXPECT_EQ(OutputRuns(true, 0), 1);
}

}  // namespace
