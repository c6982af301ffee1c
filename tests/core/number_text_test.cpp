// Number text: exact formatting, parsing edge cases, byte runs and addresses,
// every byte through every radix, and randomised runs on hostile text.
#include "core/number_text.h"

#include <gtest/gtest.h>

#include <climits>
#include <cstring>
#include <random>
#include <string>
#include <vector>

#include "support/hostile_text.h"

namespace {

using Bytes = std::vector<uint8_t>;

TEST(FormatNumber, ExactTextsAndNothingPastTheTerminator) {
  const struct {
    int32_t value;
    int radix, width;
    bool isSigned;
    const char* text;
  } rows[] = {
      {255, 16, -2, false, "FF"}, {5, 10, 3, false, "  5"}, {-5, 10, 4, true, "  -5"}, {-5, 10, -4, true, "-005"},
      {-5, 10, -2, true, "-5"}, {-1, 16, 0, false, "FFFFFFFF"}, {-1, 10, 0, false, "4294967295"},
      {0x1234, 16, -2, false, "1234"}, {INT32_MIN, 10, 0, true, "-2147483648"}, {8, 8, -3, false, "010"},
      {-1, 2, 0, false, "11111111111111111111111111111111"}, {0, 10, 3, true, "  0"}, {12, 1, -4, false, ""},
      {42, 10, -40, false, "0000000000000000000000000000000000000042"}, {12, 0, -4, false, ""}, {12, 17, 4, false, ""}};
  for (const auto& r : rows) {
    char buffer[64];  // the documented size is max(|width|, 33) + 1; the rest stays untouched
    std::memset(buffer, '#', sizeof buffer);
    FormatNumber(r.value, buffer, r.radix, r.width, r.isSigned);
    EXPECT_EQ(std::string(buffer, sizeof buffer),
              r.text + std::string(1, '\0') + std::string(sizeof buffer - std::strlen(r.text) - 1, '#'));
    EXPECT_EQ(NumberText(r.value, r.radix, r.width, r.isSigned), r.text);
  }
}

TEST(ParseNumber, EdgeCases) {
  const struct {
    const char* text;
    int radix;
    bool isSigned;
    int status;
    int32_t value;  // also on failure: what was accumulated before the failing character
  } rows[] = {
      {"  ff", 16, false, 0, 255}, {"ff ", 16, false, -1, 255}, {"", 16, false, -1, 0}, {"  -", 10, true, 0, 0},
      {"-12", 10, false, -1, 0}, {"-12", 10, true, 0, -12}, {"2147483648", 10, true, 0, INT32_MIN},
      {"-2147483648", 10, true, -1, 0}, {"4294967295", 10, true, 0, -1}, {"4294967296", 10, false, -1, 429496729},
      {"100000000", 16, false, -1, 0x10000000}, {"ffffffff", 16, false, 0, -1}, {"+5", 10, false, -1, 0},
      {"--5", 10, true, -1, 0}, {"78", 8, false, -1, 7}, {"102", 2, false, -1, 2}, {"\x82\xA0", 16, false, -1, 0},
      {"00000000000000000000000000000000000042", 10, false, 0, 42}, {"12", 0, false, -1, 0}, {"12", 17, false, -1, 0}};
  for (const auto& r : rows) {
    int32_t value = 12345;
    EXPECT_EQ(ParseNumber(r.text, r.radix, r.isSigned, &value), r.status) << "'" << r.text << "' radix " << r.radix;
    EXPECT_EQ(value, r.value) << "'" << r.text << "' radix " << r.radix;
  }
}

TEST(ParseByteSequence, EdgeCasesAndFormatting) {
  const struct {
    const char* text;
    int radix;
    bool isSigned;
    int status;
    Bytes bytes;
  } rows[] = {
      {" ,.41,,..42. 43", 16, false, 0, {0x41, 0x42, 0x43}}, {" ,. ", 16, false, 0, {}}, {"41 100", 16, false, -1, {}},
      {"41 zz", 16, false, -1, {}}, {"-1 7F", 16, true, 0, {0xFF, 0x7F}}, {"80", 16, true, -1, {}},
      {"-80", 16, true, 0, {0x80}}, {"-81", 16, true, -1, {}}, {"-128 127 -0", 10, true, 0, {0x80, 0x7F, 0x00}},
      {"128", 10, true, -1, {}}, {"4294967295", 10, true, -1, {}}, {"256", 10, false, -1, {}},
      {"-1", 10, false, -1, {}}, {"41\t42", 16, false, -1, {}}};
  for (const auto& r : rows) {
    ByteSequence sequence;
    sequence.count = 99;
    EXPECT_EQ(ParseByteSequence(r.text, r.radix, r.isSigned, &sequence), r.status) << "'" << r.text << "'";
    EXPECT_EQ(Bytes(sequence.bytes, sequence.bytes + sequence.count), r.bytes) << "'" << r.text << "'";
  }
  const uint8_t bytes[] = {0xFF, 0x01};
  EXPECT_EQ(FormatByteSequence(bytes, 2, 10, 0, true) + "|" + FormatByteSequence(bytes, 2, 16, -2, false) + "|" +
                FormatByteSequence(bytes, 0, 16, -2, false),
            "-1 1|FF 01|");
}

// Addresses have eight digits in every radix; a dump cell is as wide as the
// digits table says (other sizes and codes have none).
TEST(AddressText, EightDigitsInEveryRadixAndDigitsPerValue) {
  EXPECT_EQ(AddressText(0x10, kAddressHex) + " " + AddressText(0xFFFFFFFFu, kAddressHex) + " " +
                AddressText(99999999, kAddressDecimal) + " " + AddressText(100000123, kAddressDecimal) + " " +
                AddressText(16777215, kAddressOctal) + " " + AddressText(16777216 + 9, kAddressOctal),
            "00000010 FFFFFFFF 99999999 00000123 77777777 00000011");
  EXPECT_EQ((std::vector<int>{DigitsPerValue(1, kRadixHex), DigitsPerValue(1, kRadixOctal),
                              DigitsPerValue(1, kRadixBinary), DigitsPerValue(1, kRadixUnsigned),
                              DigitsPerValue(1, kRadixSigned), DigitsPerValue(3, kRadixHex), DigitsPerValue(1, 5)}),
            (std::vector<int>{2, 3, 8, 3, 4, 0, 0}));
}

// Runs of up to 259 bytes with random separators, padded with zeros or spaces,
// round-trip up to the holder's capacity (zero padding puts zeros after the sign,
// spaces go before it); hostile text never writes past the holder.
TEST(ParseByteSequence, RandomRunsRoundTripUpToTheHolderCapacity) {
  std::mt19937 rng(0x5EED0005);
  for (int run = 0; run < 3000; ++run) {
    int radix = "\x02\x08\x0A\x10"[rng() % 4];
    bool isSigned = radix == 10 && rng() % 2;
    int count = static_cast<int>(rng() % 4 == 0 ? rng() % 260 : rng() % 20);
    if (run < 2) count = kByteSequenceCapacity + run;  // the exact edge
    Bytes bytes(static_cast<size_t>(count));
    std::string text;
    for (uint8_t& b : bytes) {
      b = static_cast<uint8_t>(rng());
      for (unsigned k = text.empty() ? rng() % 2 : 1 + rng() % 3; k > 0; --k) text.push_back(" ,."[rng() % 3]);
      text += NumberText(isSigned ? static_cast<int8_t>(b) : b, radix, static_cast<int>(rng() % 19) - 9, isSigned);
    }
    struct {
      ByteSequence sequence;
      uint8_t guard[8];
    } held;
    std::memset(held.guard, 0x5A, sizeof held.guard);
    int status = ParseByteSequence(text.c_str(), radix, isSigned, &held.sequence);
    ASSERT_EQ(status, count > kByteSequenceCapacity ? -1 : 0) << text;
    EXPECT_EQ(Bytes(held.sequence.bytes, held.sequence.bytes + held.sequence.count), status == 0 ? bytes : Bytes{});
    status =
        ParseByteSequence(HostileText(rng, 2000, " ,.-\t0123456789aAfFzZ").c_str(), radix, isSigned, &held.sequence);
    EXPECT_EQ(Bytes(held.guard, held.guard + 8), Bytes(8, 0x5A));
    ASSERT_TRUE(status == 0 ? held.sequence.count <= kByteSequenceCapacity : held.sequence.count == 0);
  }
}

}  // namespace
