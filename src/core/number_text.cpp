// Number text: formatting and parsing of values and byte runs in radix 2 to 16.
#include "core/number_text.h"

#include <cstring>

#include "core/codepage.h"

int RadixBase(int dataRadix) {
  switch (dataRadix) {
    case kRadixOctal: return 8;
    case kRadixBinary: return 2;
    case kRadixUnsigned:
    case kRadixSigned: return 10;
    default: return 16;
  }
}

int DigitsPerValue(int unitBytes, int dataRadix) {
  static const int kTable[3][5] = {
      {2, 3, 8, 3, 4},
      {4, 6, 16, 5, 6},
      {8, 11, 32, 10, 11},
  };
  int row = unitBytes == 1 ? 0 : unitBytes == 2 ? 1 : unitBytes == 4 ? 2 : -1;
  if (row < 0 || dataRadix < 0 || dataRadix > 4) return 0;
  return kTable[row][dataRadix];
}

int BytesPerLineForAddressRadix(int addressRadix) { return addressRadix == kAddressDecimal ? 10 : 16; }

void FormatNumber(int32_t value, char* text, int radix, int width, bool isSigned) {
  text[0] = '\0';
  if (radix < 2 || radix > 16) return;
  char digits[40];
  int n = 0;
  bool negative = false;
  if (value == 0) {
    digits[n++] = '0';
  } else if (isSigned && value < 0) {
    negative = true;
    int32_t v = value;
    while (v != 0) {
      int r = v % radix;  // truncating division: r is in -(radix-1)..0
      digits[n++] = kDigits[r < 0 ? -r : r];
      v /= radix;
    }
  } else {
    uint32_t v = static_cast<uint32_t>(value);
    while (v != 0) {
      digits[n++] = kDigits[v % static_cast<uint32_t>(radix)];
      v /= static_cast<uint32_t>(radix);
    }
  }
  if (negative) digits[n++] = '-';

  int len = 0;
  for (int i = n - 1; i >= 0; --i) text[len++] = digits[i];
  text[len] = '\0';

  int64_t target = width < 0 ? -static_cast<int64_t>(width) : width;
  if (width == 0 || len >= target) return;
  size_t pad = static_cast<size_t>(target - len);
  std::memmove(text + pad, text, static_cast<size_t>(len) + 1);
  std::memset(text, width > 0 ? ' ' : '0', pad);
  if (width < 0 && text[pad] == '-') {
    text[0] = '-';
    text[pad] = '0';
  }
}

std::string NumberText(int32_t value, int radix, int width, bool isSigned) {
  int64_t abs = width < 0 ? -static_cast<int64_t>(width) : width;
  std::string buf(static_cast<size_t>((abs > 33 ? abs : 33) + 1), '\0');
  FormatNumber(value, buf.data(), radix, width, isSigned);
  buf.resize(std::strlen(buf.c_str()));
  return buf;
}

namespace {

// ParseNumber over [p, end), which holds no NUL. *sawMinus tells whether the
// signed "-" form was read.
int ParseNumberRange(const char* p, const char* end, int radix, bool isSigned, int32_t* value, bool* sawMinus) {
  *value = 0;
  *sawMinus = false;
  if (radix < 2 || radix > 16) return -1;
  while (p < end && *p == ' ') ++p;
  if (p == end) return -1;
  if (isSigned && *p == '-') {
    *sawMinus = true;
    ++p;
  }
  uint64_t acc = 0;
  for (; p < end; ++p) {
    unsigned char c = UpperAnsiChar(static_cast<unsigned char>(*p));
    const void* hit = c == '\0' ? nullptr : std::memchr(kDigits, c, static_cast<size_t>(radix));
    uint64_t next = acc * static_cast<uint64_t>(radix);
    if (hit != nullptr) next += static_cast<uint64_t>(static_cast<const char*>(hit) - kDigits);
    if (hit == nullptr || next > 0xFFFFFFFFull) {
      *value = static_cast<int32_t>(static_cast<uint32_t>(acc));
      return -1;
    }
    acc = next;
  }
  if (*sawMinus) {
    if (acc >= 0x80000000ull) {
      *value = 0;
      return -1;
    }
    *value = -static_cast<int32_t>(acc);
    return 0;
  }
  *value = static_cast<int32_t>(static_cast<uint32_t>(acc));
  return 0;
}

bool IsSeparator(char c) { return c == ' ' || c == ',' || c == '.'; }

}  // namespace

int ParseNumber(const char* text, int radix, bool isSigned, int32_t* value) {
  bool sawMinus = false;
  return ParseNumberRange(text, text + std::strlen(text), radix, isSigned, value, &sawMinus);
}

std::string FormatByteSequence(const uint8_t* bytes, int count, int radix, int width, bool isSigned) {
  std::string out;
  for (int i = 0; i < count; ++i) {
    int32_t v = isSigned ? static_cast<int32_t>(static_cast<int8_t>(bytes[i])) : bytes[i];
    if (i > 0) out.push_back(' ');
    out += NumberText(v, radix, width, isSigned);
  }
  return out;
}

std::string FormatByteSequence(const ByteSequence& sequence, int radix, int width, bool isSigned) {
  int count = sequence.count;
  if (count < 0) count = 0;
  if (count > kByteSequenceCapacity) count = kByteSequenceCapacity;
  return FormatByteSequence(sequence.bytes, count, radix, width, isSigned);
}

int ParseByteSequence(const char* text, int radix, bool isSigned, ByteSequence* sequence) {
  sequence->count = 0;
  const char* p = text;
  while (true) {
    while (IsSeparator(*p)) ++p;
    if (*p == '\0') return 0;
    const char* start = p;
    while (*p != '\0' && !IsSeparator(*p)) ++p;
    int32_t v = 0;
    bool sawMinus = false;
    bool ok = ParseNumberRange(start, p, radix, isSigned, &v, &sawMinus) == 0;
    // Without the minus sign a signed token still means a non-negative number,
    // so "FFFFFFFF" is 4294967295 and out of range rather than -1.
    if (isSigned) {
      ok = ok && (sawMinus ? v >= -128 : (v >= 0 && v <= 127));
    } else {
      ok = ok && v >= 0 && v <= 255;
    }
    if (!ok || sequence->count >= kByteSequenceCapacity) {
      sequence->count = 0;
      return -1;
    }
    sequence->bytes[sequence->count++] = static_cast<uint8_t>(v & 0xFF);
  }
}

std::string AddressText(uint32_t address, int addressRadix) {
  switch (addressRadix) {
    case kAddressDecimal:
      return NumberText(static_cast<int32_t>(address % 100000000u), 10, -8, false);
    case kAddressOctal:
      return NumberText(static_cast<int32_t>(address % 16777216u), 8, -8, false);
    default:
      return NumberText(static_cast<int32_t>(address), 16, -8, false);
  }
}
