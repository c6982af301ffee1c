// The lines of the properties dialog's colour list: their texts, the colours a
// line is drawn in, and the line geometry.
#pragma once

#include <cstdint>
#include <string>

#include "core/display_types.h"

// The text of line 0..260: "文字", "背景", "編集できない項目", "選択された文字",
// "選択された背景", then for byte value b the line 5 + b: the label of b
// right-aligned in 4 bytes, a blank, two hexadecimal digits and "h" ("   A 41h").
// byteLabels is the dump's table of the 256 byte labels. A line outside the list gives "".
std::string ColorLineText(int line, const char* const byteLabels[256]);

// The colours of one line.
struct ColorLineColors {
  ColorRef back;    // the line's background: highlight when selected, else window
  ColorRef swatch;  // the line's colour; mixed with gray text while the list is disabled
  ColorRef text;    // gray text while disabled, highlight text when selected, else window text
  bool operator==(const ColorLineColors&) const = default;
};
ColorLineColors ColorLineLook(ColorRef lineColor, bool selected, bool listEnabled, const SampledColors& system);

// The line unit w from the list's text height: (tmHeight + 1) / 2; a line is 2w high.
int32_t ColorLineUnit(int32_t textHeight);

struct ColorLineBox {
  int32_t left, top, right, bottom;
  bool operator==(const ColorLineBox&) const = default;
};
// The swatch inside the line rectangle: (left + 1, top + 1) to (left + 3w - 1, bottom - 1).
ColorLineBox ColorSwatchBox(const ColorLineBox& line, int32_t unit);
// The x where the line's text starts: left + 3w.
inline int32_t ColorLineTextX(const ColorLineBox& line, int32_t unit) { return line.left + 3 * unit; }
