// End to end: the program runs under Wine (varnel_test_host.exe, which maps
// HKEY_CURRENT_USER to this test's own key). A run writes the settings when its
// window is closed (the creation question answered in the real message box); the
// next reads them back: its window opens where the stored "rect" says and its
// exit writes the values it read.
#include <windows.h>

#include <gtest/gtest.h>

#include <functional>
#include <string>

#include "support/settings_memory_store.h"
#include "support/settings_registry_win.h"
#include "support/settings_samples.h"

namespace {

const char kFrameClass[] = "Varnel Main Window Class";
const char kQuestion[] = "ﾚｼﾞｽﾄﾘに\nHKEY_CURRENT_USER\\Software\\Halvorsk\\Varnel\nを新規作成します。";
const std::string kProgramKey = "Software\\Halvorsk\\Varnel";  // below the stand-in for HKEY_CURRENT_USER

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
ProgramRun RunProgram(
    const std::string& arguments, int answer, const std::function<void()>& shown = [] {}) {
  ProgramRun run;
  PROCESS_INFORMATION info;
  if (!StartTestHost(arguments, &info)) return run;
  for (DWORD waited = 0; waited < 30000 && WaitForSingleObject(info.hProcess, 50) == WAIT_TIMEOUT; waited += 50) {
    HWND frame = run.frame.empty() ? FindWindowOf(info.dwProcessId, kFrameClass) : nullptr;
    HWND box = run.frame.empty() ? nullptr : FindWindowOf(info.dwProcessId, "#32770");
    RECT r;
    if (frame != nullptr && GetWindowRect(frame, &r)) {
      run.frame = {r.left, r.top, r.right, r.bottom};
      shown();
      PostMessageA(frame, WM_CLOSE, 0, 0);
    } else if (box != nullptr) {
      if (run.box.empty()) EnumChildWindows(box, LongestStatic, reinterpret_cast<LPARAM>(&run.box));
      PostMessageA(box, WM_COMMAND, MAKEWPARAM(answer, BN_CLICKED), reinterpret_cast<LPARAM>(GetDlgItem(box, answer)));
      Sleep(200);
    }
  }
  DWORD code = 1;
  run.exited =
      WaitForSingleObject(info.hProcess, 0) == WAIT_OBJECT_0 && GetExitCodeProcess(info.hProcess, &code) && code == 0;
  if (!run.exited) TerminateProcess(info.hProcess, 1);
  CloseHandle(info.hProcess);
  CloseHandle(info.hThread);
  return run;
}

TEST(SaveProgramSettings, CancelLeavesNoKeyOkCreatesItAndTheNextRunReadsItBack) {
  if (GetFileAttributesA(TestHostPath().c_str()) == INVALID_FILE_ATTRIBUTES) {
    GTEST_SKIP() << "varnel_test_host.exe not built";
  }
  TestRegistryKey key;
  auto raw = [&](const std::string& name, const std::string& subkey = "") {
    return key.Get(kProgramKey + (subkey.empty() ? "" : "\\" + subkey), name).value_or(MemoryValue{{}, {0xEE}}).data;
  };
  char dir[MAX_PATH];
  GetTempPathA(sizeof dir, dir);
  // A named INI file that does not exist: the runs must not depend on files beside the program.
  const std::string noIni = std::string("/I") + dir + "varnel_no_such_file.ini";
  ProgramRun cancelled = RunProgram(noIni, IDCANCEL);
  EXPECT_EQ(cancelled.frame.size(), 4u);
  EXPECT_EQ(cancelled.box, kQuestion);
  EXPECT_TRUE(cancelled.exited);
  EXPECT_FALSE(key.Exists(kProgramKey));

  ProgramRun first = RunProgram("/W100,120,500,400 /H7 " + noIni, IDOK, [&] {
    EXPECT_FALSE(key.Exists(kProgramKey));  // nothing is written before the end
  });
  EXPECT_EQ(first.frame, (std::vector<int32_t>{100, 120, 600, 520}));
  EXPECT_EQ(first.box, kQuestion);
  ASSERT_TRUE(first.exited);
  EXPECT_EQ(raw("rect"), Le32s({100, 120, 600, 520}));
  EXPECT_EQ(raw("history"), Le32s({7}));
  EXPECT_EQ(raw("ftnum"), Le32s({2}));
  EXPECT_EQ(raw("imnum"), Le32s({4}));
  EXPECT_EQ(raw("color", "FILETYPE1").size(), 1044u);
  EXPECT_EQ(raw("info", "INFOMATION3"), Le32s({10}));
  EXPECT_EQ(raw("history9"), std::vector<uint8_t>{0});

  // What a user (or another tool) changes between the runs must come back.
  key.Put(kProgramKey, "rect", ValueType::Binary, Le32s({50, 60, 450, 360}));
  key.PutDword(kProgramKey, "margin", 300);
  key.PutDword(kProgramKey, "newfile", 0);
  ProgramRun second = RunProgram(noIni, IDCANCEL);
  EXPECT_EQ(second.frame, (std::vector<int32_t>{50, 60, 450, 360}));
  EXPECT_EQ(second.box, "");  // the key exists: nothing is asked
  ASSERT_TRUE(second.exited);
  EXPECT_EQ(raw("rect"), Le32s({50, 60, 450, 360}));
  EXPECT_EQ(raw("history"), Le32s({7}));
  EXPECT_EQ(raw("margin"), Le32s({300}));
  EXPECT_EQ(raw("newfile"), Le32s({0}));  // never written, never deleted
  EXPECT_EQ(raw("imnum"), Le32s({4}));
}

}  // namespace
