// The dump painter's canvas on a GDI device context: a window's or a printer page's.
#pragma once

#include <windows.h>

#include <array>

#include "hexview/render/dump_paint.h"

// Draws on dc with the brushes of DumpBrush (background, selection, half
// selection; a null brush fills nothing) and the main and small fonts. While it
// lives dc has the main font, a transparent text background and textColor; the
// destructor puts back what dc had.
class GdiCanvas final : public DumpCanvas {
 public:
  GdiCanvas(HDC dc, const std::array<HBRUSH, 3>& brushes, HFONT mainFont, HFONT smallFont, ColorRef textColor);
  ~GdiCanvas() override;
  GdiCanvas(const GdiCanvas&) = delete;
  GdiCanvas& operator=(const GdiCanvas&) = delete;

  void Fill(const PixelRect& rect, DumpBrush brush) override;
  void UseFont(DumpFont font) override;
  void Text(int32_t x, int32_t y, const PixelRect* clip, const char* text, int length, ColorRef color) override;
  void WideText(int32_t x, int32_t y, const PixelRect& clip, const char16_t* text, int length,
                ColorRef color) override;

 private:
  void SetColor(ColorRef color);

  HDC dc_;
  std::array<HBRUSH, 3> brushes_;
  HFONT mainFont_;
  HFONT smallFont_;
  int oldMode_;
  COLORREF oldColor_;
  HGDIOBJ oldFont_;
  ColorRef color_;
};
