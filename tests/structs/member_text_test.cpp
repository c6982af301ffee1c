// Member value text: every kind, radix, byte order and character code.
#include "structs/member_text.h"

#include <gtest/gtest.h>

namespace {

StructureMember Member(uint32_t kind, int32_t bytes, int radix = 0, uint32_t extra = 0) {
  StructureMember m;
  m.byteCount = bytes;
  m.viewFlags = kind | (static_cast<uint32_t>(radix) << kMemberRadixShift) | extra;
  return m;
}

std::string Ansi(const StructureMember& m, std::vector<uint8_t> bytes) {
  MemberValueText t = FormatMemberValue(m, bytes.data(), false);
  EXPECT_FALSE(t.isUtf16);
  return t.ansi;
}

using Bytes = std::vector<uint8_t>;

TEST(FormatMemberValue, IntegersInEveryRadix) {
  struct Row {
    uint32_t kind;
    int radix;
    uint32_t extra;
    Bytes bytes;
    const char* text;
  } rows[] = {
      {kMemberWord, 0, kMemberMotorola, {0x12, 0x34}, "1234"},
      {kMemberWord, 0, 0, {0x12, 0x34}, "3412"},
      {kMemberWord, 3, 0, {0x12, 0x34}, "13330"},
      {kMemberByte, 4, 0, {0xFF}, "-1"},
      {kMemberByte, 3, 0, {0xFF}, "255"},
      {kMemberByte, 2, 0, {0xFF}, "11111111"},
      {kMemberByte, 1, 0, {0xFF}, "377"},
      {kMemberByte, 0, 0, {0x0A}, "0A"},
      {kMemberByte, 2, 0, {0x05}, "00000101"},
      {kMemberByte, 1, 0, {0x07}, "007"},
      {kMemberByte, 3, 0, {0x07}, "7"},  // decimals are not padded
      {kMemberByte, 4, 0, {0x80}, "-128"},
      {kMemberDword, 4, 0, {0xFF, 0xFF, 0xFF, 0xFF}, "-1"},
      {kMemberDword, 3, 0, {0xFF, 0xFF, 0xFF, 0xFF}, "4294967295"},
      {kMemberDword, 0, 0, {0x01, 0x02, 0x03, 0x04}, "04030201"},
      {kMemberDword, 0, kMemberMotorola, {0x01, 0x02, 0x03, 0x04}, "01020304"},
      {kMemberDword, 1, 0, {0x01, 0, 0, 0}, "00000000001"},
      {kMemberDword, 4, kMemberMotorola, {0x80, 0, 0, 0}, "-2147483648"},
      {kMemberWord, 4, 0, {0x00, 0x80}, "-32768"},
      {kMemberWord, 4, kMemberMotorola, {0xFF, 0xFE}, "-2"},
      {kMemberWord, 2, 0, {0x01, 0x00}, "0000000000000001"},
      {kMemberWord, 1, 0, {0xFF, 0xFF}, "177777"},
      {kMemberByte, 7, 0, {0xAB}, "AB"},  // a radix code beyond signed decimal reads as hexadecimal
  };
  for (const Row& r : rows) {
    StructureMember m = Member(r.kind, static_cast<int32_t>(r.bytes.size()), r.radix, r.extra);
    EXPECT_EQ(Ansi(m, r.bytes), r.text) << "kind " << r.kind << " radix " << r.radix << " flags " << m.viewFlags;
    // The UTF-16 flag changes nothing for numbers.
    EXPECT_FALSE(FormatMemberValue(m, r.bytes.data(), true).isUtf16);
  }
}

TEST(FormatMemberValue, ByteSequencesAndUnused) {
  EXPECT_EQ(Ansi(Member(kMemberSequence, 3, 0), {0x41, 0x42, 0x43}), "41 42 43");
  EXPECT_EQ(Ansi(Member(kMemberSequence, 2, 4), {0xFF, 0x01}), "-1 1");
  EXPECT_EQ(Ansi(Member(kMemberSequence, 2, 2), {0x01, 0x80}), "00000001 10000000");
  EXPECT_EQ(Ansi(Member(kMemberSequence, 2, 3), {0x05, 0xFF}), "5 255");
  EXPECT_EQ(Ansi(Member(kMemberSequence, 1, 1), {0x08}), "010");
  EXPECT_EQ(Ansi(Member(kMemberUnused, 4), {1, 2, 3, 4}), "");
}

TEST(FormatMemberValue, ShiftJisStringEndsAtTheFirstZero) {
  EXPECT_EQ(Ansi(Member(kMemberString, 4), {'P', 'E', 0, 0}), "PE");
  EXPECT_EQ(Ansi(Member(kMemberString, 4), {'A', 'B', 'C', 'D'}), "ABCD");  // no terminator inside
  EXPECT_EQ(Ansi(Member(kMemberString, 4), {0x82, 0xA0, 0, 'x'}), "あ");
  EXPECT_EQ(Ansi(Member(kMemberString, 3), {0, 'a', 'b'}), "");
}

TEST(FormatMemberValue, UnicodeStringAsUtf16AndAsShiftJis) {
  StructureMember m = Member(kMemberString, 6, 0, kMemberUnicode);
  Bytes ab = {'A', 0, 'B', 0, 0, 0};
  MemberValueText wide = FormatMemberValue(m, ab.data(), true);
  EXPECT_TRUE(wide.isUtf16);
  EXPECT_EQ(wide.utf16, u"AB");
  EXPECT_EQ(MemberEditLimit(m, true), 3);

  Bytes kana = {0x42, 0x30, 0x71, 0xFF, 0, 0};  // "あｱ"
  EXPECT_EQ(FormatMemberValue(m, kana.data(), true).utf16, u"あｱ");
  EXPECT_EQ(Ansi(m, kana), "あｱ");

  // An odd byte count: the last byte is the low half of one more unit as UTF-16,
  // and is left out of the byteCount / 2 units converted to Shift-JIS.
  StructureMember odd = Member(kMemberString, 5, 0, kMemberUnicode);
  Bytes abc = {'A', 0, 'B', 0, 'C'};
  EXPECT_EQ(FormatMemberValue(odd, abc.data(), true).utf16, u"ABC");
  EXPECT_EQ(Ansi(odd, abc), "AB");
}

TEST(FormatMemberValue, LongUnicodeStringStaysWithin2048Bytes) {
  // Why: 1023 units of a double-byte character would give 2046 bytes; a foreign
  // byte count beyond the usual limit must still give at most 2048 whole characters.
  StructureMember m = Member(kMemberString, 4000, 0, kMemberUnicode);
  Bytes bytes;
  for (int i = 0; i < 2000; ++i) {
    bytes.push_back(0x42);
    bytes.push_back(0x30);
  }
  std::string text = Ansi(m, bytes);
  EXPECT_EQ(text.size(), 2048u);
  EXPECT_EQ(text.substr(0, 2), "あ");
  EXPECT_EQ(text.substr(2046), "あ");
}

std::vector<uint8_t> Parse(const StructureMember& m, const char* text) { return ParseMemberValue(m, std::string_view(text)); }

TEST(ParseMemberValue, Integers) {
  struct Row {
    uint32_t kind;
    int radix;
    uint32_t extra;
    const char* text;
    Bytes bytes;
  } rows[] = {
      {kMemberByte, 0, 0, "1FF", {0xFF}},
      {kMemberWord, 0, kMemberMotorola, "1234", {0x12, 0x34}},
      {kMemberWord, 0, 0, "1234", {0x34, 0x12}},
      {kMemberDword, 0, kMemberMotorola, "1020304", {0x01, 0x02, 0x03, 0x04}},
      {kMemberDword, 4, 0, "-2", {0xFE, 0xFF, 0xFF, 0xFF}},
      {kMemberWord, 4, 0, "-1", {0xFF, 0xFF}},
      {kMemberByte, 3, 0, "300", {0x2C}},   // cut to the member's size without a word
      {kMemberByte, 2, 0, "101", {0x05}},
      {kMemberWord, 1, 0, "777", {0xFF, 0x01}},
      {kMemberWord, 0, 0, "12G4", {0x12, 0x00}},  // the value read before the bad character
      {kMemberDword, 3, 0, "", {0, 0, 0, 0}},
      {kMemberByte, 3, 0, "-5", {0x00}},  // a sign only counts in signed decimal
      {kMemberWord, 0, 0, "ab", {0xAB, 0x00}},
      {kMemberDword, 0, 0, "123456789", {0x78, 0x56, 0x34, 0x12}},  // one digit too many stops before it
  };
  for (const Row& r : rows) {
    StructureMember m = Member(r.kind, static_cast<int32_t>(r.bytes.size()), r.radix, r.extra);
    EXPECT_EQ(Parse(m, r.text), r.bytes) << r.text << " kind " << r.kind << " radix " << r.radix;
  }
}

TEST(ParseMemberValue, ByteSequences) {
  StructureMember hex3 = Member(kMemberSequence, 3, 0);
  EXPECT_EQ(Parse(hex3, "7"), (Bytes{0x07, 0x00, 0x00}));
  EXPECT_EQ(Parse(hex3, "1,2.3 4"), (Bytes{0x01, 0x02, 0x03}));
  EXPECT_EQ(Parse(hex3, "  ,.41..  42  "), (Bytes{0x41, 0x42, 0x00}));
  EXPECT_EQ(Parse(hex3, "1FF 2Z 3"), (Bytes{0xFF, 0x02, 0x03}));  // wide values and bad tokens are not refused
  EXPECT_EQ(Parse(hex3, ""), (Bytes{0, 0, 0}));
  EXPECT_EQ(Parse(Member(kMemberSequence, 2, 4), "-1 127"), (Bytes{0xFF, 0x7F}));
  EXPECT_EQ(Parse(Member(kMemberSequence, 2, 2), "11 100000001"), (Bytes{0x03, 0x01}));
}

TEST(ParseMemberValue, ShiftJisStrings) {
  StructureMember m = Member(kMemberString, 4);
  EXPECT_EQ(Parse(m, "ABCDEF"), (Bytes{'A', 'B', 'C', 'D'}));
  EXPECT_EQ(Parse(m, "AB"), (Bytes{'A', 'B', 0, 0}));
  EXPECT_EQ(Parse(m, "あ"), (Bytes{0x82, 0xA0, 0, 0}));
  EXPECT_EQ(ParseMemberValue(m, std::u16string_view(u"あA")), (Bytes{0x82, 0xA0, 'A', 0}));
}

TEST(ParseMemberValue, UnicodeStrings) {
  StructureMember m = Member(kMemberString, 6, 0, kMemberUnicode);
  EXPECT_EQ(ParseMemberValue(m, std::u16string_view(u"AB")), (Bytes{'A', 0, 'B', 0, 0, 0}));
  EXPECT_EQ(ParseMemberValue(m, std::u16string_view(u"ABCD")), (Bytes{'A', 0, 'B', 0, 'C', 0}));
  EXPECT_EQ(Parse(m, "あ"), (Bytes{0x42, 0x30, 0, 0, 0, 0}));  // converted with its terminator
  EXPECT_EQ(Parse(m, "ABCD"), (Bytes{'A', 0, 'B', 0, 'C', 0}));
  StructureMember odd = Member(kMemberString, 3, 0, kMemberUnicode);
  EXPECT_EQ(ParseMemberValue(odd, std::u16string_view(u"\u3042\u3044")), (Bytes{0x42, 0x30, 0x44}));
}

TEST(ParseMemberValue, UnusedIsZerosAndUtf16NumbersAreConverted) {
  EXPECT_EQ(Parse(Member(kMemberUnused, 3), "12"), (Bytes{0, 0, 0}));
  EXPECT_EQ(ParseMemberValue(Member(kMemberWord, 2, 3), std::u16string_view(u"258")), (Bytes{0x02, 0x01}));
  EXPECT_TRUE(Parse(Member(kMemberString, 0), "x").empty());
}

TEST(MemberValueText, FormatThenParseGivesTheBytesBack) {
  // Random values through every integer kind, radix and byte order.
  uint32_t seed = 12345;
  auto next = [&]() {
    seed = seed * 1103515245u + 12345u;
    return static_cast<uint8_t>(seed >> 16);
  };
  for (uint32_t kind : {kMemberByte, kMemberWord, kMemberDword, kMemberSequence}) {
    for (int radix = 0; radix <= 4; ++radix) {
      for (uint32_t order : {0u, kMemberMotorola}) {
        int32_t size = kind == kMemberSequence ? 5 : IntegerMemberSize(kind);
        StructureMember m = Member(kind, size, radix, order);
        for (int trial = 0; trial < 50; ++trial) {
          Bytes bytes;
          for (int i = 0; i < size; ++i) bytes.push_back(next());
          std::string text = Ansi(m, bytes);
          EXPECT_LE(static_cast<int>(text.size()), MemberDisplayWidth(m)) << text;
          EXPECT_EQ(Parse(m, text.c_str()), bytes) << text;
        }
      }
    }
  }
}

TEST(MemberWidths, DisplayWidthAndEditLimit) {
  struct Row {
    StructureMember member;
    int display;
    int ansiLimit;
    int wideLimit;
  } rows[] = {
      {Member(kMemberSequence, 4, 2), 35, 36, 36},
      {Member(kMemberSequence, 3, 0), 8, 9, 9},
      {Member(kMemberSequence, 2, 4), 9, 10, 10},
      {Member(kMemberByte, 1, 0), 2, 2, 2},
      {Member(kMemberByte, 1, 4), 4, 4, 4},
      {Member(kMemberWord, 2, 1), 6, 6, 6},
      {Member(kMemberWord, 2, 3), 5, 5, 5},
      {Member(kMemberDword, 4, 2), 32, 32, 32},
      {Member(kMemberDword, 4, 4), 11, 11, 11},
      {Member(kMemberString, 7), 7, 7, 4},
      {Member(kMemberString, 6, 0, kMemberUnicode), 6, 6, 3},
      {Member(kMemberUnused, 9), 0, 0, 0},
      {Member(kMemberSequence, 0, 0), 0, 0, 0},
  };
  for (const Row& r : rows) {
    EXPECT_EQ(MemberDisplayWidth(r.member), r.display) << r.member.viewFlags << "/" << r.member.byteCount;
    EXPECT_EQ(MemberEditLimit(r.member, false), r.ansiLimit) << r.member.viewFlags << "/" << r.member.byteCount;
    EXPECT_EQ(MemberEditLimit(r.member, true), r.wideLimit) << r.member.viewFlags << "/" << r.member.byteCount;
  }
}

}  // namespace
