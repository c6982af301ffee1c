// Documents with chosen block layouts and contents, and ways to look inside them.
#pragma once

#include <cstdint>
#include <vector>

#include "core/document.h"

// A byte that differs between neighbouring offsets and repeats only every 251 bytes.
inline uint8_t PatternByte(int64_t offset) { return static_cast<uint8_t>((offset * 7 + 3) % 251); }

// n pseudo-random bytes from seed.
std::vector<uint8_t> RandomBytes(int32_t n, uint32_t seed);

// Replaces doc's content by blocks of exactly the given lengths (one empty block
// for an empty list) holding PatternByte(offset); the cursor goes to the first block.
void SetBlocks(Document& doc, const std::vector<int32_t>& lens);

// Replaces doc's content by bytes cut into blocks of the given lengths in turn
// (the list repeats until the bytes run out; one empty block for no bytes); the
// cursor goes to the first block.
void SetBlocksOf(Document& doc, const std::vector<uint8_t>& bytes, const std::vector<int32_t>& lens);

// Replaces doc's content by bytes (inserted in one go) and puts the cursor first.
void SetContent(Document& doc, const std::vector<uint8_t>& bytes);

// The lengths of doc's blocks, first to last.
std::vector<int32_t> BlockLens(const Document& doc);

// Every byte of doc, read block by block without moving the cursor.
std::vector<uint8_t> Contents(const Document& doc);

// The bytes PatternByte gives for offsets [from, to).
std::vector<uint8_t> PatternRange(int64_t from, int64_t to);

// Position of the cursor block in the list, counted from 0.
int CursorIndex(const Document& doc);
