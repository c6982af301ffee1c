// End to end: varnel.exe runs twice under Wine. The first run writes the registry
// key when its window is closed (the creation question answered in the real
// message box), the second run reads it back: its window opens where the stored
// "rect" says and its exit writes the values it read.
#include <gtest/gtest.h>
#include <windows.h>

#include <string>

#include "resources/resource_ids.h"
#include "support/settings_registry_win.h"

namespace {

const char kFrameClass[] = "Varnel Main Window Class";
const char kQuestion[] = "ﾚｼﾞｽﾄﾘに\nHKEY_CURRENT_USER\\Software\\Halvorsk\\Varnel\nを新規作成します。";
constexpr DWORD kWaitMs = 30000;

std::string ProgramPath() {
  char path[MAX_PATH];
  DWORD n = GetModuleFileNameA(nullptr, path, sizeof path);
  std::string self(path, n);
  std::string dir = self.substr(0, self.rfind('\\'));  // ...\tests
  return dir.substr(0, dir.rfind('\\')) + "\\varnel.exe";
}

struct Search {
  DWORD process;
  const char* className;
  HWND found;
};

BOOL CALLBACK MatchWindow(HWND window, LPARAM param) {
  auto* s = reinterpret_cast<Search*>(param);
  DWORD process = 0;
  GetWindowThreadProcessId(window, &process);
  char name[64] = {};
  GetClassNameA(window, name, sizeof name);
  if (process == s->process && std::string(name) == s->className && IsWindowVisible(window)) {
    s->found = window;
    return FALSE;
  }
  return TRUE;
}

HWND FindTopLevel(DWORD process, const char* className) {
  Search s{process, className, nullptr};
  EnumWindows(MatchWindow, reinterpret_cast<LPARAM>(&s));
  return s.found;
}

struct DialogSearch {
  DWORD process;
  int control;
  HWND found;
};

BOOL CALLBACK MatchDialog(HWND window, LPARAM param) {
  auto* s = reinterpret_cast<DialogSearch*>(param);
  DWORD process = 0;
  GetWindowThreadProcessId(window, &process);
  char name[16] = {};
  GetClassNameA(window, name, sizeof name);
  if (process == s->process && std::string(name) == "#32770" && IsWindowVisible(window) &&
      GetDlgItem(window, s->control) != nullptr) {
    s->found = window;
    return FALSE;
  }
  return TRUE;
}

// The visible dialog of the process that has the control, waiting for it to appear.
HWND WaitForDialog(DWORD process, int control) {
  for (DWORD waited = 0; waited < kWaitMs; waited += 50) {
    DialogSearch s{process, control, nullptr};
    EnumWindows(MatchDialog, reinterpret_cast<LPARAM>(&s));
    if (s.found != nullptr) return s.found;
    Sleep(50);
  }
  return nullptr;
}

void Press(HWND dialog, int button) {
  PostMessageA(dialog, WM_COMMAND, MAKEWPARAM(button, BN_CLICKED), reinterpret_cast<LPARAM>(GetDlgItem(dialog, button)));
}

BOOL CALLBACK LongestStatic(HWND child, LPARAM param) {
  char name[32] = {};
  GetClassNameA(child, name, sizeof name);
  if (lstrcmpiA(name, "Static") == 0) {
    char text[512] = {};
    GetWindowTextA(child, text, sizeof text);
    auto* best = reinterpret_cast<std::string*>(param);
    if (std::string(text).size() > best->size()) *best = text;
  }
  return TRUE;
}

// One run of varnel.exe with its process handle; ended by the destructor if still alive.
class ProgramRun {
 public:
  explicit ProgramRun(const std::string& arguments) {
    std::string line = "\"" + ProgramPath() + "\" " + arguments;
    STARTUPINFOA si = {};
    si.cb = sizeof si;
    started_ = CreateProcessA(nullptr, line.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &si, &info_) != 0;
  }
  ~ProgramRun() {
    if (!started_) return;
    if (WaitForSingleObject(info_.hProcess, 0) == WAIT_TIMEOUT) TerminateProcess(info_.hProcess, 1);
    CloseHandle(info_.hProcess);
    CloseHandle(info_.hThread);
  }
  bool started() const { return started_; }

  // The visible window of the class in this process, waiting for it to appear.
  HWND WaitForWindow(const char* className) {
    for (DWORD waited = 0; waited < kWaitMs; waited += 50) {
      if (HWND w = FindTopLevel(info_.dwProcessId, className)) return w;
      if (WaitForSingleObject(info_.hProcess, 50) == WAIT_OBJECT_0) return nullptr;
    }
    return nullptr;
  }

  // Waits for the end of the process; a message box shown meanwhile is recorded
  // in *boxText and answered with answer.
  bool WaitForExit(int answer, std::string* boxText) {
    for (DWORD waited = 0; waited < kWaitMs; waited += 50) {
      if (WaitForSingleObject(info_.hProcess, 50) == WAIT_OBJECT_0) return true;
      if (HWND box = FindTopLevel(info_.dwProcessId, "#32770")) {
        std::string text;
        EnumChildWindows(box, LongestStatic, reinterpret_cast<LPARAM>(&text));
        if (boxText->empty()) *boxText = text;
        PostMessageA(box, WM_COMMAND, MAKEWPARAM(answer, BN_CLICKED), reinterpret_cast<LPARAM>(GetDlgItem(box, answer)));
        Sleep(200);
      }
    }
    return false;
  }

