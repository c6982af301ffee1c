// The value of the radix input dialog: its remembered choices (the `code`
// setting), the text parsed in the chosen radix, the spin, and the 1, 2 or 4
// bytes written in Intel or Motorola order.
#pragma once

#include <cstdint>
#include <string>

// Entries of the radix combo; the indexes are the data radix codes.
inline constexpr int kRadixChoiceCount = 5;
inline constexpr int kRadixChoiceSigned = 4;

// Entries of the unit combo: BYTE, WORD, DWORD.
enum RadixUnit : int { kUnitByte = 0, kUnitWord = 1, kUnitDword = 2 };

// Entries of the byte-order combo.
enum RadixOrder : int { kOrderIntel = 0, kOrderMotorola = 1 };

// The longest text the value edit takes.
inline constexpr int kRadixTextLimit = 32;

// The dialog's choices as stored in `code`: bits 0-2 radix, bits 3-4 unit,
// bit 5 byte order.
struct RadixChoice {
  int radix = 0;  // 0..4
  int unit = 0;   // 0..2
  int order = 0;  // 0..1
};

// Reads code; a field outside its range (an unset or damaged setting) becomes 0.
RadixChoice DecodeRadixCode(int32_t code);

// The code word of a choice (0..63).
int32_t EncodeRadixCode(const RadixChoice& choice);

// Bytes of a unit: 1, 2 or 4 (1 for anything else).
int UnitByteCount(int unit);

// Parses the value text in the radix of choice radix (16, 8, 2, 10 or 10;
// signed for the signed entry, down to -2147483648). Returns 0, or -1 with
// *value holding what was read before the failing character.
int ParseRadixText(const char* text, int radix, int32_t* value);

// The value's bytes: the 32-bit value little-endian in out[0..3]; in Motorola
// order the first UnitByteCount(unit) bytes are reversed. Only those first
// bytes are written to the document (300 as BYTE gives 0x2C).
void RadixValueBytes(int32_t value, int unit, int order, uint8_t out[4]);

// The text after one spin step (delta +1 up, -1 down): the text's value (or
// what was read before a bad character) moved by one unless it already is the
// largest (2147483647 signed, 4294967295 otherwise) or the smallest
// (-2147483648 signed, 0 otherwise), written in the radix without padding.
std::string SpinRadixText(const char* text, int radix, int delta);
