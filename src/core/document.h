// The in-memory document: one open file's bytes as a list of blocks, its caret,
// selection, display settings and undo lists, with the cursor that makes runs of
// nearby accesses cheap.
#pragma once

#include <cstdint>
#include <string>

#include "core/display_types.h"
#include "core/text_limits.h"

struct UndoStep;

// Block sizes. An insertion grows a block in place up to kBlockGrowLimit bytes;
// loading and large insertions fill blocks to kBlockFill bytes; a block shorter
// than kBlockShort is merged with a neighbour where the edit rules allow.
inline constexpr int32_t kBlockGrowLimit = 65535;
inline constexpr int32_t kBlockFill = 43690;
inline constexpr int32_t kBlockShort = 21845;

// One piece of the document's bytes. The document is the concatenation of all
// blocks from the first (prev null) to the last (next null).
struct Block {
  uint8_t* data;     // malloc'd; null when capacity is 0
  int32_t len;       // bytes in use, 0..capacity
  Block* prev;
  Block* next;
  int32_t capacity;  // bytes allocated for data
};

// One open file. The window handles, brushes and fonts of the hex view are kept
// by the view itself; everything here is plain state.
struct Document {
  Document() = default;
  Document(const Document&) = delete;
  Document& operator=(const Document&) = delete;
  // Frees the blocks and both undo lists.
  ~Document();

  char path[kTextBufferSize + 1] = {};  // full path, or the generated name of a new document
  int32_t untitled = 0;                 // 1 for a new document never saved
  int32_t partial = 0;                  // 1 when loading was aborted: only the file's first part is here
  int32_t caret = 0;                    // byte offset, 0..length
  int32_t digitIndex = 0;               // digits typed into the current numeric cell
  int32_t modified = 0;                 // 1 after any edit, 0 after opening and saving
  int32_t charWidth = 0;                // character cell width in pixels
  int32_t length = 0;                   // bytes in the document
  int32_t activeColumn = 0;             // 0 numeric, 1 character, 2 UNICODE column
  int32_t cursorBase = 0;               // offset at which cursorBlock starts
  int32_t titleNumber = -1;             // -1, or the number shown after the path and a colon
  int32_t anchor = -1;                  // selection anchor, -1 when nothing is selected
  uint32_t options = 0;                 // the options word (display_types.h)
  ColorRef color[kColorCount] = {};     // the colour block, indexed by ColorIndex
  UndoStep* undoList = nullptr;         // newest first
  UndoStep* redoList = nullptr;         // newest first
  Block* cursorBlock = nullptr;         // the block the cursor is on
  LogFont font = {};
  int32_t scrollColumn = 0;
  int32_t scrollLine = 0;
  int32_t clientWidth = 0;
  int32_t clientHeight = 0;
  // Both ends of the block list, so that a jump to either end walks no list.
  Block* firstBlock = nullptr;
  Block* lastBlock = nullptr;

  ColorRef& textColor() { return color[kColorText]; }
  ColorRef& backColor() { return color[kColorBack]; }
  ColorRef& fixedColor() { return color[kColorFixed]; }
  ColorRef& selTextColor() { return color[kColorSelText]; }
  ColorRef& selBackColor() { return color[kColorSelBack]; }
  ColorRef* byteColors() { return color + kColorByte0; }  // 256 values
};

// Allocates a document with the defaults of a new record (anchor and titleNumber
// -1, everything else 0) and one empty block. Returns null when memory runs out;
// nothing is reported. Free it with FreeDocument.
Document* CreateDocument();

// Frees every block, both undo lists and the record. Null is ignored.
void FreeDocument(Document* doc);

// Frees every block and leaves the document without any (cursorBlock null,
// length and cursorBase 0). The undo lists are not touched.
void FreeBlocks(Document& doc);

// Replaces the content by one empty block (data null). Returns 0, or -1 when the
// block cannot be allocated (the document then has no block).
int ResetToEmpty(Document& doc);

// Moves the cursor to the block holding offset (clamped to 0..length): the block
// with cursorBase <= offset < cursorBase + len, or the last block when offset
// is length. Starts from whichever of the first block, the cursor and the last
// block is nearest. Returns the cursor block (null only for a document without blocks).
Block* SeekBlock(Document& doc, int32_t offset);

// Copies up to count bytes from offset into dest. Returns the number copied:
// less than count when the document ends first, 0 for an offset outside
// 0..length-1 or a count <= 0. Moves the cursor.
int ReadBytes(Document& doc, int32_t offset, uint8_t* dest, int32_t count);

// Checks the structure: at least one block, consistent links and ends, no empty
// block unless it is the only one (and then with data null), len <= capacity,
// cursorBase equal to the bytes before cursorBlock, length equal to the sum of
// lens, caret and anchor inside 0..length. Returns "" when all hold, otherwise
// a description of the first violation. Walks the whole list.
std::string CheckDocument(const Document& doc);
