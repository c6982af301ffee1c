// Commands 116 (the information view over a document) and 125 (the template dialogs).
#include "structs/structure_commands_win.h"

#include <windows.h>

#include "core/messages.h"
#include "core/user_message.h"
#include "hexview/commands/view_command_table_win.h"
#include "hexview/commands/view_menus_win.h"
#include "hexview/hex_view_win.h"
#include "resources/resource_ids.h"
#include "shell/shell.h"
#include "structs/info_view_model.h"
#include "structs/info_view_win.h"
#include "structs/structure_list_dialog_win.h"

namespace {

bool HaveTemplates(const Document&) { return !g_structures.structures.empty(); }

// Runs the thread's messages while popup is shown; a quit message ends the wait
// and is posted again for the main loop.
void WaitWhileShown(HWND popup) {
  const bool wide = g_shell.unicodeViews;
  MSG msg;
  while (IsWindow(popup) && IsWindowVisible(popup)) {
    BOOL got = wide ? GetMessageW(&msg, nullptr, 0, 0) : GetMessageA(&msg, nullptr, 0, 0);
    if (got == -1) return;
    if (got == 0) {
      PostQuitMessage(static_cast<int>(msg.wParam));
      return;
    }
    TranslateMessage(&msg);
    if (wide) {
      DispatchMessageW(&msg);
    } else {
      DispatchMessageA(&msg);
    }
  }
}

void RunInfoView(HWND view) {
  Document* doc = DocumentOf(view);
  if (doc == nullptr || g_shell.infoView == nullptr) return;
  if (DocumentTooSmall(*doc, g_structures)) {
    ShowMessage(kMsgFileTooSmall, MessageIcon::Information, MessageButtons::Ok, view);
    return;
  }
  SendMessageA(g_shell.infoView, kInfoAttach, 0, reinterpret_cast<LPARAM>(view));
  WaitWhileShown(g_shell.infoView);
}

}  // namespace

void RegisterInfoViewCommand() { RegisterViewCommand(IDM_INFO, ViewCommand{RunInfoView, HaveTemplates}); }

void RunStructuresCommand() {
  ShowStructureList(g_shell.mdiClient);
  if (HWND active = ActiveDocumentWindow()) {
    RefreshMenuState(DocumentOf(active));
    return;
  }
  const UINT state = g_structures.structures.empty() ? MF_GRAYED : MF_ENABLED;
  if (static_cast<int>(EnableMenuItem(GetMenu(g_shell.frame), IDM_INFO, MF_BYCOMMAND | state)) == -1) {
    FailAndDestroyFrame(kMsgCannotChangeMenuItem);
    return;
  }
  if (!DrawMenuBar(g_shell.frame)) FailAndDestroyFrame(kMsgCannotDrawMenuBar);
}
