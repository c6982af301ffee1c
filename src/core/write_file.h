// Writing a document's bytes to a file.
#pragma once

#include "core/document.h"
#include "core/progress.h"

// Writes every byte of doc to path. The bytes go to a temporary file in the same
// folder, which then replaces path in one step; with the recycle-bin option
// (kOptRecycleBin) an existing file is first moved to the recycle bin. Calls
// progress.Pump() before each block and stops when it aborts. Returns 0 when the
// file at path now holds the document (an empty document gives a 0-byte file).
// Returns -1 after an abort or a reported failure (warning icon): the old file
// is then untouched, no temporary file is left, and doc is not changed (it
// stays modified). owner (HWND, may be null) owns the shell's recycle dialogs.
int WriteFile(const char* path, Document& doc, Progress& progress, void* owner = nullptr);
