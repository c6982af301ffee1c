// Number text in the five radixes: every byte cell, address, member value and
// pattern the user sees or types passes through these routines.
#pragma once

#include <cstdint>
#include <string>

// Data radix codes (bits 0-2 of an options word).
enum DataRadix : int {
  kRadixHex = 0,
  kRadixOctal = 1,
  kRadixBinary = 2,
  kRadixUnsigned = 3,
  kRadixSigned = 4,
};

// Address radix codes (bits 3-4 of an options word).
enum AddressRadix : int {
  kAddressHex = 0,
  kAddressDecimal = 1,
  kAddressOctal = 2,
};

// The digit alphabet; a digit's value is its index.
inline constexpr char kDigits[] = "0123456789ABCDEF";

// Room a ByteSequence holder gives patterns and history entries.
inline constexpr int kByteSequenceCapacity = 128;

// A counted run of bytes with room for kByteSequenceCapacity of them.
struct ByteSequence {
  int32_t count = 0;
  uint8_t bytes[kByteSequenceCapacity] = {};
};

// Number base of a data radix code: 16, 8, 2, 10 or 10 (codes outside 0..4 give 16).
int RadixBase(int dataRadix);

// Digits of one value of unitBytes (1, 2 or 4) in a data radix (the digits table;
// the signed column counts the sign). Other sizes or codes give 0.
int DigitsPerValue(int unitBytes, int dataRadix);

// Bytes shown per dump line for an address radix: 16, 10 or 16.
int BytesPerLineForAddressRadix(int addressRadix);

// Writes the text of value in radix (2..16) padded to |width|: width > 0 pads
// with spaces on the left, width < 0 with zeros (a sign moves to the front),
// 0 not at all; longer text is never cut. With isSigned a negative value gets a
// "-"; otherwise the value is taken as unsigned 32-bit. text must hold
// max(|width|, 33) + 1 characters. A radix outside 2..16 writes "".
void FormatNumber(int32_t value, char* text, int radix, int width, bool isSigned);

// The same, returned as a string.
std::string NumberText(int32_t value, int radix, int width, bool isSigned);

// Parses text in radix. Leading spaces are skipped; with isSigned a leading "-"
// negates a magnitude below 2^31 (a lone "-" is 0). Without a sign any 32-bit
// pattern is accepted. Returns 0 on success, -1 on failure (also for a radix
// outside 2..16); on failure *value holds what was accumulated before the
// failing character.
int ParseNumber(const char* text, int radix, bool isSigned, int32_t* value);

// The bytes as numbers separated by one space; each byte sign-extended when
// isSigned, zero-extended otherwise. An empty run gives "".
std::string FormatByteSequence(const uint8_t* bytes, int count, int radix, int width, bool isSigned);
std::string FormatByteSequence(const ByteSequence& sequence, int radix, int width, bool isSigned);

// Parses space/comma/period separated byte numbers into sequence (runs of
// separators count as one). Returns 0 on success (no tokens gives count 0), -1
// with count 0 when a token is not a number in the byte range (0..255, or
// -128..127 when isSigned, where a token without "-" must be 0..127) or when
// there are more tokens than the holder's kByteSequenceCapacity bytes; nothing
// is ever written past the holder.
int ParseByteSequence(const char* text, int radix, bool isSigned, ByteSequence* sequence);

// An address column text: always 8 digits, zero padded, unsigned; decimal
// reduced modulo 100,000,000 and octal modulo 16,777,216.
std::string AddressText(uint32_t address, int addressRadix);
