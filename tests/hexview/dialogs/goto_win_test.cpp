// The go-to dialog under Wine, answered from the test: relative and absolute
// targets, those it refuses, decimal addresses, the spin, the scroll and a cancel.
#include "hexview/dialogs/goto_win.h"

#include "core/display_types.h"
#include "hexview/view_fixture_win.h"

namespace {

using GoTo = ViewTest;

TEST_F(GoTo, RelativeAbsoluteRefusedAndCancelledEntries) {
  OpenFiles({{"g.bin", std::string(0x10000, 'g')}});
  // Runs the dialog: the text it shows, then text typed (spun down once when spin) and
  // whether OK is enabled, each as "text ok|no"; OK is pressed unless spinning.
  auto goTo = [this](const char* text, bool spin = false) {
    std::string seen;
    DialogDriver dialogs;
    dialogs.Then([&](HWND dialog) {
      for (int step = 0; step < 2; ++step) {
        if (step == 1) DialogDriver::SetText(dialog, IDC_GOTO_ADDRESS, text);
        if (step == 1 && spin)
          SendMessageA(dialog, WM_VSCROLL, SB_LINEDOWN, reinterpret_cast<LPARAM>(GetDlgItem(dialog, IDC_GOTO_SPIN)));
        seen += DialogDriver::Text(dialog, IDC_GOTO_ADDRESS) + (DialogDriver::Enabled(dialog, IDOK) ? " ok " : " no ");
      }
      if (!spin) DialogDriver::Press(dialog, IDOK);
      DialogDriver::Press(dialog, IDCANCEL);  // ends it when OK was refused
    });
    if (spin) return seen + (RunGoTo(view) ? "moved " : "cancelled ");
    Command(view, IDM_GOTO);
    return seen;
  };
  Select(view, 0x10, 0x20);
  doc->digitIndex = 1;
  EXPECT_EQ(goTo("+10"), "20 no +10 ok ");
  EXPECT_EQ(Where(doc), "caret 48 digit 0 area 0 anchor -1");
  EXPECT_EQ(goTo("10001"), "30 no 10001 no ");  // outside the document: the caret stays
  EXPECT_EQ(doc->caret, 0x30);
  goTo("FF00");  // far from the top: the view scrolls to show it
  EXPECT_TRUE(doc->caret == 0xFF00 && doc->scrollLine > 0 && doc->scrollLine <= 0xFF0);
  doc->options |= 1u << kOptAddressRadixShift;  // decimal addresses
  goTo("-65270");
  EXPECT_EQ(doc->caret + doc->modified, 10);
  EXPECT_EQ(goTo("+0", true), "10 no -1 ok cancelled ");
  EXPECT_EQ(doc->caret, 10);  // cancelled: the caret stays
}

}  // namespace
