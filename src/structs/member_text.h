// The text of a structure member's value and back: numbers in the member's radix
// and byte order, Shift-JIS or UTF-16 strings, byte sequences.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "structs/structure.h"

// A member value as text: Shift-JIS in ansi, or, for a UNICODE string formatted
// for a UTF-16 edit box or UTF-16 drawing, UTF-16 in utf16 (isUtf16 set).
struct MemberValueText {
  bool isUtf16 = false;
  std::string ansi;
  std::u16string utf16;
};

// The text of the member's value over bytes, which holds member.byteCount bytes.
// BYTE, WORD and DWORD read their 1, 2 or 4 bytes (Motorola: most significant
// first); hexadecimal, octal and binary are zero padded to the digits of their
// size, decimals are not padded, signed decimal is the only signed radix. A
// string ends at its first zero byte (Shift-JIS) or zero unit (UNICODE); a
// UNICODE string gives UTF-16 text when utf16 is set and at most 2048 bytes of
// Shift-JIS otherwise. A byte sequence gives each byte as a BYTE joined by one
// blank; an unused member gives "". Radix codes 5 to 7 count as hexadecimal.
MemberValueText FormatMemberValue(const StructureMember& member, const uint8_t* bytes, bool utf16);

// Exactly member.byteCount bytes from text (empty for a byte count below 1).
// Numbers that do not parse keep the value read before the failing character;
// values wider than the member are cut to its size; nothing is reported. A
// string is copied, zero padded, up to byteCount bytes (a UNICODE string from
// Shift-JIS text with its terminator); a byte sequence takes the low byte of one
// number per token (separators " ,."), ignores tokens beyond byteCount and
// leaves the rest 0; an unused member gives zeros. UTF-16 text for anything but
// a UNICODE string is first converted to Shift-JIS, and the other way round.
std::vector<uint8_t> ParseMemberValue(const StructureMember& member, std::string_view text);
std::vector<uint8_t> ParseMemberValue(const StructureMember& member, std::u16string_view text);

// Characters of the member's value column: the digits of its size and radix for
// BYTE, WORD and DWORD; byteCount for a string; (BYTE digits + 1) x byteCount - 1
// for a byte sequence; 0 for an unused member. Here and in MemberEditLimit a byte
// count below 0 counts as 0 and one above kMaxMemberBytes as kMaxMemberBytes.
int MemberDisplayWidth(const StructureMember& member);

// Characters the in-place edit box accepts: the digits for BYTE, WORD and DWORD;
// byteCount for a string, (byteCount + 1) / 2 in a UTF-16 edit box; (BYTE digits
// + 1) x byteCount for a byte sequence; 0 for an unused member.
int MemberEditLimit(const StructureMember& member, bool utf16EditBox);
