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
  DumpPage page;
  while (pager.Next(&page)) pages.push_back(page);
  return pages;
}

RecordingCanvas PrintPage(Document& doc, const DumpPage& page) {
  DumpPalette palette = DumpPrintPalette(doc);
  RecordingCanvas canvas(palette.back, palette.selBack, palette.back);
  PaintDumpPage(canvas, doc, palette, page, kCell);
  return canvas;
}

TEST(DumpPages, RangeIsTheChosenSelectionOrTheWholeDocument) {
  auto doc = PaintDocument(std::vector<uint8_t>(0x40, 'x'));
  doc->anchor = 0x25;
  doc->caret = 0x13;
  EXPECT_EQ(DumpPrintRange(*doc, true), (PrintRange{0x13, 0x25}));
  EXPECT_EQ(DumpPrintRange(*doc, false), (PrintRange{0, 0x40}));
  doc->anchor = -1;
  EXPECT_EQ(DumpPrintRange(*doc, true), (PrintRange{0, 0x40}));
}

TEST(DumpPages, SelectionFrom0x13To0x25PrintsTwoLines) {
  auto doc = PaintDocument(Bytes("0123456789ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmn"));
  doc->anchor = 0x13;
  doc->caret = 0x25;
  std::vector<DumpPage> pages = Pages(*doc, DumpPrintRange(*doc, true), 61, 1);
  ASSERT_EQ(pages.size(), 1u);
  EXPECT_EQ(pages[0].firstLine, 1);
  EXPECT_EQ(pages[0].lineCount, 2);
  EXPECT_EQ(pages[0].begin, 0x13);
  EXPECT_EQ(pages[0].end, 0x25);
  RecordingCanvas c = PrintPage(*doc, pages[0]);
  EXPECT_EQ(c.Row(0, 90, 10, 81),
            " 0  1  2  3  4  5  6  7  8  9  A  B  C  D  E  F 0123456789ABCDEF 0123456789ABCDEF");
  EXPECT_EQ(c.Row(20, 0, 10, 8), "00000010");
  EXPECT_EQ(c.Row(40, 0, 10, 8), "00000020");
  EXPECT_EQ(c.Row(20, 90, 10, 47), "         4A 4B 4C 4D 4E 4F 50 51 52 53 54 55 56");
  EXPECT_EQ(c.Row(40, 90, 10, 47), "57 58 59 5A 61                                 ");
  EXPECT_EQ(c.Row(20, 570, 10, 16), "   JKLMNOPQRSTUV");
  EXPECT_EQ(c.Row(40, 570, 10, 16), "WXYZa           ");
  EXPECT_TRUE(c.At(740, 20).empty());
  EXPECT_TRUE(c.At(750, 20).empty());
  EXPECT_EQ(c.At(760, 20).at(0).clip, (PixelRect{770, 20, 780, 40}));  // 0x13's half of the unit at 0x12
  EXPECT_TRUE(c.fills.empty());  // the selection is not highlighted
  EXPECT_TRUE(c.At(0, 60).empty());
  for (const DrawnText& t : c.texts) EXPECT_LT(t.y, 60);
}

