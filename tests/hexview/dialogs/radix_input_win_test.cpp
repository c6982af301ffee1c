// The radix input dialog under Wine, answered from the test: values written in
// their unit and order, overwrite, the combos and the spin.
#include "hexview/dialogs/radix_input_win.h"

#include "core/display_types.h"
#include "core/edit.h"
#include "hexview/dialogs/radix_value.h"
#include "hexview/view_fixture_win.h"
#include "hexview/view_state_win.h"
#include "shell/process_state.h"

namespace {

void Choose(HWND dialog, int combo, int index) {
  SendDlgItemMessageA(dialog, combo, CB_SETCURSEL, static_cast<WPARAM>(index), 0);
  SendMessageA(dialog, WM_COMMAND, MAKEWPARAM(combo, CBN_SELCHANGE),
               reinterpret_cast<LPARAM>(GetDlgItem(dialog, combo)));
}

int Chosen(HWND dialog, int combo) { return static_cast<int>(SendDlgItemMessageA(dialog, combo, CB_GETCURSEL, 0, 0)); }

std::vector<std::string> ComboTexts(HWND dialog, int combo) {
  std::vector<std::string> out(static_cast<size_t>(SendDlgItemMessageA(dialog, combo, CB_GETCOUNT, 0, 0)));
  for (size_t i = 0; i < out.size(); ++i) {
    char text[64] = {};
    SendDlgItemMessageA(dialog, combo, CB_GETLBTEXT, i, reinterpret_cast<LPARAM>(text));
    out[i] = text;
  }
  return out;
}

bool OkEnabled(HWND dialog) { return IsWindowEnabled(GetDlgItem(dialog, IDOK)) != FALSE; }

class RadixInput : public ViewTest {
 protected:
  void SetUp() override {
    OpenFiles({{"r.bin", "...."}});
    g_view.entryMode = kEntryInsert;
  }
  // One value through the dialog: radix, unit and order chosen, text typed, OK.
  void EnterValue(int radix, int unit, int order, const char* text) {
    DialogDriver dialogs;
    dialogs.Then([=](HWND dialog) {
      Choose(dialog, IDC_RADIX_RADIX, radix);
      Choose(dialog, IDC_RADIX_UNIT, unit);
      Choose(dialog, IDC_RADIX_ORDER, order);
      DialogDriver::SetText(dialog, IDC_RADIX_VALUE, text);
      EXPECT_TRUE(OkEnabled(dialog)) << text;
      DialogDriver::Press(dialog, IDOK);
    });
    Command(view, IDM_RADIXINPUT);
    EXPECT_EQ(dialogs.dialogsSeen(), 1);
  }
};

template <size_t N>
std::string B(const char (&bytes)[N]) {
  return std::string(bytes, N - 1);
}

TEST_F(RadixInput, ValuesAreWrittenInTheirUnitAndByteOrderInsertedOrOverwriting) {
  const struct {
    int mode;  // entry mode before the dialog
    int32_t anchor, caret;
    int radix, unit, order;
    const char* text;
    std::string after;
    int32_t caretAfter;
  } rows[] = {
      {kEntryInsert, -1, 1, 0, kUnitWord, kOrderMotorola, "FF", B(".\0\xFF..."), 3},
      // Overwrite mode replaces the bytes at the caret and extends the document at its end.
      {kEntryOverwrite, -1, 5, 3, kUnitWord, kOrderMotorola, "16706", B(".\0\xFF..AB"), 7},
      // A digit entry in progress ends first; the value is then inserted.
      {kEntryDigit, -1, 0, 2, kUnitByte, kOrderIntel, "1011010", B("Z.\0\xFF..AB"), 1},
      {kEntryOverwrite, 1, 8, 4, kUnitDword, kOrderIntel, "-2", B("Z\xFE\xFF\xFF\xFF"), 5},  // replaces a selection
  };
  for (const auto& row : rows) {
    g_view.entryMode = row.mode;
    Select(view, row.anchor, row.caret);
    EnterValue(row.radix, row.unit, row.order, row.text);
    EXPECT_EQ(DocumentBytes(view) + std::to_string(doc->caret), row.after + std::to_string(row.caretAfter));
    EXPECT_TRUE(g_settings.code == (row.radix | (row.unit << 3) | (row.order << 5)) && g_view.entryMode != kEntryDigit);
  }
  for (size_t i = 0; i < std::size(rows); ++i) ASSERT_EQ(UndoOrRedo(*doc, false, EditViewOf(view)), 0);
  EXPECT_EQ(DocumentBytes(view), "....");
  EXPECT_TRUE(run.messages().texts().empty());
}

TEST_F(RadixInput, CombosFollowTheStoredChoicesAndAChangeIsRemembered) {
  g_settings.code = 0x2C;  // signed decimal, WORD, Motorola
  DialogDriver dialogs;
  dialogs.Then([](HWND dialog) {
    EXPECT_EQ(ComboTexts(dialog, IDC_RADIX_RADIX),
              (std::vector<std::string>{"16進数", "8進数", "2進数", "符号なし10進数", "符号付き10進数"}));
    EXPECT_EQ(ComboTexts(dialog, IDC_RADIX_UNIT), (std::vector<std::string>{"BYTE", "WORD", "DWORD"}));
    EXPECT_EQ(ComboTexts(dialog, IDC_RADIX_ORDER), (std::vector<std::string>{"ｲﾝﾃﾙ", "ﾓﾄﾛｰﾗｰ"}));
    EXPECT_EQ(
        Chosen(dialog, IDC_RADIX_RADIX) * 100 + Chosen(dialog, IDC_RADIX_UNIT) * 10 + Chosen(dialog, IDC_RADIX_ORDER),
        411);
    // Changing the radix reads the same text again; it is not converted.
    Choose(dialog, IDC_RADIX_RADIX, 2);
    DialogDriver::SetText(dialog, IDC_RADIX_VALUE, "7");
    EXPECT_FALSE(OkEnabled(dialog));
    Choose(dialog, IDC_RADIX_RADIX, 1);
    EXPECT_TRUE(OkEnabled(dialog) && DialogDriver::Text(dialog, IDC_RADIX_VALUE) == "7");
    SendMessageA(dialog, WM_VSCROLL, SB_LINEUP, reinterpret_cast<LPARAM>(GetDlgItem(dialog, IDC_RADIX_SPIN)));
    EXPECT_EQ(DialogDriver::Text(dialog, IDC_RADIX_VALUE), "10");
    DialogDriver::Press(dialog, IDCANCEL);
  });
  Command(view, IDM_RADIXINPUT);
  EXPECT_EQ(DocumentBytes(view) + std::to_string(dialogs.dialogsSeen()), "....1");  // cancelled
  EXPECT_EQ(g_settings.code, 0x29);  // the last choices stay: octal, WORD, Motorola
}

}  // namespace
