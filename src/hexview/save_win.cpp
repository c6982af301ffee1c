// Saving documents.
#include "hexview/save_win.h"

void SaveDocument(HWND) {}
void SaveDocumentAs(HWND) {}
bool ConfirmClose(HWND) { return true; }
