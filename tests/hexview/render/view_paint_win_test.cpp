// The painted dump under Wine: real document windows paint into enhanced
// metafiles whose text and fill records must equal the painter's own record
// (same strings, points, clips, colours, fonts) for the edge cases.
#include "hexview/render/view_paint_win.h"

#include <tuple>

#include "hexview/render/view_resources_win.h"
#include "hexview/view_fixture_win.h"
#include "support/emf_records_win.h"
#include "support/render_recording.h"

namespace {

using Record = std::tuple<LONG, LONG, std::u16string, COLORREF, LONG, bool, PixelRect>;
PixelRect Pixels(const RECT& r) { return PixelRect{r.left, r.top, r.right, r.bottom}; }

// The metafile must hold exactly what the painter drew, in the same order; fills
// are kept with an empty text.
void ExpectSameDrawing(HWND w, const RECT& update, bool erase) {
  Document& doc = *DocumentOf(w);
  const SystemColorValues& system = g_shell.colors.values;
  DumpPalette palette = PaletteFor(doc, system);
  const bool systemMode = (doc.options & kOptSystemColors) != 0;
  RecordingCanvas rec(palette.back, palette.selBack,
                      systemMode ? system.halfHighlight : MeanColor(palette.back, palette.selBack));
  PaintDump(rec, doc, palette, Pixels(update), erase);
  EmfRecords emf = RecordEmf([&](HDC dc) { PaintHexView(dc, update, erase, doc, *HexViewOf(w)); });
  std::vector<Record> drawn, recorded;
  for (const EmfText& e : emf.texts)
    recorded.emplace_back(e.x, e.y, e.text, e.color, e.fontHeight, e.clipped, e.clipped ? Pixels(e.clip) : PixelRect{});
  for (const EmfFill& f : emf.fills) recorded.emplace_back(0, 0, u"", f.color, 0, false, Pixels(f.rect));
  for (const DrawnText& r : rec.texts)
    drawn.emplace_back(r.x, r.y, r.wide, r.color, r.small ? doc.font.lfHeight / 2 : doc.font.lfHeight, r.clipped,
                       r.clipped ? r.clip : PixelRect{});
  for (const DrawnFill& f : rec.fills) drawn.emplace_back(0, 0, u"", f.color, 0, false, f.rect);
  EXPECT_EQ(recorded, drawn);
}

std::string LeadAtLineEnd(char lead, char trail) { return std::string(15, 'A') + lead + trail + "B"; }

using ViewPaint = ViewTest;

// Edge cases of the painter, all opened in one run of the shell, one window each.
TEST_F(ViewPaint, MetafileRecordsEqualThePaintersDrawingForEveryCase) {
  const struct {
    std::string bytes;
    uint32_t options;
    int32_t scrollLine, anchor, caret;
  } cases[] = {
      {"0123456789ABCDEF", 0x00, 0, -1, 0},
      {LeadAtLineEnd('\x83', '\x41') + std::string(40, 'C'), 0x08, 1, -1, 0},    // a trail starts the top line
      {std::string("\x00\x1C\x0A\x80\xFD\xA0\xB1\x7F\x81", 9), 0x00, 0, -1, 0},  // labels, a lone lead
      {std::string("=\xD8\0\336A\0B", 7), 0x00, 0, -1, 0},  // UTF-16
      {LeadAtLineEnd('\x93', '\xFA'), 0x00, 0, 16, 17},  // a selected trail
      {LeadAtLineEnd('\x93', '\xFA'), 0x80, 0, 0, 17},   // system colours
  };
  std::vector<std::pair<std::string, std::string>> files;
  for (const auto& c : cases) files.emplace_back("case" + std::to_string(files.size()) + ".bin", c.bytes);
  std::vector<HWND> windows = OpenFiles(files);
  for (size_t i = 0; i < windows.size(); ++i) {
    SCOPED_TRACE(i);
    Document& d = *DocumentOf(windows[i]);  // distinct colours; the case's options, selection and top line
    d.options = cases[i].options;
    d.textColor() = RGB(0x10, 0x20, 0x30);
    d.selBackColor() = RGB(0x00, 0x00, 0x80);
    for (int v = 0; v < 256; ++v) d.byteColors()[v] = RGB(v, 0x40, 0xFF - v);
    ASSERT_EQ(RebuildViewObjects(windows[i]), 0);
    Select(windows[i], cases[i].anchor, cases[i].caret);
    d.scrollLine = cases[i].scrollLine;
    RECT client;
    GetClientRect(windows[i], &client);
    ExpectSameDrawing(windows[i], client, true);
    ExpectSameDrawing(windows[i], RECT{client.right / 3, 5, client.right / 2, client.bottom / 2}, false);  // cut cells
  }
}

}  // namespace
