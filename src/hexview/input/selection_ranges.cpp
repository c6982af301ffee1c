// Ranges for Delete, Backspace, delete line and overwriting.
#include "hexview/input/selection_ranges.h"

#include <algorithm>

SelectionRange DeleteKeyRange(int32_t caret, int32_t anchor, int32_t length) {
  if (anchor != -1) return {caret, anchor};
  if (caret >= length) return {caret, -1};
  return {caret, caret + 1};
}

SelectionRange BackspaceRange(int32_t caret, int32_t anchor, int32_t length) {
  if (anchor != -1) return {caret, anchor};
  if (caret <= 0 || caret > length) return {caret, -1};
  return {caret, caret - 1};
}

SelectionRange DeleteLineRange(int32_t caret, int32_t anchor, int32_t length, int bytesPerLine) {
  if (anchor != -1) return {caret, anchor};
  if (length <= 0 || bytesPerLine <= 0) return {caret, -1};
  caret = std::clamp(caret, 0, length);
  int32_t start = caret / bytesPerLine * bytesPerLine;
  if (caret == length && start == caret) start -= bytesPerLine;
  const int32_t end = static_cast<int32_t>(std::min<int64_t>(static_cast<int64_t>(start) + bytesPerLine, length));
  return {start, end};
}

SelectionRange OverwriteRange(int32_t caret, int32_t count, int32_t length) {
  const int64_t end = std::min<int64_t>(static_cast<int64_t>(caret) + std::max(count, 0), length);
  if (end <= caret) return {caret, -1};
  return {caret, static_cast<int32_t>(end)};
}
