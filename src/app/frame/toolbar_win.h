// The frame's toolbar: 19 buttons from the standard images plus the
// information button, and the texts of their tool tips.
#pragma once

#include <windows.h>

// Creates the toolbar (control id 1) with its 19 buttons and the flat style.
// Returns null on failure (the caller reports it).
HWND CreateFrameToolbar(HWND frame);

// Adds the five images of bitmap resource 1 and inserts the information button
// (command 116, disabled) at index 8. Returns 0, or -1 after reporting.
int AddInformationButton(HWND toolbar);

// Tool-tip text of a toolbar command, or null.
const char* ToolTipText(int command);

// One toolbar button that carries a command, in toolbar order (13 of them).
struct ToolbarCommand {
  int image;    // index in the standard small colour image list
  int command;
};
extern const ToolbarCommand kToolbarCommands[13];
