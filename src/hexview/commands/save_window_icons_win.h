// The icons of a document window: the shell's icons for its file's type.
#pragma once

#include <windows.h>

// Sets view's large and small icons to the shell's icons for the type of path,
// looked up by name only (no disk access). Icons it replaced that came from
// here are destroyed; where the shell gives no icon the window keeps its own.
void SetDocumentWindowIcons(HWND view, const char* path);

// Destroys the icons SetDocumentWindowIcons gave view (at WM_DESTROY).
void DestroyDocumentWindowIcons(HWND view);
