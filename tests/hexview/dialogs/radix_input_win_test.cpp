// The radix input dialog under Wine, answered from the test: values written in
// their unit and order, inserted or overwriting, and the combos' stored choices.
#include "hexview/dialogs/radix_input_win.h"

#include "core/edit.h"
#include "hexview/dialogs/radix_value.h"
#include "hexview/view_fixture_win.h"
#include "hexview/view_state_win.h"
#include "shell/process_state.h"

namespace {

using namespace std::string_literals;

void Choose(HWND dialog, int combo, int index) {
  SendDlgItemMessageA(dialog, combo, CB_SETCURSEL, static_cast<WPARAM>(index), 0);
  SendMessageA(dialog, WM_COMMAND, MAKEWPARAM(combo, CBN_SELCHANGE),
               reinterpret_cast<LPARAM>(GetDlgItem(dialog, combo)));
}

// The items of a combo box joined by "|", the chosen one in brackets.
std::string Combo(HWND dialog, int combo) {
  std::string out;
  char text[64];
  const LRESULT chosen = SendDlgItemMessageA(dialog, combo, CB_GETCURSEL, 0, 0);
  for (LRESULT i = 0; i < SendDlgItemMessageA(dialog, combo, CB_GETCOUNT, 0, 0); ++i) {
    SendDlgItemMessageA(dialog, combo, CB_GETLBTEXT, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(text));
    out += (i == 0 ? "" : "|") + (i == chosen ? "[" + std::string(text) + "]" : std::string(text));
  }
  return out;
}

using RadixInput = ViewTest;

TEST_F(RadixInput, ValuesAreWrittenInTheirUnitAndOrderAndTheCombosRememberTheirChoices) {
  OpenFiles({{"r.bin", "...."}});
  const struct {
    int mode;  // entry mode before the dialog
    int32_t anchor, caret;
    int radix, unit, order;
    const char* text;
    std::string after;
    int32_t caretAfter;
  } rows[] = {
      {kEntryInsert, -1, 1, 0, kUnitWord, kOrderMotorola, "FF", ".\0\xFF..."s, 3},
      // Overwrite mode replaces the bytes at the caret and extends the document at its end.
      {kEntryOverwrite, -1, 5, 3, kUnitWord, kOrderMotorola, "16706", ".\0\xFF..AB"s, 7},
      // A digit entry in progress ends first; the value is then inserted.
      {kEntryDigit, -1, 0, 2, kUnitByte, kOrderIntel, "1011010", "Z.\0\xFF..AB"s, 1},
      {kEntryOverwrite, 1, 8, 4, kUnitDword, kOrderIntel, "-2", "Z\xFE\xFF\xFF\xFF"s, 5},  // replaces a selection
  };
  for (const auto& row : rows) {
    g_view.entryMode = row.mode;
    Select(view, row.anchor, row.caret);
    DialogDriver dialogs;
    dialogs.Then([&](HWND dialog) {
      Choose(dialog, IDC_RADIX_RADIX, row.radix);
      Choose(dialog, IDC_RADIX_UNIT, row.unit);
      Choose(dialog, IDC_RADIX_ORDER, row.order);
      DialogDriver::SetText(dialog, IDC_RADIX_VALUE, row.text);
      EXPECT_TRUE(DialogDriver::Enabled(dialog, IDOK)) << row.text;
      DialogDriver::Press(dialog, IDOK);
    });
    Command(view, IDM_RADIXINPUT);
    EXPECT_EQ(DocumentBytes(view) + std::to_string(doc->caret), row.after + std::to_string(row.caretAfter));
    EXPECT_TRUE(g_settings.code == (row.radix | (row.unit << 3) | (row.order << 5)) && g_view.entryMode != kEntryDigit);
  }
  for (size_t i = 0; i < std::size(rows); ++i) ASSERT_EQ(UndoOrRedo(*doc, false, EditViewOf(view)), 0);
  EXPECT_EQ(DocumentBytes(view), "....");
  EXPECT_TRUE(run.messages().texts().empty());
  // The combos follow the stored choices; a change is remembered even when cancelled.
  g_settings.code = 0x2C;  // signed decimal, WORD, Motorola
  DialogDriver dialogs;
  dialogs.Then([](HWND dialog) {
    EXPECT_EQ(
        Combo(dialog, IDC_RADIX_RADIX) + "/" + Combo(dialog, IDC_RADIX_UNIT) + "/" + Combo(dialog, IDC_RADIX_ORDER),
        "16進数|8進数|2進数|符号なし10進数|[符号付き10進数]/BYTE|[WORD]|DWORD/ｲﾝﾃﾙ|[ﾓﾄﾛｰﾗｰ]");
    Choose(dialog, IDC_RADIX_RADIX, 1);
    DialogDriver::SetText(dialog, IDC_RADIX_VALUE, "7");
    SendMessageA(dialog, WM_VSCROLL, SB_LINEUP, reinterpret_cast<LPARAM>(GetDlgItem(dialog, IDC_RADIX_SPIN)));
    EXPECT_EQ(DialogDriver::Text(dialog, IDC_RADIX_VALUE), "10");
    DialogDriver::Press(dialog, IDCANCEL);
  });
  Command(view, IDM_RADIXINPUT);
  EXPECT_EQ(DocumentBytes(view) + std::to_string(dialogs.dialogsSeen()), "....1");  // cancelled
  EXPECT_EQ(g_settings.code, 0x29);  // the last choices stay: octal, WORD, Motorola
}

}  // namespace
