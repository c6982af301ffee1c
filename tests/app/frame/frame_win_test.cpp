// The frame hands a registered document command to the active document window
// when the command's own rule allows it.
#include <windows.h>
#include <commctrl.h>

#include <gtest/gtest.h>

#include "core/document.h"
#include "hexview/commands/view_command_table_win.h"
#include "hexview/commands/view_menus_win.h"
#include "hexview/hex_view_win.h"
#include "resources/resource_ids.h"
#include "shell/shell.h"
#include "support/shell_fixture_win.h"

namespace {

HWND g_ranOn = nullptr;

TEST(FrameCommands, RegisteredCommandsFollowTheirRule) {
  ShellRun run;
  ASSERT_TRUE(run.Start("/Q0 /N1"));
  RegisterViewCommand(IDM_FIND,
                      {[](HWND view) { g_ranOn = view; }, [](const Document& doc) { return doc.length == 0; }});
  HWND view = DocumentWindows()[0];
  for (int32_t length : {0, 1}) {  // the rule says yes, then no
    DocumentOf(view)->length = length;
    RefreshMenuState(DocumentOf(view));
    g_ranOn = nullptr;
    SendMessageA(g_shell.frame, WM_COMMAND, IDM_FIND, 0);
    EXPECT_EQ(MenuItemEnabled(IDM_FIND), length == 0);
    EXPECT_EQ(SendMessageA(g_shell.toolbar, TB_ISBUTTONENABLED, IDM_FIND, 0) != 0, length == 0);
    EXPECT_EQ(g_ranOn, length == 0 ? view : nullptr);
  }
  DocumentOf(view)->length = 0;
}

}  // namespace
