// The document windows' properties command (107, "ﾌﾟﾛﾊﾟﾃｨ", Alt+Enter and the
// toolbar button).
#pragma once

#include <windows.h>

// Runs the properties dialog, owned by view, on a copy of its document's
// options, colours and font. On OK the document takes the copy, loses its undo
// and redo lists, and the window rebuilds its brushes and fonts and redisplays
// with the byte that began the top line kept in the top line. Cancel changes nothing.
void RunDocumentProperties(HWND view);

// Registers command 107 with the document windows.
void RegisterPropertiesCommand();
