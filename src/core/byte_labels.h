// ByteLabels: the short label under which a byte value shows as a single-byte
// character in the ANSI column (and in the byte-colour list of the properties).
#pragma once

#include <cstdint>

// The 256 labels by byte value, in Shift-JIS, NUL-terminated, 1 to 4 bytes:
// a printable character or half-width kana stands for itself ("A", "\xB1"), 0xA0
// is a blank; control codes get two letters ("LF"), 0x1C-0x1F a double-byte arrow
// ("→"), 0x00 "\\0", 0x7F "DL"; 0x80 and 0xFD-0xFF a full-width "？" and two hex
// digits; a lead byte without a following byte "漢" and two hex digits ("漢81").
extern const char* const ByteLabels[256];

// Bytes in the label of value (1, 2 or 4).
int ByteLabelLength(uint8_t value);

// True when the label is a single character: the byte may be typed and drawn as itself.
inline bool IsPlainByteLabel(uint8_t value) { return ByteLabelLength(value) == 1; }
