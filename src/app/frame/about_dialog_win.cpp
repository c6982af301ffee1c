// The About box: icon, product name, version and rights notice.
#include "app/frame/about_dialog_win.h"

#include "resources/resource_ids.h"
#include "shell/dialog_win.h"
#include "shell/shell.h"

namespace {

struct AboutRecord {};

// OK closes it as Esc does.
bool OnCommand(HWND dialog, AboutRecord&, int id, int) {
  if (id != IDOK) return false;
  EndDialogWith(dialog, kDialogCancel);
  return true;
}

constexpr DialogHandlers<AboutRecord> kAboutDialog = {nullptr, OnCommand, nullptr};

}  // namespace

void RunAboutDialog() {
  AboutRecord record;
  RunDialog(IDD_ABOUT, g_shell.mdiClient, record, kAboutDialog);
}
