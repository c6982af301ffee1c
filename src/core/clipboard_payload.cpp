// The "Common Binary" payload header.
#include "core/clipboard_payload.h"

size_t BinaryPayloadSize(int32_t count) {
  return kBinaryHeaderSize + static_cast<size_t>(count < 0 ? 0 : count);
}

void StoreBinaryCount(uint8_t* block, int32_t count) {
  uint32_t v = static_cast<uint32_t>(count);
  for (int i = 0; i < 4; ++i) block[i] = static_cast<uint8_t>(v >> (8 * i));
}

bool ReadBinaryPayload(const uint8_t* block, size_t blockSize, const uint8_t** bytes, int32_t* count) {
  *bytes = nullptr;
  *count = 0;
  if (block == nullptr || blockSize < kBinaryHeaderSize) return false;
  uint32_t v = 0;
  for (int i = 0; i < 4; ++i) v |= static_cast<uint32_t>(block[i]) << (8 * i);
  int32_t n = static_cast<int32_t>(v);
  if (n < 0 || static_cast<size_t>(n) > blockSize - kBinaryHeaderSize) return false;
  *bytes = block + kBinaryHeaderSize;
  *count = n;
  return true;
}
