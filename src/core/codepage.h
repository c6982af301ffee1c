// The one door to the system's ANSI code page (Shift-JIS, code page 932).
// Windows builds use the system calls; the native build mimics code page 932.
#pragma once

#include <string>
#include <string_view>

// True when b starts a double-byte character (IsDBCSLeadByteEx with CP_ACP).
bool IsLeadByte(unsigned char b);

// ANSI text to UTF-16 (MultiByteToWideChar, CP_ACP). Invalid bytes follow the
// system's replacement rules; the result never holds a terminator.
std::u16string AnsiToUtf16(std::string_view text);

// UTF-16 to ANSI text (WideCharToMultiByte, CP_ACP); unmappable units become "?".
std::string Utf16ToAnsi(std::u16string_view text);

// Upper-cases one single-byte character as CharUpperA does for a lone character:
// a-z become A-Z; every other byte (Shift-JIS bytes included) is returned unchanged.
unsigned char UpperAnsiChar(unsigned char c);

// Flags for CompareAnsi, matching NORM_IGNORECASE and NORM_IGNOREWIDTH.
enum CompareFlags : unsigned {
  kCompareIgnoreCase = 1u,
  kCompareIgnoreWidth = 2u,
};

// Compares two ANSI texts in the user locale (CompareStringA). Returns a negative
// number, 0 or a positive number as a sorts before, equal to or after b.
int CompareAnsi(std::string_view a, std::string_view b, unsigned flags);
