// End to end: the program runs twice under Wine (varnel_test_host.exe, which
// maps HKEY_CURRENT_USER to this test's own key). The first run writes the
// settings when its window is closed (the creation question answered in the
// real message box); the second reads them back: its window opens where the
// stored "rect" says and its exit writes the values it read.
#include <windows.h>

#include <gtest/gtest.h>

#include <string>

#include "support/settings_memory_store.h"
#include "support/settings_registry_win.h"
#include "support/settings_samples.h"

namespace {

const char kFrameClass[] = "Varnel Main Window Class";
const char kQuestion[] = "ﾚｼﾞｽﾄﾘに\nHKEY_CURRENT_USER\\Software\\Halvorsk\\Varnel\nを新規作成します。";
const std::string kProgramKey = "Software\\Halvorsk\\Varnel";  // below the stand-in for HKEY_CURRENT_USER
constexpr DWORD kWaitMs = 30000;

std::string HostPath() {
  char path[MAX_PATH];
  std::string self(path, GetModuleFileNameA(nullptr, path, sizeof path));
  return self.substr(0, self.rfind('\\')) + "\\varnel_test_host.exe";
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
  if (process != s->process || std::string(name) != s->className || !IsWindowVisible(window)) return TRUE;
  s->found = window;
  return FALSE;
}

BOOL CALLBACK LongestStatic(HWND child, LPARAM param) {
  char name[32] = {}, text[512] = {};
  GetClassNameA(child, name, sizeof name);
  GetWindowTextA(child, text, sizeof text);
  auto* best = reinterpret_cast<std::string*>(param);
  if (lstrcmpiA(name, "Static") == 0 && std::string(text).size() > best->size()) *best = text;
  return TRUE;
}

// One run of the program; ended by the destructor if still alive.
class ProgramRun {
 public:
  explicit ProgramRun(const std::string& arguments) {
    std::string line = "\"" + HostPath() + "\" " + arguments;
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
  // The rectangle of the program's frame once it shows; its window is then closed.
  RECT CloseFrame() {
    RECT r = {-1, -1, -1, -1};
    for (DWORD waited = 0; waited < kWaitMs && started_; waited += 50) {
      Search s{info_.dwProcessId, kFrameClass, nullptr};
      EnumWindows(MatchWindow, reinterpret_cast<LPARAM>(&s));
      if (s.found != nullptr) {
        GetWindowRect(s.found, &r);
        PostMessageA(s.found, WM_CLOSE, 0, 0);
        break;
      }
      if (WaitForSingleObject(info_.hProcess, 50) == WAIT_OBJECT_0) break;
    }
    return r;
  }
  // Waits for the end of the process (exit code 0); the text of a message box
  // shown meanwhile goes to *boxText, answered with answer.
  bool WaitForExit(int answer, std::string* boxText) {
    for (DWORD waited = 0; waited < kWaitMs; waited += 50) {
      DWORD code = 1;
      if (WaitForSingleObject(info_.hProcess, 50) == WAIT_OBJECT_0) {
        return GetExitCodeProcess(info_.hProcess, &code) && code == 0;
      }
      Search s{info_.dwProcessId, "#32770", nullptr};
      EnumWindows(MatchWindow, reinterpret_cast<LPARAM>(&s));
      if (s.found == nullptr) continue;
      std::string text;
      EnumChildWindows(s.found, LongestStatic, reinterpret_cast<LPARAM>(&text));
      if (boxText->empty()) *boxText = text;
      PostMessageA(s.found, WM_COMMAND, MAKEWPARAM(answer, BN_CLICKED),
                   reinterpret_cast<LPARAM>(GetDlgItem(s.found, answer)));
      Sleep(200);
    }
    return false;
  }

 private:
  PROCESS_INFORMATION info_ = {};
  bool started_ = false;
};

class SaveProgramSettings : public ::testing::Test {
 protected:
  void SetUp() override {
    if (GetFileAttributesA(HostPath().c_str()) == INVALID_FILE_ATTRIBUTES) {
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
  static std::vector<int32_t> Sides(const RECT& r) { return {r.left, r.top, r.right, r.bottom}; }

  TestRegistryKey key_;
  std::string noIni_;
};

TEST_F(SaveProgramSettings, TheFirstRunCreatesTheKeyAndTheSecondReadsItBack) {
  {
    ProgramRun run("/W100,120,500,400 /H7 " + noIni_);
    EXPECT_EQ(Sides(run.CloseFrame()), (std::vector<int32_t>{100, 120, 600, 520}));
    std::string question;
    ASSERT_TRUE(run.WaitForExit(IDOK, &question));
    EXPECT_EQ(question, kQuestion);
  }
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
  {
    ProgramRun run(noIni_);
    EXPECT_EQ(Sides(run.CloseFrame()), (std::vector<int32_t>{50, 60, 450, 360}));
    std::string message;
    ASSERT_TRUE(run.WaitForExit(IDCANCEL, &message));
    EXPECT_EQ(message, "");  // the key exists: nothing is asked
  }
  EXPECT_EQ(Raw("rect"), Le32s({50, 60, 450, 360}));
  EXPECT_EQ(Raw("history"), Le32s({7}));
  EXPECT_EQ(Raw("margin"), Le32s({300}));
  EXPECT_EQ(Raw("newfile"), Le32s({0}));  // never written, never deleted
  EXPECT_EQ(Raw("imnum"), Le32s({4}));
}

TEST_F(SaveProgramSettings, CancellingTheQuestionLeavesNoKey) {
  ProgramRun run(noIni_);
  EXPECT_NE(Sides(run.CloseFrame())[0], -1);
  std::string question;
  ASSERT_TRUE(run.WaitForExit(IDCANCEL, &question));
  EXPECT_EQ(question, kQuestion);
  EXPECT_FALSE(key_.Exists(kProgramKey));
}

}  // namespace
