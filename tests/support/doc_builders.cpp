// Building and inspecting documents for tests.
#include "support/doc_builders.h"

#include <algorithm>
#include <cstring>
#include <stdexcept>

#include "core/block_list.h"

std::vector<uint8_t> RandomBytes(int32_t n, uint32_t seed) {
  std::vector<uint8_t> out(static_cast<size_t>(n));
  uint32_t x = seed * 2654435761u + 1;
  for (auto& b : out) {
    x ^= x << 13;
    x ^= x >> 17;
    x ^= x << 5;
    b = static_cast<uint8_t>(x >> 24);
  }
  return out;
}

void SetBlocks(Document& doc, const std::vector<int32_t>& lens) {
  FreeBlocks(doc);
  if (lens.empty() && ResetToEmpty(doc) != 0) throw std::runtime_error("out of memory");
  for (int32_t len : lens) {
    Block* b = NewBlock(len);
    if (!b) throw std::runtime_error("out of memory");
    for (int32_t i = 0; i < len; ++i) b->data[i] = PatternByte(int64_t{doc.length} + i);
    b->len = len;
    doc.length += len;
    LinkAfter(doc, doc.lastBlock, b);
  }
  doc.cursorBlock = doc.firstBlock;
}

void SetBlocksOf(Document& doc, const std::vector<uint8_t>& bytes, const std::vector<int32_t>& lens) {
  std::vector<int32_t> cut;
  for (size_t at = 0; at < bytes.size(); at += static_cast<size_t>(cut.back())) {
    int32_t len = lens.empty() ? static_cast<int32_t>(bytes.size()) : std::max(1, lens[cut.size() % lens.size()]);
    cut.push_back(static_cast<int32_t>(std::min<size_t>(static_cast<size_t>(len), bytes.size() - at)));
  }
  SetBlocks(doc, cut);
  const uint8_t* from = bytes.data();
  for (Block* b = doc.firstBlock; b && b->len > 0; from += b->len, b = b->next) {
    std::memcpy(b->data, from, static_cast<size_t>(b->len));
  }
}

void SetContent(Document& doc, const std::vector<uint8_t>& bytes) {
  SetBlocks(doc, {});
  if (!bytes.empty()) InsertBytes(doc, 0, bytes.data(), static_cast<int32_t>(bytes.size()));
  SeekBlock(doc, 0);
}

std::vector<int32_t> BlockLens(const Document& doc) {
  std::vector<int32_t> lens;
  for (const Block* b = doc.firstBlock; b; b = b->next) lens.push_back(b->len);
  return lens;
}

std::vector<uint8_t> Contents(const Document& doc) {
  std::vector<uint8_t> out;
  out.reserve(static_cast<size_t>(doc.length));
  for (const Block* b = doc.firstBlock; b; b = b->next) out.insert(out.end(), b->data, b->data + b->len);
  return out;
}

std::vector<uint8_t> PatternRange(int64_t from, int64_t to) {
  std::vector<uint8_t> out;
  for (int64_t i = from; i < to; ++i) out.push_back(PatternByte(i));
  return out;
}

int CursorIndex(const Document& doc) {
  int i = 0;
  for (const Block* b = doc.firstBlock; b; b = b->next, ++i)
    if (b == doc.cursorBlock) return i;
  return -1;
}
