// Opening a document window for a file or for a new, untitled document.
#pragma once

// Opens path (null: a new untitled document) in a new document window.
// Returns 0 when the window was created and also when loading failed (the
// failure was reported); -1 only after a fatal failure, when the frame is gone.
int OpenDocument(const char* path);
