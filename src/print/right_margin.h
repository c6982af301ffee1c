// The right margin of a printout: the cells one printed line holds across the
// printable width. The right-margin dialog's request, its limits, the number its
// edit box holds, when OK may be pressed and what the spin does.
#pragma once

#include <cstdint>
#include <string_view>

inline constexpr int32_t kMarginMaximum = 512;
inline constexpr int kMarginEditLimit = 4;  // characters the edit box takes

// The dialog's parameter: the allowed range and the value shown and returned.
struct MarginRequest {
  int32_t minimum;
  int32_t maximum;
  int32_t value;
};

// The request for a printout whose lines are lineWidth cells wide with margin
// the stored setting: minimum lineWidth, maximum 512 (lineWidth itself when a
// structure is wider than that, so that it can still be printed), value margin.
MarginRequest MarginRequestFor(int32_t lineWidth, int32_t margin);

// value limited to r.minimum .. r.maximum (what the edit box shows on opening
// and after a spin).
int32_t LimitMargin(const MarginRequest& r, int64_t value);

// Reads the edit box's text as a signed number: blanks around it, an optional
// sign, then decimal digits only. Returns false (and leaves *value alone) for
// anything else, empty text included.
bool ParseMarginText(std::string_view text, int32_t* value);

// OK is enabled exactly when text holds a number within r.minimum .. r.maximum.
bool MarginTextAcceptable(const MarginRequest& r, std::string_view text);

// The spin: step +1 for line up, -1 for line down, 0 for every other code, added
// to the number in the edit box (0 when it holds none) and limited.
int32_t SpinMargin(const MarginRequest& r, std::string_view text, int step);