TEST(DumpPages, LinesGoToPagesInOrderAndCollatedCopiesRepeatThem) {
  auto doc = PaintDocument(std::vector<uint8_t>(1000, 'x'));  // lines 0 .. 62, the last one of 8 bytes
  std::vector<DumpPage> pages = Pages(*doc, PrintRange{0, 1000}, 20, 2);
  ASSERT_EQ(pages.size(), 8u);
  const int32_t first[] = {0, 20, 40, 60}, count[] = {20, 20, 20, 3}, begin[] = {0, 320, 640, 960},
                end[] = {320, 640, 960, 1000};
  for (size_t i = 0; i < pages.size(); ++i) {
    EXPECT_EQ(pages[i].position.copy, static_cast<int32_t>(i / 4)) << i;
    EXPECT_EQ(pages[i].position.number, static_cast<int32_t>(i % 4)) << i;
    EXPECT_EQ(pages[i].firstLine, first[i % 4]) << i;
    EXPECT_EQ(pages[i].lineCount, count[i % 4]) << i;
    EXPECT_EQ(pages[i].begin, begin[i % 4]) << i;
    EXPECT_EQ(pages[i].end, end[i % 4]) << i;
  }
  RecordingCanvas last = PrintPage(*doc, pages[3]);
  EXPECT_EQ(last.Row(20, 0, 10, 8), "000003C0");
  EXPECT_EQ(last.Row(60, 0, 10, 8), "000003E0");
  EXPECT_EQ(last.Row(60, 570, 10, 16), "xxxxxxxx        ");
  EXPECT_TRUE(last.At(0, 80).empty());  // no address below the data
  for (const DrawnText& t : last.texts) EXPECT_NE(t.ansi, "･");

  std::vector<DumpPage> once = Pages(*doc, PrintRange{0, 1000}, 20, 1);
  EXPECT_EQ(once.size(), 4u);
  std::vector<DumpPage> empty = Pages(*doc, PrintRange{0, 0}, 20, 1);
  ASSERT_EQ(empty.size(), 1u);  // the ruler alone
  EXPECT_EQ(empty[0].lineCount, 0);
  EXPECT_EQ(PrintPage(*doc, empty[0]).texts.size(), 48u);
}

// A lead byte on the last line of a page pairs with the first byte of the next
// page, and each copy starts its pairing afresh.
TEST(DumpPages, PairingRunsOnAcrossPagesAndStartsAfreshPerCopy) {
  std::vector<uint8_t> bytes(31, 'A');
  bytes.push_back(0x93);  // 日 = 93 FA: the lead ends page 0 (lines 0 and 1), the trail starts page 1
  bytes.push_back(0xFA);
  bytes.push_back('B');
  auto doc = PaintDocument(bytes);
  std::vector<DumpPage> pages = Pages(*doc, PrintRange{0, 34}, 2, 2);
  ASSERT_EQ(pages.size(), 4u);
  EXPECT_FALSE(pages[0].beginsWithTrail);
  EXPECT_TRUE(pages[1].beginsWithTrail);
  EXPECT_FALSE(pages[2].beginsWithTrail);
  EXPECT_TRUE(pages[3].beginsWithTrail);

  RecordingCanvas first = PrintPage(*doc, pages[0]);
  std::vector<DrawnText> lead = first.At(720, 40);
  ASSERT_EQ(lead.size(), 2u);
  EXPECT_EQ(lead[0].ansi, "日");
  EXPECT_EQ(lead[1].clip, (PixelRect{730, 40, 740, 60}));  // the right half in the separator
  EXPECT_EQ(lead[1].color, 0x7F80FCu);                     // mean of the trail's colour 0x0001FA and 0xFFFFFE

  RecordingCanvas next = PrintPage(*doc, pages[1]);
  std::vector<DrawnText> trail = next.At(560, 20);
  ASSERT_EQ(trail.size(), 1u);
  EXPECT_EQ(trail[0].ansi, "日");
  EXPECT_EQ(trail[0].clip, (PixelRect{570, 20, 580, 40}));
  EXPECT_EQ(next.At(580, 20).at(0).ansi, "B");
}

TEST(DumpPages, ADoubleByteCharacterEndingTheFile) {
  auto even = PaintDocument(Bytes("ABCD日"));  // 41 42 43 44 93 FA
  DumpPage page = Pages(*even, PrintRange{0, 6}, 61, 1).at(0);
  RecordingCanvas c = PrintPage(*even, page);
  EXPECT_EQ(c.At(610, 20).at(0).ansi, "日");
  EXPECT_EQ(c.At(610, 20).at(0).clip, (PixelRect{610, 20, 620, 40}));
  EXPECT_EQ(c.At(610, 20).at(1).clip, (PixelRect{620, 20, 630, 40}));  // the trail's half
  EXPECT_EQ(c.At(780, 20).at(0).wide, u"\uFA93");
  EXPECT_EQ(c.At(780, 20).at(1).clip, (PixelRect{790, 20, 800, 40}));

  auto odd = PaintDocument(Bytes("ABC日"));  // the lead at 3, the trail at 4, which is even and last
  c = PrintPage(*odd, Pages(*odd, PrintRange{0, 5}, 61, 1).at(0));
  EXPECT_EQ(c.At(600, 20).at(0).ansi, "日");
  EXPECT_EQ(c.At(780, 20).at(0).ansi, "?");
  EXPECT_EQ(c.At(760, 20).at(0).wide, u"\u9343");
}

