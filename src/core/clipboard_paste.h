// What a paste takes from the clipboard and where it goes: the format chosen,
// the bytes text data stands for, and the bytes paste over replaces.
#pragma once

#include <cstddef>
#include <cstdint>

enum class PasteSource {
  None,         // nothing usable on the clipboard
  Binary,       // the "Common Binary" payload
  UnicodeText,  // CF_UNICODETEXT
  AnsiText,     // CF_TEXT
};

// The format a paste reads, given which formats the clipboard offers and the
// column holding the caret (0 numeric, 1 character, 2 UNICODE): the binary
// payload first; otherwise UTF-16 text in the UNICODE column when offered;
// otherwise ANSI text.
PasteSource ChoosePasteSource(bool binary, bool unicodeText, bool ansiText, int activeColumn);

// The bytes CF_TEXT data of blockSize bytes stands for: its characters up to
// the first zero byte, or the whole block when it holds none.
size_t AnsiTextByteCount(const uint8_t* block, size_t blockSize);

// The bytes CF_UNICODETEXT data of blockSize bytes stands for: 2 per UTF-16
// unit up to the first zero unit (or the last whole unit of the block).
size_t WideTextByteCount(const uint8_t* block, size_t blockSize);

// The anchor paste over sets without a selection: the pasted count bytes
// replace the bytes from caret on, up to length. Returns -1 when that covers
// nothing (the caret at the end, or count 0), so the paste just inserts.
int32_t OverwriteAnchor(int32_t caret, int32_t count, int32_t length);
