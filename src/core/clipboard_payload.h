// The "Common Binary" clipboard payload: a signed 32-bit little-endian byte
// count followed by that many bytes, in one global memory block.
#pragma once

#include <cstddef>
#include <cstdint>

inline constexpr size_t kBinaryHeaderSize = 4;

// Bytes a payload of count bytes (0 or more) occupies.
size_t BinaryPayloadSize(int32_t count);

// Writes count little-endian into the header at block[0..3].
void StoreBinaryCount(uint8_t* block, int32_t count);

// Looks at a payload block of blockSize bytes (the size the system reports,
// which may be larger than the writer asked for). Returns true, with *bytes
// pointing just after the header and *count the byte count, when the header
// fits, the count is not negative and that many bytes follow inside the block.
// Returns false otherwise: a foreign or damaged payload is never read beyond
// its block.
bool ReadBinaryPayload(const uint8_t* block, size_t blockSize, const uint8_t** bytes, int32_t* count);