TEST(DumpPages, SystemColoursPrintBlackWithGreyHalves) {
  std::vector<uint8_t> bytes(15, 'A');
  bytes.push_back(0x93);
  bytes.push_back(0xFA);
  auto doc = PaintDocument(bytes, kOptSystemColors);
  RecordingCanvas c = PrintPage(*doc, Pages(*doc, PrintRange{0, 17}, 61, 1).at(0));
  EXPECT_EQ(c.At(0, 20).at(0).color, 0u);
  EXPECT_EQ(c.At(90, 0).size(), 0u);
  EXPECT_EQ(c.At(100, 0).at(0).color, 0u);   // the ruler
  EXPECT_EQ(c.At(90, 20).at(0).color, 0u);   // a byte
  EXPECT_EQ(c.At(720, 20).at(1).color, 0x808080u);

  auto own = PaintDocument(bytes);
  c = PrintPage(*own, Pages(*own, PrintRange{0, 17}, 61, 1).at(0));
  EXPECT_EQ(c.At(0, 20).at(0).color, 0x000001u);  // the text colour
  EXPECT_EQ(c.At(90, 20).at(0).color, 0x000141u);  // the byte colour of "A"
}

// Printing page by page draws what one page holding every line would draw,
// for random ranges, page lengths and double-byte-rich contents.
TEST(DumpPages, PagesTogetherEqualOneLongPage) {
  std::mt19937 rng(8765);
  const uint8_t alphabet[] = {'A', 0x00, 0x81, 0x93, 0xFA, 0xE0, 0x40, 0xA0};
  for (int round = 0; round < 40; ++round) {
    std::vector<uint8_t> bytes(rng() % 300);
    for (uint8_t& b : bytes) b = alphabet[rng() % sizeof alphabet];
    auto doc = PaintDocument(bytes, round % 3 == 0 ? 0x08 : 0);
    int32_t a = static_cast<int32_t>(rng() % (bytes.size() + 1)), b = static_cast<int32_t>(rng() % (bytes.size() + 1));
    PrintRange range{std::min(a, b), std::max(a, b)};
    const int32_t lines = static_cast<int32_t>(1 + rng() % 6);
    std::vector<std::string> paged, whole;
    auto collect = [](const RecordingCanvas& c, int32_t rowOffset, std::vector<std::string>* out) {
      for (const DrawnText& t : c.texts) {
        if (t.y < 2 * kCell) continue;  // the ruler
        std::u16string text = t.ansi.empty() ? t.wide : AnsiToUtf16(t.ansi);
        out->push_back(std::to_string(t.x) + "," + std::to_string(t.y + rowOffset * 2 * kCell) + "," +
                       std::to_string(t.clip.left) + "," + std::to_string(t.color) + "," +
                       std::string(text.begin(), text.end()));
      }
    };
    for (const DumpPage& page : Pages(*doc, range, lines, 1)) {
      collect(PrintPage(*doc, page), page.firstLine, &paged);
    }
    for (const DumpPage& page : Pages(*doc, range, 1000, 1)) collect(PrintPage(*doc, page), page.firstLine, &whole);
    std::sort(paged.begin(), paged.end());  // pages draw addresses page by page, the long page all first
    std::sort(whole.begin(), whole.end());
    ASSERT_EQ(paged, whole) << "round " << round << ", range " << range.begin << ".." << range.end << ", " << lines
                            << " lines per page";
  }
}

}  // namespace
