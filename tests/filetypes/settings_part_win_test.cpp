// The settings part shared by the properties and detail dialogs, in the real
// properties dialog under Wine: colour lines and the picker, system colours,
// the font picker, and how a colour line is drawn.
#include "filetypes/settings_part_win.h"

#include <windows.h>

#include <gtest/gtest.h>

#include <cstring>

#include "filetypes/properties_dialog_win.h"
#include "settings_part_helpers_win.h"
#include "shell/shell.h"
#include "support/emf_records_win.h"
#include "support/shell_fixture_win.h"

namespace {

using namespace settings;

class SettingsPart : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(run.Start("/Q0"));
    for (int i = 0; i < kColorCount; ++i) record.color[i] = static_cast<ColorRef>(0x010203 * i);
    record.logfont = g_fileTypes.types[0].logfont;
    before = record;
  }
  INT_PTR Run() { return PropertiesDialog(g_shell.frame, record); }
  bool SameColors() const { return std::memcmp(record.color, before.color, sizeof record.color) == 0; }

  ShellRun run;
  DialogDriver dialogs;
  FileType record, before;
  HWND dialog = nullptr;
};

TEST_F(SettingsPart, ThreeSelectedLinesTakeOnePickedColour) {
  const int first = kColorByte0 + 0x41;
  dialogs.Then([&](HWND d) {
    dialog = d;
    EXPECT_FALSE(Enabled(d, IDC_PROP_CHANGECOLOR));
    SelectLines(d, {first, first + 1, first + 2});
    EXPECT_TRUE(Enabled(d, IDC_PROP_CHANGECOLOR));
    DialogDriver::Press(d, IDC_PROP_CHANGECOLOR);
  });
  dialogs.Then([&](HWND picker) {
    // The picker starts on the first selected line's colour.
    EXPECT_EQ(GetDlgItemInt(picker, kPickerGreen, nullptr, FALSE), GetGValue(before.color[first]));
    AnswerColor(picker, RGB(0x12, 0x34, 0x56));
    DialogDriver::Press(dialog, IDOK);
  });
  ASSERT_EQ(Run(), kDialogOk);
  for (int i = 0; i < kColorCount; ++i)
    EXPECT_EQ(record.color[i], i >= first && i < first + 3 ? RGB(0x12, 0x34, 0x56) : before.color[i]) << i;
}

TEST_F(SettingsPart, SystemColoursOnAndOffKeepTheStoredColours) {
  dialogs.Then([&](HWND d) {
    SelectLines(d, {7});
    Click(d, IDC_PROP_SYSCOLORS);
    EXPECT_FALSE(Enabled(d, IDC_PROP_COLORLIST));
    EXPECT_FALSE(Enabled(d, IDC_PROP_CHANGECOLOR));
    EXPECT_EQ(SendDlgItemMessageA(d, IDC_PROP_COLORLIST, LB_GETSELCOUNT, 0, 0), 0);
    Click(d, IDC_PROP_SYSCOLORS);
    EXPECT_TRUE(Enabled(d, IDC_PROP_COLORLIST));
    EXPECT_FALSE(Enabled(d, IDC_PROP_CHANGECOLOR)) << "変更 waits for a selected line";
    SelectLines(d, {9});
    EXPECT_TRUE(Enabled(d, IDC_PROP_CHANGECOLOR));
    Click(d, IDC_PROP_SYSCOLORS);
    DialogDriver::Press(d, IDOK);
  });
  ASSERT_EQ(Run(), kDialogOk);
  EXPECT_EQ(record.view, kOptSystemColors);
  EXPECT_TRUE(SameColors());
}

TEST_F(SettingsPart, TheStoredFontIsAlwaysFixedPitch) {
  dialogs.Then([&](HWND d) {
    dialog = d;
    DialogDriver::Press(d, IDC_PROP_FONT);
  });
  dialogs.Then([&](HWND picker) {
    AnswerFont(picker, kFixedFace);
    DialogDriver::Press(dialog, IDOK);
  });
  ASSERT_EQ(Run(), kDialogOk);
  EXPECT_STREQ(record.logfont.lfFaceName, kFixedFace);
  EXPECT_EQ(record.logfont.lfPitchAndFamily & 3, FIXED_PITCH);
  EXPECT_EQ(record.view, before.view);
  EXPECT_TRUE(SameColors());
}

// One line drawn into a metafile: the line, its swatch (left + 1 .. left + 3w - 1)
// and its text at left + 3w; a disabled list mixes the swatch with gray text.
TEST_F(SettingsPart, ColourLineDrawing) {
  dialogs.Then([&](HWND d) {
    const PropertiesModel model = OpenProperties(record);
    const SampledColors& system = g_shell.colors.values.sampled;
    HWND list = GetDlgItem(d, IDC_PROP_COLORLIST);
    for (bool enabled : {true, false}) {
      EnableWindow(list, enabled);
      DRAWITEMSTRUCT item = {ODT_LISTBOX, IDC_PROP_COLORLIST, 5 + 0x41, ODA_DRAWENTIRE, ODS_SELECTED, list};
      item.rcItem = {0, 40, 120, 60};
      EmfRecords emf = RecordEmf([&](HDC dc) {
        item.hDC = dc;
        EXPECT_TRUE(DrawColorLine(d, model, item));
      });
      ASSERT_EQ(emf.fills.size(), 2u);
      EXPECT_EQ(emf.fills[0].color, system.highlight);
      const RECT swatch{1, 41, 29, 59};
      EXPECT_TRUE(EqualRect(&emf.fills[1].rect, &swatch));
      const ColorRef line = record.color[5 + 0x41];
      EXPECT_EQ(emf.fills[1].color, enabled ? line : MeanColor(system.grayText, line));
      ASSERT_EQ(emf.texts.size(), 1u);
      EXPECT_EQ(emf.texts[0].x, 30);
      EXPECT_EQ(emf.texts[0].y, 40);
      EXPECT_EQ(emf.texts[0].text, u"   A 41h");
      EXPECT_EQ(emf.texts[0].color, enabled ? system.highlightText : system.grayText);
    }
    DialogDriver::Press(d, IDCANCEL);
  });
  Run();
}

}  // namespace
