// Document lifetime, the block cursor, reading bytes and the structure check.
#include "core/document.h"

#include <cstdlib>
#include <cstring>
#include <new>

#include "core/block_list.h"
#include "core/undo.h"

Document::~Document() {
  FreeBlocks(*this);
  FreeStepList(undoList);
  FreeStepList(redoList);
}

Document* CreateDocument() {
  Document* doc = new (std::nothrow) Document;
  if (!doc) return nullptr;
  if (ResetToEmpty(*doc) != 0) {
    delete doc;
    return nullptr;
  }
  return doc;
}

void FreeDocument(Document* doc) { delete doc; }

void FreeBlocks(Document& doc) {
  Block* b = doc.firstBlock;
  while (b) {
    Block* next = b->next;
    DeleteBlock(b);
    b = next;
  }
  doc.firstBlock = doc.lastBlock = doc.cursorBlock = nullptr;
  doc.cursorBase = 0;
  doc.length = 0;
}

int ResetToEmpty(Document& doc) {
  FreeBlocks(doc);
  Block* b = NewBlock(0);
  if (!b) return -1;
  LinkAfter(doc, nullptr, b);
  doc.cursorBlock = b;
  return 0;
}

Block* SeekBlock(Document& doc, int32_t offset) {
  Block* b = doc.cursorBlock;
  if (!b) return nullptr;
  if (offset < 0) offset = 0;
  if (offset > doc.length) offset = doc.length;
  int32_t base = doc.cursorBase;
  // Start from the nearest of the three known places; the walk ends on the
  // same block from any of them.
  int32_t fromCursor = offset >= base ? offset - base : base - offset;
  int32_t fromEnd = doc.length - offset;
  if (offset < fromCursor && offset <= fromEnd) {
    b = doc.firstBlock;
    base = 0;
  } else if (fromEnd < fromCursor) {
    b = doc.lastBlock;
    base = doc.length - b->len;
  }
  while (offset < base && b->prev) {
    b = b->prev;
    base -= b->len;
  }
  while (offset >= base + b->len && b->next) {
    base += b->len;
    b = b->next;
  }
  doc.cursorBlock = b;
  doc.cursorBase = base;
  return b;
}

int ReadBytes(Document& doc, int32_t offset, uint8_t* dest, int32_t count) {
  if (count <= 0 || offset < 0 || offset >= doc.length) return 0;
  Block* b = SeekBlock(doc, offset);
  int32_t k = offset - doc.cursorBase;
  int32_t copied = 0;
  while (b && copied < count) {
    int32_t take = b->len - k;
    if (take > count - copied) take = count - copied;
    if (take > 0) {
      std::memcpy(dest + copied, b->data + k, static_cast<size_t>(take));
      copied += take;
    }
    if (copied == count || !b->next) break;
    // Moving on keeps the cursor on the block the read ended in.
    doc.cursorBase += b->len;
    b = b->next;
    doc.cursorBlock = b;
    k = 0;
  }
  return copied;
}

namespace {

std::string Violation(const char* what, long long a, long long b) {
  return std::string(what) + " (" + std::to_string(a) + " vs " + std::to_string(b) + ")";
}

}  // namespace

std::string CheckDocument(const Document& doc) {
  if (!doc.firstBlock || !doc.lastBlock || !doc.cursorBlock) return "no block";
  if (doc.firstBlock->prev) return "first block has a predecessor";
  if (doc.lastBlock->next) return "last block has a successor";
  long long total = 0;
  long long cursorStart = -1;
  long long count = 0;
  bool only = !doc.firstBlock->next;
  for (const Block* b = doc.firstBlock; b; b = b->next) {
    if (++count > (1LL << 31)) return "the list does not end";
    if (b->next && b->next->prev != b) return Violation("broken link after block", count - 1, 0);
    if (!b->next && b != doc.lastBlock) return "last block is not the end of the list";
    if (b->len < 0 || b->len > b->capacity) return Violation("len outside 0..capacity", b->len, b->capacity);
    if (b->capacity > 0 && !b->data) return "capacity without data";
    if (b->len == 0 && !only) return Violation("empty block that is not the only one", count - 1, 0);
    if (b->len == 0 && b->data) return "the only, empty block holds data";
    if (b == doc.cursorBlock) cursorStart = total;
    total += b->len;
  }
  if (cursorStart < 0) return "cursor block is not in the list";
  if (cursorStart != doc.cursorBase) return Violation("cursorBase", doc.cursorBase, cursorStart);
  if (total != doc.length) return Violation("length", doc.length, total);
  if (doc.caret < 0 || doc.caret > doc.length) return Violation("caret outside the document", doc.caret, doc.length);
  if (doc.anchor < -1 || doc.anchor > doc.length)
    return Violation("anchor outside the document", doc.anchor, doc.length);
  return "";
}
