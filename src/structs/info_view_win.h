// The information view ("INFOClass"): a structure template laid over the bytes at the caret.
#pragma once

#include <windows.h>

LRESULT CALLBACK InfoViewWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

struct InfoViewState;

// Prints the rows of an information view window (command 106 of the view).
using InfoViewPrinter = void (*)(HWND infoView);

// Sets the procedure command 106 of the information view runs (null: none).
void SetInfoViewPrinter(InfoViewPrinter printer);

// The state of an information view window, or null.
const InfoViewState* InfoViewStateOf(HWND infoView);
