// The status line of a hex view: the caret's address, the 16- and 32-bit
// values at the caret, or the selected range.
#pragma once

#include <cstdint>
#include <string>

// The text for part 0 of the status bar (Shift-JIS). options gives the address
// radix, data radix and byte order. Without a selection (anchor -1) bytes holds
// the count (0..4) bytes read at the caret: with 2 or more a WORD value follows
// the address, with 4 a DWORD value too, both in the data radix and byte order,
// never in binary. With a selection its range and length follow instead,
// written like addresses.
std::string StatusLineText(uint32_t options, int32_t caret, int32_t anchor, const uint8_t* bytes, int count);
