// The go-to dialog under Wine, answered from the test: relative and absolute
// targets, those it refuses, decimal addresses, the spin, the scroll and a cancel.
#include "hexview/dialogs/goto_win.h"

#include <memory>

#include "core/display_types.h"
#include "hexview/view_fixture_win.h"

namespace {

bool OkEnabled(HWND dialog) { return IsWindowEnabled(GetDlgItem(dialog, IDOK)) != FALSE; }

using GoTo = ViewTest;

TEST_F(GoTo, RelativeAbsoluteRefusedAndCancelledEntries) {
  OpenFiles({{"g.bin", std::string(0x10000, 'g')}});
  // Runs the dialog with text typed and OK pressed; returns whether OK was enabled.
  auto goTo = [this](const char* text) {
    bool enabled = false;
    DialogDriver dialogs;
    dialogs.Then([&](HWND dialog) {
      DialogDriver::SetText(dialog, IDC_GOTO_ADDRESS, text);
      enabled = OkEnabled(dialog);
      DialogDriver::Press(dialog, IDOK);
      DialogDriver::Press(dialog, IDCANCEL);  // ends it when OK was refused
    });
    RunGoTo(view);
    return enabled;
  };
  std::string initial;
  auto first = std::make_unique<DialogDriver>();
  first->Then([&](HWND dialog) {
    initial = DialogDriver::Text(dialog, IDC_GOTO_ADDRESS) + (OkEnabled(dialog) ? " ok " : " no ");
    DialogDriver::SetText(dialog, IDC_GOTO_ADDRESS, "+10");
    DialogDriver::Press(dialog, IDOK);
  });
  Select(view, 0x10, 0x20);
  doc->digitIndex = 1;
  Command(view, IDM_GOTO);
  first.reset();
  EXPECT_EQ(initial + Where(doc), "20 no caret 48 digit 0 area 0 anchor -1");
  EXPECT_FALSE(goTo("10001"));  // outside the document: OK disabled
  EXPECT_EQ(doc->caret, 0x30);
  EXPECT_TRUE(goTo("FF00"));  // far from the top: the view scrolls to show it
  EXPECT_TRUE(doc->caret == 0xFF00 && doc->scrollLine > 0 && doc->scrollLine <= 0xFF0);
  doc->options |= 1u << kOptAddressRadixShift;  // decimal addresses
  EXPECT_TRUE(goTo("-65270"));
  EXPECT_EQ(doc->caret + doc->modified, 10);
  DialogDriver dialogs;
  dialogs.Then([](HWND dialog) {
    DialogDriver::SetText(dialog, IDC_GOTO_ADDRESS, "+0");
    SendMessageA(dialog, WM_VSCROLL, SB_LINEDOWN, reinterpret_cast<LPARAM>(GetDlgItem(dialog, IDC_GOTO_SPIN)));
    EXPECT_EQ(DialogDriver::Text(dialog, IDC_GOTO_ADDRESS), "-1");
    EXPECT_TRUE(OkEnabled(dialog));
    DialogDriver::Press(dialog, IDCANCEL);
  });
  EXPECT_FALSE(RunGoTo(view));  // cancelled: the caret stays
  EXPECT_EQ(dialogs.dialogsSeen() * 1000 + doc->caret, 1000 + 10);
}

}  // namespace
