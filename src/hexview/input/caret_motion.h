// Caret moves of the hex view as pure functions: every navigation key with and
// without Ctrl and Shift, Tab, Escape and select all, each giving the new
// caret, digit, area, selection anchor and scroll position.
#pragma once

#include <cstdint>

#include "hexview/input/caret_geometry.h"

// The state a caret move changes.
struct CaretState {
  int32_t caret = 0;        // 0..length
  int digitIndex = 0;       // 0..digits-1 in the numeric area, else 0; 0 at the end of data
  int activeColumn = 0;     // DumpArea
  int32_t anchor = -1;      // other end of the selection, -1 for none; never equal to caret
  int32_t scrollColumn = 0;
  int32_t scrollLine = 0;

  bool operator==(const CaretState&) const = default;
};

// The state of doc (caret, digit, area, anchor, scroll position).
CaretState CaretStateOf(const Document& doc);
// Writes state back into doc.
void ApplyCaretState(Document& doc, const CaretState& state);

enum class CaretKey { Home, End, Left, Right, Up, Down, PageUp, PageDown };

// The caret after key (m gives the length, cell digits, bytes per line and
// page size; its scroll position is ignored in favour of s's). Moves are
// clamped to 0..length; with shift the selection runs from the caret's former
// offset (or keeps its anchor), without it the selection is dropped; the view
// then scrolls so that the caret is visible.
CaretState MoveCaretByKey(const CaretState& s, const ViewMetrics& m, CaretKey key, bool ctrl, bool shift);

// Tab: the next area (numeric, ANSI, UTF-16, numeric...), or with backward the
// previous one; the byte stays, the digit becomes 0, the caret is made visible.
CaretState NextArea(const CaretState& s, const ViewMetrics& m, bool backward);

// Escape: the selection is dropped and the caret made visible; unchanged when
// nothing is selected.
CaretState CancelSelection(const CaretState& s, const ViewMetrics& m);

// Select all: anchor 0, caret at the end of data, digit 0, made visible.
// Unchanged for an empty document.
CaretState SelectAll(const CaretState& s, const ViewMetrics& m);

// s with the view scrolled so that its caret is visible (the scroll rule of
// VisibleScroll with s's scroll position).
CaretState WithCaretVisible(const CaretState& s, const ViewMetrics& m);
