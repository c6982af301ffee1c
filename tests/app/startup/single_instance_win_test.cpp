// A second copy of varnel.exe hands its files to the running frame: in order,
// as full paths, with Shift-JIS names intact, and only after a save or load
// under way has ended.
#include <windows.h>

#include <gtest/gtest.h>

#include "app/documents/open_document_win.h"
#include "core/document.h"
#include "hexview/hex_view_win.h"
#include "resources/resource_ids.h"
#include "shell/shell.h"
#include "support/dialog_driver_win.h"
#include "support/shell_fixture_win.h"

namespace {

// varnel.exe of the build the tests belong to.
std::string VarnelExe() {
  char exe[MAX_PATH] = {};
  std::string path(exe, GetModuleFileNameA(nullptr, exe, sizeof exe));
  path = path.substr(0, path.rfind('\\'));
  return path.substr(0, path.rfind('\\')) + "\\varnel.exe";
}

// A second copy of the program, started with arguments in folder; Finish() ends it.
struct SecondCopy {
  PROCESS_INFORMATION process = {};

  explicit SecondCopy(const std::string& arguments, const std::string& program = Quote(VarnelExe()),
                      const std::string& folder = "") {
    std::string command = program + " " + arguments;
    STARTUPINFOA si = {};
    si.cb = sizeof si;
    CreateProcessA(nullptr, command.data(), nullptr, nullptr, FALSE, 0, nullptr,
                   folder.empty() ? nullptr : folder.c_str(), &si, &process);
  }
  // Waits (without answering) until the copy's hand-over waits in this thread's
  // queue, so that the next message pump delivers it.
  bool HandOverWaiting() const {
    for (int i = 0; i < 3000; ++i) {
      if (HIWORD(GetQueueStatus(QS_SENDMESSAGE)) & QS_SENDMESSAGE) return true;
      Sleep(10);
    }
    return false;
  }
  // Answers messages until the copy ends; its exit code, or 99 after 20 s.
  DWORD Finish() {
    while (MsgWaitForMultipleObjects(1, &process.hProcess, FALSE, 20000, QS_ALLINPUT) == WAIT_OBJECT_0 + 1) {
      PumpMessages();
    }
    DWORD code = 99;
    if (WaitForSingleObject(process.hProcess, 0) == WAIT_OBJECT_0) GetExitCodeProcess(process.hProcess, &code);
    PumpMessages();
    CloseHandle(process.hProcess);
    CloseHandle(process.hThread);
    return code;
  }
};

// Why: a relative name means a file in the second copy's own folder; the running
// copy, started elsewhere, would otherwise open another file of that name. And the
// runtime's own split of the command line took every byte above 0x7F for a space:
// "ツール\varnel.exe" started unquoted opened a bogus "cール\varnel.exe" and
// "テスト表.bin" became "eスト表.bin". The files open in order, the last on top.
// Then: the hand-over used to open its file inside the save's message pump; the
// nested load took over the one progress dialog, enabled the frame in the middle
// of the save and left the save's dialog behind. A load waits for it the same way.
TEST(HandOverFiles, FullPathsWholeShiftJisNamesAndNotDuringASaveOrLoad) {
  ScratchFolder folder;
  folder.Write("z.bin", "top");
  std::string inner = folder.Write("sub\\z.bin", "inner");
  std::string file = folder.Write("テスト表.bin", "jp");
  folder.Write("second.bin", "22");
  std::string big = folder.Write("big.bin", std::string(300000, 'b'));
  std::string other = folder.Write("other.bin", std::string(300000, 'o'));
  std::string copied = folder.Make("ツール") + "\\varnel.exe";
  ASSERT_TRUE(CopyFileA(VarnelExe().c_str(), copied.c_str(), FALSE)) << "varnel.exe not built";
  ShellRun run;
  ASSERT_TRUE(run.Start("/Q0 " + Quote(big)));
  char previous[MAX_PATH] = {};
  GetCurrentDirectoryA(sizeof previous, previous);
  SetCurrentDirectoryA(folder.path().c_str());
  SecondCopy relative("/Q0 z.bin", Quote(VarnelExe()), folder.File("sub"));
  EXPECT_EQ(relative.Finish(), 0u);
  SetCurrentDirectoryA(previous);
  // Unquoted unless the folder has a space (the name must then be quoted).
  SecondCopy copy("テスト表.bin /Q0 second.bin", copied.find(' ') == std::string::npos ? copied : Quote(copied),
                  folder.path());
  EXPECT_EQ(copy.Finish(), 0u);
  std::vector<HWND> windows = DocumentWindows();
  ASSERT_EQ(windows.size(), 4u);
  EXPECT_EQ(DocumentBytes(windows[0]) + DocumentBytes(windows[1]) + DocumentBytes(windows[2]), "22jpinner");
  EXPECT_EQ(lstrcmpiA(DocumentOf(windows[1])->path, file.c_str()), 0);
  EXPECT_EQ(lstrcmpiA(DocumentOf(windows[2])->path, inner.c_str()), 0);

  HWND view = windows[3];
  Document* doc = DocumentOf(view);
  doc->caret = 5;
  doc->activeColumn = 1;
  SendMessageA(view, WM_CHAR, 'Z', 1);  // overwrite mode: one byte replaced
  ASSERT_EQ(doc->modified, 1);
  for (bool save : {true, false}) {
    SecondCopy copy("/Q0 " + Quote(folder.Write(save ? "s.bin" : "l.bin", save ? "sm" : "lo")));
    ASSERT_TRUE(copy.HandOverWaiting());
    bool enabledDuring = true;
    size_t count = DocumentWindows().size();
    {
      DialogDriver dialogs;
      dialogs.Then([&](HWND) { enabledDuring = IsWindowEnabled(g_shell.frame) != FALSE; });
      dialogs.Then([](HWND) {});
      if (save) {
        SendMessageA(view, WM_COMMAND, IDM_SAVE, 0);
      } else {
        EXPECT_EQ(OpenDocument(other.c_str()), 0);
      }
      EXPECT_EQ(DocumentWindows().size(), count + !save);  // not yet: the save or load came first
      EXPECT_EQ(copy.Finish(), 0u);
    }
    EXPECT_FALSE(enabledDuring);
    EXPECT_TRUE(run.messages().texts().empty());
    EXPECT_TRUE(IsWindowEnabled(g_shell.frame));
    EXPECT_EQ(ThreadDialogs(), 0);
    EXPECT_EQ(DocumentBytes(DocumentWindows()[0]), save ? "sm" : "lo");  // opened last, on top
  }
  std::string expected(300000, 'b');
  expected[5] = 'Z';
  std::vector<uint8_t> bytes = ReadWholeFile(big);
  EXPECT_TRUE(std::string(bytes.begin(), bytes.end()) == expected);
  EXPECT_EQ(doc->modified, 0);
  windows = DocumentWindows();
  ASSERT_EQ(windows.size(), 7u);
  EXPECT_EQ(DocumentOf(windows[1])->length, 300000);
  EXPECT_EQ(DocumentOf(windows[1])->partial, 0);
}

}  // namespace
