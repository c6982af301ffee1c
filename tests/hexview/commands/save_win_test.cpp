// Saving under Wine with real windows: Save, Save As with the common dialog,
// the overwrite question, failures and aborts that keep the old file, and the
// close question of one window and of the whole frame.
#include <windows.h>

#include <gtest/gtest.h>

#include <algorithm>

#include "filetypes/file_type.h"
#include "shell/process_state.h"
#include "app/documents/open_document_win.h"
#include "core/display_types.h"
#include "core/undo.h"
#include "resources/resource_ids.h"
#include "hexview/save_test_helpers_win.h"

namespace {

using Texts = std::vector<std::string>;

std::string CloseQuestion(const std::string& path) {
  return "ﾌｧｲﾙ " + path + " の内容が変更されています。\n保存しますか?";
}

TEST(SaveDocument, WritesTheBytesAndForgetsUndoAndRedo) {
  ScratchFolder folder;
  std::string path = folder.Write("a.bin", "0123456789");
  ShellRun run;
  ASSERT_TRUE(run.Start("/Q0 " + Quote(path)));
  HWND view = DocumentWindows()[0];
  Document* doc = DocumentOf(view);
  EditBytes(view, 2, 2, std::string("\0X\0", 3));
  EditBytes(view, 0, 1, "");
  UndoOrRedo(*doc, false, EditViewOf(view));
  ASSERT_NE(doc->redoList, nullptr);
  ASSERT_TRUE(MenuItemEnabled(IDM_UNDO));
  ASSERT_TRUE(MenuItemEnabled(IDM_REDO));

  Command(view, IDM_SAVE);
  EXPECT_TRUE(run.messages().texts().empty());
  EXPECT_EQ(FileBytes(path), std::string("01\0X\0" "23456789", 13));
  EXPECT_EQ(FileBytes(path), DocumentBytes(view));
  EXPECT_EQ(doc->modified, 0);
  EXPECT_EQ(doc->undoList, nullptr);
  EXPECT_EQ(doc->redoList, nullptr);
  EXPECT_FALSE(MenuItemEnabled(IDM_UNDO));
  EXPECT_FALSE(MenuItemEnabled(IDM_REDO));
  EXPECT_EQ(FolderNames(folder.path()), Texts{"a.bin"});  // no temporary file left
}

TEST(SaveDocument, OverwriteQuestionOnlyWithItsOption) {
  ScratchFolder folder;
  std::string path = folder.Write("ask.bin", "old");
  ShellRun run;
  ASSERT_TRUE(run.Start("/Q0 " + Quote(path)));
  HWND view = DocumentWindows()[0];
  Document* doc = DocumentOf(view);
  doc->options |= kOptAskOverwrite;
  EditBytes(view, 0, 3, "new");

  run.messages().Answer(MessageAnswer::No);
  Command(view, IDM_SAVE);
  ASSERT_EQ(run.messages().messages().size(), 1u);
  const RecordedMessage& question = run.messages().messages()[0];
  EXPECT_EQ(question.text, std::string(doc->path) + "\nこのﾌｧｲﾙはすでに存在します。\n\n上書きしますか?");
  EXPECT_EQ(question.buttons, MessageButtons::YesNo);
  EXPECT_EQ(question.icon, MessageIcon::Information);
  EXPECT_EQ(FileBytes(path), "old");
  EXPECT_EQ(doc->modified, 1);

  run.messages().Answer(MessageAnswer::Yes);
  Command(view, IDM_SAVE);
  EXPECT_EQ(FileBytes(path), "new");
  EXPECT_EQ(doc->modified, 0);

  // Without the option Save writes silently.
  run.messages().Clear();
  doc->options &= ~kOptAskOverwrite;
  EditBytes(view, 3, 3, "!");
  Command(view, IDM_SAVE);
  EXPECT_TRUE(run.messages().texts().empty());
  EXPECT_EQ(FileBytes(path), "new!");
}

TEST(SaveDocument, UntitledGoesThroughSaveAsWithTheGeneratedName) {
  ScratchFolder folder;
  std::string target = folder.path() + "\\saved.dat";
  ShellRun run;
  ASSERT_TRUE(run.Start("/Q0 /N1"));
  HWND view = DocumentWindows()[0];
  EditBytes(view, 0, 0, std::string("A\0B", 3));
  DialogDriver dialogs;
  std::string proposed;
  dialogs.Then([&](HWND dialog) {
    proposed = SaveDialogName(dialog);
    SaveDialogAnswer(dialog, target);
  });
  LetProgressRun(dialogs);
  Command(view, IDM_SAVE);
  EXPECT_EQ(dialogs.dialogsSeen(), 2);
  EXPECT_EQ(proposed, "新規0.EXE");
  EXPECT_EQ(FileBytes(target), std::string("A\0B", 3));
  Document* doc = DocumentOf(view);
  EXPECT_EQ(doc->untitled, 0);
  EXPECT_EQ(doc->modified, 0);
  EXPECT_EQ(lstrcmpiA(doc->path, target.c_str()), 0);
  EXPECT_EQ(TitleOf(view), "saved.dat");
  EXPECT_EQ(lstrcmpiA(g_settings.savepath.c_str(), (folder.path() + "\\").c_str()), 0);
  Texts file = FileMenuTexts();
  ASSERT_GT(file.size(), 10u);
  EXPECT_EQ(file[10], "&1 " + std::string(doc->path));
  EXPECT_TRUE(run.messages().texts().empty());
}

TEST(SaveDocumentAs, RemembersTheFilterIndexAndKeepsTheOpenDialogsByte) {
  ScratchFolder folder;
  std::string path = folder.Write("f.bin", "xyz");
  ShellRun run;
  ASSERT_TRUE(run.Start("/Q0 " + Quote(path)));
  HWND view = DocumentWindows()[0];
  ASSERT_EQ(g_fileTypes.types.size(), 2u);
  g_settings.filter = 0x0105;  // Save As index 1, Open index 5
  int shownType = -1;
  DialogDriver dialogs;
  dialogs.Then([&](HWND dialog) {
    shownType = static_cast<int>(SendDlgItemMessageA(dialog, kSaveTypeBox, CB_GETCURSEL, 0, 0));
    SendDlgItemMessageA(dialog, kSaveTypeBox, CB_SETCURSEL, 0, 0);
    SendMessageA(dialog, WM_COMMAND, MAKEWPARAM(kSaveTypeBox, CBN_SELENDOK),
                 reinterpret_cast<LPARAM>(GetDlgItem(dialog, kSaveTypeBox)));
    SaveDialogAnswer(dialog, folder.path() + "\\g.bin");
  });
  LetProgressRun(dialogs);
  Command(view, IDM_SAVEAS);
  EXPECT_EQ(shownType, 1);
  EXPECT_EQ(g_settings.filter, 0x0005);
  EXPECT_EQ(FileBytes(folder.path() + "\\g.bin"), "xyz");
  EXPECT_EQ(FileBytes(path), "xyz");

  // A remembered index beyond the file types falls back to the first.
  g_settings.filter = 0x0707;
  dialogs.Then([&](HWND dialog) {
    shownType = static_cast<int>(SendDlgItemMessageA(dialog, kSaveTypeBox, CB_GETCURSEL, 0, 0));
    DialogDriver::Press(dialog, IDCANCEL);
  });
  Command(view, IDM_SAVEAS);
  EXPECT_EQ(shownType, 0);
  EXPECT_EQ(g_settings.filter, 0x0707);  // cancelled: nothing stored
}

TEST(SaveDocumentAs, CancelKeepsTheWindowAsItWas) {
  ScratchFolder folder;
  std::string path = folder.Write("keep.bin", "abc");
  ShellRun run;
  ASSERT_TRUE(run.Start("/Q0 " + Quote(path)));
  HWND view = DocumentWindows()[0];
  EditBytes(view, 1, 2, "Q");
  DialogDriver dialogs;
  dialogs.Then([](HWND dialog) { DialogDriver::Press(dialog, IDCANCEL); });
  Command(view, IDM_SAVEAS);
  EXPECT_EQ(dialogs.dialogsSeen(), 1);
  Document* doc = DocumentOf(view);
  EXPECT_EQ(doc->modified, 1);
  EXPECT_NE(doc->undoList, nullptr);
  EXPECT_EQ(TitleOf(view), "keep.bin");
  EXPECT_EQ(FileBytes(path), "abc");
  EXPECT_EQ(FolderNames(folder.path()), Texts{"keep.bin"});
}

TEST(SaveDocumentAs, ExistingTargetIsConfirmedByTheDialogAndTheTitleIsTheBareName) {
  ScratchFolder folder;
  std::string source = folder.Write("one\\same.bin", "source");
  std::string other = folder.Write("two\\same.bin", "other");
  std::string target = folder.Write("three\\target.bin", "target");
  ShellRun run;
  ASSERT_TRUE(run.Start("/Q0 " + Quote(source) + " " + Quote(other)));
  HWND view = nullptr;
  for (HWND w : DocumentWindows())
    if (std::string(DocumentOf(w)->path).find("\\one\\") != std::string::npos) view = w;
  ASSERT_NE(view, nullptr);
  EXPECT_EQ(TitleOf(view), DocumentOf(view)->path);  // two files named same.bin show full paths
  EditBytes(view, 0, 0, "+");
  DialogDriver dialogs;
  dialogs.Then([&](HWND dialog) { SaveDialogAnswer(dialog, target); });
  dialogs.Then([](HWND box) { DialogDriver::Press(box, IDYES); });  // the dialog's own overwrite prompt
  LetProgressRun(dialogs);
  Command(view, IDM_SAVEAS);
  EXPECT_EQ(dialogs.dialogsSeen(), 3);
  EXPECT_TRUE(run.messages().texts().empty());  // Save As asks nothing itself
  EXPECT_EQ(FileBytes(target), "+source");
  EXPECT_EQ(FileBytes(source), "source");
  EXPECT_EQ(TitleOf(view), "target.bin");
  // The other same.bin is alone with its name now.
  HWND otherView = DocumentWindows()[0] == view ? DocumentWindows()[1] : DocumentWindows()[0];
  EXPECT_EQ(TitleOf(otherView), "same.bin");
  EXPECT_NE(SendMessageA(view, WM_GETICON, ICON_SMALL, 0), 0);
}

TEST(SaveFailure, ReadOnlyFileIsReportedAndStaysAsItWas) {
  ScratchFolder folder;
  std::string path = folder.Write("ro.bin", "locked");
  ShellRun run;
  ASSERT_TRUE(run.Start("/Q0 " + Quote(path)));
  SetFileAttributesA(path.c_str(), FILE_ATTRIBUTE_READONLY);
  HWND view = DocumentWindows()[0];
  EditBytes(view, 0, 6, "unlocked");
  Command(view, IDM_SAVE);
  EXPECT_EQ(run.messages().texts(), Texts{"ﾌｧｲﾙをｵｰﾌﾟﾝできません"});
  EXPECT_EQ(run.messages().messages()[0].icon, MessageIcon::Warning);
  EXPECT_EQ(FileBytes(path), "locked");
  EXPECT_EQ(DocumentOf(view)->modified, 1);
  EXPECT_NE(DocumentOf(view)->undoList, nullptr);
  EXPECT_TRUE(IsWindowEnabled(g_shell.frame));
  SetFileAttributesA(path.c_str(), FILE_ATTRIBUTE_NORMAL);
}

TEST(SaveFailure, MissingFolderIsReportedAndTheWindowStaysModified) {
  ScratchFolder folder;
  std::string path = folder.path() + "\\gone\\new.bin";
  ShellRun run;
  ASSERT_TRUE(run.Start("/Q0 " + Quote(path)));
  ASSERT_EQ(DocumentWindows().size(), 1u);
  HWND view = DocumentWindows()[0];
  EditBytes(view, 0, 0, "data");
  Command(view, IDM_SAVE);
  EXPECT_EQ(run.messages().texts(), Texts{"ﾌｧｲﾙをｵｰﾌﾟﾝできません"});
  EXPECT_EQ(DocumentOf(view)->modified, 1);
  EXPECT_EQ(FileBytes(path), "<missing>");
}

TEST(SaveFailure, AbortKeepsTheOldFileAndALaterSaveWritesEverything) {
  ScratchFolder folder;
  std::string old(100000, 'o');
  std::string path = folder.Write("big.bin", old);
  ShellRun run;
  ASSERT_TRUE(run.Start("/Q0 " + Quote(path)));
  HWND view = DocumentWindows()[0];
  EditBytes(view, 50000, 50000, "NEW");
  {
    DialogDriver dialogs;
    dialogs.Then([](HWND progress) { DialogDriver::Press(progress, IDCANCEL); });  // 中断
    Command(view, IDM_SAVE);
    EXPECT_EQ(dialogs.dialogsSeen(), 1);
  }
  EXPECT_TRUE(run.messages().texts().empty());  // an abort is not a failure
  EXPECT_EQ(FileBytes(path), old);
  EXPECT_EQ(FolderNames(folder.path()), Texts{"big.bin"});
  EXPECT_EQ(DocumentOf(view)->modified, 1);
  EXPECT_TRUE(IsWindowEnabled(g_shell.frame));

  Command(view, IDM_SAVE);
  EXPECT_EQ(FileBytes(path), old.substr(0, 50000) + "NEW" + old.substr(50000));
  EXPECT_EQ(DocumentOf(view)->modified, 0);
}

// Why: an aborted load keeps the file's first part under the file's name; a plain
// Save then cut the file on disk to that part without a word.
TEST(PartialLoad, IsMarkedInTheTitleAndSaveGoesThroughSaveAs) {
  ScratchFolder folder;
  std::string whole(200000, 'w');
  std::string path = folder.Write("long.bin", whole);
  ShellRun run;
  ASSERT_TRUE(run.Start("/Q0"));
  {
    DialogDriver dialogs;
    dialogs.Then([](HWND progress) { DialogDriver::Press(progress, IDCANCEL); });  // 中断
    ASSERT_EQ(OpenDocument(path.c_str()), 0);
  }
  HWND view = DocumentWindows()[0];
  Document* doc = DocumentOf(view);
  EXPECT_EQ(doc->partial, 1);
  EXPECT_LT(doc->length, 200000);
  EXPECT_EQ(TitleOf(view), "long.bin (読み込み中断)");
  EXPECT_TRUE(run.messages().texts().empty());

  std::string offered;
  {
    DialogDriver dialogs;
    dialogs.Then([&](HWND save) {
      offered = SaveDialogName(save);
      DialogDriver::Press(save, IDCANCEL);
    });
    Command(view, IDM_SAVE);
    EXPECT_EQ(dialogs.dialogsSeen(), 1);
  }
  EXPECT_EQ(offered, "long.bin");
  EXPECT_EQ(FileBytes(path), whole);
  EXPECT_EQ(TitleOf(view), "long.bin (読み込み中断)");

  // Saved elsewhere, the document is that file's whole content.
  std::string copy = folder.path() + "\\part.bin";
  {
    DialogDriver dialogs;
    dialogs.Then([&](HWND save) { SaveDialogAnswer(save, copy); });
    LetProgressRun(dialogs);
    Command(view, IDM_SAVEAS);
  }
  EXPECT_EQ(FileBytes(copy), whole.substr(0, static_cast<size_t>(doc->length)));
  EXPECT_EQ(FileBytes(path), whole);
  EXPECT_EQ(doc->partial, 0);
  EXPECT_EQ(TitleOf(view), "part.bin");
}

TEST(CloseQuestion, CancelNoAndYesOnOneWindow) {
  ScratchFolder folder;
  std::string a = folder.Write("a.bin", "aaa");
  std::string b = folder.Write("b.bin", "bbb");
  std::string c = folder.Write("c.bin", "ccc");
  ShellRun run;
  ASSERT_TRUE(run.Start("/Q0 " + Quote(a) + " " + Quote(b) + " " + Quote(c)));
  HWND va = WindowOf(DocumentOf(DocumentWindows()[2])->path);
  HWND vb = DocumentWindows()[1];
  HWND vc = DocumentWindows()[0];

  // Unmodified: closes without a question.
  SendMessageA(vc, WM_CLOSE, 0, 0);
  EXPECT_FALSE(IsWindow(vc));
  EXPECT_TRUE(run.messages().texts().empty());

  EditBytes(va, 0, 1, "A");
  std::string pathA = DocumentOf(va)->path;
  run.messages().Answer(MessageAnswer::Cancel);
  SendMessageA(va, WM_CLOSE, 0, 0);
  ASSERT_TRUE(IsWindow(va));
  EXPECT_EQ(run.messages().texts(), Texts{CloseQuestion(pathA)});
  EXPECT_EQ(run.messages().messages()[0].buttons, MessageButtons::YesNoCancel);
  EXPECT_EQ(run.messages().messages()[0].icon, MessageIcon::Information);
  EXPECT_EQ(DocumentBytes(va), "Aaa");
  EXPECT_EQ(DocumentOf(va)->modified, 1);

  run.messages().Answer(MessageAnswer::Yes);
  SendMessageA(va, WM_CLOSE, 0, 0);
  EXPECT_FALSE(IsWindow(va));
  EXPECT_EQ(FileBytes(a), "Aaa");

  EditBytes(vb, 0, 0, "!");
  run.messages().Answer(MessageAnswer::No);
  SendMessageA(vb, WM_CLOSE, 0, 0);
  EXPECT_FALSE(IsWindow(vb));
  EXPECT_EQ(FileBytes(b), "bbb");
}

TEST(CloseQuestion, YesOnAnUntitledDocumentWhoseSaveAsIsCancelledKeepsTheWindow) {
  ShellRun run;
  ASSERT_TRUE(run.Start("/Q0 /N1"));
  HWND view = DocumentWindows()[0];
  EditBytes(view, 0, 0, "new");
  run.messages().Answer(MessageAnswer::Yes);
  DialogDriver dialogs;
  dialogs.Then([](HWND dialog) { DialogDriver::Press(dialog, IDCANCEL); });
  SendMessageA(g_shell.frame, WM_COMMAND, IDM_CLOSE, 0);
  EXPECT_EQ(dialogs.dialogsSeen(), 1);
  EXPECT_EQ(run.messages().texts(), Texts{CloseQuestion("新規0.EXE")});
  ASSERT_TRUE(IsWindow(view));
  EXPECT_EQ(DocumentOf(view)->modified, 1);
}

TEST(CloseQuestion, SaveFailureOnYesKeepsTheWindow) {
  ScratchFolder folder;
  std::string path = folder.Write("ro.bin", "same");
  ShellRun run;
  ASSERT_TRUE(run.Start("/Q0 " + Quote(path)));
  SetFileAttributesA(path.c_str(), FILE_ATTRIBUTE_READONLY);
  HWND view = DocumentWindows()[0];
  EditBytes(view, 0, 0, "x");
  run.messages().Answer(MessageAnswer::Yes);
  SendMessageA(view, WM_CLOSE, 0, 0);
  EXPECT_TRUE(IsWindow(view));
  EXPECT_EQ(run.messages().texts(), (Texts{CloseQuestion(DocumentOf(view)->path), "ﾌｧｲﾙをｵｰﾌﾟﾝできません"}));
  EXPECT_EQ(FileBytes(path), "same");
  SetFileAttributesA(path.c_str(), FILE_ATTRIBUTE_NORMAL);
}

TEST(CloseQuestion, FrameCloseWithThreeModifiedDocumentsStopsAtCancelOnTheSecond) {
  ScratchFolder folder;
  std::string a = folder.Write("a.bin", "1");
  std::string b = folder.Write("b.bin", "2");
  std::string c = folder.Write("c.bin", "3");
  ShellRun run;
  ASSERT_TRUE(run.Start("/Q0 " + Quote(a) + " " + Quote(b) + " " + Quote(c)));
  std::vector<HWND> views = DocumentWindows();  // c, b, a: the frame asks from the top
  ASSERT_EQ(views.size(), 3u);
  for (HWND v : views) EditBytes(v, 1, 1, "+");
  std::string pathC = DocumentOf(views[0])->path;
  std::string pathB = DocumentOf(views[1])->path;

  run.messages().Answer(MessageAnswer::Yes);
  run.messages().Answer(MessageAnswer::Cancel);
  SendMessageA(g_shell.frame, WM_CLOSE, 0, 0);
  EXPECT_EQ(run.messages().texts(), (Texts{CloseQuestion(pathC), CloseQuestion(pathB)}));
  ASSERT_TRUE(IsWindow(g_shell.frame));
  EXPECT_FALSE(IsWindow(views[0]));
  EXPECT_EQ(FileBytes(c), "3+");
  ASSERT_TRUE(IsWindow(views[1]));
  ASSERT_TRUE(IsWindow(views[2]));
  EXPECT_EQ(DocumentOf(views[1])->modified, 1);
  EXPECT_EQ(DocumentOf(views[2])->modified, 1);
  EXPECT_EQ(FileBytes(b), "2");
  EXPECT_EQ(FileBytes(a), "1");

  // The end of the session asks the same; No to both lets everything go.
  run.messages().Clear();
  run.messages().Answer(MessageAnswer::No);
  run.messages().Answer(MessageAnswer::No);
  EXPECT_EQ(SendMessageA(g_shell.frame, WM_QUERYENDSESSION, 0, 0), TRUE);
  EXPECT_EQ(run.messages().texts().size(), 2u);
  EXPECT_TRUE(DocumentWindows().empty());
  EXPECT_EQ(FileBytes(b), "2");
}

}  // namespace
