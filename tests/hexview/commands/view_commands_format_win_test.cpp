// Format commands on a real document window: the Ctrl+1 / Ctrl+2 cycles with
// their menu checks keeping the other option bits, what a format change ends,
// and the top byte kept across a change of bytes per line.
#include "hexview/commands/view_commands_format_win.h"

#include "core/display_types.h"
#include "hexview/view_fixture_win.h"
#include "hexview/view_state_win.h"

namespace {

using ViewFormat = ViewTest;

TEST_F(ViewFormat, CyclesKeepTheOtherBitsAChangeEndsDigitEntryAndSelectionAndKeepsTheTopByte) {
  Open(std::string(16 * 100, 'f'), 0x20, kEntryInsert, 760, 200);  // Motorola order must survive every step
  const UINT items[] = {IDM_RADIX_OCT, IDM_RADIX_BIN, IDM_RADIX_UDEC, IDM_RADIX_SDEC, IDM_RADIX_HEX};
  for (int i = 0; i < 5; ++i) {
    Command(IDM_NEXTRADIX);
    EXPECT_TRUE(DataRadixOf(doc->options) == (i + 1) % 5 && MenuItemChecked(items[i])) << i;
  }
  for (int i = 0; i < 3; ++i) Command(IDM_NEXTADDRESS);
  EXPECT_TRUE(doc->options == (kOptSystemColors | 0x20) && MenuItemChecked(IDM_ADDR_HEX));
  Char(view, 'c');
  ASSERT_EQ(g_view.entryMode, kEntryDigit);
  Command(IDM_RADIX_UDEC);
  EXPECT_TRUE(g_view.entryMode == kEntryInsert && doc->digitIndex == 0);
  Key(view, VK_RIGHT, true, true);
  Command(IDM_RADIX_OCT);
  EXPECT_FALSE(doc->anchor != -1 || MenuItemEnabled(IDM_COPY));
  Key(view, VK_INSERT);
  Command(IDM_RADIX_HEX);
  EXPECT_EQ(g_view.entryMode, kEntryOverwrite);  // overwrite mode survives a format change
  for (int i = 0; i < 10; ++i) SendMessageA(view, WM_VSCROLL, SB_LINEDOWN, 0);
  ASSERT_EQ(doc->scrollLine, 10);  // byte 160 begins the top line
  Command(IDM_NEXTADDRESS);        // decimal: 10 bytes per line
  EXPECT_EQ(doc->scrollLine, 16);
  Command(IDM_NEXTADDRESS);  // octal: 16 per line again
  EXPECT_EQ(doc->scrollLine, 10);
  for (int i = 0; i < 3; ++i) SendMessageA(view, WM_VSCROLL, SB_LINEUP, 0);
  Command(IDM_ADDR_DEC);
  EXPECT_EQ(doc->scrollLine, 11);  // 110-119 holds byte 112
}

}  // namespace
