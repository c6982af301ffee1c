// The application shell under Wine: start-up with options and files, titles,
// new documents, the file history, menu help and bad input.
#include <windows.h>
#include <commctrl.h>

#include <gtest/gtest.h>

#include "shell/process_state.h"
#include "app/documents/open_document_win.h"
#include "hexview/commands/view_menus_win.h"
#include "hexview/commands/view_command_table_win.h"
#include "shell/progress_dialog_win.h"
#include "shell/shell.h"
#include "core/document.h"
#include "hexview/hex_view_win.h"
#include "resources/resource_ids.h"
#include "support/dialog_driver_win.h"
#include "support/shell_fixture_win.h"

namespace {

// Titles of the document windows, sorted so tests do not depend on z-order.
std::vector<std::string> SortedTitles() {
  std::vector<std::string> titles;
  for (HWND w : DocumentWindows()) titles.push_back(TitleOf(w));
  std::sort(titles.begin(), titles.end());
  return titles;
}


bool ButtonEnabled(int id) { return SendMessageA(g_shell.toolbar, TB_ISBUTTONENABLED, id, 0) != 0; }

void CloseWindowOf(HWND w) { SendMessageA(g_shell.mdiClient, WM_MDIDESTROY, reinterpret_cast<WPARAM>(w), 0); }

// varnel.exe of the build the tests belong to, or "" when it was not built.
std::string VarnelExe() {
  char exe[MAX_PATH] = {};
  GetModuleFileNameA(nullptr, exe, sizeof exe);
  std::string path = exe;
  path = path.substr(0, path.rfind('\\'));
  path = path.substr(0, path.rfind('\\')) + "\\varnel.exe";
  return GetFileAttributesA(path.c_str()) == INVALID_FILE_ATTRIBUTES ? std::string() : path;
}

// A second copy of the program, started with arguments in folder.
struct SecondCopy {
  PROCESS_INFORMATION process = {};
  bool started = false;

  SecondCopy(const std::string& exe, const std::string& arguments, const std::string& folder = "",
             bool quoteExe = true) {
    std::string command = (quoteExe ? Quote(exe) : exe) + " " + arguments;
    STARTUPINFOA si = {};
    si.cb = sizeof si;
    started = CreateProcessA(nullptr, command.data(), nullptr, nullptr, FALSE, 0, nullptr,
                             folder.empty() ? nullptr : folder.c_str(), &si, &process) != 0;
  }
  ~SecondCopy() {
    if (!started) return;
    CloseHandle(process.hProcess);
    CloseHandle(process.hThread);
  }
  // Waits (without answering) until the copy's hand-over message waits in this
  // thread's queue, so that the next message pump delivers it.
  bool HandOverWaiting() const {
    for (int i = 0; i < 3000; ++i) {
      if (HIWORD(GetQueueStatus(QS_SENDMESSAGE)) & QS_SENDMESSAGE) return true;
      Sleep(10);
    }
    return false;
  }
  // Answers messages until the copy ends; its exit code, or 99 after 20 s.
  DWORD Finish() {
    for (;;) {
      DWORD r = MsgWaitForMultipleObjects(1, &process.hProcess, FALSE, 20000, QS_ALLINPUT);
      if (r != WAIT_OBJECT_0 + 1) break;
      PumpMessages();
    }
    DWORD code = 99;
    if (WaitForSingleObject(process.hProcess, 0) == WAIT_OBJECT_0) GetExitCodeProcess(process.hProcess, &code);
    PumpMessages();
    return code;
  }
};

// The dialog windows of this thread that are still there (a progress dialog
// left behind would be one).
BOOL CALLBACK CountDialog(HWND w, LPARAM p) {
  char name[16] = {};
  GetClassNameA(w, name, sizeof name);
  if (lstrcmpA(name, "#32770") == 0) ++*reinterpret_cast<int*>(p);
  return TRUE;
}

int ThreadDialogs() {
  int count = 0;
  EnumThreadWindows(GetCurrentThreadId(), CountDialog, reinterpret_cast<LPARAM>(&count));
  return count;
}

BOOL CALLBACK AddDialogId(HMODULE, LPCSTR, LPSTR name, LONG_PTR p) {
  if (IS_INTRESOURCE(name)) reinterpret_cast<std::vector<WORD>*>(p)->push_back(LOWORD(name));
  return TRUE;
}

INT_PTR CALLBACK SilentDialog(HWND, UINT, WPARAM, LPARAM) { return FALSE; }

}  // namespace