  DWORD id() const { return info_.dwProcessId; }

  DWORD ExitCode() const {
    DWORD code = 0;
    GetExitCodeProcess(info_.hProcess, &code);
    return code;
  }

 private:
  PROCESS_INFORMATION info_ = {};
  bool started_ = false;
};

std::vector<BYTE> RectBytes(int32_t l, int32_t t, int32_t r, int32_t b) {
  std::vector<BYTE> out;
  for (int32_t v : {l, t, r, b}) {
    for (int i = 0; i < 4; ++i) out.push_back(static_cast<BYTE>(static_cast<uint32_t>(v) >> (8 * i)));
  }
  return out;
}

class StartupPersistence : public ProgramKeyTest {
 protected:
  void SetUp() override {
    ProgramKeyTest::SetUp();
    if (GetFileAttributesA(ProgramPath().c_str()) == INVALID_FILE_ATTRIBUTES) {
      GTEST_SKIP() << "varnel.exe is not built beside the tests folder";
    }
    char dir[MAX_PATH];
    GetTempPathA(sizeof dir, dir);
    // A named INI file that does not exist: the runs must not depend on files beside the program.
    noIni_ = std::string("/I") + dir + "varnel_no_such_file.ini";
  }
  std::string noIni_;
};

TEST_F(StartupPersistence, FirstRunCreatesTheKeyAndTheSecondReadsItBack) {
  {
    ProgramRun run("/W100,120,500,400 /H7 " + noIni_);
    ASSERT_TRUE(run.started());
    HWND frame = run.WaitForWindow(kFrameClass);
    ASSERT_NE(frame, nullptr);
    RECT r;
    GetWindowRect(frame, &r);
    EXPECT_EQ(r.left, 100);
    EXPECT_EQ(r.top, 120);
    EXPECT_EQ(r.right, 600);
    EXPECT_EQ(r.bottom, 520);
    EXPECT_FALSE(ProgramKeyExists());
    PostMessageA(frame, WM_CLOSE, 0, 0);
    std::string question;
    ASSERT_TRUE(run.WaitForExit(IDOK, &question));
    EXPECT_EQ(question, kQuestion);
    EXPECT_EQ(run.ExitCode(), 0u);
  }
  ASSERT_TRUE(ProgramKeyExists());
  EXPECT_EQ(GetRawValue("", "rect").data, RectBytes(100, 120, 600, 520));
  EXPECT_EQ(GetRawValue("", "history").data, (std::vector<BYTE>{7, 0, 0, 0}));
  EXPECT_EQ(GetRawValue("", "ftnum").data, (std::vector<BYTE>{2, 0, 0, 0}));
  EXPECT_EQ(GetRawValue("", "imnum").data, (std::vector<BYTE>{4, 0, 0, 0}));
  EXPECT_EQ(GetRawValue("FILETYPE1", "color").data.size(), 1044u);
  EXPECT_EQ(GetRawValue("INFOMATION3", "info").data, (std::vector<BYTE>{10, 0, 0, 0}));
  EXPECT_TRUE(GetRawValue("", "history9").found);

  // What a user (or another tool) changes between the runs must come back.
  PutRawValue("", "rect", REG_BINARY, RectBytes(50, 60, 450, 360));
  PutRawDword("", "margin", 300);
  PutRawDword("", "newfile", 0);
  {
    ProgramRun run(noIni_);
    ASSERT_TRUE(run.started());
    HWND frame = run.WaitForWindow(kFrameClass);
    ASSERT_NE(frame, nullptr);
    RECT r;
    GetWindowRect(frame, &r);
    EXPECT_EQ(r.left, 50);
    EXPECT_EQ(r.top, 60);
    EXPECT_EQ(r.right, 450);
    EXPECT_EQ(r.bottom, 360);
    PostMessageA(frame, WM_CLOSE, 0, 0);
    std::string message;
    ASSERT_TRUE(run.WaitForExit(IDCANCEL, &message));
    EXPECT_EQ(message, "");  // the key exists: nothing is asked
  }
  EXPECT_EQ(GetRawValue("", "rect").data, RectBytes(50, 60, 450, 360));
  EXPECT_EQ(GetRawValue("", "history").data, (std::vector<BYTE>{7, 0, 0, 0}));
  EXPECT_EQ(GetRawValue("", "margin").data, (std::vector<BYTE>{0x2C, 1, 0, 0}));
  EXPECT_TRUE(GetRawValue("", "newfile").found);  // never written, never deleted
  EXPECT_EQ(GetRawValue("", "imnum").data, (std::vector<BYTE>{4, 0, 0, 0}));
}

TEST_F(StartupPersistence, CancellingTheQuestionLeavesNoKey) {
  ProgramRun run(noIni_);
  ASSERT_TRUE(run.started());
  HWND frame = run.WaitForWindow(kFrameClass);
  ASSERT_NE(frame, nullptr);
  PostMessageA(frame, WM_CLOSE, 0, 0);
  std::string question;
  ASSERT_TRUE(run.WaitForExit(IDCANCEL, &question));
  EXPECT_EQ(question, kQuestion);
  EXPECT_FALSE(ProgramKeyExists());
}

}  // namespace

