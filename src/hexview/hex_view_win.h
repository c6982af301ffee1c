// The document window ("BINClass") and its marker bars ("BARClass").
#pragma once

#include <windows.h>

struct Document;

// Window procedures of the two classes.
LRESULT CALLBACK HexViewWindowProc(HWND view, UINT message, WPARAM wParam, LPARAM lParam);
LRESULT CALLBACK BarWindowProc(HWND bar, UINT message, WPARAM wParam, LPARAM lParam);

// The document a view window owns (window extra slot 0), or null.
Document* DocumentOf(HWND view);

// The active document window, or null.
HWND ActiveDocumentWindow();

// Refreshes the status line of the active document window (or the idle text).
void RefreshActiveStatus();