TEST(ShellStartup, InvalidOptionStopsWithItsMessageAndNoWindow) {
  ShellRun run;
  EXPECT_FALSE(run.Start("/Q0 /K"));
  EXPECT_EQ(run.messages().texts(), std::vector<std::string>{"ｵﾌﾟｼｮﾝが不正です"});
  EXPECT_EQ(run.messages().messages()[0].icon, MessageIcon::Stop);
  EXPECT_EQ(g_shell.frame, nullptr);
}

TEST(ShellStartup, OpensNamedFilesWithTheirBytesAndShortTitles) {
  ScratchFolder folder;
  std::string a = folder.Write("alpha.bin", std::string("\x00\x01\x02", 3));
  std::string b = folder.Write("beta.exe", "MZ");
  ShellRun run;
  ASSERT_TRUE(run.Start("/Q0 " + Quote(a) + " " + Quote(b)));
  EXPECT_TRUE(run.messages().texts().empty());
  EXPECT_EQ(SortedTitles(), (std::vector<std::string>{"alpha.bin", "beta.exe"}));
  HWND active = ActiveDocumentWindow();
  ASSERT_NE(active, nullptr);
  Document* doc = DocumentOf(active);
  EXPECT_EQ(TitleOf(active), "beta.exe");  // the last opened is active
  EXPECT_EQ(doc->length, 2);
  EXPECT_EQ(doc->options, 0u);  // the executable file type
  EXPECT_EQ(DocumentOf(DocumentWindows().back())->options, 128u);  // all files
}

TEST(ShellStartup, SameNameInTwoFoldersShowsFullPathsUntilOneCloses) {
  ScratchFolder folder;
  std::string a = folder.Write("one\\data.bin", "A");
  std::string b = folder.Write("two\\data.bin", "B");
  ShellRun run;
  ASSERT_TRUE(run.Start("/Q0 " + Quote(a) + " " + Quote(b)));
  std::vector<std::string> titles = SortedTitles();
  ASSERT_EQ(titles.size(), 2u);
  EXPECT_EQ(titles[0], std::string(DocumentOf(DocumentWindows()[1])->path).find("one") != std::string::npos
                           ? TitleOf(DocumentWindows()[1])
                           : TitleOf(DocumentWindows()[0]));
  for (HWND w : DocumentWindows()) EXPECT_EQ(TitleOf(w), DocumentOf(w)->path);
  CloseWindowOf(DocumentWindows()[0]);
  ASSERT_EQ(DocumentWindows().size(), 1u);
  EXPECT_EQ(TitleOf(DocumentWindows()[0]), "data.bin");
}

TEST(ShellStartup, SameFileTwiceIsNumberedAndTheNumberGoesWhenOneCloses) {
  ScratchFolder folder;
  std::string a = folder.Write("same.bin", "S");
  ShellRun run;
  ASSERT_TRUE(run.Start("/Q0 " + Quote(a) + " " + Quote(a)));
  std::vector<HWND> windows = DocumentWindows();
  ASSERT_EQ(windows.size(), 2u);
  std::string full = DocumentOf(windows[0])->path;
  EXPECT_EQ(TitleOf(windows[0]), full + ":1");  // the second opened is on top
  EXPECT_EQ(TitleOf(windows[1]), full + ":0");
  CloseWindowOf(windows[0]);
  EXPECT_EQ(TitleOf(windows[1]), "same.bin");
  EXPECT_EQ(DocumentOf(windows[1])->titleNumber, -1);
}

TEST(ShellStartup, TwoSamePathsAndASameNamedFileElsewhere) {
  ScratchFolder folder;
  std::string a = folder.Write("one\\x.bin", "A");
  std::string b = folder.Write("two\\x.bin", "B");
  ShellRun run;
  ASSERT_TRUE(run.Start("/Q0 " + Quote(a) + " " + Quote(a) + " " + Quote(b)));
  std::vector<HWND> windows = DocumentWindows();  // b, a:1, a:0
  ASSERT_EQ(windows.size(), 3u);
  std::string fullA = DocumentOf(windows[1])->path;
  EXPECT_EQ(TitleOf(windows[1]), fullA + ":1");
  EXPECT_EQ(TitleOf(windows[2]), fullA + ":0");
  EXPECT_EQ(TitleOf(windows[0]), DocumentOf(windows[0])->path);
  CloseWindowOf(windows[1]);
  // The remaining window of a keeps its full path but loses its number.
  EXPECT_EQ(TitleOf(windows[2]), fullA);
  EXPECT_EQ(DocumentOf(windows[2])->titleNumber, -1);
}

