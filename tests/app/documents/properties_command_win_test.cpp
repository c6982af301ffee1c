// The properties command on a real document window under Wine: cancel, OK with
// undo gone and the next save asking, and loading a stored type.
#include "app/documents/properties_command_win.h"

#include <windows.h>

#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

#include "core/document.h"
#include "filetypes/file_type.h"
#include "hexview/hex_view_win.h"
#include "shell/process_state.h"
#include "shell/shell.h"
#include "support/settings_part_helpers_win.h"
#include "support/shell_fixture_win.h"

namespace {

using namespace settings;

// Two edits, one undone: both lists hold a step.
void EditTwiceUndoOnce(HWND view) {
  for (char c : {'4', '2', '4', '3'}) SendMessageA(view, WM_CHAR, static_cast<WPARAM>(c), 1);
  SendMessageA(g_shell.frame, WM_COMMAND, IDM_UNDO, 0);
  ASSERT_TRUE(DocumentOf(view)->undoList != nullptr && DocumentOf(view)->redoList != nullptr);
}

// Cancel keeps everything; OK applies, drops undo and redo (the next save asks as
// the new options say); loading the executable type keeps the name and bytes.
TEST(PropertiesCommand, CancelKeepsAllOkDropsUndoAndLoadingATypeKeepsTheFile) {
  ScratchFolder folder;
  const std::string path = folder.Write("data.bin", std::string(32, 'A'));
  ShellRun run;
  ASSERT_TRUE(run.Start("/Q0 " + Quote(path)));
  DialogDriver dialogs;  // after loading: its progress dialog runs unanswered
  HWND view = DocumentWindows().at(0);
  Document* doc = DocumentOf(view);
  auto command = [](UINT id) { SendMessageA(g_shell.frame, WM_COMMAND, id, 0); };
  EditTwiceUndoOnce(view);
  const std::string bytes = DocumentBytes(view);
  const uint32_t options = doc->options;
  ASSERT_NE(options & kOptSystemColors, 0u) << "data.bin opens with the all-files type";
  dialogs.Then([](HWND d) {
    Click(d, IDC_PROP_ASKOVERWRITE);
    Click(d, IDC_PROP_RADIX_BIN);
    DialogDriver::Press(d, IDCANCEL);
  });
  dialogs.Then([](HWND d) {
    Click(d, IDC_PROP_ASKOVERWRITE);
    DialogDriver::Press(d, IDOK);
  });
  command(IDM_PROPERTIES);
  EXPECT_EQ(doc->options, options);
  EXPECT_TRUE(doc->undoList != nullptr && doc->redoList != nullptr);
  command(IDM_PROPERTIES);
  EXPECT_EQ(dialogs.dialogsSeen(), 2);
  EXPECT_EQ(doc->options, options | kOptAskOverwrite);
  EXPECT_TRUE(doc->undoList == nullptr && doc->redoList == nullptr);
  EXPECT_FALSE(MenuItemEnabled(IDM_UNDO) || MenuItemEnabled(IDM_REDO));
  EXPECT_EQ(DocumentBytes(view), bytes);
  run.messages().Answer(MessageAnswer::No);
  command(IDM_SAVE);
  EXPECT_EQ(run.messages().texts(),
            std::vector<std::string>{path + "\nこのﾌｧｲﾙはすでに存在します。\n\n上書きしますか?"});
  EXPECT_EQ(ReadWholeFile(path), std::vector<uint8_t>(32, 'A')) << "not written";

  EditTwiceUndoOnce(view);
  const std::string edited = DocumentBytes(view);
  HWND dialog = nullptr;
  dialogs.Then([&](HWND d) {
    dialog = d;
    DialogDriver::Press(d, IDC_PROP_LOADTYPE);
  });
  dialogs.Then([&](HWND d) {
    EXPECT_EQ(SendDlgItemMessageA(d, IDC_LOADFT_LIST, LB_GETCOUNT, 0, 0), 2);
    EXPECT_EQ(SendDlgItemMessageA(d, IDC_LOADFT_LIST, LB_GETCURSEL, 0, 0), 1) << "the Open filter's type";
    SendDlgItemMessageA(d, IDC_LOADFT_LIST, LB_SETCURSEL, 0, 0);
    SendMessageA(d, WM_COMMAND, MAKEWPARAM(IDC_LOADFT_LIST, LBN_DBLCLK), 0);
    DialogDriver::Press(dialog, IDOK);
  });
  g_settings.filter = 0x0201;
  command(IDM_PROPERTIES);
  EXPECT_EQ(g_settings.filter, 0x0201) << "the choice is not remembered";
  const FileType& exe = g_fileTypes.types[0];
  EXPECT_EQ(doc->options, exe.view);
  EXPECT_EQ(std::memcmp(doc->color, exe.color, sizeof doc->color), 0);
  EXPECT_EQ(std::string(doc->path) + "|" + TitleOf(view) + "|" + DocumentBytes(view), path + "|data.bin|" + edited);
  EXPECT_EQ(doc->undoList, nullptr);
}

}  // namespace
