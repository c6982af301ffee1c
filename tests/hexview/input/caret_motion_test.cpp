// Caret moves by key, Tab, Escape and select all, mostly on a 100-byte document
// with hexadecimal cells, 16 bytes per line and a page of three lines.
#include "hexview/input/caret_motion.h"

#include <gtest/gtest.h>

#include "hexview/input/view_metrics_fixture.h"

// Found by the test framework next to CaretState, for readable failures.
void PrintTo(const CaretState& s, std::ostream* os) {
  *os << "{caret " << s.caret << ", digit " << s.digitIndex << ", area " << s.activeColumn << ", anchor " << s.anchor
      << ", col " << s.scrollColumn << ", line " << s.scrollLine << "}";
}

namespace {

// caret, digit, area, anchor, scrollLine, scrollColumn
CaretState At(int32_t caret, int digit, int area = 0, int32_t anchor = -1, int32_t scrollLine = 0,
              int32_t scrollColumn = 0) {
  return CaretState{caret, digit, area, anchor, scrollColumn, scrollLine};
}

// The keys, then Tab, Shift+Tab, Escape and select all.
enum Op { Home, End, Left, Right, Up, Down, PageUp, PageDown, Tab, BackTab, Escape, All };
enum Mods { None = 0, Ctrl = 1, Shift = 2 };

CaretState Apply(const CaretState& s, const ViewMetrics& m, Op op, int mods) {
  switch (op) {
    case Tab:
    case BackTab: return NextArea(s, m, op == BackTab);
    case Escape: return CancelSelection(s, m);
    case All: return SelectAll(s, m);
    default: return MoveCaretByKey(s, m, static_cast<CaretKey>(op), (mods & Ctrl) != 0, (mods & Shift) != 0);
  }
}

TEST(CaretMotion, EveryMoveAtItsEdges) {
  const ViewMetrics m = Metrics(100, 3), narrow = Metrics(100, 3, 20), empty = Metrics(0, 3),
                    binary = Metrics(35, 10, 200, 8, 10);  // 8-digit cells, 10 bytes per line
  const struct {
    const char* why;
    const ViewMetrics& m;
    CaretState from;
    Op op;
    int mods;
    CaretState to;
  } cases[] = {
      {"End in the numeric area takes the last digit", m, At(37, 0), End, None, At(47, 1)},
      {"Left from digit 0 goes to the previous byte's last digit", m, At(5, 0), Left, None, At(4, 1)},
      {"Down on the next-to-last line lands on the end", m, At(90, 1, 0, -1, 4), Down, None, At(100, 0, 0, -1, 4)},
      {"Ctrl+Up pushes the caret up from the bottom line", m, At(68, 0, 0, -1, 2), Up, Ctrl, At(52, 0, 0, -1, 1)},
      {"Ctrl+PageUp to the top visible line", m, At(85, 0, 0, -1, 2), PageUp, Ctrl, At(37, 0, 0, -1, 2)},
      {"PageDown past the end stops at the end", m, At(60, 1, 0, -1, 2), PageDown, None, At(100, 0, 0, -1, 4)},
      {"Ctrl+PageDown to the bottom visible line", m, At(21, 0, 0, -1, 1), PageDown, Ctrl, At(53, 0, 0, -1, 1)},
      {"Shift+Right onto the next byte selects it", m, At(5, 1), Right, Shift, At(6, 0, 0, 5)},
      {"a move without Shift drops the selection", m, At(5, 0, 1, 2), Right, None, At(6, 0, 1)},
      {"End scrolls to the UTF-16 cell (62 of 82 columns)", narrow, At(0, 0, 2), End, None, At(15, 0, 2, -1, 0, 62)},
      {"a cell needs its digits and blank (columns 18-20)", narrow, At(5, 1), Right, None, At(6, 0, 0, -1, 0, 1)},
      {"8 digits: Right from the last digit", binary, At(12, 7), Right, None, At(13, 0)},
      {"Tab keeps the byte and selection, digit 0", m, At(37, 1, 0, 30), Tab, None, At(37, 0, 1, 30)},
      {"Tab scrolls to the area's cell", narrow, At(5, 0, 0), Tab, None, At(5, 0, 1, -1, 0, 36)},
      {"Escape drops the selection and shows the caret", m, At(80, 0, 0, 10), Escape, None, At(80, 0, 0, -1, 3)},
      {"select all", m, At(37, 1, 2), All, None, At(100, 0, 2, 0, 4)},
  };
  for (const auto& c : cases) EXPECT_EQ(Apply(c.from, c.m, c.op, c.mods), c.to) << c.why;
  for (int op = Home; op <= PageDown; ++op)
    for (int mods = 0; mods < 4; ++mods) EXPECT_EQ(Apply(At(0, 0), empty, Op(op), mods), At(0, 0)) << op;
}

// Whatever the move, caret, digit, anchor and scroll stay inside their ranges
// and the caret's line is on the page.
TEST(CaretMotion, RandomMovesKeepTheInvariants) {
  uint32_t seed = 12345;
  auto next = [&seed](uint32_t n) {
    seed = seed * 1103515245u + 12345u;
    return static_cast<int>((seed >> 8) % n);
  };
  const int kDigits[] = {2, 3, 8, 3, 4};
  for (int round = 0; round < 200; ++round) {
    const int digits = kDigits[next(5)], bpl = next(2) ? 16 : 10;
    const ViewMetrics m = Metrics(next(400), 1 + next(6), 1 + next(120), digits, bpl);
    CaretState s = At(0, 0);
    for (int step = 0; step < 200; ++step) {
      s = Apply(s, m, Op(next(10)), next(4));
      ASSERT_TRUE(s.caret >= 0 && s.caret <= m.length && (s.caret < m.length || s.digitIndex == 0));
      ASSERT_TRUE(s.digitIndex >= 0 && s.digitIndex < (s.activeColumn == 0 ? digits : 1));
      ASSERT_TRUE(s.anchor != s.caret && s.anchor >= -1 && s.anchor <= m.length);
      ASSERT_TRUE(s.scrollLine <= MaxScrollLine(m) && s.scrollColumn <= MaxScrollColumn(m));
      ASSERT_TRUE(s.caret / bpl >= s.scrollLine && s.caret / bpl < s.scrollLine + m.pageLines);
    }
  }
}

}  // namespace
