// The menu bar's popups, the status bar's simple mode and the help of menu items.
#include "shell/menu_bar_win.h"

#include <commctrl.h>

#include "core/codepage.h"
#include "core/messages.h"
#include "shell/menu_help.h"
#include "shell/shell.h"

int MenuBarShift(HWND frame) {
  HMENU bar = GetMenu(frame);
  return (bar != nullptr && GetMenuItemCount(bar) != kMenuBarItems) ? 1 : 0;
}

HMENU FileMenu(HWND frame) {
  HMENU bar = GetMenu(frame);
  if (bar == nullptr) return nullptr;
  return GetSubMenu(bar, MenuBarShift(frame));
}

void ShowSimpleStatus(const char* text) {
  SendMessageA(g_shell.statusBar, SB_SIMPLE, TRUE, 0);
  if (!SendMessageA(g_shell.statusBar, SB_SETTEXTA, 255 | SBT_NOBORDERS, reinterpret_cast<LPARAM>(text)))
    FailAndDestroyFrame(kMsgCannotSetStatusText);
}

void LeaveSimpleStatus() {
  SendMessageA(g_shell.statusBar, SB_SETTEXTA, 255 | SBT_NOBORDERS, reinterpret_cast<LPARAM>(""));
  SendMessageA(g_shell.statusBar, SB_SIMPLE, FALSE, 0);
}

std::string ResourceText(int id) {
  char buffer[512] = {};
  LoadStringA(g_shell.instance, static_cast<UINT>(id), buffer, sizeof buffer);
  return buffer;
}

void ShowMenuHelp(HWND frame, WPARAM wParam, LPARAM lParam) {
  if (g_shell.statusBar == nullptr) return;
  UINT flags = HIWORD(wParam);
  HMENU menu = reinterpret_cast<HMENU>(lParam);
  MenuSelection s{};
  s.item = LOWORD(wParam);
  s.flags = flags;
  s.closed = flags == 0xFFFF && menu == nullptr;
  s.isPopup = (flags & MF_POPUP) != 0;
  s.isSystemMenu = (flags & MF_SYSMENU) != 0;
  s.inMenuBar = menu != nullptr && menu == GetMenu(frame);
  s.maximisedChild = MenuBarShift(frame) == 1;
  int id = MenuHelpStringId(s);
  if (id < 0) {
    LeaveSimpleStatus();
  } else if (id == 0) {
    ShowSimpleStatus("");
  } else {
    ShowSimpleStatus(ResourceText(id).c_str());
  }
}

bool FillToolTipText(NMHDR* header, const char* tip) {
  if (header->code == TTN_NEEDTEXTA) {
    auto* info = reinterpret_cast<NMTTDISPINFOA*>(header);
    lstrcpynA(info->szText, tip, sizeof info->szText);
    info->lpszText = info->szText;
    return true;
  }
  if (header->code != TTN_NEEDTEXTW) return false;
  auto* info = reinterpret_cast<NMTTDISPINFOW*>(header);
  const std::u16string wide = AnsiToUtf16(tip);
  const size_t n = wide.size() < 79 ? wide.size() : 79;
  for (size_t i = 0; i < n; ++i) info->szText[i] = static_cast<wchar_t>(wide[i]);
  info->szText[n] = 0;
  info->lpszText = info->szText;
  return true;
}
