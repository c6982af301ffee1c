// End to end: the program runs twice under Wine (varnel_test_host.exe, which
// maps HKEY_CURRENT_USER to this test's own key). The first run writes the
// settings when its window is closed (the creation question answered in the
// real message box); the second reads them back: its window opens where the
// stored "rect" says and its exit writes the values it read.
#include <windows.h>

#include <gtest/gtest.h>

#include <functional>
#include <string>

#include "resources/resource_ids.h"
#include "support/settings_memory_store.h"
#include "support/settings_registry_win.h"
#include "support/settings_samples.h"

namespace {

const char kFrameClass[] = "Varnel Main Window Class";
const char kQuestion[] = "ﾚｼﾞｽﾄﾘに\nHKEY_CURRENT_USER\\Software\\Halvorsk\\Varnel\nを新規作成します。";
const std::string kProgramKey = "Software\\Halvorsk\\Varnel";  // below the stand-in for HKEY_CURRENT_USER
constexpr DWORD kWaitMs = 30000;

BOOL CALLBACK LongestStatic(HWND child, LPARAM param) {
  char name[32] = {}, text[512] = {};
  GetClassNameA(child, name, sizeof name);
  GetWindowTextA(child, text, sizeof text);
  auto* best = reinterpret_cast<std::string*>(param);
  if (lstrcmpiA(name, "Static") == 0 && std::string(text).size() > best->size()) *best = text;
  return TRUE;
}

struct ProgramRun {
  std::vector<int32_t> frame;  // left, top, right, bottom of the frame when it showed
  std::string box;             // the text of the message box shown on the way out
  bool exited = false;         // the program ended by itself with exit code 0
};

// Runs the program with arguments until its frame shows, calls shown, closes
// the frame and answers a message box shown on the way out with answer.
ProgramRun RunProgram(const std::string& arguments, int answer,
                      const std::function<void(HWND frame)>& shown = [](HWND) {}) {
  ProgramRun run;
  PROCESS_INFORMATION info;
  if (!StartTestHost(arguments, &info)) return run;
  for (DWORD waited = 0; waited < kWaitMs && WaitForSingleObject(info.hProcess, 50) == WAIT_TIMEOUT; waited += 50) {
    HWND frame = run.frame.empty() ? FindWindowOf(info.dwProcessId, kFrameClass) : nullptr;
    HWND box = run.frame.empty() ? nullptr : FindWindowOf(info.dwProcessId, "#32770");
    RECT r;
    if (frame != nullptr && GetWindowRect(frame, &r)) {
      run.frame = {r.left, r.top, r.right, r.bottom};
      shown(frame);
      PostMessageA(frame, WM_CLOSE, 0, 0);
    } else if (box != nullptr) {
      if (run.box.empty()) EnumChildWindows(box, LongestStatic, reinterpret_cast<LPARAM>(&run.box));
      PostMessageA(box, WM_COMMAND, MAKEWPARAM(answer, BN_CLICKED), reinterpret_cast<LPARAM>(GetDlgItem(box, answer)));
      Sleep(200);
    }
  }
  DWORD code = 1;
  run.exited = WaitForSingleObject(info.hProcess, 0) == WAIT_OBJECT_0 && GetExitCodeProcess(info.hProcess, &code) &&
               code == 0;
  if (!run.exited) TerminateProcess(info.hProcess, 1);
  CloseHandle(info.hProcess);
  CloseHandle(info.hThread);
  return run;
}

// The visible dialog of the frame's process that has the control, waiting for it to appear.
HWND WaitForDialog(HWND frame, int control) {
  DWORD process = 0;
  GetWindowThreadProcessId(frame, &process);
  HWND found = nullptr;
  for (DWORD waited = 0; found == nullptr && waited < kWaitMs; waited += 50, Sleep(50)) {
    found = FindWindowOf(process, "#32770", control);
  }
  return found;
}

void Press(HWND dialog, int button) {
  PostMessageA(dialog, WM_COMMAND, MAKEWPARAM(button, BN_CLICKED),
               reinterpret_cast<LPARAM>(GetDlgItem(dialog, button)));
}

void WaitUntilGone(HWND window) {
  for (DWORD waited = 0; IsWindow(window) && waited < kWaitMs; waited += 20) Sleep(20);
}

class SaveProgramSettings : public ::testing::Test {
 protected:
  void SetUp() override {
    if (GetFileAttributesA(TestHostPath().c_str()) == INVALID_FILE_ATTRIBUTES) {
      GTEST_SKIP() << "varnel_test_host.exe not built";
    }
    char dir[MAX_PATH];
    GetTempPathA(sizeof dir, dir);
    // A named INI file that does not exist: the runs must not depend on files beside the program.
    noIni_ = std::string("/I") + dir + "varnel_no_such_file.ini";
  }
  std::vector<uint8_t> Raw(const std::string& name, const std::string& subkey = "") {
    return key_.Get(kProgramKey + (subkey.empty() ? "" : "\\" + subkey), name).value_or(MemoryValue{{}, {0xEE}}).data;
  }

