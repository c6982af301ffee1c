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
    OpenFiles({{"g.bin", std::string(0x10000, 'g')}});
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

TEST_F(GoTo, RelativeAbsoluteAndRefusedEntries) {
  std::string initial;
  bool okAtStart = true;
  DialogDriver dialogs;
  dialogs.Then([&](HWND dialog) {
    initial = DialogDriver::Text(dialog, IDC_GOTO_ADDRESS);
    okAtStart = OkEnabled(dialog);
    DialogDriver::SetText(dialog, IDC_GOTO_ADDRESS, "+10");
    DialogDriver::Press(dialog, IDOK);
  });
  Select(view, 0x10, 0x20);
  doc->digitIndex = 1;
  Command(view, IDM_GOTO);
  EXPECT_EQ(initial + (okAtStart ? " ok " : " no ") + Where(doc), "20 no caret 48 digit 0 area 0 anchor -1");
  for (const char* text : {"10001", "-31", "XYZ"}) {  // outside the document, or no number
    EXPECT_FALSE(GoToWith(text)) << text;
    EXPECT_EQ(doc->caret, 0x30) << text;
  }
  EXPECT_TRUE(GoToWith("10000"));  // just after the last byte
  EXPECT_EQ(doc->caret, 0x10000);
  EXPECT_TRUE(GoToWith("FF00"));  // far from the top: the view scrolls to show it
  EXPECT_EQ(doc->caret, 0xFF00);
  EXPECT_GT(doc->scrollLine, 0);
  EXPECT_LE(doc->scrollLine, 0xFF0);
  EXPECT_TRUE(GoToWith("-FF00"));
  EXPECT_EQ(doc->caret + doc->modified, 0);
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
    } rows[] = {{"FFFF", SB_LINEUP, "10000"}, {"10000", SB_LINEUP, "10000"}, {"+0", SB_LINEDOWN, "-1"}};
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

}  // namespace
