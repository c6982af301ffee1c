// Toolbar creation and tool-tip texts.
#include "app/frame/toolbar_win.h"

#include <commctrl.h>

#include "core/messages.h"
#include "core/user_message.h"
#include "resources/resource_ids.h"
#include "shell/shell.h"

namespace {

struct ButtonSpec {
  int image;  // -1 for a separator
  int command;
  bool enabled;
  const char* tip;
};

const ButtonSpec kButtons[19] = {
    {STD_FILENEW, IDM_NEW, true, "新規作成"},
    {STD_FILEOPEN, IDM_OPEN, true, "開く"},
    {STD_FILESAVE, IDM_SAVE, false, "上書き保存"},
    {-1, 0, false, nullptr},
    {STD_PROPERTIES, IDM_PROPERTIES, false, "ﾌﾟﾛﾊﾟﾃｨ"},
    {-1, 0, false, nullptr},
    {STD_PRINT, IDM_PRINT, false, "印刷"},
    {-1, 0, false, nullptr},
    {-1, 0, false, nullptr},
    {STD_CUT, IDM_CUT, false, "切り取り"},
    {STD_COPY, IDM_COPY, false, "ｺﾋﾟｰ"},
    {STD_PASTE, IDM_PASTE, false, "貼り付け"},
    {STD_DELETE, IDM_DELETE, false, "削除"},
    {-1, 0, false, nullptr},
    {STD_UNDO, IDM_UNDO, false, "元に戻す"},
    {STD_REDOW, IDM_REDO, false, "やり直し"},
    {-1, 0, false, nullptr},
    {STD_FIND, IDM_FIND, false, "検索"},
    {STD_REPLACE, IDM_REPLACE, false, "置換"},
};

constexpr int kInformationImage = 4;
constexpr int kInformationIndex = 8;

}  // namespace

const ToolbarCommand kToolbarCommands[13] = {
    {STD_FILENEW, IDM_NEW},   {STD_FILEOPEN, IDM_OPEN}, {STD_FILESAVE, IDM_SAVE}, {STD_PROPERTIES, IDM_PROPERTIES},
    {STD_PRINT, IDM_PRINT},   {STD_CUT, IDM_CUT},       {STD_COPY, IDM_COPY},     {STD_PASTE, IDM_PASTE},
    {STD_DELETE, IDM_DELETE}, {STD_UNDO, IDM_UNDO},     {STD_REDOW, IDM_REDO},    {STD_FIND, IDM_FIND},
    {STD_REPLACE, IDM_REPLACE},
};

HWND CreateFrameToolbar(HWND frame) {
  TBBUTTON buttons[19] = {};
  for (int i = 0; i < 19; ++i) {
    const ButtonSpec& b = kButtons[i];
    if (b.image < 0) {
      buttons[i].fsStyle = TBSTYLE_SEP;
      continue;
    }
    buttons[i].iBitmap = b.image;
    buttons[i].idCommand = b.command;
    buttons[i].fsState = b.enabled ? TBSTATE_ENABLED : 0;
    buttons[i].fsStyle = TBSTYLE_BUTTON;
  }
  HWND toolbar = CreateToolbarEx(frame, WS_CHILD | WS_VISIBLE | TBSTYLE_TOOLTIPS, 1, 15, HINST_COMMCTRL,
                                 IDB_STD_SMALL_COLOR, buttons, 19, 16, 16, 16, 16, sizeof(TBBUTTON));
  if (toolbar == nullptr) return nullptr;
  SetWindowLongA(toolbar, GWL_STYLE, GetWindowLongA(toolbar, GWL_STYLE) | TBSTYLE_FLAT);
  return toolbar;
}

int AddInformationButton(HWND toolbar) {
  TBADDBITMAP bitmap = {g_shell.instance, IDB_TOOLBAR};
  LRESULT first = SendMessageA(toolbar, TB_ADDBITMAP, 5, reinterpret_cast<LPARAM>(&bitmap));
  if (first == -1) {
    FailAndDestroyFrame(kMsgCannotAddToolbarBitmap);
    return -1;
  }
  TBBUTTON info = {};
  info.iBitmap = static_cast<int>(first) + kInformationImage;
  info.idCommand = IDM_INFO;
  info.fsState = 0;
  info.fsStyle = TBSTYLE_BUTTON;
  if (!SendMessageA(toolbar, TB_INSERTBUTTON, kInformationIndex, reinterpret_cast<LPARAM>(&info))) {
    FailAndDestroyFrame(kMsgCannotInsertToolbarButton);
    return -1;
  }
  return 0;
}

const char* ToolTipText(int command) {
  if (command == IDM_INFO) return "情報";
  for (const ButtonSpec& b : kButtons) {
    if (b.image >= 0 && b.command == command) return b.tip;
  }
  return nullptr;
}
