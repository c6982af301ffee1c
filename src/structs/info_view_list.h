// The information view's row list as pure arithmetic: visible rows and columns,
// the current row and scroll position after keys, clicks, drags, the wheel and
// the scroll bars.
#pragma once

#include <cstdint>

// Pixel sizes of the list area. Rows are 2 x charWidth high and start below the toolbar.
struct InfoListMetrics {
  int32_t charWidth = 1;      // cw, > 0
  int32_t toolbarHeight = 0;  // the list starts here
  int32_t listRight = 0;      // client width minus the vertical scroll bar
  int32_t listBottom = 0;     // client height minus the horizontal scroll bar
};

// max(1, (listBottom - toolbarHeight) / (2 cw)) and max(1, listRight / cw).
int32_t VisibleRows(const InfoListMetrics& m);
int32_t VisibleColumns(const InfoListMetrics& m);

// The highlighted row and the scroll position.
struct InfoListPosition {
  int32_t currentRow = 0;
  int32_t topRow = 0;
  int32_t firstColumn = 0;
  bool operator==(const InfoListPosition&) const = default;
};

// What the list shows: rowCount rows of totalColumns characters.
struct InfoListSize {
  int32_t rowCount = 0;
  int32_t totalColumns = 0;
};

// The list keys without Shift (Shift moves the start address instead).
enum class InfoListKey { Up, Down, PageUp, PageDown, Home, End, Left, Right };

// The position after key, then clamped: currentRow to the rows, firstColumn to
// 0 .. max(0, totalColumns - visible columns), topRow moved so the current row
// is visible and clamped to 0 .. max(0, rowCount - visible rows). Up/Down move
// the row (Ctrl: scroll one row, the row follows only when it would leave the
// view); Page Up/Down move both by a page (Ctrl: first or last visible row);
// Home/End scroll to the first or last columns (Ctrl: first or last row);
// Left/Right scroll one column (Ctrl: four).
InfoListPosition MoveListByKey(const InfoListPosition& p, const InfoListSize& size, const InfoListMetrics& m,
                               InfoListKey key, bool ctrl);

// p with currentRow, firstColumn and topRow clamped as above (also after a resize).
InfoListPosition ClampListPosition(const InfoListPosition& p, const InfoListSize& size, const InfoListMetrics& m);

// True when a change of scroll position from a to b can scroll the list area
// in place: |columns| x cw < listRight and |rows| x 2 cw < listBottom.
bool CanScrollInPlace(const InfoListPosition& a, const InfoListPosition& b, const InfoListMetrics& m);

// The row under client y (limited to the list area first), clamped to the rows.
int32_t RowAtY(int32_t y, const InfoListPosition& p, const InfoListSize& size, const InfoListMetrics& m);

// Dragging with the button held at client (x, y): left of 0 / right of
// listRight scrolls one column, above the toolbar / below listBottom one row
// (each only when possible and when more than one column or row is visible);
// then the row under the pointer becomes current.
InfoListPosition DragToPoint(const InfoListPosition& p, const InfoListSize& size, const InfoListMetrics& m,
                             int32_t x, int32_t y);

// The wheel: topRow changes by -(delta / 30) rows (a notch of 120 scrolls 4
// rows up), clamped; currentRow stays.
InfoListPosition WheelList(const InfoListPosition& p, const InfoListSize& size, const InfoListMetrics& m,
                           int32_t delta);

// Scroll bar actions; Other covers the codes that change nothing.
enum class ScrollAction { LineBack, LineForward, PageBack, PageForward, Track, Other };

// A vertical (topRow) or horizontal (firstColumn) scroll bar action: lines move
// by 1, pages by the visible rows or columns, Track moves to thumb; clamped.
InfoListPosition ScrollList(const InfoListPosition& p, const InfoListSize& size, const InfoListMetrics& m,
                            bool vertical, ScrollAction action, int32_t thumb);
