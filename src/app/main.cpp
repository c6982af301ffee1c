// The entry point of varnel.exe.
#include <windows.h>

#include "app/startup/command_line.h"
#include "app/startup/startup.h"

// The runtime's own command line for WinMain takes every byte above 0x7F for a
// space, which cuts Shift-JIS names apart; the arguments are taken from the
// whole command line instead.
int WINAPI WinMain(HINSTANCE instance, HINSTANCE previousInstance, LPSTR, int showCommand) {
  return RunVarnel(instance, previousInstance, ArgumentsAfterProgramName(GetCommandLineA()), showCommand);
}
