// Where the dump scrolls to show a match that a search selected.
#pragma once

#include <cstdint>

// The parts of the dump's geometry the rule needs (in scrollable columns and lines).
struct MatchScrollView {
  int digits = 2;           // digits of one numeric cell
  int bytesPerLine = 16;
  int pageColumns = 1;      // whole columns and lines the client area shows
  int pageLines = 1;
  int32_t lineCount = 1;    // lines of the dump
  int32_t scrollColumn = 0; // the present scroll position
  int32_t scrollLine = 0;
};

struct MatchScroll {
  int32_t column;
  int32_t line;
};

// The scroll position after a search put the caret at caret (activeColumn 0
// numeric, 1 character, 2 UNICODE). The caret's cell column k is c * (digits + 1)
// in the numeric column and (digits + 1) * bytesPerLine + c in either text column
// (c = caret mod bytesPerLine; the UNICODE column uses the character column's
// cell). The column moves just enough that k .. k + digits is in view, then is
// clamped to 0 .. max(0, (digits + 2) * bytesPerLine + 1 - pageColumns); the line
// moves just enough that the caret's line is in view, then is clamped to
// 0 .. max(0, lineCount - pageLines).
MatchScroll ScrollToShowMatch(const MatchScrollView& view, int32_t caret, int activeColumn);
