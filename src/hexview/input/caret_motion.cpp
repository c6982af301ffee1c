// Navigation keys, Tab, Escape and select all on the caret state.
#include "hexview/input/caret_motion.h"

#include <algorithm>

#include "core/document.h"

CaretState CaretStateOf(const Document& doc) {
  return {doc.caret, doc.digitIndex, doc.activeColumn, doc.anchor, doc.scrollColumn, doc.scrollLine};
}

void ApplyCaretState(Document& doc, const CaretState& state) {
  doc.caret = state.caret;
  doc.digitIndex = state.digitIndex;
  doc.activeColumn = state.activeColumn;
  doc.anchor = state.anchor;
  doc.scrollColumn = state.scrollColumn;
  doc.scrollLine = state.scrollLine;
}

CaretState WithCaretVisible(const CaretState& s, const ViewMetrics& m) {
  ViewMetrics at = m;
  at.scrollColumn = s.scrollColumn;
  at.scrollLine = s.scrollLine;
  ScrollPosition p = VisibleScroll(at, s.caret, s.activeColumn);
  CaretState n = s;
  n.scrollColumn = p.column;
  n.scrollLine = p.line;
  return n;
}

CaretState MoveCaretByKey(const CaretState& s, const ViewMetrics& m, CaretKey key, bool ctrl, bool shift) {
  const int64_t bpl = m.bytesPerLine;
  const bool numeric = s.activeColumn == kAreaNumeric;
  const int64_t line = s.caret / bpl;
  const int64_t column = s.caret % bpl;
  int64_t caret = s.caret;
  int digit = s.digitIndex;
  int64_t scrollLine = s.scrollLine;

  switch (key) {
    case CaretKey::Home:
      caret = ctrl ? 0 : line * bpl;
      digit = 0;
      break;
    case CaretKey::End:
      if (ctrl) {
        caret = m.length;
        digit = 0;
      } else {
        caret = line * bpl + bpl - 1;
        digit = numeric ? m.digits - 1 : 0;
      }
      break;
    case CaretKey::Left:
      if (!numeric) {
        caret -= 1;
        digit = 0;
      } else if (!ctrl) {
        digit -= 1;
      } else if (digit > 0) {
        digit = 0;
      } else {
        caret -= 1;
      }
      break;
    case CaretKey::Right:
      if (numeric && !ctrl) {
        digit += 1;
      } else {
        caret += 1;
        digit = 0;
      }
      break;
    case CaretKey::Up:
      if (!ctrl) {
        if (line > 0) caret -= bpl;
      } else if (scrollLine > 0) {
        scrollLine -= 1;
        if (line >= scrollLine + m.pageLines) caret -= bpl;
      }
      break;
    case CaretKey::Down:
      if (!ctrl) {
        caret += bpl;
      } else if (scrollLine < MaxScrollLine(m)) {
        scrollLine += 1;
        if (line < scrollLine) caret += bpl;
      }
      break;
    case CaretKey::PageUp:
      if (ctrl) {
        caret = scrollLine * bpl + column;
      } else {
        caret = line >= m.pageLines ? caret - m.pageLines * bpl : column;
        scrollLine -= m.pageLines;
      }
      break;
    case CaretKey::PageDown:
      if (ctrl) {
        caret = (scrollLine + m.pageLines - 1) * bpl + column;
      } else {
        caret += m.pageLines * bpl;
        scrollLine += m.pageLines;
      }
      break;
  }

  if (digit < 0) {
    if (caret > 0) {
      caret -= 1;
      digit = m.digits - 1;
    } else {
      digit = 0;
    }
  } else if (digit >= m.digits) {
    caret += 1;
    digit = 0;
  }
  caret = std::clamp<int64_t>(caret, 0, m.length);
  if (caret == m.length) digit = 0;

  CaretState n = s;
  n.caret = static_cast<int32_t>(caret);
  n.digitIndex = digit;
  n.scrollLine = ClampScrollLine(m, scrollLine);
  if (shift) {
    if (n.anchor == -1) n.anchor = s.caret;
    if (n.anchor == n.caret) n.anchor = -1;
  } else {
    n.anchor = -1;
  }
  return WithCaretVisible(n, m);
}

CaretState NextArea(const CaretState& s, const ViewMetrics& m, bool backward) {
  CaretState n = s;
  n.activeColumn = (s.activeColumn + (backward ? 2 : 1)) % 3;
  n.digitIndex = 0;
  return WithCaretVisible(n, m);
}

CaretState CancelSelection(const CaretState& s, const ViewMetrics& m) {
  if (s.anchor == -1) return s;
  CaretState n = WithCaretVisible(s, m);
  n.anchor = -1;
  return n;
}

CaretState SelectAll(const CaretState& s, const ViewMetrics& m) {
  if (m.length <= 0) return s;
  CaretState n = s;
  n.anchor = 0;
  n.caret = m.length;
  n.digitIndex = 0;
  return WithCaretVisible(n, m);
}
