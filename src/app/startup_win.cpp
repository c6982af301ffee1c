// Start-up sequence: options, INI path, settings, and (for now) a plain top-level
// window that saves the settings when it is destroyed.
#include "app/startup.h"

#include <string>
#include <vector>

#include "app/app_state.h"
#include "app/command_line.h"
#include "app/settings_win.h"
#include "core/text_limits.h"
#include "core/user_message.h"

namespace {

const char kMainClass[] = "Varnel Main Window Class";

LRESULT CALLBACK MainWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_DESTROY:
      SaveProgramSettings(window, {});
      PostQuitMessage(0);
      return 0;
    default:
      return DefWindowProcA(window, message, wParam, lParam);
  }
}

void Fail(const char* text) { ShowMessage(text, MessageIcon::Stop); }

std::string ProgramPath() {
  char buffer[kTextBufferSize + 1] = {};
  DWORD n = GetModuleFileNameA(nullptr, buffer, sizeof buffer);
  if (n == 0 || n >= kTextBufferSize) return {};
  return std::string(buffer, n);
}

}  // namespace

int RunVarnel(HINSTANCE instance, HINSTANCE previousInstance, const char* commandLine, int showCommand) {
  ResetAppState();
  if (previousInstance != nullptr) {
    Fail("hPrevInstanceが不正です");
    return 0;
  }
  ArgumentVector arguments;
  if (SplitCommandLine(commandLine ? commandLine : "", &arguments) != 0) {
    Fail("ｺﾏﾝﾄﾞﾗｲﾝを解析できません");
    return 0;
  }
  std::vector<std::string> files;
  if (ParseOptions(arguments, &g_startupOptions, &g_settings, &files) != 0) {
    Fail("ｵﾌﾟｼｮﾝが不正です");
    FreeArguments(arguments.count, arguments.args);
    return 0;
  }
  DeriveIniPath(&g_startupOptions, ProgramPath().c_str());
  g_sampledColors = SampleSystemColors();
  if (LoadProgramSettings() != 0 || LoadProgramHistories() != 0) {
    FreeArguments(arguments.count, arguments.args);
    return 0;
  }
  InstallMissingBuiltins();

  WNDCLASSA wc = {};
  wc.lpfnWndProc = MainWindowProc;
  wc.hInstance = instance;
  wc.hIcon = LoadIconA(instance, MAKEINTRESOURCEA(1));
  wc.hCursor = LoadCursorA(nullptr, reinterpret_cast<LPCSTR>(IDC_ARROW));
  wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_APPWORKSPACE + 1);
  wc.lpszClassName = kMainClass;
  if (!RegisterClassA(&wc)) {
    Fail("ｳｲﾝﾄﾞｳｸﾗｽを登録できません");
    FreeArguments(arguments.count, arguments.args);
    return 0;
  }
  HWND frame = CreateWindowExA(WS_EX_ACCEPTFILES, kMainClass, "Varnel", WS_OVERLAPPEDWINDOW | WS_CLIPCHILDREN,
                               g_startupOptions.x, g_startupOptions.y, g_startupOptions.width,
                               g_startupOptions.height, nullptr, nullptr, instance, nullptr);
  if (frame == nullptr) {
    Fail("ｳｲﾝﾄﾞｳを作成できません");
    FreeArguments(arguments.count, arguments.args);
    return 0;
  }
  ShowWindow(frame, showCommand);
  UpdateWindow(frame);
  FreeArguments(arguments.count, arguments.args);

  MSG msg;
  while (GetMessageA(&msg, nullptr, 0, 0) > 0) {
    TranslateMessage(&msg);
    DispatchMessageA(&msg);
  }
  return 0;
}
