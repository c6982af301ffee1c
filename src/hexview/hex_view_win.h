// The document window ("BINClass") and its marker bars ("BARClass").
#pragma once

#include <windows.h>

struct Document;

inline constexpr char kDocumentClassName[] = "BINClass";
inline constexpr char kBarClassName[] = "BARClass";

// True for a window of class "BINClass".
bool IsDocumentWindow(HWND window);

// Window procedures of the two classes.
LRESULT CALLBACK HexViewWindowProc(HWND view, UINT message, WPARAM wParam, LPARAM lParam);
// The marker bars fill themselves with the parent view's text brush (bar_win.cpp).
LRESULT CALLBACK BarWindowProc(HWND bar, UINT message, WPARAM wParam, LPARAM lParam);

// The document a view window owns (through its HexView record in window extra
// slot 0), or null before creation and after destruction.
Document* DocumentOf(HWND view);

// The active document window, or null.
HWND ActiveDocumentWindow();

// Refreshes the status line of the active document window (or the idle text).
void RefreshActiveStatus();
