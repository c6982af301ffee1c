// The radix input and go-to dialogs under Wine, answered from the test.
#include <windows.h>

#include <gtest/gtest.h>

#include <string>

#include "shell/process_state.h"
#include "hexview/view_state_win.h"
#include "hexview/input/caret_entry_mode.h"
#include "hexview/dialogs/goto_win.h"
#include "hexview/dialogs/radix_input_win.h"
#include "hexview/dialogs/radix_value.h"
#include "resources/resource_ids.h"
#include "hexview/save_test_helpers_win.h"

namespace {

void Choose(HWND dialog, int combo, int index) {
  SendDlgItemMessageA(dialog, combo, CB_SETCURSEL, static_cast<WPARAM>(index), 0);
  SendMessageA(dialog, WM_COMMAND, MAKEWPARAM(combo, CBN_SELCHANGE), reinterpret_cast<LPARAM>(GetDlgItem(dialog, combo)));
}

int Chosen(HWND dialog, int combo) { return static_cast<int>(SendDlgItemMessageA(dialog, combo, CB_GETCURSEL, 0, 0)); }

std::vector<std::string> ComboTexts(HWND dialog, int combo) {
  std::vector<std::string> out;
  int n = static_cast<int>(SendDlgItemMessageA(dialog, combo, CB_GETCOUNT, 0, 0));
  for (int i = 0; i < n; ++i) {
    char text[64] = {};
    SendDlgItemMessageA(dialog, combo, CB_GETLBTEXT, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(text));
    out.push_back(text);
  }
  return out;
}

void Spin(HWND dialog, int spin, int code) {
  SendMessageA(dialog, WM_VSCROLL, static_cast<WPARAM>(code), reinterpret_cast<LPARAM>(GetDlgItem(dialog, spin)));
}

bool OkEnabled(HWND dialog) { return IsWindowEnabled(GetDlgItem(dialog, IDOK)) != FALSE; }

// One value through the radix dialog: radix, unit and order chosen, text typed, OK.
void EnterValue(HWND view, int radix, int unit, int order, const char* text) {
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

// Runs the go-to dialog with text typed and OK pressed; returns whether OK was enabled.
bool GoToWith(HWND view, const char* text) {
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

class RadixInputTest : public ::testing::Test {
 protected:
  void SetUp() override {
    path_ = folder_.Write("r.bin", "....");
    ASSERT_TRUE(run_.Start("/Q0 " + Quote(path_)));
    view_ = DocumentWindows()[0];
    g_settings.code = 0;
    g_view.entryMode = kEntryInsert;
  }
  void TearDown() override { g_view.entryMode = kEntryOverwrite; }

  ScratchFolder folder_;
  std::string path_;
  ShellRun run_;
  HWND view_ = nullptr;
};

TEST_F(RadixInputTest, ValuesAreInsertedInTheirUnitAndByteOrder) {
  struct Row {
    const char* why;
    int radix, unit, order;
    const char* text;
    std::string bytes;
  };
  const Row rows[] = {
      {"FF as WORD, Intel", 0, kUnitWord, kOrderIntel, "FF", std::string("\xFF\0", 2)},
      {"FF as WORD, Motorola", 0, kUnitWord, kOrderMotorola, "FF", std::string("\0\xFF", 2)},
      {"-1 as signed DWORD", 4, kUnitDword, kOrderIntel, "-1", "\xFF\xFF\xFF\xFF"},
      {"300 as BYTE", 3, kUnitByte, kOrderIntel, "300", "\x2C"},
      {"binary DWORD, Motorola", 2, kUnitDword, kOrderMotorola, "100000001", std::string("\0\0\x01\x01", 4)},
  };
  Document* doc = DocumentOf(view_);
  for (const Row& row : rows) {
    doc->caret = 1;
    EnterValue(view_, row.radix, row.unit, row.order, row.text);
    EXPECT_EQ(DocumentBytes(view_), "." + row.bytes + "...") << row.why;
    EXPECT_EQ(doc->caret, 1 + static_cast<int32_t>(row.bytes.size())) << row.why;
    EXPECT_EQ(g_settings.code, row.radix | (row.unit << 3) | (row.order << 5)) << row.why;
    ASSERT_EQ(UndoOrRedo(*doc, false, EditViewOf(view_)), 0);
    EXPECT_EQ(DocumentBytes(view_), "....");
  }
  EXPECT_TRUE(run_.messages().texts().empty());
}

TEST_F(RadixInputTest, OverwriteModeReplacesTheBytesAtTheCaretAndExtendsAtTheEnd) {
  g_view.entryMode = kEntryOverwrite;
  Document* doc = DocumentOf(view_);
  doc->caret = 1;
  EnterValue(view_, 0, kUnitWord, kOrderMotorola, "4142");
  EXPECT_EQ(DocumentBytes(view_), ".AB.");
  doc->caret = 3;
  EnterValue(view_, 0, kUnitDword, kOrderMotorola, "31323334");
  EXPECT_EQ(DocumentBytes(view_), ".AB1234");
  // A digit entry in progress ends first; the value is then inserted.
  g_view.entryMode = kEntryDigit;
  doc->caret = 0;
  EnterValue(view_, 0, kUnitByte, kOrderIntel, "5A");
  EXPECT_EQ(DocumentBytes(view_), "Z.AB1234");
  EXPECT_EQ(g_view.entryMode, kEntryInsert);
  // With a selection the value replaces it, whatever the mode.
  g_view.entryMode = kEntryOverwrite;
  doc->anchor = 1;
  doc->caret = 8;
  EnterValue(view_, 0, kUnitByte, kOrderIntel, "21");
  EXPECT_EQ(DocumentBytes(view_), "Z!");
}

TEST_F(RadixInputTest, CombosFollowTheStoredChoicesAndTheSpinStopsAtTheLimits) {
  g_settings.code = 0x2C;  // signed decimal, WORD, Motorola
  DialogDriver dialogs;
  dialogs.Then([](HWND dialog) {
    EXPECT_EQ(ComboTexts(dialog, IDC_RADIX_RADIX),
              (std::vector<std::string>{"16進数", "8進数", "2進数", "符号なし10進数", "符号付き10進数"}));
    EXPECT_EQ(ComboTexts(dialog, IDC_RADIX_UNIT), (std::vector<std::string>{"BYTE", "WORD", "DWORD"}));
    EXPECT_EQ(ComboTexts(dialog, IDC_RADIX_ORDER), (std::vector<std::string>{"ｲﾝﾃﾙ", "ﾓﾄﾛｰﾗｰ"}));
    EXPECT_EQ(Chosen(dialog, IDC_RADIX_RADIX), 4);
    EXPECT_EQ(Chosen(dialog, IDC_RADIX_UNIT), 1);
    EXPECT_EQ(Chosen(dialog, IDC_RADIX_ORDER), 1);
    EXPECT_EQ(DialogDriver::Text(dialog, IDC_RADIX_VALUE), "");
    EXPECT_FALSE(OkEnabled(dialog));

    struct Row {
      int radix;
      const char* text;
      int code;
      const char* after;
    };
    const Row rows[] = {
        {3, "4294967295", SB_LINEUP, "4294967295"}, {3, "0", SB_LINEDOWN, "0"},
        {3, "4294967294", SB_LINEUP, "4294967295"}, {4, "2147483647", SB_LINEUP, "2147483647"},
        {4, "-2147483647", SB_LINEDOWN, "-2147483648"}, {4, "-2147483648", SB_LINEDOWN, "-2147483648"},
        {0, "FF", SB_LINEUP, "100"}, {0, "FFFFFFFF", SB_LINEUP, "FFFFFFFF"},
    };
    for (const Row& row : rows) {
      Choose(dialog, IDC_RADIX_RADIX, row.radix);
      DialogDriver::SetText(dialog, IDC_RADIX_VALUE, row.text);
      Spin(dialog, IDC_RADIX_SPIN, row.code);
      EXPECT_EQ(DialogDriver::Text(dialog, IDC_RADIX_VALUE), row.after) << row.text;
      EXPECT_TRUE(OkEnabled(dialog)) << row.text;
    }
    // Changing the radix reads the same text again; it is not converted.
    Choose(dialog, IDC_RADIX_RADIX, 2);
    DialogDriver::SetText(dialog, IDC_RADIX_VALUE, "7");
    EXPECT_FALSE(OkEnabled(dialog));
    Choose(dialog, IDC_RADIX_RADIX, 1);
    EXPECT_TRUE(OkEnabled(dialog));
    EXPECT_EQ(DialogDriver::Text(dialog, IDC_RADIX_VALUE), "7");
    DialogDriver::Press(dialog, IDCANCEL);
  });
  Command(view_, IDM_RADIXINPUT);
  EXPECT_EQ(dialogs.dialogsSeen(), 1);
  EXPECT_EQ(DocumentBytes(view_), "....");  // cancelled
  EXPECT_EQ(g_settings.code, 0x29);          // the last choices stay: octal, WORD, Motorola
}

TEST_F(RadixInputTest, TypedDigitOpensTheDialogWithItAndThePositionIsRemembered) {
  g_settings.code = 1;  // octal, BYTE, Intel
  std::string shown;
  DialogDriver dialogs;
  dialogs.Then([&](HWND dialog) {
    shown = DialogDriver::Text(dialog, IDC_RADIX_VALUE);
    EXPECT_TRUE(OkEnabled(dialog));
    SetWindowPos(dialog, nullptr, 123, 77, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
    DialogDriver::Press(dialog, IDOK);
  });
  RECT second = {};
  dialogs.Then([&](HWND dialog) {
    GetWindowRect(dialog, &second);
    DialogDriver::Press(dialog, IDCANCEL);
  });
  DocumentOf(view_)->caret = 4;
  RunRadixInput(view_, '7');
  EXPECT_EQ(shown, "7");
  EXPECT_EQ(DocumentBytes(view_), "....\x07");
  RunRadixInput(view_, 0);
  EXPECT_EQ(dialogs.dialogsSeen(), 2);
  EXPECT_EQ(second.left, 123);
  EXPECT_EQ(second.top, 77);
}

TEST_F(RadixInputTest, OctalDigitTypedInTheNumericColumnGoesThroughTheDialog) {
  Document* doc = DocumentOf(view_);
  doc->options = (doc->options & ~kOptDataRadixMask) | 1;  // octal
  doc->activeColumn = 0;
  doc->caret = 0;
  g_view.entryMode = kEntryOverwrite;
  std::string shown;
  DialogDriver dialogs;
  dialogs.Then([&](HWND dialog) {
    shown = DialogDriver::Text(dialog, IDC_RADIX_VALUE);
    Choose(dialog, IDC_RADIX_RADIX, 1);
    Choose(dialog, IDC_RADIX_UNIT, kUnitByte);
    DialogDriver::Press(dialog, IDOK);
  });
  SendMessageA(view_, WM_CHAR, '7', 0);
  EXPECT_EQ(dialogs.dialogsSeen(), 1);
  EXPECT_EQ(shown, "7");
  EXPECT_EQ(DocumentBytes(view_), "\x07...");  // overwritten
  EXPECT_EQ(doc->caret, 1);
}

TEST_F(RadixInputTest, DigitTypedInADecimalDumpIsReadInDecimal) {
  g_settings.code = 0;  // the dialog was last used in hexadecimal
  Document* doc = DocumentOf(view_);
  doc->options = (doc->options & ~kOptDataRadixMask) | 3;  // unsigned decimal
  doc->activeColumn = 0;
  doc->caret = 0;
  int shownRadix = -1;
  DialogDriver dialogs;
  dialogs.Then([&](HWND dialog) {
    shownRadix = Chosen(dialog, IDC_RADIX_RADIX);
    HWND edit = GetDlgItem(dialog, IDC_RADIX_VALUE);
    SendMessageA(edit, WM_CHAR, '0', 0);  // typing goes on after the first digit
    SendMessageA(edit, WM_CHAR, '0', 0);
    DialogDriver::Press(dialog, IDOK);
  });
  SendMessageA(view_, WM_CHAR, '2', 0);
  EXPECT_EQ(shownRadix, 3);
  EXPECT_EQ(DocumentBytes(view_), "\xC8....");  // 200, inserted
}

class GoToTest : public ::testing::Test {
 protected:
  void SetUp() override {
    std::string path = folder_.Write("g.bin", std::string(0x100, 'g'));
    ASSERT_TRUE(run_.Start("/Q0 " + Quote(path)));
    view_ = DocumentWindows()[0];
    doc_ = DocumentOf(view_);
    doc_->options &= ~kOptAddressRadixMask;
    doc_->caret = 0x20;
  }

  bool GoTo(const char* text) { return GoToWith(view_, text); }

  ScratchFolder folder_;
  ShellRun run_;
  HWND view_ = nullptr;
  Document* doc_ = nullptr;
};

TEST_F(GoToTest, RelativeAndAbsoluteEntriesInHexadecimal) {
  std::string initial;
  bool okAtStart = true;
  DialogDriver dialogs;
  dialogs.Then([&](HWND dialog) {
    initial = DialogDriver::Text(dialog, IDC_GOTO_ADDRESS);
    okAtStart = OkEnabled(dialog);
    DialogDriver::SetText(dialog, IDC_GOTO_ADDRESS, "+10");
    DialogDriver::Press(dialog, IDOK);
  });
  doc_->anchor = 0x10;
  doc_->digitIndex = 1;
  Command(view_, IDM_GOTO);
  EXPECT_EQ(initial, "20");  // the caret's address, not the length
  EXPECT_FALSE(okAtStart);
  EXPECT_EQ(doc_->caret, 0x30);
  EXPECT_EQ(doc_->anchor, -1);
  EXPECT_EQ(doc_->digitIndex, 0);

  EXPECT_TRUE(GoTo("-10"));
  EXPECT_EQ(doc_->caret, 0x20);
  EXPECT_TRUE(GoTo("100"));  // just after the last byte
  EXPECT_EQ(doc_->caret, 0x100);
  EXPECT_TRUE(GoTo("0"));
  EXPECT_EQ(doc_->caret, 0);
  EXPECT_EQ(doc_->modified, 0);
}

TEST(GoToView, TheViewScrollsToAFarTarget) {
  ScratchFolder folder;
  std::string path = folder.Write("far.bin", std::string(0x10000, 'f'));
  ShellRun run;
  ASSERT_TRUE(run.Start("/Q0 " + Quote(path)));
  HWND view = DocumentWindows()[0];
  Document* doc = DocumentOf(view);
  ASSERT_EQ(doc->scrollLine, 0);
  EXPECT_TRUE(GoToWith(view, "FF00"));
  EXPECT_EQ(doc->caret, 0xFF00);
  EXPECT_GT(doc->scrollLine, 0);
  EXPECT_LE(doc->scrollLine, 0xFF0);  // the caret's line is on the page
}

TEST_F(GoToTest, TargetsOutsideTheDocumentKeepOkDisabled) {
  const char* texts[] = {"101", "-21", "+E1", "", "+", "XYZ", "FFFFFFFF"};
  for (const char* text : texts) {
    EXPECT_FALSE(GoTo(text)) << text;
    EXPECT_EQ(doc_->caret, 0x20) << text;
  }
}

TEST_F(GoToTest, DecimalAddressesAndTheSpinLimits) {
  doc_->options |= 1u << kOptAddressRadixShift;  // decimal addresses
  EXPECT_TRUE(GoTo("+10"));
  EXPECT_EQ(doc_->caret, 0x20 + 10);

  doc_->options &= ~kOptAddressRadixMask;
  doc_->caret = 0x20;
  DialogDriver dialogs;
  dialogs.Then([](HWND dialog) {
    struct Row {
      const char* text;
      int code;
      const char* after;
    };
    const Row rows[] = {
        {"1", SB_LINEDOWN, "0"}, {"0", SB_LINEDOWN, "0"},     {"FF", SB_LINEUP, "100"},
        {"100", SB_LINEUP, "100"}, {"+DF", SB_LINEUP, "+E0"}, {"+E0", SB_LINEUP, "+E0"},
        {"-1F", SB_LINEDOWN, "-20"}, {"-20", SB_LINEDOWN, "-20"}, {"+0", SB_LINEDOWN, "-1"},
    };
    for (const Row& row : rows) {
      DialogDriver::SetText(dialog, IDC_GOTO_ADDRESS, row.text);
      Spin(dialog, IDC_GOTO_SPIN, row.code);
      EXPECT_EQ(DialogDriver::Text(dialog, IDC_GOTO_ADDRESS), row.after) << row.text;
      EXPECT_TRUE(OkEnabled(dialog)) << row.text;
    }
    DialogDriver::Press(dialog, IDCANCEL);
  });
  EXPECT_FALSE(RunGoTo(view_));
  EXPECT_EQ(dialogs.dialogsSeen(), 1);
  EXPECT_EQ(doc_->caret, 0x20);
}

}  // namespace
