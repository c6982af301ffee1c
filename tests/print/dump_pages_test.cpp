// The printed dump: the range, which bytes go on which page and line, and each
// page as the dump painter draws it at a 10-pixel printer cell (hexadecimal
// layout: numeric cell c at x = 90 + 30c, ANSI cell c at 570 + 10c, separator
// 730, UTF-16 cell c at 740 + 10c; line i of a page at y = 20 (i + 1)).
#include <gtest/gtest.h>

#include <algorithm>
#include <random>
#include <string>
#include <vector>

#include "hexview/render_recording.h"
#include "print/dump_pages.h"

namespace {

constexpr int32_t kCell = 10;

std::vector<uint8_t> Bytes(const std::string& s) { return std::vector<uint8_t>(s.begin(), s.end()); }

std::vector<DumpPage> Pages(Document& doc, PrintRange range, int32_t linesPerPage, int32_t runs) {
  DumpPager pager(doc, range, linesPerPage, runs);
  std::vector<DumpPage> pages;
  for (DumpPage page; pager.Next(&page);) pages.push_back(page);
  return pages;
}

RecordingCanvas PrintPage(Document& doc, const DumpPage& page) {
  DumpPalette palette = DumpPrintPalette(doc);
  RecordingCanvas canvas(palette.back, palette.selBack, palette.back);
  PaintDumpPage(canvas, doc, palette, page, kCell);
  return canvas;
}

TEST(DumpPages, TheSelectionsLinesPagesInOrderCollatedCopiesAndPagesTogetherAsOneLongPage) {
  auto doc = PaintDocument(Bytes("0123456789ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmn"));
  doc->anchor = 0x25;
  doc->caret = 0x13;
  EXPECT_EQ(DumpPrintRange(*doc, false), (PrintRange{0, 50}));
  const std::vector<DumpPage> pages = Pages(*doc, DumpPrintRange(*doc, true), 61, 1);
  ASSERT_EQ(pages, (std::vector<DumpPage>{{PagePosition{0, 0, 0, 2}, 1, 2, 0x13, 0x25, false}}));
  RecordingCanvas c = PrintPage(*doc, pages[0]);
  EXPECT_EQ(c.Row(0, 90, 10, 2) + c.Row(20, 0, 10, 8) + " " + c.Row(40, 0, 10, 8), " 000000010 00000020");
  EXPECT_EQ(c.Row(20, 90, 10, 47) + "|" + c.Row(40, 570, 10, 16),
            "         4A 4B 4C 4D 4E 4F 50 51 52 53 54 55 56|WXYZa           ");
  EXPECT_TRUE(c.fills.empty());  // the selection is not highlighted
  for (const DrawnText& t : c.texts) EXPECT_LT(t.y, 60);
  doc->anchor = -1;
  EXPECT_EQ(DumpPrintRange(*doc, true), (PrintRange{0, 50}));
  // Lines go to pages in order and collated copies repeat them.
  doc = PaintDocument(std::vector<uint8_t>(1000, 'x'));  // lines 0 .. 62, the last one of 8 bytes
  const std::vector<DumpPage> all = Pages(*doc, PrintRange{0, 1000}, 20, 2);
  std::string order;
  for (const DumpPage& p : all)
    order += std::to_string(p.position.copy) + ":" + std::to_string(p.firstLine) + "+" + std::to_string(p.lineCount) +
             "[" + std::to_string(p.begin) + "," + std::to_string(p.end) + ") ";
  EXPECT_EQ(order,
            "0:0+20[0,320) 0:20+20[320,640) 0:40+20[640,960) 0:60+3[960,1000) "
            "1:0+20[0,320) 1:20+20[320,640) 1:40+20[640,960) 1:60+3[960,1000) ");
  RecordingCanvas last = PrintPage(*doc, all[3]);
  EXPECT_EQ(last.Row(20, 0, 10, 8) + "|" + last.Row(60, 570, 10, 16), "000003C0|xxxxxxxx        ");
  EXPECT_TRUE(last.At(0, 80).empty());                           // no address below the data
  for (const DrawnText& t : last.texts) EXPECT_NE(t.ansi, "･");  // no end mark
  const std::vector<DumpPage> empty = Pages(*doc, PrintRange{0, 0}, 20, 1);
  EXPECT_TRUE(empty.size() == 1u && PrintPage(*doc, empty[0]).texts.size() == 48u) << "the ruler alone";
  // Printing page by page draws what one page holding every line would draw,
  // for random ranges, page lengths and double-byte-rich contents.
  std::mt19937 rng(8765);
  const uint8_t alphabet[] = {'A', 0x00, 0x81, 0x93, 0xFA, 0xE0, 0x40, 0xA0};
  for (int round = 0; round < 40; ++round) {
    std::vector<uint8_t> bytes(rng() % 300);
    for (uint8_t& b : bytes) b = alphabet[rng() % sizeof alphabet];
    auto doc = PaintDocument(bytes, round % 3 == 0 ? 0x08 : 0);
    int32_t a = static_cast<int32_t>(rng() % (bytes.size() + 1)), b = static_cast<int32_t>(rng() % (bytes.size() + 1));
    PrintRange range{std::min(a, b), std::max(a, b)};
    const int32_t lines = static_cast<int32_t>(1 + rng() % 6);
    auto collect = [&](int32_t perPage) {
      std::vector<std::string> out;
      for (const DumpPage& page : Pages(*doc, range, perPage, 1)) {
        for (const DrawnText& t : PrintPage(*doc, page).texts) {
          if (t.y < 2 * kCell) continue;  // the ruler
          std::u16string text = t.ansi.empty() ? t.wide : AnsiToUtf16(t.ansi);
          out.push_back(std::to_string(t.x) + "," + std::to_string(t.y + page.firstLine * 2 * kCell) + "," +
                        std::to_string(t.clip.left) + "," + std::to_string(t.color) + "," +
                        std::string(text.begin(), text.end()));
        }
      }
      std::sort(out.begin(), out.end());  // pages draw addresses page by page, the long page all first
      return out;
    };
    ASSERT_EQ(collect(lines), collect(1000))
        << "round " << round << ", range " << range.begin << ".." << range.end << ", " << lines << " lines per page";
  }
}

}  // namespace
