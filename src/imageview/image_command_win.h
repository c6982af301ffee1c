// The document window's command "ｲﾒｰｼﾞ(&B)..." (Ctrl+B): the image view over its document.
#pragma once

#include <windows.h>

// Attaches the image view to view and runs a message loop of its own until the
// image view is hidden again or the program quits (the quit is passed on to
// the main loop). Nothing happens while the image view is already shown.
void ShowImageView(HWND view);

// Registers the command with the document windows (at every start of the shell).
void RegisterImageViewCommand();
