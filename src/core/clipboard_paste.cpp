// The choices a paste makes.
#include "core/clipboard_paste.h"

#include <cstring>

PasteSource ChoosePasteSource(bool binary, bool unicodeText, bool ansiText, int activeColumn) {
  if (binary) return PasteSource::Binary;
  if (activeColumn == 2 && unicodeText) return PasteSource::UnicodeText;
  if (ansiText) return PasteSource::AnsiText;
  return PasteSource::None;
}

size_t AnsiTextByteCount(const uint8_t* block, size_t blockSize) {
  if (block == nullptr) return 0;
  const void* zero = std::memchr(block, 0, blockSize);
  return zero == nullptr ? blockSize : static_cast<size_t>(static_cast<const uint8_t*>(zero) - block);
}

size_t WideTextByteCount(const uint8_t* block, size_t blockSize) {
  if (block == nullptr) return 0;
  size_t units = blockSize / 2;
  for (size_t i = 0; i < units; ++i) {
    if (block[2 * i] == 0 && block[2 * i + 1] == 0) return 2 * i;
  }
  return 2 * units;
}

int32_t OverwriteAnchor(int32_t caret, int32_t count, int32_t length) {
  if (count <= 0 || caret >= length) return -1;
  return count >= length - caret ? length : caret + count;
}
