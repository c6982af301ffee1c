// The program's resources: texts arrive in code page 932 and fit their controls.
#include <windows.h>

#include <gtest/gtest.h>

#include "shell/shell.h"
#include "support/shell_fixture_win.h"

namespace {

BOOL CALLBACK AddDialogId(HMODULE, LPCSTR, LPSTR name, LONG_PTR ids) {
  if (IS_INTRESOURCE(name)) reinterpret_cast<std::vector<WORD>*>(ids)->push_back(LOWORD(name));
  return TRUE;
}

INT_PTR CALLBACK SilentDialog(HWND, UINT, WPARAM, LPARAM) { return FALSE; }

TEST(Resources, TextsArriveInCodePage932) {
  ShellRun run;
  ASSERT_TRUE(run.Start("/Q0"));
  HMENU bar = GetMenu(g_shell.frame);
  std::string popups;
  for (UINT position = 0; position < 6; ++position) {
    char text[256] = {};
    popups += std::string(text, GetMenuStringA(bar, position, text, sizeof text, MF_BYPOSITION)) + "|";
  }
  EXPECT_EQ(popups, "ﾌｧｲﾙ(&F)|編集(&E)|検索(&S)|ｵﾌﾟｼｮﾝ(&O)|ｳｲﾝﾄﾞｳ(&W)|ﾍﾙﾌﾟ(&H)|");
}

// Every text of every dialog template fits its control in the dialog's font
// (the history-length label used to be cut off).
TEST(Resources, DialogTextsFitTheirControls) {
  std::vector<WORD> ids;
  EnumResourceNamesA(nullptr, RT_DIALOG, AddDialogId, reinterpret_cast<LONG_PTR>(&ids));
  ASSERT_GE(ids.size(), 5u);
  for (WORD id : ids) {
    HWND dialog = CreateDialogParamA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(id), nullptr, SilentDialog, 0);
    ASSERT_NE(dialog, nullptr) << id;
    HDC dc = GetDC(dialog);
    for (HWND c = GetWindow(dialog, GW_CHILD); c != nullptr; c = GetWindow(c, GW_HWNDNEXT)) {
      char cls[32] = {}, text[512] = {};
      GetClassNameA(c, cls, sizeof cls);
      GetWindowTextA(c, text, sizeof text);
      LONG kind = GetWindowLongA(c, GWL_STYLE) & BS_TYPEMASK;
      bool button = lstrcmpiA(cls, "Button") == 0;
      if (text[0] == '\0' || (!button && lstrcmpiA(cls, "Static") != 0) || (button && kind == BS_GROUPBOX)) continue;
      HGDIOBJ old = SelectObject(dc, reinterpret_cast<HFONT>(SendMessageA(c, WM_GETFONT, 0, 0)));
      RECT client;
      GetClientRect(c, &client);
      // A check box or radio button leaves room for its box.
      if (button && kind != BS_PUSHBUTTON && kind != BS_DEFPUSHBUTTON) {
        client.right -= GetSystemMetrics(SM_CXMENUCHECK) + 4;
      }
      RECT need = {0, 0, client.right, 0};
      DrawTextA(dc, text, -1, &need, DT_CALCRECT | DT_WORDBREAK);
      EXPECT_LE(need.right, client.right) << "dialog " << id << ": " << text;
      EXPECT_LE(need.bottom, client.bottom) << "dialog " << id << ": " << text;
      SelectObject(dc, old);
    }
    ReleaseDC(dialog, dc);
    DestroyWindow(dialog);
  }
}

}  // namespace
