// The frame's menus and toolbar following the active document.
#pragma once

#include <windows.h>

struct Document;

// Enables, grays and checks the document commands for doc, or grays them all
// when doc is null; then redraws the menu bar. Returns 0, or -1 after a fatal
// failure was reported (the frame is then destroyed).
int RefreshMenuState(const Document* doc);