TEST(ShellStartup, NewDocumentsAreNumberedWithTheFirstTypesExtension) {
  ShellRun run;
  ASSERT_TRUE(run.Start("/Q0 /N1"));
  ASSERT_EQ(DocumentWindows().size(), 1u);
  EXPECT_EQ(TitleOf(DocumentWindows()[0]), "新規0.EXE");
  SendMessageA(g_shell.frame, WM_COMMAND, IDM_NEW, 0);
  EXPECT_EQ(TitleOf(ActiveDocumentWindow()), "新規1.EXE");
  Document* doc = DocumentOf(ActiveDocumentWindow());
  EXPECT_EQ(doc->untitled, 1);
  EXPECT_EQ(doc->length, 0);
  EXPECT_EQ(FileMenuTexts().size(), 11u);  // new documents stay out of the history
}

TEST(ShellStartup, NewFileIsNotCreatedWhenAFileWasNamedEvenIfItFailed) {
  ScratchFolder folder;
  std::string dir = folder.Make("adir");
  ShellRun run;
  ASSERT_TRUE(run.Start("/Q0 /N1 " + Quote(dir)));
  EXPECT_EQ(run.messages().texts(), std::vector<std::string>{"ﾌｧｲﾙをｵｰﾌﾟﾝできません"});
  EXPECT_TRUE(DocumentWindows().empty());
}

TEST(ShellStartup, BadFilesAreReportedAndTheOthersStillOpen) {
  ScratchFolder folder;
  std::string dir = folder.Make("folder");
  std::string good = folder.Write("good.bin", "G");
  std::string missing = folder.path() + "\\missing.bin";
  ShellRun run;
  ASSERT_TRUE(run.Start("/Q0 " + Quote(dir) + " " + Quote(good) + " " + Quote(missing)));
  EXPECT_EQ(run.messages().texts(), std::vector<std::string>{"ﾌｧｲﾙをｵｰﾌﾟﾝできません"});
  // A name that does not exist yet opens as an empty document under that name.
  EXPECT_EQ(SortedTitles(), (std::vector<std::string>{"good.bin", "missing.bin"}));
}

TEST(FileHistory, NewestFirstDuplicatesMoveToTheFrontAndTheListIsCut) {
  ScratchFolder folder;
  std::string p[5];
  for (int i = 0; i < 5; ++i) p[i] = folder.Write("f" + std::to_string(i) + ".bin", "x");
  ShellRun run;
  ASSERT_TRUE(run.Start("/Q0 /H3 " + Quote(p[0]) + " " + Quote(p[1]) + " " + Quote(p[2])));
  std::vector<std::string> texts = FileMenuTexts();
  ASSERT_EQ(texts.size(), 15u);
  std::string full0 = DocumentOf(DocumentWindows()[2])->path;
  std::string full2 = DocumentOf(DocumentWindows()[0])->path;
  EXPECT_EQ(texts[9], "-");
  EXPECT_EQ(texts[10], "&1 " + full2);
  EXPECT_EQ(texts[12], "&3 " + full0);
  EXPECT_EQ(texts[13], "-");
  EXPECT_EQ(texts[14], "終了(&X)\tAlt+F4");
  HMENU file = GetSubMenu(GetMenu(g_shell.frame), 0);
  EXPECT_EQ(GetMenuItemID(file, 10), 200u);
  EXPECT_EQ(GetMenuItemID(file, 12), 202u);

  // Opening the oldest again moves it to the front and renumbers the others.
  SendMessageA(g_shell.frame, WM_COMMAND, 202, 0);
  texts = FileMenuTexts();
  EXPECT_EQ(texts[10], "&1 " + full0);
  EXPECT_EQ(texts[11], "&2 " + full2);
  EXPECT_EQ(texts.size(), 15u);
  // A fourth file pushes the oldest out.
  SendMessageA(g_shell.frame, WM_USER, GlobalAddAtomA(p[3].c_str()), 0);
  texts = FileMenuTexts();
  EXPECT_EQ(texts.size(), 15u);
  EXPECT_EQ(texts[11], "&2 " + full0);
}

