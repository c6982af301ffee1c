// The properties dialog and the file type loading dialog, real under Wine:
// what they show, cancel, OK after a change, loading a stored type.
#include "filetypes/properties_dialog_win.h"

#include <windows.h>

#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "settings_part_helpers_win.h"
#include "shell/process_state.h"
#include "shell/shell.h"
#include "support/shell_fixture_win.h"

namespace {

using namespace settings;

bool Same(const FileType& a, const FileType& b) {
  return a.text == b.text && a.ext == b.ext && a.view == b.view &&
         std::memcmp(a.color, b.color, sizeof a.color) == 0 && std::memcmp(&a.logfont, &b.logfont, sizeof a.logfont) == 0;
}

std::string LineText(HWND dialog, int id, int line) {
  char text[64] = {};
  SendDlgItemMessageA(dialog, id, LB_GETTEXT, static_cast<WPARAM>(line), reinterpret_cast<LPARAM>(text));
  return text;
}

class PropertiesDialogTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(run.Start("/Q0"));
    record = g_fileTypes.types[1];
    record.text = "desc";
    record.view = 0x16C;  // signed decimal, decimal addresses, Motorola, recycle bin, overwrite question
  }
  ShellRun run;
  DialogDriver dialogs;
  FileType record;
};

TEST_F(PropertiesDialogTest, ShowsTheRecordCancelKeepsItOkStoresTheControls) {
  const FileType before = record;
  dialogs.Then([&](HWND d) {
    for (int id : {IDC_PROP_RADIX_SDEC, IDC_PROP_ADDRESS_DEC, IDC_PROP_MOTOROLA, IDC_PROP_RECYCLE, IDC_PROP_ASKOVERWRITE})
      EXPECT_TRUE(Checked(d, id)) << id;
    EXPECT_FALSE(Checked(d, IDC_PROP_SYSCOLORS));
    EXPECT_EQ(SendDlgItemMessageA(d, IDC_PROP_COLORLIST, LB_GETCOUNT, 0, 0), kColorCount);
    EXPECT_EQ(LineText(d, IDC_PROP_COLORLIST, 2), "編集できない項目");
    EXPECT_EQ(LineText(d, IDC_PROP_COLORLIST, 5 + 0x41), "   A 41h");
    EXPECT_FALSE(Enabled(d, IDOK));
    Click(d, IDC_PROP_INTEL);
    EXPECT_TRUE(Enabled(d, IDOK));
    DialogDriver::Press(d, IDCANCEL);
  });
  dialogs.Then([&](HWND d) {
    DialogDriver::Press(d, IDOK);  // disabled: nothing happens
    Click(d, IDC_PROP_RADIX_BIN);
    Click(d, IDC_PROP_ADDRESS_OCT);
    Click(d, IDC_PROP_INTEL);
    Click(d, IDC_PROP_RECYCLE);
    DialogDriver::Press(d, IDOK);
  });
  EXPECT_EQ(PropertiesDialog(g_shell.frame, record), kDialogCancel);
  EXPECT_TRUE(Same(record, before));
  EXPECT_EQ(PropertiesDialog(g_shell.frame, record), kDialogOk);
  EXPECT_EQ(record.view, 0x112u);
  record.view = before.view;
  EXPECT_TRUE(Same(record, before));
}

TEST_F(PropertiesDialogTest, LoadingAStoredTypeTakesItsSettingsOnly) {
  g_settings.filter = 0x0201;
  HWND dialog = nullptr;
  dialogs.Then([&](HWND d) {
    dialog = d;
    DialogDriver::Press(d, IDC_PROP_LOADTYPE);
  });
  dialogs.Then([&](HWND d) {
    EXPECT_EQ(LineText(d, IDC_LOADFT_LIST, 0), g_fileTypes.types[0].text);
    EXPECT_EQ(SendDlgItemMessageA(d, IDC_LOADFT_LIST, LB_GETCURSEL, 0, 0), 1) << "the Open filter's type";
    SendDlgItemMessageA(d, IDC_LOADFT_LIST, LB_SETCURSEL, 0, 0);
    SendMessageA(d, WM_COMMAND, MAKEWPARAM(IDC_LOADFT_LIST, LBN_DBLCLK), 0);
    DialogDriver::Press(dialog, IDOK);
  });
  ASSERT_EQ(PropertiesDialog(g_shell.frame, record), kDialogOk);
  FileType expected = g_fileTypes.types[0];
  expected.text = "desc";
  expected.ext = record.ext;
  EXPECT_TRUE(Same(record, expected));
  EXPECT_EQ(g_settings.filter, 0x0201);
}

}  // namespace
