// Number text: exact formatting, parsing edge cases, byte runs and addresses.
#include "core/number_text.h"

#include <gtest/gtest.h>

#include <climits>
#include <cstring>
#include <string>
#include <vector>

namespace {

struct FormatCase {
  int32_t value;
  int radix;
  int width;
  bool isSigned;
  const char* expected;
};

const FormatCase kFormatCases[] = {
    {255, 16, -2, false, "FF"},
    {5, 16, -2, false, "05"},
    {5, 10, 3, false, "  5"},
    {-5, 10, 4, true, "  -5"},
    {-5, 10, -4, true, "-005"},
    {-5, 10, -2, true, "-5"},  // already as wide as asked: no padding
    {-5, 10, -3, true, "-05"},
    {-1, 16, 0, false, "FFFFFFFF"},
    {-1, 10, 0, true, "-1"},
    {-1, 10, 0, false, "4294967295"},
    {INT32_MIN, 10, 0, true, "-2147483648"},
    {INT32_MIN, 16, 0, true, "-80000000"},
    {INT32_MIN, 2, 0, true, "-10000000000000000000000000000000"},
    {-1, 2, 0, false, "11111111111111111111111111111111"},
    {0x1234, 16, -2, false, "1234"},  // never cut
    {0, 16, 0, false, "0"},
    {0, 2, -8, false, "00000000"},
    {0, 10, 3, true, "  0"},
    {0xAB, 16, 0, false, "AB"},  // upper case only
    {511, 8, -3, false, "777"},
    {8, 8, -3, false, "010"},
    {127, 2, -8, false, "01111111"},
    {-128, 10, 4, true, "-128"},
    {-128, 10, 0, false, "4294967168"},  // unsigned flag: the bit pattern
    {42, 10, -40, false, "0000000000000000000000000000000000000042"},
    {42, 10, 1, false, "42"},
};

TEST(FormatNumber, ExactTexts) {
  for (const FormatCase& c : kFormatCases) {
    EXPECT_EQ(NumberText(c.value, c.radix, c.width, c.isSigned), c.expected)
        << c.value << " radix " << c.radix << " width " << c.width << " signed " << c.isSigned;
  }
}

TEST(FormatNumber, WritesNothingPastTheTerminator) {
  // The documented buffer size is max(|width|, 33) + 1; the rest must stay untouched.
  for (const FormatCase& c : kFormatCases) {
    char buffer[64];
    std::memset(buffer, '#', sizeof buffer);
    FormatNumber(c.value, buffer, c.radix, c.width, c.isSigned);
    size_t len = std::strlen(buffer);
    EXPECT_EQ(std::string(buffer), c.expected);
    for (size_t i = len + 1; i < sizeof buffer; ++i) ASSERT_EQ(buffer[i], '#') << c.expected;
  }
}

TEST(FormatNumber, RadixOutsideTwoToSixteenGivesEmptyText) {
  // Radix 1 would never end and radix 0 would divide by zero.
  for (int radix : {-3, 0, 1, 17, 36}) EXPECT_EQ(NumberText(12, radix, -4, false), "") << radix;
}

struct ParseCase {
  const char* text;
  int radix;
  bool isSigned;
  int status;
  int32_t value;  // also checked on failure: the value accumulated so far
};

const ParseCase kParseCases[] = {
    {"  ff", 16, false, 0, 255},
    {"ff ", 16, false, -1, 255},  // trailing space is not a digit
    {"", 16, false, -1, 0},
    {"   ", 16, false, -1, 0},
    {"-", 10, true, 0, 0},
    {"  -", 10, true, 0, 0},
    {"-12", 10, false, -1, 0},
    {"-12", 10, true, 0, -12},
    {"2147483648", 10, true, 0, INT32_MIN},
    {"-2147483648", 10, true, -1, 0},
    {"-2147483647", 10, true, 0, -2147483647},
    {"4294967295", 10, true, 0, -1},
    {"4294967295", 10, false, 0, -1},
    {"4294967296", 10, false, -1, 429496729},
    {"100000000", 16, false, -1, 0x10000000},
    {"FFFFFFFF", 16, false, 0, -1},
    {"ffffffff", 16, false, 0, -1},
    {"-7fffffff", 16, true, 0, -0x7FFFFFFF},
    {"+5", 10, false, -1, 0},
    {"0x10", 16, false, -1, 0},
    {"--5", 10, true, -1, 0},
    {"-5-", 10, true, -1, 5},
    {"12a", 10, false, -1, 12},
    {"777", 8, false, 0, 511},
    {"78", 8, false, -1, 7},
    {"101", 2, false, 0, 5},
    {"102", 2, false, -1, 2},
    {"11111111111111111111111111111111", 2, false, 0, -1},
    {"100000000000000000000000000000000", 2, false, -1, INT32_MIN},
    {"00000000000000000000000000000000000042", 10, false, 0, 42},  // leading zeros never overflow
    {"1 2", 10, false, -1, 1},
    {"\x82\xA0", 16, false, -1, 0},  // a double-byte character is no digit
    {"12", 0, false, -1, 0},
    {"12", 17, false, -1, 0},
};

TEST(ParseNumber, EdgeCases) {
  for (const ParseCase& c : kParseCases) {
    int32_t value = 12345;
    EXPECT_EQ(ParseNumber(c.text, c.radix, c.isSigned, &value), c.status)
        << "'" << c.text << "' radix " << c.radix << " signed " << c.isSigned;
    EXPECT_EQ(value, c.value) << "'" << c.text << "' radix " << c.radix;
  }
}

TEST(DigitsPerValue, Table) {
  const int expected[3][5] = {{2, 3, 8, 3, 4}, {4, 6, 16, 5, 6}, {8, 11, 32, 10, 11}};
  const int units[3] = {1, 2, 4};
  for (int u = 0; u < 3; ++u) {
    for (int r = 0; r < 5; ++r) EXPECT_EQ(DigitsPerValue(units[u], r), expected[u][r]) << units[u] << " " << r;
  }
  EXPECT_EQ(DigitsPerValue(3, kRadixHex), 0);
  EXPECT_EQ(DigitsPerValue(1, 5), 0);
  EXPECT_EQ(DigitsPerValue(1, -1), 0);
}

TEST(RadixBase, CodesAndLineLengths) {
  EXPECT_EQ(RadixBase(kRadixHex), 16);
  EXPECT_EQ(RadixBase(kRadixOctal), 8);
  EXPECT_EQ(RadixBase(kRadixBinary), 2);
  EXPECT_EQ(RadixBase(kRadixUnsigned), 10);
  EXPECT_EQ(RadixBase(kRadixSigned), 10);
  EXPECT_EQ(BytesPerLineForAddressRadix(kAddressHex), 16);
  EXPECT_EQ(BytesPerLineForAddressRadix(kAddressDecimal), 10);
  EXPECT_EQ(BytesPerLineForAddressRadix(kAddressOctal), 16);
}

// The radix, width and signedness a caller passes for one data radix.
struct CallerForm {
  int dataRadix;
  int dumpWidth;
  int patternWidth;
};

const CallerForm kCallerForms[] = {
    {kRadixHex, -2, -2}, {kRadixOctal, -3, 0}, {kRadixBinary, -8, -8}, {kRadixUnsigned, 3, 0}, {kRadixSigned, 4, 0},
};

TEST(NumberText, EveryByteRoundTripsInEveryRadix) {
  for (const CallerForm& form : kCallerForms) {
    int radix = RadixBase(form.dataRadix);
    bool isSigned = form.dataRadix == kRadixSigned;
    for (int b = 0; b < 256; ++b) {
      int32_t value = isSigned ? static_cast<int8_t>(b) : b;
      for (int width : {form.dumpWidth, form.patternWidth}) {
        std::string text = NumberText(value, radix, width, isSigned);
        if (width == form.dumpWidth) {
          // A dump cell is exactly as wide as the digits table says.
          EXPECT_EQ(static_cast<int>(text.size()), DigitsPerValue(1, form.dataRadix)) << text;
        }
        int32_t back = 0;
        ASSERT_EQ(ParseNumber(text.c_str(), radix, isSigned, &back), 0) << "'" << text << "'";
        EXPECT_EQ(back, value) << "'" << text << "'";
      }
    }
  }
}

TEST(NumberText, SampleDumpCells) {
  EXPECT_EQ(NumberText(static_cast<int8_t>(0x80), 10, 4, true), "-128");
  EXPECT_EQ(NumberText(0x80, 10, 3, false), "128");
  EXPECT_EQ(NumberText(7, 10, 4, true), "   7");
  EXPECT_EQ(NumberText(0, 8, -3, false), "000");
  EXPECT_EQ(NumberText(0xFF, 8, -3, false), "377");
  EXPECT_EQ(NumberText(0x0F, 2, -8, false), "00001111");
}

TEST(FormatByteSequence, JoinsWithSingleSpaces) {
  const uint8_t bytes[] = {0xFF, 0x01};
  EXPECT_EQ(FormatByteSequence(bytes, 2, 10, 0, true), "-1 1");
  EXPECT_EQ(FormatByteSequence(bytes, 2, 10, 0, false), "255 1");
  EXPECT_EQ(FormatByteSequence(bytes, 2, 16, -2, false), "FF 01");
  EXPECT_EQ(FormatByteSequence(bytes, 0, 16, -2, false), "");
  ByteSequence sequence;
  sequence.count = 3;
  sequence.bytes[0] = 0x00;
  sequence.bytes[1] = 0x7F;
  sequence.bytes[2] = 0x80;
  EXPECT_EQ(FormatByteSequence(sequence, 2, -8, false), "00000000 01111111 10000000");
  sequence.count = 0;
  EXPECT_EQ(FormatByteSequence(sequence, 16, -2, false), "");
}

// A holder followed by guard bytes, to see that parsing never writes past it.
struct GuardedSequence {
  ByteSequence sequence;
  uint8_t guard[16];
};

std::vector<uint8_t> Bytes(const ByteSequence& s) { return std::vector<uint8_t>(s.bytes, s.bytes + s.count); }

struct SequenceCase {
  const char* text;
  int radix;
  bool isSigned;
  int status;
  std::vector<uint8_t> bytes;
};

const SequenceCase kSequenceCases[] = {
    {"41,42.43  44", 16, false, 0, {0x41, 0x42, 0x43, 0x44}},
    {" ,.41,,..42. ", 16, false, 0, {0x41, 0x42}},
    {"", 16, false, 0, {}},
    {" ,. ", 16, false, 0, {}},
    {"41 100", 16, false, -1, {}},
    {"41 zz", 16, false, -1, {}},
    {"-1 7F", 16, true, 0, {0xFF, 0x7F}},
    {"80", 16, true, -1, {}},
    {"-80", 16, true, 0, {0x80}},
    {"-81", 16, true, -1, {}},
    {"-128 127 -0", 10, true, 0, {0x80, 0x7F, 0x00}},
    {"128", 10, true, -1, {}},
    // Without "-" a signed token is the number as written: these are far out of range.
    {"4294967295", 10, true, -1, {}},
    {"FFFFFFFF", 16, true, -1, {}},
    {"255 0", 10, false, 0, {0xFF, 0x00}},
    {"256", 10, false, -1, {}},
    {"-1", 10, false, -1, {}},
    {"377 400", 8, false, -1, {}},
    {"377 0", 8, false, 0, {0xFF, 0x00}},
    {"11111111 0", 2, false, 0, {0xFF, 0x00}},
    {"41\t42", 16, false, -1, {}},  // a tab is no separator
};

TEST(ParseByteSequence, EdgeCases) {
  for (const SequenceCase& c : kSequenceCases) {
    ByteSequence sequence;
    sequence.count = 99;
    EXPECT_EQ(ParseByteSequence(c.text, c.radix, c.isSigned, &sequence), c.status) << "'" << c.text << "'";
    EXPECT_EQ(Bytes(sequence), c.bytes) << "'" << c.text << "'";
  }
}

TEST(ParseByteSequence, StopsAtTheHolderCapacity) {
  // History lines from the old settings file can hold up to 192 tokens.
  std::string text;
  for (int i = 0; i < kByteSequenceCapacity; ++i) text += (i ? " " : "") + NumberText(i, 16, -2, false);
  GuardedSequence held;
  std::memset(held.guard, 0xA5, sizeof held.guard);
  ASSERT_EQ(ParseByteSequence(text.c_str(), 16, false, &held.sequence), 0);
  ASSERT_EQ(held.sequence.count, kByteSequenceCapacity);
  for (int i = 0; i < kByteSequenceCapacity; ++i) EXPECT_EQ(held.sequence.bytes[i], i);

  for (int extra : {1, 64}) {
    std::string longer = text;
    for (int i = 0; i < extra; ++i) longer += " EE";
    ASSERT_EQ(ParseByteSequence(longer.c_str(), 16, false, &held.sequence), -1);
    EXPECT_EQ(held.sequence.count, 0);
    for (uint8_t g : held.guard) ASSERT_EQ(g, 0xA5);
  }
}

TEST(ParseByteSequence, EveryByteRoundTripsThroughPatternText) {
  for (const CallerForm& form : kCallerForms) {
    int radix = RadixBase(form.dataRadix);
    bool isSigned = form.dataRadix == kRadixSigned;
    for (int half = 0; half < 2; ++half) {
      uint8_t bytes[128];
      for (int i = 0; i < 128; ++i) bytes[i] = static_cast<uint8_t>(half * 128 + i);
      for (int width : {form.dumpWidth, form.patternWidth}) {
        std::string text = FormatByteSequence(bytes, 128, radix, width, isSigned);
        ByteSequence back;
        ASSERT_EQ(ParseByteSequence(text.c_str(), radix, isSigned, &back), 0) << text;
        ASSERT_EQ(back.count, 128);
        EXPECT_EQ(std::memcmp(back.bytes, bytes, 128), 0) << "radix " << radix << " width " << width;
      }
    }
  }
}

TEST(AddressText, EightDigitsInEveryRadix) {
  struct {
    uint32_t address;
    int radix;
    const char* expected;
  } cases[] = {
      {0, kAddressHex, "00000000"},
      {0x10, kAddressHex, "00000010"},
      {0xFFFFFFFFu, kAddressHex, "FFFFFFFF"},
      {123, kAddressDecimal, "00000123"},
      {99999999, kAddressDecimal, "99999999"},
      {100000000, kAddressDecimal, "00000000"},
      {100000123, kAddressDecimal, "00000123"},
      {0xFFFFFFFFu, kAddressDecimal, "94967295"},
      {8, kAddressOctal, "00000010"},
      {16777215, kAddressOctal, "77777777"},
      {16777216, kAddressOctal, "00000000"},
      {16777216 + 9, kAddressOctal, "00000011"},
      {0xFFFFFFFFu, kAddressOctal, "77777777"},
  };
  for (const auto& c : cases) EXPECT_EQ(AddressText(c.address, c.radix), c.expected) << c.address << " " << c.radix;
}

}  // namespace
