// Saving under Wine with real windows: Save, Save As with the common dialog,
// the overwrite question, failures and aborts that keep the old file, and the
// close question of one window and of the whole frame.
#include "hexview/commands/save_win.h"

#include "app/documents/open_document_win.h"
#include "core/display_types.h"
#include "core/edit.h"
#include "core/undo.h"
#include "hexview/view_fixture_win.h"
#include "shell/process_state.h"

namespace {

using Texts = std::vector<std::string>;

const char kCannotOpen[] = "ﾌｧｲﾙをｵｰﾌﾟﾝできません";
std::string CloseQuestion(const std::string& path) { return "ﾌｧｲﾙ " + path + " の内容が変更されています。\n保存しますか?"; }

// Replaces [from, to) of w's document by bytes as one committed edit, as typing does.
void EditBytes(HWND w, int32_t from, int32_t to, const std::string& bytes) {
  Select(w, to == from ? -1 : to, from);
  CommitStep(*DocumentOf(w), ReplaceSelection(*DocumentOf(w), reinterpret_cast<const uint8_t*>(bytes.data()),
                                              static_cast<int32_t>(bytes.size()), kCaretAfter, false, EditViewOf(w)),
             EditViewOf(w));
}

std::string FileBytes(const std::string& path) {
  bool ok = false;
  std::vector<uint8_t> bytes = ReadWholeFile(path, &ok);
  return ok ? std::string(bytes.begin(), bytes.end()) : std::string("<missing>");
}

// The common save dialog's file name box (a combo box with an edit inside).
constexpr int kSaveNameBox = 0x47c;

// Answers the save dialog with path (noting the name it proposed), then lets the
// save's progress dialog run.
void AnswerSaveDialog(DialogDriver& dialogs, const std::string& path, std::string* proposed = nullptr) {
  dialogs.Then([=](HWND dialog) {
    if (proposed != nullptr) *proposed = DialogDriver::Text(dialog, kSaveNameBox);
    SetDlgItemTextA(dialog, kSaveNameBox, path.c_str());
    DialogDriver::Press(dialog, IDOK);
  });
  dialogs.Then([](HWND) {});
}

using Save = ViewTest;

TEST_F(Save, WritesTheBytesForgetsUndoAndRedoAndAsksOnlyWithTheOption) {
  OpenFiles({{"a.bin", "0123456789"}});
  EditBytes(view, 2, 2, std::string("\0X\0", 3));
  EditBytes(view, 0, 1, "");
  UndoOrRedo(*doc, false, EditViewOf(view));
  Command(view, IDM_SAVE);
  EXPECT_EQ(FileBytes(doc->path), std::string("01\0X\00023456789", 13));
  EXPECT_TRUE(doc->modified == 0 && doc->undoList == nullptr && doc->redoList == nullptr);
  EXPECT_FALSE(MenuItemEnabled(IDM_UNDO) || MenuItemEnabled(IDM_REDO));
  EXPECT_EQ(folder.Names(), Texts{"a.bin"});  // no temporary file left
  doc->options |= kOptAskOverwrite;
  EditBytes(view, 0, 13, "new");
  run.messages().Answer(MessageAnswer::No);
  Command(view, IDM_SAVE);
  EXPECT_EQ(run.messages().texts(), Texts{std::string(doc->path) + "\nこのﾌｧｲﾙはすでに存在します。\n\n上書きしますか?"});
  EXPECT_EQ(run.messages().messages()[0].buttons, MessageButtons::YesNo);
  EXPECT_EQ(FileBytes(doc->path).size() + doc->modified, 14u);
  run.messages().Answer(MessageAnswer::Yes);
  Command(view, IDM_SAVE);
  EXPECT_EQ(FileBytes(doc->path) + std::to_string(doc->modified), "new0");
}

TEST_F(Save, UntitledGoesThroughSaveAsWithTheGeneratedName) {
  const std::string target = folder.File("saved.dat");
  ASSERT_TRUE(run.Start("/Q0 /N1"));
  view = DocumentWindows()[0];
  doc = DocumentOf(view);
  EditBytes(view, 0, 0, std::string("A\0B", 3));
  // Yes to the close question, then the save dialog cancelled: the window stays.
  run.messages().Answer(MessageAnswer::Yes);
  DialogDriver dialogs;
  dialogs.Then([](HWND dialog) { DialogDriver::Press(dialog, IDCANCEL); });
  Command(IDM_CLOSE);
  EXPECT_EQ(run.messages().texts(), Texts{CloseQuestion("新規0.EXE")});
  ASSERT_TRUE(IsWindow(view) && doc->modified == 1);
  std::string proposed;
  AnswerSaveDialog(dialogs, target, &proposed);
  Command(view, IDM_SAVE);
  EXPECT_EQ(std::to_string(dialogs.dialogsSeen()) + proposed + TitleOf(view), "3新規0.EXEsaved.dat");
  EXPECT_EQ(FileBytes(target), std::string("A\0B", 3));
  EXPECT_EQ(doc->untitled + doc->modified + lstrcmpiA(doc->path, target.c_str()), 0);
  EXPECT_EQ(lstrcmpiA(g_settings.savepath.c_str(), (folder.path() + "\\").c_str()), 0);
  EXPECT_EQ(FileMenuTexts().at(10), "&1 " + std::string(doc->path));
}

TEST_F(Save, FailuresAndAbortsKeepTheFileAndTheWindow) {
  const std::string readOnly = folder.Write("ro.bin", "locked"), missing = folder.File("gone\\new.bin");
  const std::string old(100000, 'o'), big = folder.Write("big.bin", old);
  ASSERT_TRUE(run.Start("/Q0 " + Quote(readOnly) + " " + Quote(missing) + " " + Quote(big)));
  SetReadOnly(readOnly, true);
  for (const std::string& path : {missing, readOnly}) {
    HWND w = WindowOf(path);
    run.messages().Clear();
    EditBytes(w, 0, 0, "data");
    Command(w, IDM_SAVE);
    EXPECT_EQ(run.messages().texts(), Texts{kCannotOpen}) << path;
    EXPECT_TRUE(DocumentOf(w)->modified == 1 && DocumentOf(w)->undoList != nullptr) << path;
  }
  // Yes to the close question with a failing save keeps the window.
  run.messages().Clear();
  run.messages().Answer(MessageAnswer::Yes);
  SendMessageA(WindowOf(readOnly), WM_CLOSE, 0, 0);
  EXPECT_EQ(run.messages().texts(), (Texts{CloseQuestion(readOnly), kCannotOpen}));
  EXPECT_EQ(FileBytes(readOnly) + FileBytes(missing), "locked<missing>");
  EXPECT_TRUE(IsWindow(WindowOf(readOnly)) && IsWindowEnabled(g_shell.frame));
  SetReadOnly(readOnly, false);
  // An abort (中断 in the progress dialog) is no failure and keeps the old file.
  run.messages().Clear();
  HWND w = WindowOf(big);
  EditBytes(w, 50000, 50000, "NEW");
  DialogDriver dialogs;
  dialogs.Then([](HWND progress) { DialogDriver::Press(progress, IDCANCEL); });
  Command(w, IDM_SAVE);
  EXPECT_TRUE(dialogs.dialogsSeen() == 1 && run.messages().texts().empty() && DocumentOf(w)->modified == 1);
  EXPECT_EQ(FileBytes(big), old);
  EXPECT_EQ(folder.Names(), (Texts{"big.bin", "ro.bin"}));
  dialogs.Then([](HWND) {});
  Command(w, IDM_SAVE);
  EXPECT_EQ(FileBytes(big) + std::to_string(DocumentOf(w)->modified),
            old.substr(0, 50000) + "NEW" + old.substr(50000) + "0");
}

// Why: an aborted load keeps the file's first part under the file's name; a plain
// Save then cut the file on disk to that part without a word.
TEST_F(Save, PartialLoadIsMarkedInTheTitleAndSaveGoesThroughSaveAs) {
  const std::string whole(200000, 'w'), path = folder.Write("long.bin", whole);
  ASSERT_TRUE(run.Start("/Q0"));
  DialogDriver dialogs;
  dialogs.Then([](HWND progress) { DialogDriver::Press(progress, IDCANCEL); });  // 中断
  ASSERT_EQ(OpenDocument(path.c_str()), 0);
  view = DocumentWindows()[0];
  doc = DocumentOf(view);
  EXPECT_TRUE(doc->partial == 1 && doc->length < 200000);
  EXPECT_EQ(TitleOf(view), "long.bin (読み込み中断)");
  dialogs.Then([&](HWND save) {
    SetDlgItemTextA(save, kSaveNameBox, folder.File("part.bin").c_str());
    DialogDriver::Press(save, IDOK);
  });
  dialogs.Then([](HWND) {});  // the save's progress
  Command(view, IDM_SAVE);
  EXPECT_EQ(dialogs.dialogsSeen(), 3);
  EXPECT_EQ(FileBytes(folder.File("part.bin")), whole.substr(0, static_cast<size_t>(doc->length)));
  EXPECT_EQ(FileBytes(path), whole);
  EXPECT_EQ(std::to_string(doc->partial) + TitleOf(view), "0part.bin");  // the document is that file's content
  EXPECT_TRUE(run.messages().texts().empty());
}

TEST_F(Save, CloseQuestionsOfOneWindowTheFrameAndTheSession) {
  std::vector<HWND> w = OpenFiles({{"a.bin", "1"}, {"b.bin", "2"}, {"c.bin", "3"}, {"d.bin", "4"}});
  SendMessageA(w[3], WM_CLOSE, 0, 0);  // unmodified: closes without a question
  EXPECT_TRUE(!IsWindow(w[3]) && run.messages().texts().empty());
  Texts paths;
  for (int i = 0; i < 3; ++i) {
    EditBytes(w[i], 1, 1, "+");
    paths.push_back(DocumentOf(w[i])->path);
  }
  run.messages().Answer(MessageAnswer::Cancel);
  SendMessageA(w[0], WM_CLOSE, 0, 0);
  ASSERT_TRUE(IsWindow(w[0]));
  EXPECT_EQ(run.messages().texts(), Texts{CloseQuestion(paths[0])});
  EXPECT_TRUE(run.messages().messages()[0].buttons == MessageButtons::YesNoCancel &&
              run.messages().messages()[0].icon == MessageIcon::Information);
  run.messages().Clear();
  run.messages().Answer(MessageAnswer::Yes);
  run.messages().Answer(MessageAnswer::Cancel);
  SendMessageA(g_shell.frame, WM_CLOSE, 0, 0);  // the frame asks from the top: c, then b
  EXPECT_EQ(run.messages().texts(), (Texts{CloseQuestion(paths[2]), CloseQuestion(paths[1])}));
  ASSERT_TRUE(IsWindow(g_shell.frame) && !IsWindow(w[2]) && IsWindow(w[1]) && IsWindow(w[0]));
  EXPECT_EQ(DocumentOf(w[1])->modified + DocumentOf(w[0])->modified, 2);
  EXPECT_EQ(FileBytes(paths[2]) + FileBytes(paths[1]) + FileBytes(paths[0]), "3+21");
  // The end of the session asks the same; No to both lets everything go.
  run.messages().Clear();
  run.messages().Answer(MessageAnswer::No);
  run.messages().Answer(MessageAnswer::No);
  EXPECT_EQ(SendMessageA(g_shell.frame, WM_QUERYENDSESSION, 0, 0), TRUE);
  EXPECT_TRUE(run.messages().texts().size() == 2u && DocumentWindows().empty());
  EXPECT_EQ(FileBytes(paths[1]) + FileBytes(paths[0]), "21");
}

}  // namespace
