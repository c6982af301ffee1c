// Single-instance hand-over through global atoms and WM_USER.
#include "app/single_instance_win.h"

#include "core/user_message.h"

HWND FindRunningFrame() { return FindWindowA("Varnel Main Window Class", nullptr); }

int HandOverFiles(HWND runningFrame, const std::vector<std::string>& files) {
  if (IsIconic(runningFrame)) {
    ShowWindow(runningFrame, SW_RESTORE);
  } else {
    SetForegroundWindow(runningFrame);
  }
  for (const std::string& file : files) {
    ATOM atom = GlobalAddAtomA(file.c_str());
    if (atom == 0) {
      ShowMessage("ｸﾞﾛｰﾊﾞﾙｱﾄﾑを追加できません", MessageIcon::Stop);
      return -1;
    }
    SendMessageA(runningFrame, WM_USER, atom, 0);
    // GlobalDeleteAtom returns 0 when the atom is gone.
    if (GlobalDeleteAtom(atom) != 0) {
      ShowMessage("ｸﾞﾛｰﾊﾞﾙｱﾄﾑを削除できません", MessageIcon::Stop);
      return -1;
    }
  }
  return 0;
}
