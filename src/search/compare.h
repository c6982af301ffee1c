// The definition of a match: how many bytes at the start of a text a pattern
// matches under the search options. Every faster search must agree with it.
#pragma once

#include <cstdint>

// Number of bytes at the start of text (n bytes) that pattern (p bytes) matches
// under options (search_options.h), or 0 when it does not match there.
// Width-sensitive: p when n >= p and the first p bytes equal the pattern, exactly
// or, when not case-sensitive, with ASCII letters folded. Width-insensitive: the
// pattern's characters are counted as Shift-JIS (a lead byte and the byte after
// it form one character; a lead byte at the pattern's end is one character); as
// many characters are taken from the text, which must hold them within n bytes;
// those k bytes must compare equal to the pattern through CompareAnsi with
// kCompareIgnoreWidth (and kCompareIgnoreCase when not case-sensitive); the result
// is k. An empty pattern matches nothing. Null pointers are allowed with a zero length.
int Compare(const uint8_t* text, int32_t n, const uint8_t* pattern, int32_t p, int options);

// The byte with ASCII letters A-Z folded to lower case, as the runtime's _memicmp compares.
inline uint8_t FoldAsciiCase(uint8_t b) { return b >= 'A' && b <= 'Z' ? static_cast<uint8_t>(b + 0x20) : b; }

// The CompareAnsi flags of a width-insensitive comparison under options.
unsigned WidthInsensitiveFlags(int options);
