// The painted dump under Wine: real document windows paint into enhanced
// metafiles whose text and fill records must equal the painter's own record
// (same strings, points, clips, colours, fonts) for every edge case; the window's
// objects, scroll bars, range invalidation, and the ANSI column after a scroll
// that kept pixels compared with a full repaint.
#include <windows.h>

#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <map>
#include <set>
#include <string>
#include <tuple>
#include <vector>

#include "shell/shell.h"
#include "core/document.h"
#include "hexview/render/dump_paint.h"
#include "hexview/hex_view_win.h"
#include "hexview/render/view_invalidate.h"
#include "hexview/render/view_paint_win.h"
#include "hexview/render/view_paint_win.h"
#include "hexview/render/view_resources_win.h"
#include "hexview/render/view_scroll.h"
#include "hexview/render/view_scroll_win.h"
#include "hexview/render_recording.h"
#include "support/dialog_driver_win.h"
#include "support/emf_records_win.h"
#include "support/shell_fixture_win.h"

namespace {

RECT ClientRect(HWND w) {
  RECT r;
  GetClientRect(w, &r);
  return r;
}

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

RecordingCanvas PaintToRecording(HWND w, const RECT& update, bool erase = true) {
  Document& doc = *DocumentOf(w);
  const SystemColorValues& system = g_shell.colors.values;
  DumpPalette palette = PaletteFor(doc, system);
  bool systemMode = (doc.options & kOptSystemColors) != 0;
  RecordingCanvas canvas(palette.back, palette.selBack,
                         systemMode ? system.halfHighlight : MeanColor(palette.back, palette.selBack));
  PaintDump(canvas, doc, palette, PixelRect{update.left, update.top, update.right, update.bottom}, erase);
  return canvas;
}

// The metafile must hold exactly what the painter drew, in the same order.
void ExpectSameDrawing(HWND w, const EmfRecords& emf, const RecordingCanvas& rec) {
  LONG small = DocumentOf(w)->font.lfHeight / 2, main = DocumentOf(w)->font.lfHeight;
  ASSERT_EQ(emf.texts.size(), rec.texts.size());
  for (size_t i = 0; i < emf.texts.size(); ++i) {
    const EmfText& e = emf.texts[i];
    const DrawnText& r = rec.texts[i];
    SCOPED_TRACE(i);
    EXPECT_EQ(e.x, r.x);
    EXPECT_EQ(e.y, r.y);
    EXPECT_EQ(e.text, r.wide);
    EXPECT_EQ(e.color, r.color);
    EXPECT_EQ(e.fontHeight, r.small ? small : main);
    ASSERT_EQ(e.clipped, r.clipped);
    if (r.clipped) {
      EXPECT_EQ(e.clip.left, r.clip.left);
      EXPECT_EQ(e.clip.top, r.clip.top);
      EXPECT_EQ(e.clip.right, r.clip.right);
      EXPECT_EQ(e.clip.bottom, r.clip.bottom);
    }
  }
  ASSERT_EQ(emf.fills.size(), rec.fills.size());
  for (size_t i = 0; i < emf.fills.size(); ++i) {
    SCOPED_TRACE(i);
    EXPECT_EQ(emf.fills[i].color, rec.fills[i].color);
    const RECT& e = emf.fills[i].rect;
    EXPECT_EQ((PixelRect{e.left, e.top, e.right, e.bottom}), rec.fills[i].rect);
  }
}

struct EdgeCase {
  const char* name;
  std::string bytes;
  uint32_t options;
  int32_t scrollLine;
  int32_t anchor;
  int32_t caret;
};

std::string LeadAtLineEnd(char lead, char trail) { return std::string(15, 'A') + lead + trail + "B"; }

const std::vector<EdgeCase>& EdgeCases() {
  static const std::vector<EdgeCase> cases = {
      {"empty", "", 0x00, 0, -1, 0},
      {"sixteen", "0123456789ABCDEF", 0x00, 0, -1, 0},
      {"decimal addresses", std::string(25, 'x'), 0x08, 0, -1, 0},
      {"octal addresses", std::string(25, 'x'), 0x10, 0, -1, 0},
      {"addresses past 99999999", "", 0x08, 9999999, -1, 0},  // rows past the data still get addresses
      {"binary", std::string("\x05\xA0", 2), 0x02, 0, -1, 0},
      {"signed decimal", "\xFF\x80\x07\x7F", 0x04, 0, -1, 0},
      {"unsigned decimal", "\x07\xFF", 0x03, 0, -1, 0},
      {"lead at line end", LeadAtLineEnd('\x93', '\xFA'), 0x00, 0, -1, 0},
      {"trail starts the top line", LeadAtLineEnd('\x83', '\x41') + std::string(40, 'C'), 0x00, 1, -1, 0},
      {"lone lead at the end", "AB\x81", 0x00, 0, -1, 0},
      {"utf-16", std::string("\x3D\xD8\x00\xDE" "A\x00" "B", 7), 0x00, 0, -1, 0},
      {"labels", std::string("\x00\x1C\x0A\x80\xFD\xA0\xB1\x7F", 8), 0x00, 0, -1, 0},
      {"selection across a double-byte character", "AA日本AA", 0x00, 0, 5, 3},
      {"selected trail on the next line", LeadAtLineEnd('\x93', '\xFA'), 0x00, 0, 16, 17},
      {"system colours", LeadAtLineEnd('\x93', '\xFA'), 0x80, 0, 0, 17},
  };
  return cases;
}

// All edge cases are opened in one run of the shell, one window each.
class RenderEdgeCases : public ::testing::Test {
 protected:
  void SetUp() override {
    std::string commandLine = "/Q0";
    for (size_t i = 0; i < EdgeCases().size(); ++i)
      commandLine += " " + Quote(folder_.Write("case" + std::to_string(i) + ".bin", EdgeCases()[i].bytes));
    ASSERT_TRUE(run_.Start(commandLine));
    for (HWND w : DocumentWindows()) {
      std::string title = TitleOf(w);
      windows_[std::stoi(title.substr(4))] = w;
    }
    ASSERT_EQ(windows_.size(), EdgeCases().size());
    for (size_t i = 0; i < EdgeCases().size(); ++i) {
      const EdgeCase& c = EdgeCases()[i];
      HWND w = windows_[static_cast<int>(i)];
      Configure(w, c.options);
      Document& doc = *DocumentOf(w);
      doc.scrollLine = c.scrollLine;
      doc.anchor = c.anchor;
      doc.caret = c.caret;
    }
  }

