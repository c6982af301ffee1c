// Inserting and deleting bytes in the block list, keeping blocks between about
// 21 KB and 64 KB, and the block storage underneath.
#include "core/block_list.h"

#include <algorithm>
#include <climits>
#include <cstdlib>
#include <cstring>
#include <new>

namespace {

// Growth in place rounds the allocation up to this step, so typing into a block
// reallocates once per few thousand bytes instead of at every key.
constexpr int32_t kGrowthStep = 4096;

// A block keeps spare room until it holds less than half of its allocation and
// the spare room exceeds this.
constexpr int32_t kTrimSlack = 8192;

bool Reallocate(Block* block, int32_t capacity) {
  void* data = std::realloc(block->data, static_cast<size_t>(capacity));
  if (!data) return false;
  block->data = static_cast<uint8_t*>(data);
  block->capacity = capacity;
  return true;
}

// Room for needed bytes with spare room for further typing, within the in-place limit.
bool ReserveForGrowth(Block* block, int32_t needed) {
  if (needed <= block->capacity) return true;
  int32_t roomy = (needed / kGrowthStep + 2) * kGrowthStep;
  if (roomy > kBlockGrowLimit) roomy = std::max(needed, kBlockGrowLimit);
  return Reallocate(block, roomy) || Reallocate(block, needed);
}

// Gives back spare room of a block that shrank a lot; an empty block gives back all.
void TrimCapacity(Block* block) {
  if (block->len == 0) {
    std::free(block->data);
    block->data = nullptr;
    block->capacity = 0;
    return;
  }
  if (block->capacity - block->len > kTrimSlack && block->capacity > 2 * block->len) {
    Reallocate(block, block->len);  // a failed shrink keeps the larger allocation
  }
}

bool IsOnly(const Block* block) { return !block->prev && !block->next; }

// Removes a block that holds no bytes. The only block stays, without data.
// A cursor on it moves to the next block (same start) or else to the previous one.
void DropEmpty(Document& doc, Block* block) {
  if (IsOnly(block)) {
    TrimCapacity(block);
    return;
  }
  if (doc.cursorBlock == block) {
    if (block->next) {
      doc.cursorBlock = block->next;
    } else {
      doc.cursorBlock = block->prev;
      doc.cursorBase -= block->prev->len;
    }
  }
  Unlink(doc, block);
  DeleteBlock(block);
}

// Moves bytes across the boundary of two neighbours so that first holds half of
// both (rounded down) and second the rest.
bool Balance(Document& doc, Block* first, Block* second) {
  int32_t total = first->len + second->len;
  int32_t target = total / 2;
  int32_t oldFirst = first->len;
  if (oldFirst < target) {
    int32_t move = target - oldFirst;
    if (!ReserveExact(first, target)) return false;
    std::memcpy(first->data + oldFirst, second->data, static_cast<size_t>(move));
    std::memmove(second->data, second->data + move, static_cast<size_t>(second->len - move));
    second->len -= move;
    first->len = target;
    TrimCapacity(second);
  } else if (oldFirst > target) {
    int32_t move = oldFirst - target;
    if (!ReserveExact(second, second->len + move)) return false;
    std::memmove(second->data + move, second->data, static_cast<size_t>(second->len));
    std::memcpy(second->data, first->data + target, static_cast<size_t>(move));
    second->len += move;
    first->len = target;
    TrimCapacity(first);
  }
  if (doc.cursorBlock == second) doc.cursorBase += first->len - oldFirst;
  return true;
}

// Merges or balances short blocks, starting at the cursor block.
void Rebalance(Document& doc) {
  Block* x = doc.cursorBlock;
  while (x && x->len < kBlockShort && !IsOnly(x)) {
    Block* first = x;
    Block* second = x->next;
    if (!second) {
      first = x->prev;
      second = x;
      if (doc.cursorBlock == x) {
        doc.cursorBlock = first;
        doc.cursorBase -= first->len;
      }
    }
    bool done = static_cast<int64_t>(first->len) + second->len > kBlockGrowLimit
                    ? Balance(doc, first, second)
                    : MergeIntoFirst(doc, first, second);
    if (!done) return;  // out of memory: the short block stays, no byte is lost
    x = first->len >= kBlockShort ? first->next : first;
  }
}

}  // namespace

Block* NewBlock(int32_t capacity) {
  Block* block = static_cast<Block*>(std::malloc(sizeof(Block)));
  if (!block) return nullptr;
  *block = Block{nullptr, 0, nullptr, nullptr, 0};
  if (capacity > 0) {
    block->data = static_cast<uint8_t*>(std::malloc(static_cast<size_t>(capacity)));
    if (!block->data) {
      std::free(block);
      return nullptr;
    }
    block->capacity = capacity;
  }
  return block;
}

void DeleteBlock(Block* block) {
  if (!block) return;
  std::free(block->data);
  std::free(block);
}

bool ReserveExact(Block* block, int32_t needed) {
  return needed <= block->capacity || Reallocate(block, needed);
}