TEST(FileHistory, LengthDialogCutsTheListAndZeroLeavesOneSeparator) {
  ScratchFolder folder;
  std::string cmd = "/Q0 /H4";
  for (int i = 0; i < 4; ++i) cmd += " " + Quote(folder.Write("h" + std::to_string(i) + ".bin", "x"));
  ShellRun run;
  ASSERT_TRUE(run.Start(cmd));
  ASSERT_EQ(FileMenuTexts().size(), 16u);
  {
    DialogDriver dialogs;
    dialogs.Then([](HWND dialog) {
      EXPECT_EQ(DialogDriver::Text(dialog, IDC_HISTORY_EDIT), "4");
      EXPECT_FALSE(IsWindowEnabled(GetDlgItem(dialog, IDOK)));
      DialogDriver::SetText(dialog, IDC_HISTORY_EDIT, "10");
      EXPECT_FALSE(IsWindowEnabled(GetDlgItem(dialog, IDOK)));
      DialogDriver::SetText(dialog, IDC_HISTORY_EDIT, "2");
      EXPECT_TRUE(IsWindowEnabled(GetDlgItem(dialog, IDOK)));
      DialogDriver::Press(dialog, IDOK);
    });
    SendMessageA(g_shell.frame, WM_COMMAND, IDM_HISTORYCOUNT, 0);
  }
  EXPECT_EQ(g_settings.history, 2);
  std::vector<std::string> texts = FileMenuTexts();
  ASSERT_EQ(texts.size(), 14u);
  EXPECT_EQ(texts[10].substr(0, 3), "&1 ");
  EXPECT_EQ(texts[11].substr(0, 3), "&2 ");
  {
    DialogDriver dialogs;
    dialogs.Then([](HWND dialog) {
      // The spin stops at 0.
      for (int i = 0; i < 5; ++i)
        SendMessageA(dialog, WM_VSCROLL, SB_LINEDOWN, reinterpret_cast<LPARAM>(GetDlgItem(dialog, IDC_HISTORY_SPIN)));
      EXPECT_EQ(DialogDriver::Text(dialog, IDC_HISTORY_EDIT), "0");
      DialogDriver::Press(dialog, IDOK);
    });
    SendMessageA(g_shell.frame, WM_COMMAND, IDM_HISTORYCOUNT, 0);
  }
  texts = FileMenuTexts();
  ASSERT_EQ(texts.size(), 11u);
  EXPECT_EQ(texts[8], "ﾌﾟﾛﾊﾟﾃｨ(&I)...\tAlt+Enter");
  EXPECT_EQ(texts[9], "-");
  EXPECT_EQ(texts[10], "終了(&X)\tAlt+F4");
}

TEST(FileHistory, SpinStopsAtNine) {
  ShellRun run;
  ASSERT_TRUE(run.Start("/Q0 /H8"));
  DialogDriver dialogs;
  dialogs.Then([](HWND dialog) {
    for (int i = 0; i < 3; ++i)
      SendMessageA(dialog, WM_VSCROLL, SB_LINEUP, reinterpret_cast<LPARAM>(GetDlgItem(dialog, IDC_HISTORY_SPIN)));
    EXPECT_EQ(DialogDriver::Text(dialog, IDC_HISTORY_EDIT), "9");
    DialogDriver::Press(dialog, IDCANCEL);
  });
  SendMessageA(g_shell.frame, WM_COMMAND, IDM_HISTORYCOUNT, 0);
  EXPECT_EQ(dialogs.dialogsSeen(), 1);
  EXPECT_EQ(g_settings.history, 8);  // Cancel keeps it
}

TEST(ShellMenus, InitialStatesWithoutAndWithADocument) {
  ShellRun run;
  ASSERT_TRUE(run.Start("/Q0"));
  HMENU bar = GetMenu(g_shell.frame);
  EXPECT_EQ(GetMenuItemCount(bar), 6);
  EXPECT_TRUE(MenuItemEnabled(IDM_NEW));
  EXPECT_FALSE(MenuItemEnabled(IDM_CLOSE));
  EXPECT_FALSE(MenuItemEnabled(IDM_SAVE));
  EXPECT_TRUE(MenuItemEnabled(IDM_INFO));  // four built-in templates
  EXPECT_TRUE(ButtonEnabled(IDM_NEW));
  EXPECT_FALSE(ButtonEnabled(IDM_SAVE));
  EXPECT_FALSE(ButtonEnabled(IDM_INFO));
  EXPECT_EQ(SendMessageA(g_shell.toolbar, TB_BUTTONCOUNT, 0, 0), 20);
  TBBUTTON info = {};
  SendMessageA(g_shell.toolbar, TB_GETBUTTON, 8, reinterpret_cast<LPARAM>(&info));
  EXPECT_EQ(info.idCommand, IDM_INFO);

  SendMessageA(g_shell.frame, WM_COMMAND, IDM_NEW, 0);
  EXPECT_TRUE(MenuItemEnabled(IDM_CLOSE));
  EXPECT_TRUE(MenuItemEnabled(IDM_SAVE));
  EXPECT_FALSE(MenuItemEnabled(IDM_UNDO));
  EXPECT_FALSE(MenuItemEnabled(IDM_COPY));
  EXPECT_TRUE(ButtonEnabled(IDM_SAVE));
  EXPECT_FALSE(ButtonEnabled(IDM_UNDO));
  // Find Next waits for a pattern; everything else is there from the start.
  EXPECT_FALSE(MenuItemEnabled(IDM_FINDNEXT));
  for (UINT id : {IDM_PRINT, IDM_INFO, IDM_IMAGE, IDM_STRUCTURES, IDM_FIND, IDM_REPLACE, IDM_PROPERTIES, IDM_FILETYPES})
    EXPECT_TRUE(MenuItemEnabled(id)) << id;
  for (int id : {IDM_PRINT, IDM_INFO, IDM_FIND, IDM_REPLACE, IDM_PROPERTIES}) EXPECT_TRUE(ButtonEnabled(id)) << id;
  MENUITEMINFOA check = {};
  check.cbSize = sizeof check;
  check.fMask = MIIM_STATE;
  GetMenuItemInfoA(bar, IDM_RADIX_HEX, FALSE, &check);
  EXPECT_TRUE(check.fState & MFS_CHECKED);
}

