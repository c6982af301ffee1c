// Texts, colours and geometry of the colour list lines.
#include "filetypes/color_list.h"

#include <cstdio>

#include "core/palette.h"

namespace {

const char* const kNamedLines[kColorByte0] = {"文字", "背景", "編集できない項目", "選択された文字", "選択された背景"};

}  // namespace

std::string ColorLineText(int line, const char* const byteLabels[256]) {
  if (line < 0 || line >= kColorCount) return "";
  if (line < kColorByte0) return kNamedLines[line];
  int value = line - kColorByte0;
  char text[32];
  std::snprintf(text, sizeof text, "%4s %02Xh", byteLabels[value], static_cast<unsigned>(value));
  return text;
}

ColorLineColors ColorLineLook(ColorRef lineColor, bool selected, bool listEnabled, const SampledColors& system) {
  ColorLineColors c;
  c.back = selected ? system.highlight : system.window;
  if (!listEnabled) {
    c.swatch = MeanColor(system.grayText, lineColor);
    c.text = system.grayText;
  } else {
    c.swatch = lineColor;
    c.text = selected ? system.highlightText : system.windowText;
  }
  return c;
}

int32_t ColorLineUnit(int32_t textHeight) { return (textHeight + 1) / 2; }

ColorLineBox ColorSwatchBox(const ColorLineBox& line, int32_t unit) {
  return {line.left + 1, line.top + 1, line.left + 3 * unit - 1, line.bottom - 1};
}
