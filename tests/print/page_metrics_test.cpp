// Printer font, cell, refusal of short pages, what a page holds, collated runs.
#include <gtest/gtest.h>

#include <iterator>

#include "print/page_metrics.h"

namespace {

TEST(PageMetrics, LineWidthPerRadixFontCellAndPageCapacity) {
  // options: hexadecimal, octal, binary, unsigned, signed data; decimal and octal addresses.
  const uint32_t options[] = {0x00, 0x01, 0x02, 0x03, 0x04, 0x08, 0x0A, 0x10};
  const int32_t widths[] = {92, 108, 188, 108, 124, 62, 122, 92};
  for (size_t i = 0; i < std::size(options); ++i) EXPECT_EQ(DumpLineWidth(options[i]), widths[i]) << options[i];
  // The printer font, its cell and what a page holds.
  EXPECT_EQ(PrinterFontHeight(4800, 92), 104);  // 92 cells of 52 pixels fill 4800 pixels
  EXPECT_EQ(PrinterFontHeight(4800, 171), 56);
  EXPECT_EQ(PrinterFontHeight(100, 512), 1);  // never 0, which would mean the default size
  EXPECT_EQ(PrinterSmallFontHeight(57), 28);
  EXPECT_TRUE(PrinterCell(105) == 53 && PrinterCell(0) == 1);
  EXPECT_TRUE(PageTooShort(52, 260) && !PageTooShort(52, 261));  // 5 x 52 = 260
  EXPECT_EQ(DumpLinesPerPage(52, 261), 1);  // the line at y = 104 lies above 261 - 156
  EXPECT_EQ(StructureRowsPerPage(52, 261), 2);
  EXPECT_EQ(DumpLinesPerPage(52, 6604), 61);  // the line at 6448 is not above 6448
  EXPECT_EQ(DumpLinesPerPage(52, 6605), 62);
  EXPECT_EQ(StructureRowsPerPage(52, 6600), 62);
  // The printer makes uncollated copies.
  EXPECT_TRUE(OutputRuns(true, 2) == 2 && OutputRuns(false, 2) == 1 && OutputRuns(true, 0) == 1);
}

}  // namespace
