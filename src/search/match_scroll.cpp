// The scroll rule after a search.
#include "search/match_scroll.h"

#include <algorithm>

MatchScroll ScrollToShowMatch(const MatchScrollView& v, int32_t caret, int activeColumn) {
  const int bytesPerLine = std::max(1, v.bytesPerLine);
  const int64_t c = caret % bytesPerLine, line = caret / bytesPerLine;
  const int64_t k = activeColumn == 0 ? c * (v.digits + 1) : int64_t{v.digits + 1} * bytesPerLine + c;
  int64_t column = v.scrollColumn;
  if (column < k + v.digits + 1 - v.pageColumns) {
    column = k + v.digits + 1 - v.pageColumns;
  } else if (column > k) {
    column = k;
  }
  const int64_t maxColumn = std::max<int64_t>(0, int64_t{v.digits + 2} * bytesPerLine + 1 - v.pageColumns);
  int64_t top = v.scrollLine;
  if (line < top) {
    top = line;
  } else if (top < line - v.pageLines + 1) {
    top = line - v.pageLines + 1;
  }
  const int64_t maxLine = std::max<int64_t>(0, int64_t{v.lineCount} - v.pageLines);
  return {static_cast<int32_t>(std::clamp<int64_t>(column, 0, maxColumn)),
          static_cast<int32_t>(std::clamp<int64_t>(top, 0, maxLine))};
}