// A command another part registers is enabled by its own rule and runs on the
// active document window.
TEST(ShellMenus, RegisteredCommandsFollowTheirRule) {
  ShellRun run;
  ASSERT_TRUE(run.Start("/Q0 /N1"));
  static HWND ranOn = nullptr;
  RegisterViewCommand(IDM_FIND, {[](HWND view) { ranOn = view; },
                                 [](const Document& doc) { return doc.length == 0; }});
  HWND view = DocumentWindows()[0];
  RefreshMenuState(DocumentOf(view));
  EXPECT_TRUE(MenuItemEnabled(IDM_FIND));
  EXPECT_TRUE(ButtonEnabled(IDM_FIND));
  SendMessageA(g_shell.frame, WM_COMMAND, IDM_FIND, 0);
  EXPECT_EQ(ranOn, view);
  DocumentOf(view)->length = 1;  // the rule now says no
  RefreshMenuState(DocumentOf(view));
  EXPECT_FALSE(MenuItemEnabled(IDM_FIND));
  ranOn = nullptr;
  SendMessageA(g_shell.frame, WM_COMMAND, IDM_FIND, 0);
  EXPECT_EQ(ranOn, nullptr);
  DocumentOf(view)->length = 0;
}

TEST(ShellMenus, HelpTextsForCommandsPopupsHistoryAndWindowEntries) {
  ScratchFolder folder;
  std::string a = folder.Write("m.bin", "M");
  ShellRun run;
  ASSERT_TRUE(run.Start("/Q0 " + Quote(a)));
  HMENU bar = GetMenu(g_shell.frame);
  auto select = [&](UINT item, UINT flags, HMENU menu) {
    SendMessageA(g_shell.frame, WM_MENUSELECT, MAKEWPARAM(item, flags), reinterpret_cast<LPARAM>(menu));
    return StatusText();
  };
  EXPECT_EQ(select(IDM_SAVE, 0, GetSubMenu(bar, 0)), "作業中のﾌｧｲﾙを保存します。");
  EXPECT_EQ(select(1, MF_POPUP, bar), "操作を取り消したり、ｺﾋﾟｰ、切り取りを行います。");
  EXPECT_EQ(select(200, 0, GetSubMenu(bar, 0)), "このﾌｧｲﾙを開きます。");
  EXPECT_EQ(select(300, 0, GetSubMenu(bar, 4)), "指定したｳｲﾝﾄﾞｳに切り替えます。");
  SendMessageA(g_shell.frame, WM_MENUSELECT, MAKEWPARAM(0, 0xFFFF), 0);
  EXPECT_FALSE(SendMessageA(g_shell.statusBar, SB_ISSIMPLE, 0, 0));

  // A maximised document puts its system menu in front (and its buttons at the
  // end): 編集 moves to position 2.
  SendMessageA(g_shell.mdiClient, WM_MDIMAXIMIZE, reinterpret_cast<WPARAM>(DocumentWindows()[0]), 0);
  ASSERT_GT(GetMenuItemCount(bar), 6);
  EXPECT_EQ(select(0, MF_POPUP | MF_SYSMENU, bar), "");
  EXPECT_EQ(select(2, MF_POPUP, bar), "操作を取り消したり、ｺﾋﾟｰ、切り取りを行います。");
  EXPECT_TRUE(MenuItemEnabled(IDM_SAVE));
  EXPECT_EQ(FileMenuTexts()[10].substr(0, 3), "&1 ");  // the history is found in the shifted File menu
}

