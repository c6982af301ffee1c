// Reading a file into a document's blocks.
#pragma once

#include "core/document.h"
#include "core/progress.h"

// Replaces doc's content by the bytes of the file at doc.path, read in chunks of
// kBlockFill bytes with progress.Pump() before each chunk; a last chunk shorter
// than kBlockShort is merged into its predecessor. An abort keeps the bytes read
// so far and marks the document partial (a shorter file than the one on disk,
// which must never replace it without the user choosing so). Returns 0 with at least one block (one empty block for an
// empty file), caret 0 and no selection. Returns -1 after reporting the failure (warning icon): the document then has
// no block and must be freed or reset. Files of 2 GiB or more are refused as "ﾒﾓﾘを確保できません".
int LoadFile(Document& doc, Progress& progress);
