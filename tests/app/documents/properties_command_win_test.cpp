// The properties command on a real document window under Wine: cancel, OK with
// undo gone and the next save asking, loading a stored type, and the dump
// repainted in exactly the new colours and font.
#include "app/documents/properties_command_win.h"

#include <windows.h>

#include <gtest/gtest.h>

#include <cstring>
#include <optional>
#include <string>
#include <vector>

#include "core/codepage.h"
#include "core/document.h"
#include "filetypes/file_type.h"
#include "hexview/hex_view_win.h"
#include "hexview/render/view_paint_win.h"
#include "hexview/render/view_resources_win.h"
#include "shell/process_state.h"
#include "shell/shell.h"
#include "support/emf_records_win.h"
#include "support/settings_part_helpers_win.h"
#include "support/shell_fixture_win.h"

namespace {

using namespace settings;

class PropertiesCommand : public ::testing::Test {
 protected:
  void SetUp() override {
    path = folder.Write("data.bin", std::string(32, 'A'));
    ASSERT_TRUE(run.Start("/Q0 " + Quote(path)));
    dialogs.emplace();  // after loading: its progress dialog runs unanswered
    view = DocumentWindows().at(0);
    doc = DocumentOf(view);
  }
  void Command(UINT id) { SendMessageA(g_shell.frame, WM_COMMAND, id, 0); }
  // Two edits, one undone: both lists hold a step.
  void EditTwiceUndoOnce() {
    for (char c : {'4', '2', '4', '3'}) SendMessageA(view, WM_CHAR, static_cast<WPARAM>(c), 1);
    Command(IDM_UNDO);
    ASSERT_TRUE(doc->undoList != nullptr && doc->redoList != nullptr);
  }
  ScratchFolder folder;
  std::string path;
  ShellRun run;
  std::optional<DialogDriver> dialogs;
  HWND view = nullptr;
  Document* doc = nullptr;
};

TEST_F(PropertiesCommand, CancelKeepsAllOkDropsUndoAndTheNextSaveAsks) {
  EditTwiceUndoOnce();
  const std::string bytes = DocumentBytes(view);
  const uint32_t options = doc->options;
  std::vector<ColorRef> colors(doc->color, doc->color + kColorCount);
  dialogs->Then([](HWND d) {
    Click(d, IDC_PROP_ASKOVERWRITE);
    Click(d, IDC_PROP_RADIX_BIN);
    DialogDriver::Press(d, IDCANCEL);
  });
  dialogs->Then([](HWND d) {
    Click(d, IDC_PROP_ASKOVERWRITE);
    DialogDriver::Press(d, IDOK);
  });
  Command(IDM_PROPERTIES);
  EXPECT_EQ(doc->options, options);
  EXPECT_TRUE(doc->undoList != nullptr && doc->redoList != nullptr);
  Command(IDM_PROPERTIES);
  EXPECT_EQ(dialogs->dialogsSeen(), 2);
  EXPECT_EQ(doc->options, options | kOptAskOverwrite);
  EXPECT_EQ(std::vector<ColorRef>(doc->color, doc->color + kColorCount), colors);
  EXPECT_TRUE(doc->undoList == nullptr && doc->redoList == nullptr);
  EXPECT_FALSE(MenuItemEnabled(IDM_UNDO));
  EXPECT_FALSE(MenuItemEnabled(IDM_REDO));
  EXPECT_EQ(DocumentBytes(view), bytes);

  run.messages().Answer(MessageAnswer::No);
  Command(IDM_SAVE);
  EXPECT_EQ(run.messages().texts(), std::vector<std::string>{path + "\nこのﾌｧｲﾙはすでに存在します。\n\n上書きしますか?"});
  bool read = false;
  EXPECT_EQ(ReadWholeFile(path, &read), std::vector<uint8_t>(32, 'A')) << "not written";
}

TEST_F(PropertiesCommand, LoadingTheExecutableTypeKeepsTheNameAndBytes) {
  EditTwiceUndoOnce();
  const std::string bytes = DocumentBytes(view);
  ASSERT_NE(doc->options & kOptSystemColors, 0u) << "data.bin opens with the all-files type";
  HWND dialog = nullptr;
  dialogs->Then([&](HWND d) {
    dialog = d;
    DialogDriver::Press(d, IDC_PROP_LOADTYPE);
  });
  dialogs->Then([&](HWND d) {
    EXPECT_EQ(SendDlgItemMessageA(d, IDC_LOADFT_LIST, LB_GETCOUNT, 0, 0), 2);
    EXPECT_EQ(SendDlgItemMessageA(d, IDC_LOADFT_LIST, LB_GETCURSEL, 0, 0), 1) << "the Open filter's type";
    SendDlgItemMessageA(d, IDC_LOADFT_LIST, LB_SETCURSEL, 0, 0);
    SendMessageA(d, WM_COMMAND, MAKEWPARAM(IDC_LOADFT_LIST, LBN_DBLCLK), 0);
    DialogDriver::Press(dialog, IDOK);
  });
  g_settings.filter = 0x0201;
  Command(IDM_PROPERTIES);
  EXPECT_EQ(g_settings.filter, 0x0201) << "the choice is not remembered";
  const FileType& exe = g_fileTypes.types[0];
  EXPECT_EQ(doc->options, exe.view);
  EXPECT_EQ(std::memcmp(doc->color, exe.color, sizeof doc->color), 0);
  EXPECT_STREQ(doc->path, path.c_str());
  EXPECT_EQ(TitleOf(view), "data.bin");
  EXPECT_EQ(DocumentBytes(view), bytes);
  EXPECT_EQ(doc->undoList, nullptr);
}

TEST_F(PropertiesCommand, TheRepaintedDumpUsesExactlyTheNewColoursAndFont) {
  const COLORREF text = RGB(0x10, 0x80, 0x20), back = RGB(0xF0, 0xE0, 0x10);
  HWND dialog = nullptr;
  dialogs->Then([&](HWND d) {
    dialog = d;
    Click(d, IDC_PROP_SYSCOLORS);  // the all-files type uses the system colours
    SelectLines(d, {0, 5 + 0x41});
    DialogDriver::Press(d, IDC_PROP_CHANGECOLOR);
  });
  dialogs->Then([&](HWND picker) {
    AnswerColor(picker, text);
    // After the picker has gone: only the background line, and pick again.
    HWND list = GetDlgItem(dialog, IDC_PROP_COLORLIST);
    PostMessageA(list, LB_SETSEL, FALSE, -1);
    PostMessageA(list, LB_SETSEL, TRUE, 1);
    PostMessageA(dialog, WM_COMMAND, MAKEWPARAM(IDC_PROP_COLORLIST, LBN_SELCHANGE), reinterpret_cast<LPARAM>(list));
    DialogDriver::Press(dialog, IDC_PROP_CHANGECOLOR);
  });
  dialogs->Then([&](HWND picker) {
    AnswerColor(picker, back);
    DialogDriver::Press(dialog, IDC_PROP_FONT);
  });
  dialogs->Then([&](HWND picker) {
    AnswerFont(picker);
    DialogDriver::Press(dialog, IDOK);
  });
  Command(IDM_PROPERTIES);
  ASSERT_EQ(dialogs->dialogsSeen(), 4);
  ASSERT_STREQ(doc->font.lfFaceName, kFixedFace);

  const RECT all{0, 0, doc->clientWidth, doc->clientHeight};
  const EmfRecords records = RecordEmf([&](HDC dc) { PaintHexView(dc, all, true, *doc, *HexViewOf(view)); });
  ASSERT_FALSE(records.fills.empty());
  for (const EmfFill& f : records.fills) EXPECT_EQ(f.color, back);
  ASSERT_GT(records.texts.size(), 30u);
  for (const EmfText& t : records.texts) {
    EXPECT_TRUE(t.color == text || t.color == doc->fixedColor()) << std::hex << t.color;
    EXPECT_TRUE(t.fontHeight == doc->font.lfHeight || t.fontHeight == doc->font.lfHeight / 2) << t.fontHeight;
    EXPECT_EQ(Utf16ToAnsi(t.fontFace), kFixedFace);
  }
}

}  // namespace
