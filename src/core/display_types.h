// Plain forms of the Windows display records that documents and file types carry,
// so the pure code needs no <windows.h>. Layouts match COLORREF and LOGFONTA.
#pragma once

#include <cstdint>

// 0x00BBGGRR, as COLORREF.
using ColorRef = uint32_t;

constexpr ColorRef Rgb(unsigned r, unsigned g, unsigned b) {
  return static_cast<ColorRef>((r & 0xFF) | ((g & 0xFF) << 8) | ((b & 0xFF) << 16));
}

// The colour block: text, background, non-editable item, selected text,
// selected background, then the text colour of each byte value 0..255.
inline constexpr int kColorCount = 261;
enum ColorIndex : int {
  kColorText = 0,
  kColorBack = 1,
  kColorFixed = 2,
  kColorSelText = 3,
  kColorSelBack = 4,
  kColorByte0 = 5,
};

// Byte-for-byte the layout of LOGFONTA (60 bytes).
struct LogFont {
  int32_t lfHeight;
  int32_t lfWidth;
  int32_t lfEscapement;
  int32_t lfOrientation;
  int32_t lfWeight;
  uint8_t lfItalic;
  uint8_t lfUnderline;
  uint8_t lfStrikeOut;
  uint8_t lfCharSet;
  uint8_t lfOutPrecision;
  uint8_t lfClipPrecision;
  uint8_t lfQuality;
  uint8_t lfPitchAndFamily;
  char lfFaceName[32];
};
static_assert(sizeof(LogFont) == 60, "LogFont must match LOGFONTA");

// The five system colours sampled at start-up; file-type defaults come from them.
struct SampledColors {
  ColorRef windowText;
  ColorRef window;
  ColorRef grayText;
  ColorRef highlightText;
  ColorRef highlight;
};

// Options word bits (a document's options, a file type's view).
inline constexpr uint32_t kOptDataRadixMask = 0x7;
inline constexpr uint32_t kOptAddressRadixShift = 3;
inline constexpr uint32_t kOptAddressRadixMask = 0x18;
inline constexpr uint32_t kOptMotorola = 0x20;
inline constexpr uint32_t kOptRecycleBin = 0x40;
inline constexpr uint32_t kOptSystemColors = 0x80;
inline constexpr uint32_t kOptAskOverwrite = 0x100;

inline int DataRadixOf(uint32_t options) { return static_cast<int>(options & kOptDataRadixMask); }
inline int AddressRadixOf(uint32_t options) {
  return static_cast<int>((options & kOptAddressRadixMask) >> kOptAddressRadixShift);
}
