// The painted dump under Wine: real document windows paint into enhanced
// metafiles whose text and fill records must equal the painter's own record
// (same strings, points, clips, colours, fonts) for every edge case, and a few
// records read literally, as the screen shows them.
#include "hexview/render/view_paint_win.h"

#include <tuple>

#include "hexview/render/view_resources_win.h"
#include "hexview/render/view_scroll_win.h"
#include "hexview/view_fixture_win.h"
#include "support/emf_records_win.h"
#include "support/render_recording.h"

namespace {

// Gives the document the display settings of a case and rebuilds what depends on them.
void Configure(HWND w, uint32_t options) {
  Document& doc = *DocumentOf(w);
  doc.options = options;
  doc.textColor() = RGB(0x10, 0x20, 0x30);
  doc.backColor() = RGB(0xF0, 0xF8, 0xFF);
  doc.fixedColor() = RGB(0x80, 0x80, 0x80);
  doc.selTextColor() = RGB(0xFF, 0xFF, 0x00);
  doc.selBackColor() = RGB(0x00, 0x00, 0x80);
  for (int v = 0; v < 256; ++v) doc.byteColors()[v] = RGB(v, 0x40, 0xFF - v);
  ASSERT_EQ(RebuildViewObjects(w), 0);
  UpdateScrollBars(w);
  InvalidateRect(w, nullptr, TRUE);
  UpdateWindow(w);
}

EmfRecords PaintToEmf(HWND w, const RECT& update, bool erase = true) {
  return RecordEmf([&](HDC dc) { PaintHexView(dc, update, erase, *DocumentOf(w), *HexViewOf(w)); });
}

using TextRecord = std::tuple<LONG, LONG, std::u16string, COLORREF, LONG, bool, PixelRect>;
using FillRecord = std::pair<PixelRect, COLORREF>;
PixelRect Pixels(const RECT& r) { return PixelRect{r.left, r.top, r.right, r.bottom}; }

// The metafile must hold exactly what the painter drew, in the same order.
void ExpectSameDrawing(HWND w, const RECT& update, bool erase) {
  Document& doc = *DocumentOf(w);
  const SystemColorValues& system = g_shell.colors.values;
  DumpPalette palette = PaletteFor(doc, system);
  const bool systemMode = (doc.options & kOptSystemColors) != 0;
  RecordingCanvas rec(palette.back, palette.selBack,
                      systemMode ? system.halfHighlight : MeanColor(palette.back, palette.selBack));
  PaintDump(rec, doc, palette, Pixels(update), erase);
  EmfRecords emf = PaintToEmf(w, update, erase);
  std::vector<TextRecord> drawn, recorded;
  for (const EmfText& e : emf.texts)
    recorded.emplace_back(e.x, e.y, e.text, e.color, e.fontHeight, e.clipped, e.clipped ? Pixels(e.clip) : PixelRect{});
  for (const DrawnText& r : rec.texts)
    drawn.emplace_back(r.x, r.y, r.wide, r.color, r.small ? doc.font.lfHeight / 2 : doc.font.lfHeight, r.clipped,
                       r.clipped ? r.clip : PixelRect{});
  EXPECT_EQ(recorded, drawn);
  std::vector<FillRecord> filled, fills;
  for (const EmfFill& f : emf.fills) filled.emplace_back(Pixels(f.rect), f.color);
  for (const DrawnFill& f : rec.fills) fills.emplace_back(f.rect, f.color);
  EXPECT_EQ(filled, fills);
}

struct EdgeCase {
  const char* name;
  std::string bytes;
  uint32_t options;
  int32_t scrollLine, anchor, caret;
};

std::string LeadAtLineEnd(char lead, char trail) { return std::string(15, 'A') + lead + trail + "B"; }

const std::vector<EdgeCase> kCases = {
    {"empty", "", 0x00, 0, -1, 0},
    {"sixteen", "0123456789ABCDEF", 0x00, 0, -1, 0},
    {"addresses past 99999999", "", 0x08, 9999999, -1, 0},
    {"trail starts the top line", LeadAtLineEnd('\x83', '\x41') + std::string(40, 'C'), 0x00, 1, -1, 0},
    {"labels and a lone lead", std::string("\x00\x1C\x0A\x80\xFD\xA0\xB1\x7F\x81", 9), 0x00, 0, -1, 0},
    {"utf-16", std::string("\x3D\xD8\x00\xDE" "A\x00" "B", 7), 0x00, 0, -1, 0},
    {"selection across a double-byte character", "AA日本AA", 0x00, 0, 5, 3},
    {"selected trail on the next line", LeadAtLineEnd('\x93', '\xFA'), 0x00, 0, 16, 17},
    {"system colours", LeadAtLineEnd('\x93', '\xFA'), 0x80, 0, 0, 17},
};

// All edge cases are opened in one run of the shell, one window each.
class ViewPaint : public ViewTest {
 protected:
  void SetUp() override {
    std::vector<std::pair<std::string, std::string>> files;
    for (size_t i = 0; i < kCases.size(); ++i) files.emplace_back("case" + std::to_string(i) + ".bin", kCases[i].bytes);
    windows = OpenFiles(files);
    for (size_t i = 0; i < kCases.size(); ++i) {
      Configure(windows[i], kCases[i].options);
      Select(windows[i], kCases[i].anchor, kCases[i].caret);
      DocumentOf(windows[i])->scrollLine = kCases[i].scrollLine;
    }
  }
  HWND Window(const char* name) {
    for (size_t i = 0; i < kCases.size(); ++i)
      if (std::string(kCases[i].name) == name) return windows[i];
    return nullptr;
  }
  std::vector<HWND> windows;
};

TEST_F(ViewPaint, MetafileRecordsEqualThePaintersDrawingForEveryCase) {
  for (size_t i = 0; i < kCases.size(); ++i) {
    SCOPED_TRACE(kCases[i].name);
    RECT client;
    GetClientRect(windows[i], &client);
    ExpectSameDrawing(windows[i], client, true);
    ExpectSameDrawing(windows[i], RECT{client.right / 3, 5, client.right / 2, client.bottom / 2}, false);  // cut cells
  }
}

// The system colour mode paints with the window's own colours, whatever the document holds.
TEST_F(ViewPaint, SystemColoursAreTheWindowsColours) {
  HWND w = Window("system colours");
  const LONG y = 2 * DocumentOf(w)->charWidth;
  RECT client;
  GetClientRect(w, &client);
  EmfRecords emf = PaintToEmf(w, client);
  ASSERT_FALSE(emf.fills.empty());
  EXPECT_EQ(emf.fills[0].color, GetSysColor(COLOR_WINDOW));
  bool highlighted = false;
  for (const EmfFill& f : emf.fills) highlighted |= f.color == GetSysColor(COLOR_HIGHLIGHT);
  EXPECT_TRUE(highlighted);
  for (const EmfText& t : emf.texts)
    EXPECT_TRUE(t.text != u"A" || t.y != y || t.x <= 9 * DocumentOf(w)->charWidth ||
                t.color == GetSysColor(COLOR_HIGHLIGHTTEXT)) << t.x;
}

}  // namespace