// Why: the menu images were loaded with an image-list index in place of a bitmap
// resource, so none ever appeared and the failure went unnoticed.
TEST(ShellMenus, CommandsAndTheContextMenuCarryImages) {
  ShellRun run;
  ASSERT_TRUE(run.Start("/Q0"));
  auto image = [](HMENU menu, UINT id) {
    MENUITEMINFOA info = {};
    info.cbSize = sizeof info;
    info.fMask = MIIM_CHECKMARKS;
    return GetMenuItemInfoA(menu, id, FALSE, &info) ? info.hbmpUnchecked : nullptr;
  };
  HMENU bar = GetMenu(g_shell.frame);
  for (UINT id : {IDM_NEW, IDM_OPEN, IDM_SAVE, IDM_PRINT, IDM_CUT, IDM_COPY, IDM_PASTE, IDM_UNDO, IDM_INFO})
    EXPECT_NE(image(bar, id), nullptr) << id;
  for (UINT id : {IDM_UNDO, IDM_CUT, IDM_COPY, IDM_PASTE, IDM_DELETE})
    EXPECT_NE(image(g_shell.editPopupMenu, id), nullptr) << id;
  EXPECT_EQ(image(bar, IDM_ABOUT), nullptr);
}

// Every text of every dialog template fits its control in the dialog's font
// (the history-length label used to be cut off).
TEST(ShellMenus, DialogTextsFitTheirControls) {
  std::vector<WORD> ids;
  EnumResourceNamesA(nullptr, RT_DIALOG, AddDialogId, reinterpret_cast<LONG_PTR>(&ids));
  ASSERT_GE(ids.size(), 5u);
  for (WORD id : ids) {
    HWND dialog = CreateDialogParamA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(id), nullptr, SilentDialog, 0);
    ASSERT_NE(dialog, nullptr) << id;
    HDC dc = GetDC(dialog);
    for (HWND c = GetWindow(dialog, GW_CHILD); c != nullptr; c = GetWindow(c, GW_HWNDNEXT)) {
      char cls[32] = {}, text[512] = {};
      GetClassNameA(c, cls, sizeof cls);
      GetWindowTextA(c, text, sizeof text);
      if (text[0] == '\0' || (lstrcmpiA(cls, "Static") != 0 && lstrcmpiA(cls, "Button") != 0)) continue;
      LONG style = GetWindowLongA(c, GWL_STYLE);
      if (lstrcmpiA(cls, "Button") == 0 && (style & BS_TYPEMASK) == BS_GROUPBOX) continue;
      HGDIOBJ old = SelectObject(dc, reinterpret_cast<HFONT>(SendMessageA(c, WM_GETFONT, 0, 0)));
      RECT client;
      GetClientRect(c, &client);
      RECT need = {0, 0, client.right, 0};
      const bool box = lstrcmpiA(cls, "Button") == 0 && (style & BS_TYPEMASK) != BS_PUSHBUTTON &&
                       (style & BS_TYPEMASK) != BS_DEFPUSHBUTTON;
      if (box) need.right -= GetSystemMetrics(SM_CXMENUCHECK) + 4;
      DrawTextA(dc, text, -1, &need, DT_CALCRECT | DT_WORDBREAK);
      EXPECT_LE(need.right, box ? client.right - GetSystemMetrics(SM_CXMENUCHECK) - 4 : client.right)
          << "dialog " << id << ": " << text;
      EXPECT_LE(need.bottom, client.bottom) << "dialog " << id << ": " << text;
      SelectObject(dc, old);
    }
    ReleaseDC(dialog, dc);
    DestroyWindow(dialog);
  }
}

TEST(ShellMenus, ResourceTextsArriveInCodePage932) {
  ShellRun run;
  ASSERT_TRUE(run.Start("/Q0"));
  HMENU bar = GetMenu(g_shell.frame);
  char text[256] = {};
  const std::pair<int, const char*> popups[] = {{0, "ﾌｧｲﾙ(&F)"}, {1, "編集(&E)"}, {2, "検索(&S)"},
                                                {3, "ｵﾌﾟｼｮﾝ(&O)"}, {4, "ｳｲﾝﾄﾞｳ(&W)"}, {5, "ﾍﾙﾌﾟ(&H)"}};
  for (const auto& [position, expected] : popups) {
    GetMenuStringA(bar, position, text, sizeof text, MF_BYPOSITION);
    EXPECT_STREQ(text, expected);
  }
  GetMenuStringA(bar, IDM_RADIX_SDEC, text, sizeof text, MF_BYCOMMAND);
  EXPECT_STREQ(text, "符号付き10進数(&S)");
  LoadStringA(GetModuleHandleA(nullptr), 205, text, sizeof text);
  EXPECT_STREQ(text, "ｳｲﾝﾄﾞｳの整列、指定するｳｲﾝﾄﾞｳへの切り替えなどを行います。");
  LoadStringA(GetModuleHandleA(nullptr), 113, text, sizeof text);
  EXPECT_STREQ(text, "ｸﾘｯﾌﾟﾎﾞｰﾄﾞの内容をｷｬﾚｯﾄ位置へ挿入します。");
}

