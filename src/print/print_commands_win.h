// The print commands: command 106 of the hex view prints its dump, command 106
// of the information view prints its rows.
#pragma once

#include <windows.h>

// Prints the dump of the hex view window view as it shows it (the selection
// alone when the print dialog's selection choice is taken). Returns 0 when
// printed or cancelled, -1 after a reported failure.
int PrintDump(HWND view);

// Prints the rows of the information view infoView over its document at the
// caret, the values at its label width. Does nothing while it shows no document.
void PrintInfoView(HWND infoView);

// Registers command 106 with the hex view and PrintInfoView with the information view.
void RegisterPrintCommand();
