// The two edit primitives on a document's block list, and the block storage
// helpers that loading shares with them.
#pragma once

#include <cstdint>

#include "core/document.h"

// Inserts count bytes from source at offset (0..length). Grows the block in
// place up to kBlockGrowLimit bytes, otherwise splits it and fills new blocks to
// kBlockFill, merging a short remainder. Updates length; the cursor stays on the
// block that held offset. Returns the number of bytes inserted: count, 0 for
// invalid arguments or when length + count would pass INT32_MAX, and less than
// count only when memory ran out (the bytes inserted then are the first ones of
// source, and the list is still consistent).
int InsertBytes(Document& doc, int32_t offset, const uint8_t* source, int32_t count);

// Removes count bytes at offset (clamped to the end of the document), unlinking
// blocks that become empty and merging or balancing short blocks around the
// cursor. Updates length and moves the cursor to a block that still exists.
// Returns the number of bytes removed (0 for an offset outside 0..length-1 or a
// count <= 0). A merge that cannot get memory is skipped; no byte is lost.
int DeleteBytes(Document& doc, int32_t offset, int32_t count);

// Storage helpers -----------------------------------------------------------

// A new unlinked block with room for capacity bytes (data null for 0) and len 0.
// Returns null when memory runs out.
Block* NewBlock(int32_t capacity);

// Frees a block and its data; the block must already be unlinked.
void DeleteBlock(Block* block);

// Makes room for at least needed bytes, keeping the bytes in use. Returns false
// (block unchanged) when memory runs out.
bool ReserveExact(Block* block, int32_t needed);

// Links block after `after`, or as the only block when after is null.
void LinkAfter(Document& doc, Block* after, Block* block);

// Unlinks block from the list (the cursor must not be on it).
void Unlink(Document& doc, Block* block);

// Appends the bytes of second (first's successor) to first and frees second; a
// cursor on second moves to first. Returns false (nothing changed) when memory
// runs out.
bool MergeIntoFirst(Document& doc, Block* first, Block* second);
