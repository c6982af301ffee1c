// The entry point of varnel.exe.
#include <windows.h>

#include "app/startup.h"

int WINAPI WinMain(HINSTANCE instance, HINSTANCE previousInstance, LPSTR commandLine, int showCommand) {
  return RunVarnel(instance, previousInstance, commandLine, showCommand);
}