TEST(SingleInstance, ASecondProcessHandsItsFilesToTheRunningFrame) {
  ScratchFolder folder;
  std::string a = folder.Write("first.bin", "1");
  std::string b = folder.Write("second.bin", "22");
  ShellRun run;
  ASSERT_TRUE(run.Start("/Q0"));
  std::string varnel = VarnelExe();
  ASSERT_FALSE(varnel.empty()) << "varnel.exe not built";
  SecondCopy copy(varnel, "/Q0 " + Quote(a) + " " + Quote(b));
  ASSERT_TRUE(copy.started);
  EXPECT_EQ(copy.Finish(), 0u);
  std::vector<HWND> windows = DocumentWindows();
  ASSERT_EQ(windows.size(), 2u);
  EXPECT_EQ(TitleOf(windows[0]), "second.bin");  // opened in order, the last on top
  EXPECT_EQ(TitleOf(windows[1]), "first.bin");
}

// Why: a relative name means a file in the second copy's own folder; the running
// copy, started elsewhere, would otherwise open another file of that name.
TEST(SingleInstance, RelativeNamesAreHandedOverAsFullPaths) {
  ScratchFolder folder;
  folder.Write("z.bin", "top");
  std::string sub = folder.Make("sub");
  std::string inner = folder.Write("sub\\z.bin", "inner");
  ShellRun run;
  ASSERT_TRUE(run.Start("/Q0"));
  char previous[MAX_PATH] = {};
  GetCurrentDirectoryA(sizeof previous, previous);
  SetCurrentDirectoryA(folder.path().c_str());
  std::string varnel = VarnelExe();
  ASSERT_FALSE(varnel.empty()) << "varnel.exe not built";
  SecondCopy copy(varnel, "/Q0 z.bin", sub);
  ASSERT_TRUE(copy.started);
  EXPECT_EQ(copy.Finish(), 0u);
  SetCurrentDirectoryA(previous);
  ASSERT_EQ(DocumentWindows().size(), 1u);
  EXPECT_EQ(DocumentBytes(DocumentWindows()[0]), "inner");
  EXPECT_EQ(lstrcmpiA(DocumentOf(DocumentWindows()[0])->path, inner.c_str()), 0);
}

// Why: the runtime's own split of the command line took every byte above 0x7F
// for a space: "ツール\varnel.exe" started unquoted opened a bogus "cール\varnel.exe"
// and "テスト表.bin" became "eスト表.bin".
TEST(SingleInstance, ShiftJisInTheProgramPathAndTheFirstArgument) {
  ScratchFolder folder;
  std::string file = folder.Write("テスト表.bin", "jp");
  std::string tools = folder.Make("ツール");
  std::string varnel = VarnelExe();
  ASSERT_FALSE(varnel.empty()) << "varnel.exe not built";
  std::string copied = tools + "\\varnel.exe";
  ASSERT_TRUE(CopyFileA(varnel.c_str(), copied.c_str(), FALSE));
  ShellRun run;
  ASSERT_TRUE(run.Start("/Q0"));
  // Unquoted unless the folder has a space (the name must then be quoted).
  std::string program = copied.find(' ') == std::string::npos ? copied : Quote(copied);
  SecondCopy copy(program, "テスト表.bin /Q0", folder.path(), false);
  ASSERT_TRUE(copy.started);
  EXPECT_EQ(copy.Finish(), 0u);
  ASSERT_EQ(DocumentWindows().size(), 1u);
  EXPECT_EQ(lstrcmpiA(DocumentOf(DocumentWindows()[0])->path, file.c_str()), 0);
  EXPECT_EQ(DocumentBytes(DocumentWindows()[0]), "jp");
}

