// Scroll bars and scroll messages of a real document window: 32-bit positions,
// pages, the thumb, the wheel and the limits.
#include "hexview/render/view_scroll_win.h"

#include "hexview/render/dump_layout.h"
#include "hexview/view_fixture_win.h"

namespace {

SCROLLINFO BarInfo(HWND w, int bar) {
  SCROLLINFO info = {};
  info.cbSize = sizeof info;
  info.fMask = SIF_ALL;
  GetScrollInfo(w, bar, &info);
  return info;
}

using ViewScroll = ViewTest;

TEST_F(ViewScroll, BarsFollowTheDocumentWithThirtyTwoBitPositions) {
  Open(std::string(1120000, 'z'), 0, kEntryOverwrite, 400, 300);  // 70000 lines; both bars scroll
  const int page = PageLines(*doc);
  SCROLLINFO v = BarInfo(view, SB_VERT), h = BarInfo(view, SB_HORZ);
  EXPECT_TRUE(v.nMax == 70000 && static_cast<int>(v.nPage) == page);  // 70001 lines with the end-of-data line
  EXPECT_TRUE(h.nMax == 81 && static_cast<int>(h.nPage) == PageColumns(*doc));
  SendMessageA(view, WM_MOUSEWHEEL, MAKEWPARAM(0, static_cast<WORD>(-120)), 0);  // a notch toward the user
  EXPECT_EQ(doc->scrollLine * 10 + doc->caret, 40);                              // 4 lines down; the caret stays
  doc->scrollLine = 69000;                                                       // beyond 16 bits
  EXPECT_EQ(ScrollTo(view, doc->scrollColumn, 0), 0);
  SendMessageA(view, WM_VSCROLL, SB_PAGEDOWN, 0);
  EXPECT_EQ(BarInfo(view, SB_VERT).nPos, 69000 + page);
  doc->scrollLine = 69990;
  EXPECT_EQ(ScrollTo(view, doc->scrollColumn, 69000 + page), 0);
  SendMessageA(view, WM_VSCROLL, SB_PAGEDOWN, 0);
  EXPECT_EQ(doc->scrollLine, 70001 - page);  // the last page
  SendMessageA(view, WM_HSCROLL, MAKEWPARAM(SB_THUMBTRACK, 30), 0);
  EXPECT_TRUE(doc->scrollColumn == 30 && BarInfo(view, SB_HORZ).nPos == 30);
  for (int i = 0; i < 3; ++i) SendMessageA(view, WM_HSCROLL, SB_PAGERIGHT, 0);
  EXPECT_EQ(doc->scrollColumn, 82 - PageColumns(*doc));
}

}  // namespace
