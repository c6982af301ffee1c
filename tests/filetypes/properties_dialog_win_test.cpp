// The properties dialog with its settings part, real under Wine: what it shows,
// cancel, OK only after a change, colour lines with the picker, the font
// picker and system colours.
#include "filetypes/properties_dialog_win.h"

#include <windows.h>

#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <utility>

#include "shell/shell.h"
#include "support/settings_part_helpers_win.h"
#include "support/shell_fixture_win.h"

namespace {

using namespace settings;

// The first run is cancelled after a change; the second sets the radio buttons,
// takes one picked colour for three lines (the picker starts on the first one's),
// a fixed-pitch font and system colours, which keep the line colours.
TEST(PropertiesDialogTest, CancelKeepsTheRecordOkStoresButtonsPickedColourFontAndSystemColours) {
  ShellRun run;
  ASSERT_TRUE(run.Start("/Q0"));
  FileType record;
  record.view = 0x16C;  // signed decimal, decimal addresses, Motorola, recycle bin, overwrite question
  record.logfont.lfPitchAndFamily = VARIABLE_PITCH;
  for (int i = 0; i < kColorCount; ++i) record.color[i] = static_cast<ColorRef>(0x010203 * i);
  const FileType before = record;
  const int first = kColorByte0 + 0x41;
  DialogDriver dialogs;
  HWND dialog = nullptr;
  dialogs.Then([&](HWND d) {
    for (int id : {IDC_PROP_RADIX_SDEC, IDC_PROP_ADDRESS_DEC, IDC_PROP_MOTOROLA, IDC_PROP_RECYCLE,
                   IDC_PROP_ASKOVERWRITE})
      EXPECT_TRUE(Checked(d, id)) << id;
    EXPECT_FALSE(Checked(d, IDC_PROP_SYSCOLORS));
    EXPECT_EQ(SendDlgItemMessageA(d, IDC_PROP_COLORLIST, LB_GETCOUNT, 0, 0), kColorCount);
    const std::pair<int, const char*> lines[] = {{2, "編集できない項目"}, {5, "  \\0 00h"}, {5 + 0x1C, "  → 1Ch"},
                                                 {5 + 0x81, "漢81 81h"}, {260, "？FF FFh"}};
    for (const auto& [line, expected] : lines) {
      char text[32] = {};
      SendDlgItemMessageA(d, IDC_PROP_COLORLIST, LB_GETTEXT, static_cast<WPARAM>(line), reinterpret_cast<LPARAM>(text));
      EXPECT_STREQ(text, expected) << line;
    }
    EXPECT_FALSE(DialogDriver::Enabled(d, IDOK));
    Click(d, IDC_PROP_INTEL);
    EXPECT_TRUE(DialogDriver::Enabled(d, IDOK));
    DialogDriver::Press(d, IDCANCEL);
  });
  dialogs.Then([&](HWND d) {
    dialog = d;
    SendMessageA(d, WM_COMMAND, IDOK, 0);  // Enter on the disabled OK: nothing happens
    for (int id : {IDC_PROP_RADIX_BIN, IDC_PROP_ADDRESS_OCT, IDC_PROP_INTEL, IDC_PROP_RECYCLE}) Click(d, id);
    SelectLines(d, {7});
    Click(d, IDC_PROP_SYSCOLORS);
    EXPECT_FALSE(DialogDriver::Enabled(d, IDC_PROP_COLORLIST) || DialogDriver::Enabled(d, IDC_PROP_CHANGECOLOR));
    EXPECT_EQ(SendDlgItemMessageA(d, IDC_PROP_COLORLIST, LB_GETSELCOUNT, 0, 0), 0);
    Click(d, IDC_PROP_SYSCOLORS);
    EXPECT_TRUE(DialogDriver::Enabled(d, IDC_PROP_COLORLIST));
    EXPECT_FALSE(DialogDriver::Enabled(d, IDC_PROP_CHANGECOLOR)) << "変更 waits for a selected line";
    SelectLines(d, {first, first + 1, first + 2});
    EXPECT_TRUE(DialogDriver::Enabled(d, IDC_PROP_CHANGECOLOR));
    DialogDriver::Press(d, IDC_PROP_CHANGECOLOR);
  });
  dialogs.Then([&](HWND picker) {
    EXPECT_EQ(GetDlgItemInt(picker, kPickerGreen, nullptr, FALSE), GetGValue(before.color[first]));
    AnswerColor(picker, RGB(0x12, 0x34, 0x56));
    DialogDriver::Press(dialog, IDC_PROP_FONT);
  });
  dialogs.Then([&](HWND picker) {
    AnswerFont(picker);
    PostMessageA(GetDlgItem(dialog, IDC_PROP_SYSCOLORS), BM_CLICK, 0, 0);
    DialogDriver::Press(dialog, IDOK);
  });
  EXPECT_EQ(PropertiesDialog(g_shell.frame, record), kDialogCancel);
  EXPECT_TRUE(record.view == before.view && std::memcmp(record.color, before.color, sizeof record.color) == 0);
  ASSERT_EQ(PropertiesDialog(g_shell.frame, record), kDialogOk);
  EXPECT_EQ(record.view, 0x112u | kOptSystemColors);
  for (int i = 0; i < kColorCount; ++i)
    EXPECT_EQ(record.color[i], i >= first && i < first + 3 ? RGB(0x12, 0x34, 0x56) : before.color[i]) << i;
  EXPECT_STREQ(record.logfont.lfFaceName, kFixedFace);
  EXPECT_EQ(record.logfont.lfPitchAndFamily & 3, FIXED_PITCH);
}

}  // namespace
