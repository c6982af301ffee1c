// What one WM_CHAR means to a hex view: a digit for the numeric area, the
// bytes of a character for the character areas, half of a double-byte
// character, or nothing.
#pragma once

#include <cstdint>

struct CharEntry {
  enum Action {
    kIgnore,   // not typeable here: nothing happens
    kPending,  // a lead byte was stored; its trail byte follows in the next message
    kDigit,    // digit is a single-byte character typed into the numeric area
    kBytes,    // write bytes[0..count) in a character area
  };
  Action action = kIgnore;
  char digit = 0;
  uint8_t bytes[4] = {};
  int count = 0;
};

// Single-byte characters that may be typed: those whose label in the ANSI
// column is one character long (0x20-0x7E and 0xA0-0xDF).
bool IsTypeableSingleByte(unsigned code);

// Interprets one character message. unicodeWindow: code is a UTF-16 code unit
// (a Unicode window); otherwise an ANSI byte, where a double-byte character
// arrives as two messages and pendingLeadByte (0 = none) carries its lead byte
// from the first to the second. activeColumn is the area holding the caret.
// Area 1 receives ANSI bytes (a UTF-16 character converted to the system code
// page), area 2 UTF-16 code units, little-endian (an ANSI character converted).
CharEntry TakeCharacter(unsigned code, bool unicodeWindow, int activeColumn, uint8_t& pendingLeadByte);
