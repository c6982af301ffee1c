// Caret moves by key, Tab, Escape and select all, on a 100-byte document with
// hexadecimal cells, 16 bytes per line and a page of three lines.
#include "hexview/input/caret_motion.h"

#include <gtest/gtest.h>

// Found by the test framework next to CaretState, for readable failures.
void PrintTo(const CaretState& s, std::ostream* os) {
  *os << "{caret " << s.caret << ", digit " << s.digitIndex << ", area " << s.activeColumn << ", anchor "
      << s.anchor << ", col " << s.scrollColumn << ", line " << s.scrollLine << "}";
}

namespace {

// charWidth 8; the client area is sized to give exactly pageColumns and pageLines.
ViewMetrics Metrics(int32_t length, int pageLines, int pageColumns = 91, int digits = 2, int bytesPerLine = 16) {
  ViewMetrics m;
  m.length = length;
  m.digits = digits;
  m.bytesPerLine = bytesPerLine;
  m.charWidth = 8;
  m.clientWidth = (pageColumns + 9) * 8;
  m.clientHeight = (pageLines + 1) * 16;
  m.pageColumns = pageColumns;
  m.pageLines = pageLines;
  m.lineCount = length / bytesPerLine + 1;
  m.totalColumns = (digits + 3) * bytesPerLine + 2;
  return m;
}

// caret, digit, area, anchor, scrollColumn, scrollLine
CaretState At(int32_t caret, int digit, int area = 0, int32_t anchor = -1, int32_t scrollLine = 0,
              int32_t scrollColumn = 0) {
  return CaretState{caret, digit, area, anchor, scrollColumn, scrollLine};
}

struct MoveCase {
  const char* name;
  CaretState from;
  CaretKey key;
  bool ctrl;
  bool shift;
  CaretState to;
};

TEST(CaretMotion, KeysWithAndWithoutCtrlAndShift) {
  using K = CaretKey;
  const MoveCase cases[] = {
      {"Home", At(37, 1), K::Home, false, false, At(32, 0)},
      {"CtrlHome scrolls to the top", At(37, 1, 0, -1, 1), K::Home, true, false, At(0, 0)},
      {"End numeric takes the last digit", At(37, 0), K::End, false, false, At(47, 1)},
      {"End in the ANSI area", At(37, 0, 1), K::End, false, false, At(47, 0, 1)},
      {"End on the last line stops at the end of data", At(97, 0, 0, -1, 4), K::End, false, false,
       At(100, 0, 0, -1, 4)},
      {"CtrlEnd", At(5, 1), K::End, true, false, At(100, 0, 0, -1, 4)},
      {"Left at offset 0 stays", At(0, 0), K::Left, false, false, At(0, 0)},
      {"Left from digit 0 goes to the previous byte's last digit", At(5, 0), K::Left, false, false, At(4, 1)},
      {"Left within the cell", At(5, 1), K::Left, false, false, At(5, 0)},
      {"CtrlLeft to the cell's first digit", At(5, 1), K::Left, true, false, At(5, 0)},
      {"CtrlLeft at digit 0 to the previous byte", At(5, 0), K::Left, true, false, At(4, 0)},
      {"Left in the UTF-16 area", At(5, 0, 2), K::Left, false, false, At(4, 0, 2)},
      {"Right at the end of data stays", At(100, 0, 0, -1, 4), K::Right, false, false, At(100, 0, 0, -1, 4)},
      {"Right past the last digit of the last byte", At(99, 1, 0, -1, 4), K::Right, false, false,
       At(100, 0, 0, -1, 4)},
      {"Right within the cell", At(5, 0), K::Right, false, false, At(5, 1)},
      {"CtrlRight to the next byte", At(5, 1), K::Right, true, false, At(6, 0)},
      {"Right in the ANSI area", At(5, 0, 1), K::Right, false, false, At(6, 0, 1)},
      {"Up on line 0 stays", At(5, 1), K::Up, false, false, At(5, 1)},
      {"Up keeps the digit", At(37, 1), K::Up, false, false, At(21, 1)},
      {"Down on the next-to-last line lands on the end", At(90, 1, 0, -1, 4), K::Down, false, false,
       At(100, 0, 0, -1, 4)},
      {"Down scrolls to keep the caret visible", At(37, 0), K::Down, false, false, At(53, 0, 0, -1, 1)},
      {"CtrlUp scrolls, caret stays on the page", At(37, 0, 0, -1, 2), K::Up, true, false, At(37, 0, 0, -1, 1)},
      {"CtrlUp pushes the caret up from the bottom line", At(68, 0, 0, -1, 2), K::Up, true, false,
       At(52, 0, 0, -1, 1)},
      {"CtrlUp at the top does nothing", At(5, 0), K::Up, true, false, At(5, 0)},
      {"CtrlDown pulls the caret down from the top line", At(20, 0, 0, -1, 1), K::Down, true, false,
       At(36, 0, 0, -1, 2)},
      {"CtrlDown at the bottom does nothing", At(70, 0, 0, -1, 4), K::Down, true, false, At(70, 0, 0, -1, 4)},
      {"PageUp", At(85, 1, 0, -1, 4), K::PageUp, false, false, At(37, 1, 0, -1, 1)},
      {"PageUp near the top goes to line 0, same column", At(37, 0, 0, -1, 1), K::PageUp, false, false, At(5, 0)},
      {"CtrlPageUp to the top visible line", At(85, 0, 0, -1, 2), K::PageUp, true, false, At(37, 0, 0, -1, 2)},
      {"PageDown", At(5, 0), K::PageDown, false, false, At(53, 0, 0, -1, 3)},
      {"PageDown past the end stops at the end", At(60, 1, 0, -1, 2), K::PageDown, false, false,
       At(100, 0, 0, -1, 4)},
      {"CtrlPageDown to the bottom visible line", At(21, 0, 0, -1, 1), K::PageDown, true, false,
       At(53, 0, 0, -1, 1)},
      {"CtrlPageDown below the end", At(69, 0, 0, -1, 4), K::PageDown, true, false, At(100, 0, 0, -1, 4)},
      // Why: the first Shift+Right stays inside byte 5, so nothing is selected yet.
      {"ShiftRight inside a cell selects nothing", At(5, 0), K::Right, false, true, At(5, 1)},
      {"ShiftRight onto the next byte selects it", At(5, 1), K::Right, false, true, At(6, 0, 0, 5)},
      {"ShiftLeft back to the anchor drops the selection", At(6, 0, 0, 5), K::Left, false, true, At(5, 1)},
      {"ShiftDown keeps the anchor", At(5, 0, 0, 2), K::Down, false, true, At(21, 0, 0, 2)},
      {"a move without Shift drops the selection", At(5, 0, 1, 2), K::Right, false, false, At(6, 0, 1)},
  };
  const ViewMetrics m = Metrics(100, 3);
  for (const MoveCase& c : cases) {
    EXPECT_EQ(MoveCaretByKey(c.from, m, c.key, c.ctrl, c.shift), c.to) << c.name;
  }
}

TEST(CaretMotion, HorizontalScrollFollowsTheCell) {
  // 20 visible columns of 82: the widest scroll is 62.
  const ViewMetrics m = Metrics(100, 3, 20);
  EXPECT_EQ(MoveCaretByKey(At(0, 0, 2), m, CaretKey::End, false, false), At(15, 0, 2, -1, 0, 62));
  EXPECT_EQ(MoveCaretByKey(At(15, 1, 0, -1, 0, 62), m, CaretKey::Home, false, false), At(0, 0, 0, -1, 0, 0));
  // Numeric column 6 starts at scrollable column 18; with its digits and blank it needs 21 columns.
  EXPECT_EQ(MoveCaretByKey(At(5, 1), m, CaretKey::Right, false, false), At(6, 0, 0, -1, 0, 1));
}

TEST(CaretMotion, EightDigitCellsAndTenBytesPerLine) {
  const ViewMetrics m = Metrics(35, 10, 200, 8, 10);
  EXPECT_EQ(MoveCaretByKey(At(12, 7), m, CaretKey::Right, false, false), At(13, 0));
  EXPECT_EQ(MoveCaretByKey(At(13, 0), m, CaretKey::Left, false, false), At(12, 7));
  EXPECT_EQ(MoveCaretByKey(At(12, 3), m, CaretKey::End, false, false), At(19, 7));
  EXPECT_EQ(MoveCaretByKey(At(32, 3), m, CaretKey::End, false, false), At(35, 0));
  EXPECT_EQ(MoveCaretByKey(At(12, 3), m, CaretKey::Down, false, false), At(22, 3));
}

TEST(CaretMotion, EmptyDocumentKeepsTheCaretAtZero) {
  const ViewMetrics m = Metrics(0, 3);
  for (CaretKey key : {CaretKey::Home, CaretKey::End, CaretKey::Left, CaretKey::Right, CaretKey::Up, CaretKey::Down,
                       CaretKey::PageUp, CaretKey::PageDown})
    for (int mods = 0; mods < 4; ++mods)
      EXPECT_EQ(MoveCaretByKey(At(0, 0), m, key, mods & 1, mods & 2), At(0, 0)) << static_cast<int>(key);
}

TEST(CaretMotion, TabCyclesAreasAndKeepsTheByte) {
  const ViewMetrics m = Metrics(100, 3);
  EXPECT_EQ(NextArea(At(37, 1, 0, 30), m, false), At(37, 0, 1, 30));
  EXPECT_EQ(NextArea(At(37, 0, 1), m, false), At(37, 0, 2));
  EXPECT_EQ(NextArea(At(37, 0, 2), m, false), At(37, 0, 0));
  EXPECT_EQ(NextArea(At(37, 0, 0), m, true), At(37, 0, 2));
  EXPECT_EQ(NextArea(At(37, 0, 1), m, true), At(37, 0, 0));
  // The view scrolls to the area's cell.
  const ViewMetrics narrow = Metrics(100, 3, 20);
  EXPECT_EQ(NextArea(At(5, 0, 0), narrow, false), At(5, 0, 1, -1, 0, 36));
}

TEST(CaretMotion, EscapeAndSelectAll) {
  const ViewMetrics m = Metrics(100, 3);
  EXPECT_EQ(CancelSelection(At(80, 0, 0, 10), m), At(80, 0, 0, -1, 3));
  EXPECT_EQ(CancelSelection(At(80, 1, 0, -1, 0), m), At(80, 1, 0, -1, 0));  // nothing selected: unchanged
  EXPECT_EQ(SelectAll(At(37, 1, 2), m), At(100, 0, 2, 0, 4));
  EXPECT_EQ(SelectAll(At(0, 0), Metrics(0, 3)), At(0, 0));
}

TEST(CaretMotion, RandomMovesKeepTheInvariants) {
  // Why: whatever the key, caret, digit, anchor and scroll stay inside their ranges
  // and the caret's line is on the page.
  uint32_t seed = 12345;
  auto next = [&seed](uint32_t n) {
    seed = seed * 1103515245u + 12345u;
    return (seed >> 8) % n;
  };
  for (int round = 0; round < 200; ++round) {
    const int digitsTable[] = {2, 3, 8, 3, 4};
    const int digits = digitsTable[next(5)];
    const int bpl = next(2) ? 16 : 10;
    const ViewMetrics m = Metrics(static_cast<int32_t>(next(400)), 1 + static_cast<int>(next(6)),
                                  1 + static_cast<int>(next(120)), digits, bpl);
    CaretState s = At(0, 0);
    for (int step = 0; step < 200; ++step) {
      const int kind = static_cast<int>(next(10));
      if (kind < 8) {
        s = MoveCaretByKey(s, m, static_cast<CaretKey>(kind), next(2), next(2));
      } else {
        s = NextArea(s, m, next(2));
      }
      if (s.caret == m.length) {
        ASSERT_EQ(s.digitIndex, 0);
      }
      ASSERT_GE(s.caret, 0);
      ASSERT_LE(s.caret, m.length);
      ASSERT_GE(s.digitIndex, 0);
      ASSERT_LT(s.digitIndex, s.activeColumn == 0 ? digits : 1);
      ASSERT_NE(s.anchor, s.caret);
      ASSERT_GE(s.anchor, -1);
      ASSERT_LE(s.anchor, m.length);
      ASSERT_LE(s.scrollLine, MaxScrollLine(m));
      ASSERT_LE(s.scrollColumn, MaxScrollColumn(m));
      ASSERT_GE(s.caret / bpl, s.scrollLine);
      ASSERT_LT(s.caret / bpl, s.scrollLine + m.pageLines);
    }
  }
}

}  // namespace
