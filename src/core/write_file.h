// Writing a document's bytes to a file.
#pragma once

#include "core/document.h"
#include "core/progress.h"

// Writes every byte of doc to path (through a symbolic link, to the file it
// names). The bytes go to a temporary file in the same folder, which then
// replaces the file in one step; with the recycle-bin option (kOptRecycleBin) an
// existing file is first moved to the recycle bin. Where replacing would change
// the old file (other hard links, permissions the new file cannot carry), the
// bytes are copied into the old file instead, the temporary file staying as a
// complete copy until they are all there (an abort is then no longer taken).
// Where no temporary file can be made beside an existing file (no access to the
// folder, no room for a second copy) the user is asked whether to write into the
// file itself (MessageButtons::YesNo, warning icon, owner); No ends the save.
// Calls progress.Pump() before each block and stops when it aborts (first copy
// only). Returns 0 when the file at path now holds the document (an empty
// document gives a 0-byte file). Returns -1 after an abort, a refused question or
// a reported failure (warning icon): doc is then not changed (it stays modified)
// and, but for a failure half-way through writing into the file itself, the old
// file is untouched and no temporary file is left.
int WriteFile(const char* path, Document& doc, Progress& progress, void* owner = nullptr);