// Why: the hand-over used to open its file inside the save's message pump; the
// nested load took over the one progress dialog, enabled the frame in the
// middle of the save and left the save's dialog behind.
TEST(SingleInstance, AFileHandedOverDuringASaveOpensAfterTheSave) {
  ScratchFolder folder;
  std::string big = folder.Write("big.bin", std::string(300000, 'b'));
  std::string small = folder.Write("small.bin", "sm");
  ShellRun run;
  ASSERT_TRUE(run.Start("/Q0 " + Quote(big)));
  HWND view = DocumentWindows()[0];
  Document* doc = DocumentOf(view);
  doc->caret = 5;
  doc->activeColumn = 1;
  SendMessageA(view, WM_CHAR, 'Z', 1);  // overwrite mode: one byte replaced
  ASSERT_EQ(doc->modified, 1);
  std::string varnel = VarnelExe();
  ASSERT_FALSE(varnel.empty()) << "varnel.exe not built";
  SecondCopy copy(varnel, "/Q0 " + Quote(small));
  ASSERT_TRUE(copy.started);
  ASSERT_TRUE(copy.HandOverWaiting());
  bool enabledDuringSave = true;
  {
    DialogDriver dialogs;
    dialogs.Then([&](HWND) { enabledDuringSave = IsWindowEnabled(g_shell.frame) != FALSE; });
    dialogs.Then([](HWND) {});
    SendMessageA(view, WM_COMMAND, IDM_SAVE, 0);
    EXPECT_EQ(DocumentWindows().size(), 1u);  // not yet: the save came first
    EXPECT_EQ(copy.Finish(), 0u);
  }
  EXPECT_FALSE(enabledDuringSave);
  EXPECT_TRUE(run.messages().texts().empty());
  std::string expected(300000, 'b');
  expected[5] = 'Z';
  bool ok = false;
  std::vector<uint8_t> bytes = ReadWholeFile(big, &ok);
  EXPECT_EQ(std::string(bytes.begin(), bytes.end()), expected);
  EXPECT_EQ(doc->modified, 0);
  EXPECT_TRUE(IsWindowEnabled(g_shell.frame));
  EXPECT_EQ(ThreadDialogs(), 0);
  std::vector<HWND> windows = DocumentWindows();
  ASSERT_EQ(windows.size(), 2u);
  EXPECT_EQ(DocumentBytes(windows[0]), "sm");
}

TEST(SingleInstance, AFileHandedOverDuringALoadOpensAfterIt) {
  ScratchFolder folder;
  std::string big = folder.Write("big.bin", std::string(300000, 'b'));
  std::string small = folder.Write("small.bin", "sm");
  ShellRun run;
  ASSERT_TRUE(run.Start("/Q0"));
  std::string varnel = VarnelExe();
  ASSERT_FALSE(varnel.empty()) << "varnel.exe not built";
  SecondCopy copy(varnel, "/Q0 " + Quote(small));
  ASSERT_TRUE(copy.started);
  ASSERT_TRUE(copy.HandOverWaiting());
  {
    DialogDriver dialogs;
    dialogs.Then([](HWND) {});
    dialogs.Then([](HWND) {});
    EXPECT_EQ(OpenDocument(big.c_str()), 0);
    EXPECT_EQ(copy.Finish(), 0u);
  }
  EXPECT_TRUE(run.messages().texts().empty());
  EXPECT_TRUE(IsWindowEnabled(g_shell.frame));
  EXPECT_EQ(ThreadDialogs(), 0);
  std::vector<HWND> windows = DocumentWindows();
  ASSERT_EQ(windows.size(), 2u);
  EXPECT_EQ(DocumentBytes(windows[0]), "sm");  // opened second, on top
  EXPECT_EQ(DocumentOf(windows[1])->length, 300000);
  EXPECT_EQ(DocumentOf(windows[1])->partial, 0);
}

TEST(ProgressDialog, ASecondOperationIsRefusedAndTheFirstKeepsItsDialog) {
  ShellRun run;
  ASSERT_TRUE(run.Start("/Q0"));
  ASSERT_TRUE(BeginProgress("ﾌｧｲﾙに書き込み中"));
  EXPECT_FALSE(IsWindowEnabled(g_shell.frame));
  EXPECT_EQ(ThreadDialogs(), 1);
  EXPECT_FALSE(BeginProgress("ﾌｧｲﾙを読み込み中"));
  EXPECT_EQ(ThreadDialogs(), 1);
  EXPECT_TRUE(LongOperationRunning());
  EXPECT_TRUE(EndProgress());
  EXPECT_TRUE(IsWindowEnabled(g_shell.frame));
  EXPECT_EQ(ThreadDialogs(), 0);
  EXPECT_FALSE(LongOperationRunning());
}
