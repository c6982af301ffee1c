// The start-up sequence: options, INI path, colours, settings, hand-over to a
// running instance, classes, the frame, the file history, the named files.
#include "app/startup/startup.h"
#include "core/messages.h"

#include <string>
#include <vector>

#include "app/documents/open_document_win.h"
#include "app/frame/frame_win.h"
#include "app/settings/file_history_store.h"
#include "app/settings/ini_file.h"
#include "app/settings/registry_store.h"
#include "app/settings/settings_win.h"
#include "app/startup/command_line.h"
#include "app/startup/feature_commands_win.h"
#include "app/startup/message_loop_win.h"
#include "app/startup/single_instance_win.h"
#include "app/startup/window_classes_win.h"
#include "core/text_limits.h"
#include "core/user_message.h"
#include "filetypes/filetypes_state.h"
#include "hexview/commands/view_command_table_win.h"
#include "hexview/view_state_win.h"
#include "imageview/image_view_win.h"
#include "resources/resource_ids.h"
#include "search/search_state.h"
#include "shell/file_history_win.h"
#include "shell/process_state.h"
#include "shell/progress_dialog_win.h"
#include "shell/shell.h"
#include "structs/info_view_win.h"
#include "structs/structure.h"

namespace {

// A failure before the frame exists: stop icon, no owner.
void Fail(const char* text) { ShowMessage(text, MessageIcon::Stop); }

std::string ProgramPath() {
  char buffer[kTextBufferSize + 1] = {};
  DWORD n = GetModuleFileNameA(nullptr, buffer, sizeof buffer);
  if (n == 0 || n >= kTextBufferSize) return {};
  return std::string(buffer, n);
}

// Owns the argument vector until start-up ends.
struct Arguments {
  ArgumentVector vector;
  ~Arguments() { FreeArguments(vector.count, vector.args); }
};

bool CreateFrame(HINSTANCE instance) {
  HMENU menu = LoadMenuA(instance, MAKEINTRESOURCEA(IDM_MAIN));
  HWND frame = CreateWindowExA(WS_EX_ACCEPTFILES, kFrameClassName, "Varnel", WS_OVERLAPPEDWINDOW | WS_CLIPCHILDREN,
                               g_startupOptions.x, g_startupOptions.y, g_startupOptions.width,
                               g_startupOptions.height, nullptr, menu, instance, nullptr);
  if (frame == nullptr) {
    if (!g_shell.frameCreationReported) Fail(kMsgCannotCreateWindow);
    return false;
  }
  return true;
}

// Steps 15 to 19: accelerators, showing the frame, the information command and
// the file history. A failure is reported owned by the MDI client and destroys the frame.
bool PrepareFrame(HINSTANCE instance, int showCommand) {
  g_shell.accelerators = LoadAcceleratorsA(instance, MAKEINTRESOURCEA(IDA_MAIN));
  if (g_shell.accelerators == nullptr) {
    FailAndDestroyFrame(kMsgCannotLoadAccelerators);
    return false;
  }
  ShowWindow(g_shell.frame, showCommand);
  if (!UpdateWindow(g_shell.frame)) {
    FailAndDestroyFrame(kMsgCannotUpdateWindow);
    return false;
  }
  HMENU bar = GetMenu(g_shell.frame);
  if (bar == nullptr) {
    FailAndDestroyFrame(kMsgCannotGetMenu);
    return false;
  }
  // The information view needs templates, and exists only once it is registered.
  bool haveStructures = g_structures.count != kStructureCountUnset && g_structures.count > 0;
  bool info = haveStructures && RegisteredViewCommand(IDM_INFO) != nullptr;
  if (static_cast<int>(EnableMenuItem(bar, IDM_INFO, MF_BYCOMMAND | (info ? MF_ENABLED : MF_GRAYED))) == -1) {
    FailAndDestroyFrame(kMsgCannotChangeMenuItem);
    return false;
  }
  WindowsRegistryStore registry;
  IniFile ini(g_startupOptions.iniPath);
  bool closeFailed = false;
  std::vector<std::string> history =
      LoadFileHistory(registry, ini, g_startupOptions, g_settings.history, &closeFailed);
  if (closeFailed) {
    FailAndDestroyFrame(kMsgCannotCloseKey);
    return false;
  }
  if (FillFileHistory(g_shell.frame, history) != 0) {
    FailAndDestroyFrame(kMsgCannotInsertMenuItem);
    return false;
  }
  if (!DrawMenuBar(g_shell.frame)) {
    FailAndDestroyFrame(kMsgCannotDrawMenuBar);
    return false;
  }
  return true;
}

}  // namespace

void ResetProcessState() {
  ResetShellState();
  ResetFileTypesState();
  g_structures = StructureList{};
  ClearViewCommands();
  ResetViewState();
  ResetInfoViewState();
  ResetImageViewState();
  ResetSearchState();
  RegisterFeatureCommands();
}

bool StartShell(HINSTANCE instance, HINSTANCE previousInstance, const char* commandLine, int showCommand) {
  ResetProcessState();
  g_shell.instance = instance;
  if (previousInstance != nullptr) {
    Fail(kMsgBadPreviousInstance);
    return false;
  }
  Arguments arguments;
  if (SplitCommandLine(commandLine ? commandLine : "", &arguments.vector) != 0) {
    Fail(kMsgCannotParseCommandLine);
    return false;
  }
  std::vector<std::string> files;
  if (ParseOptions(arguments.vector, &g_startupOptions, &g_settings, &files) != 0) {
    Fail(kMsgBadOption);
    return false;
  }
  DeriveIniPath(&g_startupOptions, ProgramPath().c_str());
  RefreshSystemColorValues();
  g_sampledColors = g_shell.colors.values.sampled;
  if (LoadProgramSettings() != 0) return false;

  if (g_startupOptions.prev == 0) {
    if (HWND running = FindRunningFrame()) {
      HandOverFiles(running, files);
      return false;
    }
  }
  if (LoadProgramHistories() != 0) return false;
  InstallMissingBuiltins();

  if (!RegisterWindowClasses(instance)) {
    Fail(kMsgCannotRegisterClass);
    return false;
  }
  g_shell.binaryClipboardFormat = RegisterClipboardFormatA("Common Binary");
  if (g_shell.binaryClipboardFormat == 0) {
    Fail(kMsgCannotRegisterClipboardFormat);
    return false;
  }
  if (!CreateFrame(instance)) return false;
  if (!PrepareFrame(instance, showCommand)) return false;

  int attempted = 0;
  for (const std::string& file : files) {
    ++attempted;
    if (OpenDocument(file.c_str()) != 0) return false;
  }
  if (g_startupOptions.newfile != 0 && attempted == 0 && OpenDocument(nullptr) != 0) return false;
  return true;
}

int RunVarnel(HINSTANCE instance, HINSTANCE previousInstance, const char* commandLine, int showCommand) {
  if (StartShell(instance, previousInstance, commandLine, showCommand)) RunMessageLoop();
  return 0;
}