void LinkAfter(Document& doc, Block* after, Block* block) {
  block->prev = after;
  if (!after) {
    block->next = nullptr;
    doc.firstBlock = doc.lastBlock = block;
    return;
  }
  block->next = after->next;
  if (after->next) {
    after->next->prev = block;
  } else {
    doc.lastBlock = block;
  }
  after->next = block;
}

void Unlink(Document& doc, Block* block) {
  if (block->prev) {
    block->prev->next = block->next;
  } else {
    doc.firstBlock = block->next;
  }
  if (block->next) {
    block->next->prev = block->prev;
  } else {
    doc.lastBlock = block->prev;
  }
  block->prev = block->next = nullptr;
}

bool MergeIntoFirst(Document& doc, Block* first, Block* second) {
  if (!ReserveExact(first, first->len + second->len)) return false;
  if (second->len) std::memcpy(first->data + first->len, second->data, static_cast<size_t>(second->len));
  if (doc.cursorBlock == second) {
    doc.cursorBlock = first;
    doc.cursorBase -= first->len;
  }
  first->len += second->len;
  Unlink(doc, second);
  DeleteBlock(second);
  return true;
}

int InsertBytes(Document& doc, int32_t offset, const uint8_t* source, int32_t count) {
  if (count <= 0 || !source || offset < 0 || offset > doc.length || count > INT32_MAX - doc.length) return 0;
  Block* b = SeekBlock(doc, offset);
  if (!b) return 0;
  int32_t k = offset - doc.cursorBase;

  // Room in the block itself.
  if (b->len <= kBlockGrowLimit - count) {
    if (!ReserveForGrowth(b, b->len + count)) return 0;
    std::memmove(b->data + k + count, b->data + k, static_cast<size_t>(b->len - k));
    std::memcpy(b->data + k, source, static_cast<size_t>(count));
    b->len += count;
    doc.length += count;
    return count;
  }

  // Split at the insertion point: t takes the bytes from k on.
  int32_t tailLen = b->len - k;
  Block* t = NewBlock(tailLen);
  if (!t) return 0;
  if (tailLen) std::memcpy(t->data, b->data + k, static_cast<size_t>(tailLen));
  t->len = tailLen;
  b->len = k;
  LinkAfter(doc, b, t);

  // Fill blocks while a long run remains.
  Block* f = b;
  int32_t done = 0;
  bool ok = true;
  while (count - done >= kBlockShort) {
    if (f->len >= kBlockShort) {
      Block* fresh = NewBlock(std::min(kBlockFill, count - done));
      if (!fresh) {
        ok = false;
        break;
      }
      LinkAfter(doc, f, fresh);
      f = fresh;
    }
    int32_t take = std::min(kBlockFill - f->len, count - done);
    if (!ReserveExact(f, f->len + take)) {
      ok = false;
      break;
    }
    std::memcpy(f->data + f->len, source + done, static_cast<size_t>(take));
    f->len += take;
    done += take;
    doc.length += take;
  }

  // The short remainder goes to the shorter side of the boundary after f
  // (f's successor is always t).
  int32_t rest = count - done;
  if (ok && rest > 0) {
    Block* s = f->next;
    if (f->len > s->len) {
      ok = ReserveExact(s, s->len + rest);
      if (ok) {
        std::memmove(s->data + rest, s->data, static_cast<size_t>(s->len));
        std::memcpy(s->data, source + done, static_cast<size_t>(rest));
        s->len += rest;
      }
    } else {
      ok = ReserveExact(f, f->len + rest);
      if (ok) {
        std::memcpy(f->data + f->len, source + done, static_cast<size_t>(rest));
        f->len += rest;
      }
    }
    if (ok) {
      done += rest;
      doc.length += rest;
    }
  }

  if (ok) {
    Block* s = f->next;
    if (s && s->len < kBlockShort) MergeIntoFirst(doc, f, s);  // failure only leaves a short block
  } else {
    if (t->len == 0) DropEmpty(doc, t);
    if (b->len == 0) DropEmpty(doc, b);
  }
  if (doc.cursorBlock == b) TrimCapacity(b);
  return done;
}

int DeleteBytes(Document& doc, int32_t offset, int32_t count) {
  if (count <= 0 || offset < 0 || offset >= doc.length) return 0;
  count = std::min(count, doc.length - offset);
  Block* b = SeekBlock(doc, offset);
  int32_t k = offset - doc.cursorBase;

  int32_t left = count;
  Block* cur = b;
  int32_t start = k;
  while (left > 0 && cur) {
    int32_t take = std::min(cur->len - start, left);
    std::memmove(cur->data + start, cur->data + start + take, static_cast<size_t>(cur->len - start - take));
    cur->len -= take;
    doc.length -= take;
    left -= take;
    Block* next = cur->next;
    if (cur->len == 0) {
      DropEmpty(doc, cur);
    } else {
      TrimCapacity(cur);
    }
    cur = next;
    start = 0;
  }
  Rebalance(doc);
  Block* only = doc.cursorBlock;
  if (IsOnly(only) && only->len == 0) TrimCapacity(only);
  return count;
}
