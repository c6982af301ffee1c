// The caret move of a click on the image view.
#include "imageview/image_click.h"

#include "imageview/image_geometry.h"

ImageClick ClickImage(const CaretState& s, const ViewMetrics& m, int x, int y, int32_t top) {
  CaretState n = s;
  n.caret = ImageClickOffset(x, y, top, m.length);
  n.digitIndex = 0;
  ViewMetrics at = m;
  at.scrollColumn = s.scrollColumn;
  at.scrollLine = s.scrollLine;
  ScrollPosition p = VisibleScroll(at, n.caret, s.activeColumn == kAreaNumeric ? kAreaNumeric : kAreaAnsi);
  n.scrollColumn = p.column;
  n.scrollLine = p.line;
  bool changed = n.caret != s.caret || n.digitIndex != s.digitIndex || n.scrollColumn != s.scrollColumn ||
                 n.scrollLine != s.scrollLine;
  return ImageClick{n, changed};
}
