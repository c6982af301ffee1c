// Commands 116 (the information view over a document) and 125 (the template dialogs).
#include "structs/structure_commands_win.h"

#include <windows.h>

#include "core/messages.h"
#include "core/user_message.h"
#include "hexview/commands/view_command_table_win.h"
#include "hexview/commands/view_menus_win.h"
#include "hexview/hex_view_win.h"
#include "resources/resource_ids.h"
#include "shell/popup_wait_win.h"
#include "shell/shell.h"
#include "structs/info_view_model.h"
#include "structs/info_view_win.h"
#include "structs/structure_list_dialog_win.h"

namespace {

bool HaveTemplates(const Document&) { return !g_structures.structures.empty(); }

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