  HWND Window(const char* name) {
    for (size_t i = 0; i < EdgeCases().size(); ++i)
      if (std::string(EdgeCases()[i].name) == name) return windows_[static_cast<int>(i)];
    return nullptr;
  }

  ScratchFolder folder_;
  ShellRun run_;
  std::map<int, HWND> windows_;
};

TEST_F(RenderEdgeCases, MetafileRecordsEqualThePaintersDrawingForEveryCase) {
  for (size_t i = 0; i < EdgeCases().size(); ++i) {
    SCOPED_TRACE(EdgeCases()[i].name);
    HWND w = windows_[static_cast<int>(i)];
    RECT client = ClientRect(w);
    ExpectSameDrawing(w, PaintToEmf(w, client), PaintToRecording(w, client));
    RECT part{client.right / 3, 5, client.right / 2, client.bottom / 2};  // an update cutting cells
    ExpectSameDrawing(w, PaintToEmf(w, part, false), PaintToRecording(w, part, false));
  }
}

// Reads a few records straight from the metafile, as the screen will show them.
TEST_F(RenderEdgeCases, MetafileShowsTheMarkLabelsAndSeparatorHalves) {
  HWND empty = Window("empty");
  int cw = DocumentOf(empty)->charWidth;
  ASSERT_GT(cw, 0);
  EmfRecords emf = PaintToEmf(empty, ClientRect(empty));
  int marks = 0;
  for (const EmfText& t : emf.texts) {
    if (t.text != u"\uFF65") continue;  // "･"
    ++marks;
    EXPECT_EQ(t.y, 2 * cw);
    EXPECT_EQ(t.color, RGB(0x80, 0x80, 0x80));
  }
  EXPECT_EQ(marks, 3);
  ASSERT_FALSE(emf.fills.empty());
  EXPECT_EQ(emf.fills[0].color, RGB(0xF0, 0xF8, 0xFF));  // the erase with the background brush

  HWND lone = Window("lone lead at the end");
  emf = PaintToEmf(lone, ClientRect(lone));
  int x = (9 + 48 + 2) * cw, y = 2 * cw;
  bool top = false, bottom = false;
  for (const EmfText& t : emf.texts) {
    if (t.x == x && t.y == y && t.text == u"漢") top = t.fontHeight == DocumentOf(lone)->font.lfHeight / 2;
    if (t.x == x && t.y == y + cw && t.text == u"81") bottom = t.fontHeight == DocumentOf(lone)->font.lfHeight / 2;
  }
  EXPECT_TRUE(top);
  EXPECT_TRUE(bottom);

  HWND sel = Window("selected trail on the next line");
  emf = PaintToEmf(sel, ClientRect(sel));
  int separator = (9 + 64) * cw;
  bool halfFill = false, halfText = false;
  for (const EmfFill& f : emf.fills)
    if (f.rect.left == separator && f.rect.top == y) halfFill = f.color == RGB(0x78, 0x7C, 0xBF);
  for (const EmfText& t : emf.texts)
    if (t.clipped && t.clip.left == separator && t.clip.top == y)
      halfText = t.text == u"日" && t.color == RGB((0x78 + 0xFF) / 2, (0x7C + 0xFF) / 2, (0xBF + 0x00) / 2);
  EXPECT_TRUE(halfFill);
  EXPECT_TRUE(halfText);

  HWND system = Window("system colours");
  emf = PaintToEmf(system, ClientRect(system));
  ASSERT_FALSE(emf.fills.empty());
  EXPECT_EQ(emf.fills[0].color, GetSysColor(COLOR_WINDOW));
  bool highlighted = false;
  for (const EmfFill& f : emf.fills) highlighted |= f.color == GetSysColor(COLOR_HIGHLIGHT);
  EXPECT_TRUE(highlighted);
  for (const EmfText& t : emf.texts)
    if (t.text == u"A" && t.y == y && t.x > 9 * cw) {
      EXPECT_EQ(t.color, GetSysColor(COLOR_HIGHLIGHTTEXT));
    }
}

class RenderWindow : public ::testing::Test {
 protected:
  HWND Open(const std::string& bytes, uint32_t options = 0) {
    std::string path = folder_.Write("view" + std::to_string(count_++) + ".bin", bytes);
    EXPECT_TRUE(run_.Start("/Q0 " + Quote(path)));
    HWND w = ActiveDocumentWindow();
    EXPECT_NE(w, nullptr);
    if (w != nullptr) Configure(w, options);
    return w;
  }

