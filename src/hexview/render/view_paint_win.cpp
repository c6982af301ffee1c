// The GDI canvas of the dump painter, the WM_PAINT handler and repainting byte ranges.
#include "hexview/render/view_paint_win.h"

#include "core/document.h"
#include "core/messages.h"
#include "hexview/render/dump_paint.h"
#include "hexview/render/view_invalidate.h"
#include "hexview/render/view_resources_win.h"
#include "shell/shell.h"

namespace {

RECT ToRect(const PixelRect& r) { return RECT{r.left, r.top, r.right, r.bottom}; }

class GdiCanvas final : public DumpCanvas {
 public:
  GdiCanvas(HDC dc, const Document& doc, const HexView& view, ColorRef textColor) : dc_(dc), view_(view) {
    bool system = (doc.options & kOptSystemColors) != 0;
    const SystemColors& shared = g_shell.colors;
    brushes_[0] = system ? shared.windowBrush : view.backBrush;
    brushes_[1] = system ? shared.highlightBrush : view.selBackBrush;
    brushes_[2] = system ? shared.halfHighlightBrush : view.halfSelBrush;
    oldMode_ = SetBkMode(dc, TRANSPARENT);
    oldColor_ = SetTextColor(dc, textColor);
    color_ = textColor;
    oldFont_ = SelectObject(dc, view.mainFont);
  }
  ~GdiCanvas() override {
    SelectObject(dc_, oldFont_);
    SetTextColor(dc_, oldColor_);
    SetBkMode(dc_, oldMode_);
  }

  void Fill(const PixelRect& rect, DumpBrush brush) override {
    RECT r = ToRect(rect);
    HBRUSH b = brushes_[static_cast<int>(brush)];
    if (b != nullptr) FillRect(dc_, &r, b);
  }
  void UseFont(DumpFont font) override {
    SelectObject(dc_, font == DumpFont::Small ? view_.smallFont : view_.mainFont);
  }
  void Text(int32_t x, int32_t y, const PixelRect* clip, const char* text, int length, ColorRef color) override {
    SetColor(color);
    RECT r = clip != nullptr ? ToRect(*clip) : RECT{};
    ExtTextOutA(dc_, x, y, clip != nullptr ? ETO_CLIPPED : 0, clip != nullptr ? &r : nullptr, text,
                static_cast<UINT>(length), nullptr);
  }
  void WideText(int32_t x, int32_t y, const PixelRect& clip, const char16_t* text, int length,
                ColorRef color) override {
    SetColor(color);
    RECT r = ToRect(clip);
    ExtTextOutW(dc_, x, y, ETO_CLIPPED, &r, reinterpret_cast<const wchar_t*>(text), static_cast<UINT>(length),
                nullptr);
  }

 private:
  void SetColor(ColorRef color) {
    if (color == color_) return;
    SetTextColor(dc_, color);
    color_ = color;
  }

  HDC dc_;
  const HexView& view_;
  HBRUSH brushes_[3];
  int oldMode_;
  COLORREF oldColor_;
  HGDIOBJ oldFont_;
  ColorRef color_;
};

}  // namespace

void PaintHexView(HDC dc, const RECT& update, bool erase, Document& doc, const HexView& view) {
  DumpPalette palette = PaletteFor(doc, g_shell.colors.values);
  GdiCanvas canvas(dc, doc, view, palette.text);
  PaintDump(canvas, doc, palette, PixelRect{update.left, update.top, update.right, update.bottom}, erase);
}

int OnPaintView(HWND window) {
  PAINTSTRUCT ps;
  HDC dc = BeginPaint(window, &ps);
  if (dc == nullptr) {
    FailAndDestroyFrame(kMsgCannotPaint);
    return -1;
  }
  HexView* view = HexViewOf(window);
  if (view != nullptr && view->doc != nullptr) PaintHexView(dc, ps.rcPaint, ps.fErase != FALSE, *view->doc, *view);
  EndPaint(window, &ps);
  return 0;
}

int InvalidateClientRect(HWND window, const RECT& rect) {
  if (InvalidateRect(window, &rect, TRUE)) return 0;
  FailAndDestroyFrame(kMsgCannotInvalidate);
  return -1;
}

int InvalidateRange(HWND window, int32_t a, int32_t b) {
  HexView* view = HexViewOf(window);
  if (view == nullptr || view->doc == nullptr) return 0;
  PixelRect rects[3];
  int n = RangeInvalidRects(*view->doc, a, b, rects);
  for (int i = 0; i < n; ++i) {
    if (InvalidateClientRect(window, RECT{rects[i].left, rects[i].top, rects[i].right, rects[i].bottom}) != 0)
      return -1;
  }
  return 0;
}
