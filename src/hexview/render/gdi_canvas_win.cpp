// The dump painter's canvas on a GDI device context.
#include "hexview/render/gdi_canvas_win.h"

namespace {

RECT ToRect(const PixelRect& r) { return RECT{r.left, r.top, r.right, r.bottom}; }

}  // namespace

GdiCanvas::GdiCanvas(HDC dc, const std::array<HBRUSH, 3>& brushes, HFONT mainFont, HFONT smallFont,
                     ColorRef textColor)
    : dc_(dc), brushes_(brushes), mainFont_(mainFont), smallFont_(smallFont), color_(textColor) {
  oldMode_ = SetBkMode(dc, TRANSPARENT);
  oldColor_ = SetTextColor(dc, textColor);
  oldFont_ = SelectObject(dc, mainFont);
}

GdiCanvas::~GdiCanvas() {
  SelectObject(dc_, oldFont_);
  SetTextColor(dc_, oldColor_);
  SetBkMode(dc_, oldMode_);
}

void GdiCanvas::Fill(const PixelRect& rect, DumpBrush brush) {
  RECT r = ToRect(rect);
  HBRUSH b = brushes_[static_cast<size_t>(brush)];
  if (b != nullptr) FillRect(dc_, &r, b);
}

void GdiCanvas::UseFont(DumpFont font) { SelectObject(dc_, font == DumpFont::Small ? smallFont_ : mainFont_); }

void GdiCanvas::Text(int32_t x, int32_t y, const PixelRect* clip, const char* text, int length, ColorRef color) {
  SetColor(color);
  RECT r = clip != nullptr ? ToRect(*clip) : RECT{};
  ExtTextOutA(dc_, x, y, clip != nullptr ? ETO_CLIPPED : 0, clip != nullptr ? &r : nullptr, text,
              static_cast<UINT>(length), nullptr);
}

void GdiCanvas::WideText(int32_t x, int32_t y, const PixelRect& clip, const char16_t* text, int length,
                         ColorRef color) {
  SetColor(color);
  RECT r = ToRect(clip);
  ExtTextOutW(dc_, x, y, ETO_CLIPPED, &r, reinterpret_cast<const wchar_t*>(text), static_cast<UINT>(length), nullptr);
}

void GdiCanvas::SetColor(ColorRef color) {
  if (color == color_) return;
  SetTextColor(dc_, color);
  color_ = color;
}
