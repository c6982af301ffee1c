// Single-instance hand-over through global atoms and WM_USER.
#include "app/startup/single_instance_win.h"

#include "core/messages.h"
#include "core/text_limits.h"
#include "core/user_message.h"

namespace {

// The full path of a name in this process's current folder; the name itself
// when it has none.
std::string FullPath(const std::string& name) {
  char full[kTextBufferSize + 1] = {};
  DWORD n = GetFullPathNameA(name.c_str(), sizeof full, full, nullptr);
  return n == 0 || n >= sizeof full ? name : std::string(full, n);
}

}  // namespace

HWND FindRunningFrame() { return FindWindowA("Varnel Main Window Class", nullptr); }

int HandOverFiles(HWND runningFrame, const std::vector<std::string>& files) {
  if (IsIconic(runningFrame)) {
    ShowWindow(runningFrame, SW_RESTORE);
  } else {
    SetForegroundWindow(runningFrame);
  }
  for (const std::string& file : files) {
    ATOM atom = GlobalAddAtomA(FullPath(file).c_str());
    if (atom == 0) {
      ShowMessage(kMsgCannotAddAtom, MessageIcon::Stop);
      return -1;
    }
    SendMessageA(runningFrame, WM_USER, atom, 0);
    // GlobalDeleteAtom returns 0 when the atom is gone.
    if (GlobalDeleteAtom(atom) != 0) {
      ShowMessage(kMsgCannotDeleteAtom, MessageIcon::Stop);
      return -1;
    }
  }
  return 0;
}