namespace {

// A file type changed in the dialogs of one run (octal numbers, its own background)
// is stored at exit; the next run opens a file of that type with both.
TEST_F(StartupPersistence, AChangedFileTypeReachesTheNextRun) {
  const COLORREF back = RGB(0x20, 0x90, 0x40);
  {
    ProgramRun run(noIni_);
    ASSERT_TRUE(run.started());
    HWND frame = run.WaitForWindow(kFrameClass);
    ASSERT_NE(frame, nullptr);
    PostMessageA(frame, WM_COMMAND, IDM_FILETYPES, 0);
    HWND list = WaitForDialog(run.id(), IDC_FTLIST_NEW);
    ASSERT_NE(list, nullptr);
    Press(list, IDC_FTLIST_EDIT);  // the first type, the executable files
    HWND detail = WaitForDialog(run.id(), IDC_FTDETAIL_TEXT);
    ASSERT_NE(detail, nullptr);
    SendDlgItemMessageA(detail, IDC_PROP_RADIX_OCT, BM_CLICK, 0, 0);
    HWND colors = GetDlgItem(detail, IDC_PROP_COLORLIST);
    SendMessageA(colors, LB_SETSEL, TRUE, 1);
    SendMessageA(detail, WM_COMMAND, MAKEWPARAM(IDC_PROP_COLORLIST, LBN_SELCHANGE), reinterpret_cast<LPARAM>(colors));
    Press(detail, IDC_PROP_CHANGECOLOR);
    HWND picker = WaitForDialog(run.id(), 706);
    ASSERT_NE(picker, nullptr);
    SetDlgItemInt(picker, 706, GetRValue(back), FALSE);
    SetDlgItemInt(picker, 707, GetGValue(back), FALSE);
    SetDlgItemInt(picker, 708, GetBValue(back), FALSE);
    Press(picker, IDOK);
    while (IsWindow(picker)) Sleep(20);
    Press(detail, IDOK);
    Press(list, IDCANCEL);
    PostMessageA(frame, WM_CLOSE, 0, 0);
    std::string question;
    ASSERT_TRUE(run.WaitForExit(IDOK, &question));
  }
  EXPECT_EQ(GetRawValue("FILETYPE0", "view").data, (std::vector<BYTE>{1, 0, 0, 0}));

  char dir[MAX_PATH];
  GetTempPathA(sizeof dir, dir);
  const std::string file = std::string(dir) + "varnel_persist_probe.exe";
  HANDLE h = CreateFileA(file.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
  DWORD written = 0;
  WriteFile(h, "MZ", 2, &written, nullptr);
  CloseHandle(h);
  {
    ProgramRun run(noIni_ + " \"" + file + "\"");
    ASSERT_TRUE(run.started());
    HWND frame = run.WaitForWindow(kFrameClass);
    ASSERT_NE(frame, nullptr);
    HWND view = nullptr;
    for (DWORD waited = 0; view == nullptr && waited < kWaitMs; waited += 50, Sleep(50))
      view = FindWindowExA(FindWindowExA(frame, nullptr, "MDIClient", nullptr), nullptr, "BINClass", nullptr);
    ASSERT_NE(view, nullptr);
    RECT client;
    GetClientRect(view, &client);
    POINT below{client.right / 2, client.bottom - 6};  // under the one line of data
    ClientToScreen(view, &below);
    HDC screen = GetDC(nullptr);
    COLORREF shown = CLR_INVALID;
    for (DWORD waited = 0; shown != back && waited < kWaitMs; waited += 50, Sleep(50))
      shown = GetPixel(screen, below.x, below.y);
    ReleaseDC(nullptr, screen);
    EXPECT_EQ(shown, back);
    PostMessageA(frame, WM_COMMAND, IDM_PROPERTIES, 0);
    HWND properties = WaitForDialog(run.id(), IDC_PROP_LOADTYPE);
    ASSERT_NE(properties, nullptr);
    EXPECT_EQ(IsDlgButtonChecked(properties, IDC_PROP_RADIX_OCT), BST_CHECKED);
    EXPECT_EQ(SendDlgItemMessageA(properties, IDC_PROP_COLORLIST, LB_GETITEMDATA, 1, 0), static_cast<LRESULT>(back));
    Press(properties, IDCANCEL);
    PostMessageA(frame, WM_CLOSE, 0, 0);
    std::string message;
    ASSERT_TRUE(run.WaitForExit(IDCANCEL, &message));
    EXPECT_EQ(message, "");
  }
  DeleteFileA(file.c_str());
}

}  // namespace
