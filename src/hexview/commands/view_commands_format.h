// The display-format commands as changes of the options word: next data radix,
// next address radix, a radix or byte order set, and the top line that keeps its first byte.
#pragma once

#include <cstdint>

// Ctrl+1: hexadecimal, octal, binary, unsigned decimal, signed decimal, then
// hexadecimal again (an out-of-range code also gives hexadecimal).
uint32_t WithNextDataRadix(uint32_t options);

// Ctrl+2: hexadecimal, decimal, octal, then hexadecimal addresses again.
uint32_t WithNextAddressRadix(uint32_t options);

// The data radix (0..4) or address radix (0..2) set; other bits kept.
uint32_t WithDataRadix(uint32_t options, int dataRadix);
uint32_t WithAddressRadix(uint32_t options, int addressRadix);
uint32_t WithByteOrder(uint32_t options, bool motorola);

// The first visible line after the bytes per line change so that the byte that
// began the top line stays in the top line (not yet clamped).
int32_t TopLineAfterFormatChange(int32_t scrollLine, int oldBytesPerLine, int newBytesPerLine);
