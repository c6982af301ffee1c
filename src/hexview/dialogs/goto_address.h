// The go-to entry: an absolute address, or "+" / "-" and a distance from the
// caret, in the document's address radix; its limits and its spin.
#pragma once

#include <cstdint>
#include <string>

// The longest text the go-to edit takes.
inline constexpr int kGoToTextLimit = 13;

// Number base of an address radix code: 16, 10 or 8 (others give 16).
int AddressRadixBase(int addressRadix);

struct GoToEntry {
  bool parsed = false;    // the number part is valid
  bool relative = false;  // the text starts with "+" or "-"
  int64_t target = 0;     // the offset the entry names (may lie outside the document)
};

// Reads text in base for a document whose caret is at caret. The number part
// is unsigned 32-bit; after a bad character target is built from what was read
// before it and parsed is false.
GoToEntry ParseGoToEntry(const char* text, int base, int32_t caret);

// True when OK may be pressed: the entry parsed and 0 <= target <= length
// (the position just after the last byte included).
bool GoToTargetAllowed(const GoToEntry& entry, int32_t length);

// The text of the caret's address when the dialog opens.
std::string GoToInitialText(int32_t caret, int base);

// The text after one spin step (delta +1 up, -1 down): the target moved by one
// and clamped to 0..length; a relative entry is written as "+" or "-" and the
// distance from the caret, an absolute one as the target.
std::string SpinGoToText(const char* text, int base, int32_t caret, int32_t length, int delta);
