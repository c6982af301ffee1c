// The objects a document window draws with: its cell width from the font, the
// marker bars (erased with the text colour), and the brushes of both colour modes.
#include "hexview/render/view_resources_win.h"

#include "hexview/view_fixture_win.h"

namespace {

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

using ViewResources = ViewTest;

TEST_F(ViewResources, CellWidthIsHalfTheFontHeightRoundedUpAndTheBarsWaitHidden) {
  OpenFiles({{"abc.bin", "abc"}});
  HFONT made = CreateFontIndirectA(reinterpret_cast<const LOGFONTA*>(&doc->font));
  HDC screen = GetDC(nullptr);
  HGDIOBJ old = SelectObject(screen, made);
  TEXTMETRICA tm;
  GetTextMetricsA(screen, &tm);
  SelectObject(screen, old);
  ReleaseDC(nullptr, screen);
  DeleteObject(made);
  EXPECT_EQ(doc->charWidth, (tm.tmHeight + 1) / 2);
  doc->textColor() = RGB(0x10, 0x20, 0x30);
  doc->options &= ~kOptSystemColors;
  ASSERT_EQ(RebuildViewObjects(view), 0);
  for (int id : {kMarkBar1Id, kMarkBar2Id}) {
    HWND bar = GetDlgItem(view, id);
    char name[16] = {};
    GetClassNameA(bar, name, sizeof name);
    EXPECT_EQ(std::string(name) + (IsWindowEnabled(bar) ? " enabled" : ""), "BARClass");
    EXPECT_EQ(BarErasedColor(bar), RGB(0x10, 0x20, 0x30));
  }
  HexView* record = HexViewOf(view);
  EXPECT_TRUE(record->backBrush != nullptr && record->smallFont != nullptr);
  doc->options |= kOptSystemColors;  // the view makes no brushes of its own
  ASSERT_EQ(RebuildViewObjects(view), 0);
  EXPECT_TRUE(record->backBrush == nullptr && record->halfSelBrush == nullptr && record->mainFont != nullptr);
  EXPECT_EQ(BarErasedColor(GetDlgItem(view, kMarkBar1Id)), GetSysColor(COLOR_WINDOWTEXT));
}

}  // namespace
