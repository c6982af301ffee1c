// Saving a document window's file: Save (104), Save As (105) and the question
// before closing a modified document.
#pragma once

#include <windows.h>

// Command 104: writes the document under its path (an untitled one goes the
// Save As way), asking first when the overwrite option is set.
void SaveDocument(HWND view);

// Command 105: asks for a path with the common save dialog and writes there.
void SaveDocumentAs(HWND view);

// WM_CLOSE / WM_QUERYENDSESSION: true lets the window close. A modified
// document asks "保存しますか?" with Yes / No / Cancel.
bool ConfirmClose(HWND view);
