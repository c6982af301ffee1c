// The text forms copied bytes take on the clipboard, one per column: numbers
// for the numeric column, ANSI text for the character column, UTF-16 text
// (with an ANSI copy) for the UNICODE column.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

// Size in bytes, terminating zero included, of the numeric text of count
// bytes (count >= 0) in a data radix (0..4); SIZE_MAX when it would not fit
// the address space (no block of that size can be had).
size_t NumericTextSize(int32_t count, int dataRadix);

// Writes each byte as a dump cell of the data radix (zero-padded in
// hexadecimal, octal and binary; space-padded in both decimals, sign-extended
// in signed decimal), the cells separated by one space, then a zero. out must
// hold NumericTextSize(count, dataRadix) bytes; count 0 writes "".
void WriteNumericText(const uint8_t* bytes, int32_t count, int dataRadix, char* out);

// Size of the character column's text: the bytes and one zero.
size_t CharacterTextSize(int32_t count);

// Writes the bytes as they are, then a zero byte.
void WriteCharacterText(const uint8_t* bytes, int32_t count, char* out);

// Size of the UNICODE column's text: the bytes as little-endian UTF-16 units
// (an odd last byte becomes a unit with a zero high byte), then a zero unit.
size_t WideTextSize(int32_t count);

// Writes that text; out must hold WideTextSize(count) bytes.
void WriteWideText(const uint8_t* bytes, int32_t count, uint8_t* out);

// The ANSI copy of wide text of unitCount little-endian units: the units up
// to the first zero unit converted with the system code page.
std::string AnsiCopyOfWideText(const uint8_t* wide, size_t unitCount);
