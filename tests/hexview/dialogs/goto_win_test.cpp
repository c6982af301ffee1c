// The go-to dialog under Wine, answered from the test: relative and absolute
// targets, those it refuses, decimal addresses, the spin, and the scroll.
#include "hexview/dialogs/goto_win.h"

#include "core/display_types.h"
#include "hexview/view_fixture_win.h"

namespace {

bool OkEnabled(HWND dialog) { return IsWindowEnabled(GetDlgItem(dialog, IDOK)) != FALSE; }

class GoTo : public ViewTest {
 protected:
  void SetUp() override {
    OpenFiles({{"g.bin", std::string(0x100, 'g')}});
    doc->caret = 0x20;
  }
  // Runs the dialog with text typed and OK pressed; returns whether OK was enabled.
  bool GoToWith(const char* text) {
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
  }
};

TEST_F(GoTo, RelativeAndAbsoluteEntriesInHexadecimal) {
  std::string initial;
  bool okAtStart = true;
  DialogDriver dialogs;
  dialogs.Then([&](HWND dialog) {
    initial = DialogDriver::Text(dialog, IDC_GOTO_ADDRESS);
    okAtStart = OkEnabled(dialog);
    DialogDriver::SetText(dialog, IDC_GOTO_ADDRESS, "+10");
    DialogDriver::Press(dialog, IDOK);
  });
  doc->anchor = 0x10;
  doc->digitIndex = 1;
  Command(view, IDM_GOTO);
  EXPECT_EQ(initial, "20");  // the caret's address, not the length
  EXPECT_FALSE(okAtStart);
  EXPECT_EQ(doc->caret, 0x30);
  EXPECT_EQ(doc->anchor, -1);
  EXPECT_EQ(doc->digitIndex, 0);
  EXPECT_TRUE(GoToWith("-10"));
  EXPECT_EQ(doc->caret, 0x20);
  EXPECT_TRUE(GoToWith("100"));  // just after the last byte
  EXPECT_EQ(doc->caret, 0x100);
  EXPECT_TRUE(GoToWith("0"));
  EXPECT_EQ(doc->caret, 0);
  EXPECT_EQ(doc->modified, 0);
}

TEST_F(GoTo, TargetsOutsideTheDocumentKeepOkDisabled) {
  for (const char* text : {"101", "-21", "+E1", "", "XYZ"}) {
    EXPECT_FALSE(GoToWith(text)) << text;
    EXPECT_EQ(doc->caret, 0x20) << text;
  }
}

TEST_F(GoTo, DecimalAddressesAndTheSpinLimits) {
  doc->options |= 1u << kOptAddressRadixShift;  // decimal addresses
  EXPECT_TRUE(GoToWith("+10"));
  EXPECT_EQ(doc->caret, 0x20 + 10);
  doc->options &= ~kOptAddressRadixMask;
  doc->caret = 0x20;
  DialogDriver dialogs;
  dialogs.Then([](HWND dialog) {
    const struct {
      const char* text;
      int code;
      const char* after;
    } rows[] = {{"FF", SB_LINEUP, "100"}, {"100", SB_LINEUP, "100"}, {"+0", SB_LINEDOWN, "-1"},
                {"-20", SB_LINEDOWN, "-20"}, {"0", SB_LINEDOWN, "0"}};
    for (const auto& row : rows) {
      DialogDriver::SetText(dialog, IDC_GOTO_ADDRESS, row.text);
      SendMessageA(dialog, WM_VSCROLL, static_cast<WPARAM>(row.code),
                   reinterpret_cast<LPARAM>(GetDlgItem(dialog, IDC_GOTO_SPIN)));
      EXPECT_EQ(DialogDriver::Text(dialog, IDC_GOTO_ADDRESS), row.after) << row.text;
      EXPECT_TRUE(OkEnabled(dialog)) << row.text;
    }
    DialogDriver::Press(dialog, IDCANCEL);
  });
  EXPECT_FALSE(RunGoTo(view));
  EXPECT_EQ(dialogs.dialogsSeen(), 1);
  EXPECT_EQ(doc->caret, 0x20);
}

using GoToFar = ViewTest;

TEST_F(GoToFar, TheViewScrollsToTheTarget) {
  OpenFiles({{"far.bin", std::string(0x10000, 'f')}});
  DialogDriver dialogs;
  dialogs.Then([](HWND dialog) {
    DialogDriver::SetText(dialog, IDC_GOTO_ADDRESS, "FF00");
    DialogDriver::Press(dialog, IDOK);
  });
  EXPECT_TRUE(RunGoTo(view));
  EXPECT_EQ(doc->caret, 0xFF00);
  EXPECT_GT(doc->scrollLine, 0);
  EXPECT_LE(doc->scrollLine, 0xFF0);  // the caret's line is on the page
}

}  // namespace