  TestRegistryKey key_;
  std::string noIni_;
};

TEST_F(SaveProgramSettings, TheFirstRunCreatesTheKeyAndTheSecondReadsItBack) {
  ProgramRun first = RunProgram("/W100,120,500,400 /H7 " + noIni_, IDOK, [&](HWND) {
    EXPECT_FALSE(key_.Exists(kProgramKey));  // nothing is written before the end
  });
  EXPECT_EQ(first.frame, (std::vector<int32_t>{100, 120, 600, 520}));
  EXPECT_EQ(first.box, kQuestion);
  ASSERT_TRUE(first.exited);
  ASSERT_TRUE(key_.Exists(kProgramKey));
  EXPECT_EQ(Raw("rect"), Le32s({100, 120, 600, 520}));
  EXPECT_EQ(Raw("history"), Le32s({7}));
  EXPECT_EQ(Raw("ftnum"), Le32s({2}));
  EXPECT_EQ(Raw("imnum"), Le32s({4}));
  EXPECT_EQ(Raw("color", "FILETYPE1").size(), 1044u);
  EXPECT_EQ(Raw("info", "INFOMATION3"), Le32s({10}));
  EXPECT_EQ(Raw("history9"), std::vector<uint8_t>{0});

  // What a user (or another tool) changes between the runs must come back.
  key_.Put(kProgramKey, "rect", ValueType::Binary, Le32s({50, 60, 450, 360}));
  key_.Put(kProgramKey, "margin", ValueType::Dword, Le32s({300}));
  key_.Put(kProgramKey, "newfile", ValueType::Dword, Le32s({0}));
  ProgramRun second = RunProgram(noIni_, IDCANCEL);
  EXPECT_EQ(second.frame, (std::vector<int32_t>{50, 60, 450, 360}));
  EXPECT_EQ(second.box, "");  // the key exists: nothing is asked
  ASSERT_TRUE(second.exited);
  EXPECT_EQ(Raw("rect"), Le32s({50, 60, 450, 360}));
  EXPECT_EQ(Raw("history"), Le32s({7}));
  EXPECT_EQ(Raw("margin"), Le32s({300}));
  EXPECT_EQ(Raw("newfile"), Le32s({0}));  // never written, never deleted
  EXPECT_EQ(Raw("imnum"), Le32s({4}));
}

TEST_F(SaveProgramSettings, CancellingTheQuestionLeavesNoKey) {
  ProgramRun run = RunProgram(noIni_, IDCANCEL);
  EXPECT_EQ(run.frame.size(), 4u);
  EXPECT_EQ(run.box, kQuestion);
  EXPECT_TRUE(run.exited);
  EXPECT_FALSE(key_.Exists(kProgramKey));
}

// A file type changed in the dialogs of one run (octal numbers, its own background)
// is stored at exit; the next run opens a file of that type with both (the dump's
// painting in a document's colours is checked with the properties command).
TEST_F(SaveProgramSettings, AChangedFileTypeReachesTheNextRun) {
  const COLORREF back = RGB(0x20, 0x90, 0x40);
  ProgramRun first = RunProgram(noIni_, IDOK, [&](HWND frame) {
    PostMessageA(frame, WM_COMMAND, IDM_FILETYPES, 0);
    HWND list = WaitForDialog(frame, IDC_FTLIST_NEW);
    ASSERT_NE(list, nullptr);
    Press(list, IDC_FTLIST_EDIT);  // the first type, the executable files
    HWND detail = WaitForDialog(frame, IDC_FTDETAIL_TEXT);
    ASSERT_NE(detail, nullptr);
    SendDlgItemMessageA(detail, IDC_PROP_RADIX_OCT, BM_CLICK, 0, 0);
    HWND colors = GetDlgItem(detail, IDC_PROP_COLORLIST);
    SendMessageA(colors, LB_SETSEL, TRUE, 1);
    SendMessageA(detail, WM_COMMAND, MAKEWPARAM(IDC_PROP_COLORLIST, LBN_SELCHANGE), reinterpret_cast<LPARAM>(colors));
    Press(detail, IDC_PROP_CHANGECOLOR);
    HWND picker = WaitForDialog(frame, 706);
    ASSERT_NE(picker, nullptr);
    SetDlgItemInt(picker, 706, GetRValue(back), FALSE);
    SetDlgItemInt(picker, 707, GetGValue(back), FALSE);
    SetDlgItemInt(picker, 708, GetBValue(back), FALSE);
    Press(picker, IDOK);
    WaitUntilGone(picker);
    Press(detail, IDOK);
    WaitUntilGone(detail);
    Press(list, IDCANCEL);
    WaitUntilGone(list);
  });
  ASSERT_TRUE(first.exited);
  EXPECT_EQ(first.box, kQuestion);
  EXPECT_EQ(Raw("view", "FILETYPE0"), Le32s({1}));
  std::vector<uint8_t> colors = Raw("color", "FILETYPE0");
  EXPECT_EQ(std::vector<uint8_t>(colors.begin() + 4, colors.begin() + 8), Le32s({static_cast<int32_t>(back)}));

  char dir[MAX_PATH];
  GetTempPathA(sizeof dir, dir);
  const std::string file = std::string(dir) + "varnel_persist_probe.exe";
  HANDLE h = CreateFileA(file.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
  DWORD written = 0;
  WriteFile(h, "MZ", 2, &written, nullptr);
  CloseHandle(h);
  ProgramRun second = RunProgram(noIni_ + " \"" + file + "\"", IDCANCEL, [&](HWND frame) {
    HWND view = nullptr;
    for (DWORD waited = 0; view == nullptr && waited < kWaitMs; waited += 50, Sleep(50))
      view = FindWindowExA(FindWindowExA(frame, nullptr, "MDIClient", nullptr), nullptr, "BINClass", nullptr);
    ASSERT_NE(view, nullptr);
    RECT client;
    GetClientRect(view, &client);
    POINT below{client.right / 2, client.bottom - 6};  // under the one line of data: the new background
    ClientToScreen(view, &below);
    HDC screen = GetDC(nullptr);
    COLORREF shown = CLR_INVALID;
    for (DWORD waited = 0; shown != back && waited < kWaitMs; waited += 50, Sleep(50))
      shown = GetPixel(screen, below.x, below.y);
    ReleaseDC(nullptr, screen);
    EXPECT_EQ(shown, back);
    PostMessageA(frame, WM_COMMAND, IDM_PROPERTIES, 0);
    HWND properties = WaitForDialog(frame, IDC_PROP_LOADTYPE);
    ASSERT_NE(properties, nullptr);
    EXPECT_EQ(IsDlgButtonChecked(properties, IDC_PROP_RADIX_OCT), BST_CHECKED);
    EXPECT_EQ(SendDlgItemMessageA(properties, IDC_PROP_COLORLIST, LB_GETITEMDATA, 1, 0), static_cast<LRESULT>(back));
    Press(properties, IDCANCEL);
    WaitUntilGone(properties);
  });
  DeleteFileA(file.c_str());
  EXPECT_TRUE(second.exited);
  EXPECT_EQ(second.box, "");
}

}  // namespace