  ScratchFolder folder_;
  ShellRun run_;
  int count_ = 0;
};

// The colour a marker bar fills a bitmap with when asked to erase it.
COLORREF BarErasedColor(HWND bar) {
  HDC memory = CreateCompatibleDC(nullptr);
  HBITMAP bitmap = CreateBitmap(4, 2, 1, 32, nullptr);
  HGDIOBJ previous = SelectObject(memory, bitmap);
  LRESULT erased = SendMessageA(bar, WM_ERASEBKGND, reinterpret_cast<WPARAM>(memory), 0);
  COLORREF color = erased == 1 ? GetPixel(memory, 3, 1) : CLR_INVALID;
  SelectObject(memory, previous);
  DeleteObject(bitmap);
  DeleteDC(memory);
  return color;
}

TEST_F(RenderWindow, CellWidthIsHalfTheFontHeightRoundedUpAndTheBarsWaitHidden) {
  HWND w = Open("abc");
  Document& doc = *DocumentOf(w);
  LOGFONTA font;
  CopyMemory(&font, &doc.font, sizeof font);
  HFONT made = CreateFontIndirectA(&font);
  HDC screen = GetDC(nullptr);
  HGDIOBJ old = SelectObject(screen, made);
  TEXTMETRICA tm;
  GetTextMetricsA(screen, &tm);
  SelectObject(screen, old);
  ReleaseDC(nullptr, screen);
  DeleteObject(made);
  EXPECT_EQ(doc.charWidth, (tm.tmHeight + 1) / 2);

  for (int id : {kMarkBar1Id, kMarkBar2Id}) {
    HWND bar = GetDlgItem(w, id);
    ASSERT_NE(bar, nullptr) << id;
    char name[16] = {};
    GetClassNameA(bar, name, sizeof name);
    EXPECT_STREQ(name, "BARClass");
    EXPECT_FALSE(IsWindowEnabled(bar));
    // The bar fills what it is asked to erase with the view's text colour.
    EXPECT_EQ(BarErasedColor(bar), RGB(0x10, 0x20, 0x30));
  }
  HexView* view = HexViewOf(w);
  EXPECT_NE(view->backBrush, nullptr);
  EXPECT_NE(view->smallFont, nullptr);
  Configure(w, 0x80);  // system colours: the view makes no brushes of its own
  EXPECT_EQ(view->backBrush, nullptr);
  EXPECT_EQ(view->halfSelBrush, nullptr);
  EXPECT_NE(view->mainFont, nullptr);
  EXPECT_EQ(BarErasedColor(GetDlgItem(w, kMarkBar1Id)), GetSysColor(COLOR_WINDOWTEXT));
}

SCROLLINFO BarInfo(HWND w, int bar) {
  SCROLLINFO info = {};
  info.cbSize = sizeof info;
  info.fMask = SIF_ALL;
  GetScrollInfo(w, bar, &info);
  return info;
}

TEST_F(RenderWindow, ScrollBarsFollowTheDocumentWithThirtyTwoBitPositions) {
  HWND w = Open(std::string(1120000, 'z'));  // 70000 lines
  // A narrow window so that both bars have something to scroll.
  SetWindowPos(w, nullptr, 0, 0, 400, 300, SWP_NOZORDER | SWP_NOMOVE);
  Document& doc = *DocumentOf(w);
  RECT client = ClientRect(w);
  EXPECT_EQ(doc.clientWidth, client.right);
  EXPECT_EQ(doc.clientHeight, client.bottom);
  SCROLLINFO v = BarInfo(w, SB_VERT), h = BarInfo(w, SB_HORZ);
  EXPECT_EQ(v.nMin, 0);
  EXPECT_EQ(v.nMax, 70000);  // 70001 lines with the end-of-data line
  EXPECT_EQ(static_cast<int>(v.nPage), PageLines(doc));
  EXPECT_EQ(h.nMax, 81);
  EXPECT_EQ(static_cast<int>(h.nPage), PageColumns(doc));

  SendMessageA(w, WM_VSCROLL, SB_LINEDOWN, 0);
  EXPECT_EQ(doc.scrollLine, 1);
  SendMessageA(w, WM_VSCROLL, SB_PAGEDOWN, 0);
  EXPECT_EQ(doc.scrollLine, 1 + PageLines(doc));
  SendMessageA(w, WM_MOUSEWHEEL, MAKEWPARAM(0, static_cast<WORD>(-120)), 0);
  EXPECT_EQ(doc.scrollLine, 5 + PageLines(doc));  // a notch toward the user: 4 lines down
  SendMessageA(w, WM_MOUSEWHEEL, MAKEWPARAM(0, 120), 0);
  EXPECT_EQ(doc.scrollLine, 1 + PageLines(doc));
  SendMessageA(w, WM_MOUSEWHEEL, MAKEWPARAM(0, 1200), 0);
  EXPECT_EQ(doc.scrollLine, 0);  // 40 lines up, clamped at the top
  SendMessageA(w, WM_VSCROLL, SB_ENDSCROLL, 0);
  EXPECT_EQ(doc.scrollLine, 0);

  int32_t previous = doc.scrollLine;
  doc.scrollLine = 69000;  // beyond 16 bits
  EXPECT_EQ(ScrollTo(w, doc.scrollColumn, previous), 0);
  EXPECT_EQ(BarInfo(w, SB_VERT).nPos, 69000);
  SendMessageA(w, WM_VSCROLL, SB_PAGEDOWN, 0);
  EXPECT_EQ(doc.scrollLine, 69000 + PageLines(doc));
  EXPECT_EQ(BarInfo(w, SB_VERT).nPos, 69000 + PageLines(doc));
  previous = doc.scrollLine;
  doc.scrollLine = 69980;
  EXPECT_EQ(ScrollTo(w, doc.scrollColumn, previous), 0);
  SendMessageA(w, WM_VSCROLL, SB_PAGEDOWN, 0);
  EXPECT_EQ(doc.scrollLine, 70001 - PageLines(doc));  // the last page

  SendMessageA(w, WM_HSCROLL, SB_LINERIGHT, 0);
  EXPECT_EQ(doc.scrollColumn, 1);
  SendMessageA(w, WM_HSCROLL, MAKEWPARAM(SB_THUMBTRACK, 30), 0);
  EXPECT_EQ(doc.scrollColumn, 30);
  EXPECT_EQ(BarInfo(w, SB_HORZ).nPos, 30);
  SendMessageA(w, WM_HSCROLL, SB_PAGERIGHT, 0);
  SendMessageA(w, WM_HSCROLL, SB_PAGERIGHT, 0);
  SendMessageA(w, WM_HSCROLL, SB_PAGERIGHT, 0);
  EXPECT_EQ(doc.scrollColumn, 82 - PageColumns(doc));
}

std::vector<RECT> RegionRects(HRGN region) {
  DWORD size = GetRegionData(region, 0, nullptr);
  std::vector<BYTE> buffer(size);
  auto* data = reinterpret_cast<RGNDATA*>(buffer.data());
  GetRegionData(region, size, data);
  const auto* rects = reinterpret_cast<const RECT*>(data->Buffer);
  return std::vector<RECT>(rects, rects + data->rdh.nCount);
}

HRGN UpdateRegion(HWND w) {
  HRGN region = CreateRectRgn(0, 0, 0, 0);
  GetUpdateRgn(w, region, FALSE);
  return region;
}

TEST_F(RenderWindow, InvalidateRangeAddsExactlyTheRangesRectangles) {
  HWND w = Open(std::string(300, 'q'));
  Document& doc = *DocumentOf(w);
  for (auto [a, b] : std::vector<std::pair<int, int>>{{2, 5}, {20, 50}, {16, 17}, {9, 9}}) {
    UpdateWindow(w);
    ASSERT_EQ(InvalidateRange(w, a, b), 0);
    PixelRect rects[3];
    int n = RangeInvalidRects(doc, a, b, rects);
    HRGN expected = CreateRectRgn(0, 0, 0, 0);
    for (int i = 0; i < n; ++i) {
      HRGN r = CreateRectRgn(rects[i].left, rects[i].top, rects[i].right, rects[i].bottom);
      CombineRgn(expected, expected, r, RGN_OR);
      DeleteObject(r);
    }
    HRGN client = CreateRectRgn(0, 0, doc.clientWidth, doc.clientHeight);
    CombineRgn(expected, expected, client, RGN_AND);
    HRGN actual = UpdateRegion(w);
    EXPECT_TRUE(EqualRgn(actual, expected)) << a << "-" << b;
    DeleteObject(actual);
    DeleteObject(expected);
    DeleteObject(client);
  }
}

// What one ANSI cell shows: its texts relative to the cell, with colour and font.
using CellDraw = std::tuple<std::u16string, LONG, LONG, COLORREF, LONG>;
using CellKey = std::pair<int, int>;  // row, cell index in the ANSI area
using AnsiCells = std::map<CellKey, std::set<CellDraw>>;

AnsiCells AnsiCellsOf(const Document& doc, const EmfRecords& emf, int dy) {
  DumpAreas areas = AreasOf(doc);
  int cw = doc.charWidth, rowHeight = 2 * cw;
  AnsiCells cells;
  for (const EmfText& t : emf.texts) {
    if (!t.clipped || t.clip.left < areas.ansi.left || t.clip.left >= areas.ansi.right || t.clip.top < rowHeight)
      continue;
    int row = (t.clip.top + dy) / rowHeight;
    int index = (t.clip.left - areas.ansi.left) / cw;
    int cellLeft = areas.ansi.left + index * cw;
    cells[{row, index}].insert({t.text, t.x - cellLeft, t.y + dy - row * rowHeight, t.color, t.fontHeight});
  }
  return cells;
}

// Scrolls the window from its current top line to `to` with the real helper and
// composes what the screen then shows in the ANSI area: the old cells moved by
// the scroll, and the cells of the update region painted anew. With
// dropResync the re-synchronised rectangle is left unpainted, as if the helper had
// not asked for it. Compares with a full paint at the new position.
bool ScrolledEqualsFullPaint(HWND w, int32_t to, bool dropResync, bool* resynced) {
  Document& doc = *DocumentOf(w);
  InvalidateRect(w, nullptr, TRUE);
  UpdateWindow(w);
  RECT client = ClientRect(w);
  int32_t from = doc.scrollLine;
  int rowHeight = 2 * doc.charWidth;
  EmfRecords before = PaintToEmf(w, client);
  doc.scrollLine = to;
  EXPECT_EQ(ScrollTo(w, doc.scrollColumn, from), 0);
  HRGN region = UpdateRegion(w);
  PixelRect resync;
  *resynced = AnsiResyncRect(doc, from, &resync) == 1;
  if (dropResync && *resynced) {
    HRGN cut = CreateRectRgn(resync.left, resync.top, resync.right, resync.bottom);
    CombineRgn(region, region, cut, RGN_DIFF);
    DeleteObject(cut);
  }
  EmfRecords partial;
  for (const RECT& r : RegionRects(region)) {
    EmfRecords part = PaintToEmf(w, r);
    partial.texts.insert(partial.texts.end(), part.texts.begin(), part.texts.end());
  }
  AnsiCells old = AnsiCellsOf(doc, before, (from - to) * rowHeight);
  AnsiCells fresh = AnsiCellsOf(doc, partial, 0);
  AnsiCells full = AnsiCellsOf(doc, PaintToEmf(w, client), 0);

  DumpAreas areas = AreasOf(doc);
  bool same = true;
  for (int row = 1; row * rowHeight < client.bottom; ++row) {
    for (int index = 0; areas.ansi.left + index * doc.charWidth < areas.ansi.right; ++index) {
      int left = areas.ansi.left + index * doc.charWidth;
      HRGN cell = CreateRectRgn(left, row * rowHeight, left + doc.charWidth, (row + 1) * rowHeight);
      HRGN rest = CreateRectRgn(0, 0, 0, 0);
      int uncovered = CombineRgn(rest, cell, region, RGN_DIFF);
      bool touched = EqualRgn(rest, cell) == FALSE;
      DeleteObject(cell);
      DeleteObject(rest);
      CellKey key{row, index};
      std::set<CellDraw> shown;
      if (uncovered == NULLREGION) {
        shown = fresh[key];
      } else if (!touched || old[key] == fresh[key]) {
        shown = old[key];
      } else {
        same = false;  // a cell repainted only in part while its content changed
        continue;
      }
      if (shown != full[key]) same = false;
    }
  }
  DeleteObject(region);
  return same;
}

TEST_F(RenderWindow, ScrollingKeepsTheAnsiColumnEqualToAFullRepaint) {
  // Lead bytes everywhere, with a few single bytes: pairings shift on most scrolls.
  std::string bytes;
  uint32_t x = 7;
  for (int i = 0; i < 6000; ++i) {
    x = x * 1103515245u + 12345u;
    bytes.push_back((x >> 16) % 3 != 0 ? static_cast<char>(0x81 + (x >> 20) % 4) : 'a');
  }
  HWND w = Open(bytes);
  ASSERT_GT(PageLines(*DocumentOf(w)), 4);
  int resyncs = 0;
  for (int32_t to : {1, 4, 2, 3, 7, 6, 10, 9, 8, 5, 12, 11, 13}) {
    bool resynced = false;
    EXPECT_TRUE(ScrolledEqualsFullPaint(w, to, false, &resynced)) << "to " << to;
    resyncs += resynced;
  }
  EXPECT_GT(resyncs, 2);
  // Without the re-synchronised cells the screen would be wrong: the check can fail.
  int wrong = 0;
  for (int32_t to : {11, 12, 13, 14, 15, 14, 13}) {
    bool resynced = false;
    if (!ScrolledEqualsFullPaint(w, to, true, &resynced)) ++wrong;
  }
  EXPECT_GT(wrong, 0);
}

// Screenshots for a person to look at: set VARNEL_SCREENSHOT_DIR to a folder
// (a Windows path) and the test writes one bitmap of the frame per radix.
void SaveWindowBitmap(HWND window, const std::string& path) {
  RECT r;
  GetWindowRect(window, &r);
  int width = r.right - r.left, height = r.bottom - r.top;
  HDC source = GetWindowDC(window);
  HDC memory = CreateCompatibleDC(source);
  BITMAPINFO info = {};
  info.bmiHeader.biSize = sizeof info.bmiHeader;
  info.bmiHeader.biWidth = width;
  info.bmiHeader.biHeight = height;
  info.bmiHeader.biPlanes = 1;
  info.bmiHeader.biBitCount = 24;
  void* bits = nullptr;
  HBITMAP bitmap = CreateDIBSection(memory, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
  HGDIOBJ old = SelectObject(memory, bitmap);
  BitBlt(memory, 0, 0, width, height, source, 0, 0, SRCCOPY);
  GdiFlush();
  DWORD stride = ((width * 3 + 3) / 4) * 4;
  BITMAPFILEHEADER file = {};
  file.bfType = 0x4D42;
  file.bfOffBits = sizeof file + sizeof info.bmiHeader;
  file.bfSize = file.bfOffBits + stride * height;
  if (FILE* f = std::fopen(path.c_str(), "wb")) {
    std::fwrite(&file, sizeof file, 1, f);
    std::fwrite(&info.bmiHeader, sizeof info.bmiHeader, 1, f);
    std::fwrite(bits, stride * height, 1, f);
    std::fclose(f);
  }
  SelectObject(memory, old);
  DeleteObject(bitmap);
  DeleteDC(memory);
  ReleaseDC(window, source);
}

TEST_F(RenderWindow, Screenshots) {
  const char* folder = std::getenv("VARNEL_SCREENSHOT_DIR");
  if (folder == nullptr) GTEST_SKIP() << "VARNEL_SCREENSHOT_DIR not set";
  std::string bytes = "ASCII: Hello, Varnel! 0123456789\r\n";
  bytes += "Shift-JIS: 日本語のテキスト、ｶﾀｶﾅ。!\r\n";  // the UTF-16 text then starts at an even offset
  std::u16string utf16 = u"UTF-16: 漢字とかな\U0001F600";
  for (char16_t u : utf16) bytes += std::string{static_cast<char>(u & 0xFF), static_cast<char>(u >> 8)};
  bytes += std::string("\x00\x01\x1B\x7F\x80\xA0\xFD\xFF", 8);
  bytes += "\x81";
  HWND w = Open(bytes);
  SetWindowPos(g_shell.frame, nullptr, 0, 0, 1190, 560, SWP_NOZORDER);
  SendMessageA(g_shell.mdiClient, WM_MDIMAXIMIZE, reinterpret_cast<WPARAM>(w), 0);
  const struct {
    uint32_t options;
    const char* name;
  } shots[] = {{0x88, "hex"}, {0x8A, "binary"}, {0x8C, "signed"}};  // system colours, decimal addresses
  for (const auto& shot : shots) {
    Configure(w, shot.options);
    Document& doc = *DocumentOf(w);
    doc.anchor = 36;
    doc.caret = 44;  // a selection across the Shift-JIS text
    InvalidateRect(w, nullptr, TRUE);
    UpdateWindow(g_shell.frame);
    UpdateWindow(w);
    PumpMessages();
    SaveWindowBitmap(g_shell.frame, std::string(folder) + "\\" + shot.name + ".bmp");
  }
}

}  // namespace
