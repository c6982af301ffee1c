// Member value text: every kind, radix, byte order and character code, both ways.
#include "structs/member_text.h"

#include <gtest/gtest.h>

namespace {

using Bytes = std::vector<uint8_t>;

StructureMember Member(uint32_t kind, int32_t bytes, int radix = 0, uint32_t extra = 0) {
  return {"", 0, bytes, kind | (static_cast<uint32_t>(radix) << kMemberRadixShift) | extra};
}

std::string Ansi(const StructureMember& m, const Bytes& bytes) {
  MemberValueText t = FormatMemberValue(m, bytes.data(), false);
  EXPECT_FALSE(t.isUtf16);
  return t.ansi;
}

Bytes Parse(const StructureMember& m, const char* text) { return ParseMemberValue(m, std::string_view(text)); }

const uint32_t M = kMemberMotorola, U = kMemberUnicode;

TEST(FormatMemberValue, EveryKindAsShiftJisText) {
  struct Row {
    StructureMember member;
    Bytes bytes;
    const char* text;
  } rows[] = {
      {Member(kMemberWord, 2, 0, M), {0x12, 0x34}, "1234"},  {Member(kMemberWord, 2), {0x12, 0x34}, "3412"},
      {Member(kMemberWord, 2, 3), {0x12, 0x34}, "13330"},    {Member(kMemberByte, 1, 4), {0xFF}, "-1"},
      {Member(kMemberByte, 1, 3), {0xFF}, "255"},            {Member(kMemberByte, 1, 2), {0xFF}, "11111111"},
      {Member(kMemberByte, 1, 1), {0x07}, "007"},            {Member(kMemberByte, 1, 3), {0x07}, "7"},
      {Member(kMemberByte, 1, 4), {0x80}, "-128"},           {Member(kMemberDword, 4, 4), {0xFF, 0xFF, 0xFF, 0xFF}, "-1"},
      {Member(kMemberDword, 4, 3), {0xFF, 0xFF, 0xFF, 0xFF}, "4294967295"},
      {Member(kMemberDword, 4, 0, M), {1, 2, 3, 4}, "01020304"}, {Member(kMemberDword, 4), {1, 2, 3, 4}, "04030201"},
      {Member(kMemberDword, 4, 1), {1, 0, 0, 0}, "00000000001"}, {Member(kMemberWord, 2, 4, M), {0xFF, 0xFE}, "-2"},
      {Member(kMemberWord, 2, 2), {1, 0}, "0000000000000001"},  {Member(kMemberWord, 2, 4), {0x00, 0x80}, "-32768"},
      {Member(kMemberByte, 1, 7), {0xAB}, "AB"},  // a radix code beyond signed decimal reads as hexadecimal
      {Member(kMemberSequence, 3), {0x41, 0x42, 0x43}, "41 42 43"}, {Member(kMemberSequence, 2, 4), {0xFF, 1}, "-1 1"},
      {Member(kMemberSequence, 2, 2), {1, 0x80}, "00000001 10000000"}, {Member(kMemberUnused, 2), {1, 2}, ""},
      {Member(kMemberString, 4), {'P', 'E', 0, 0}, "PE"},  {Member(kMemberString, 4), {'A', 'B', 'C', 'D'}, "ABCD"},
      {Member(kMemberString, 4), {0x82, 0xA0, 0, 'x'}, "あ"}, {Member(kMemberString, 3), {0, 'a', 'b'}, ""},
      {Member(kMemberString, 6, 0, U), {0x42, 0x30, 0x71, 0xFF, 0, 0}, "あｱ"},
      // An odd byte count: the byteCount / 2 units are converted, the last byte is left out.
      {Member(kMemberString, 5, 0, U), {'A', 0, 'B', 0, 'C'}, "AB"},
  };
  for (const Row& r : rows) EXPECT_EQ(Ansi(r.member, r.bytes), r.text) << r.member.viewFlags << " " << r.text;
  Bytes one = {0x12, 0x34};
  EXPECT_FALSE(FormatMemberValue(Member(kMemberWord, 2), one.data(), true).isUtf16) << "numbers stay ANSI";
}

TEST(FormatMemberValue, UnicodeStringsAsUtf16Text) {
  Bytes ab = {'A', 0, 'B', 0, 0, 0}, abc = {'A', 0, 'B', 0, 'C'};
  MemberValueText wide = FormatMemberValue(Member(kMemberString, 6, 0, U), ab.data(), true);
  EXPECT_TRUE(wide.isUtf16);
  EXPECT_EQ(wide.utf16, u"AB");
  EXPECT_EQ(FormatMemberValue(Member(kMemberString, 5, 0, U), abc.data(), true).utf16, u"ABC");
  // Why: a foreign byte count beyond the usual limit still gives at most 2048 bytes of whole characters.
  Bytes many;
  for (int i = 0; i < 2000; ++i) many.insert(many.end(), {0x42, 0x30});
  std::string text = Ansi(Member(kMemberString, 4000, 0, U), many);
  EXPECT_EQ(text.size(), 2048u);
  EXPECT_EQ(text.substr(2046), "あ");
}

TEST(ParseMemberValue, EveryKindFromText) {
  struct Row {
    StructureMember member;
    const char* text;
    Bytes bytes;
  } rows[] = {
      {Member(kMemberByte, 1), "1FF", {0xFF}},           {Member(kMemberWord, 2, 0, M), "1234", {0x12, 0x34}},
      {Member(kMemberWord, 2), "1234", {0x34, 0x12}},    {Member(kMemberDword, 4, 4), "-2", {0xFE, 0xFF, 0xFF, 0xFF}},
      {Member(kMemberByte, 1, 3), "300", {0x2C}},  // cut to the member's size without a word
      {Member(kMemberWord, 2, 1), "777", {0xFF, 0x01}},  {Member(kMemberWord, 2), "12G4", {0x12, 0x00}},
      {Member(kMemberDword, 4, 3), "", {0, 0, 0, 0}},   {Member(kMemberByte, 1, 3), "-5", {0x00}},
      {Member(kMemberDword, 4), "123456789", {0x78, 0x56, 0x34, 0x12}},  // stops before one digit too many
      {Member(kMemberSequence, 3), "7", {7, 0, 0}},      {Member(kMemberSequence, 3), "1,2.3 4", {1, 2, 3}},
      {Member(kMemberSequence, 3), "  ,.41..  42  ", {0x41, 0x42, 0}},
      {Member(kMemberSequence, 3), "1FF 2Z 3", {0xFF, 2, 3}},  // wide values and bad tokens are not refused
      {Member(kMemberSequence, 2, 4), "-1 127", {0xFF, 0x7F}}, {Member(kMemberString, 4), "ABCDEF", {'A', 'B', 'C', 'D'}},
      {Member(kMemberString, 4), "あ", {0x82, 0xA0, 0, 0}},
      {Member(kMemberString, 6, 0, U), "あ", {0x42, 0x30, 0, 0, 0, 0}},  // converted with its terminator
      {Member(kMemberString, 6, 0, U), "ABCD", {'A', 0, 'B', 0, 'C', 0}}, {Member(kMemberUnused, 3), "12", {0, 0, 0}},
      {Member(kMemberString, 0), "x", {}},
  };
  for (const Row& r : rows) EXPECT_EQ(Parse(r.member, r.text), r.bytes) << r.member.viewFlags << " " << r.text;
  const StructureMember wide = Member(kMemberString, 6, 0, U), odd = Member(kMemberString, 3, 0, U);
  EXPECT_EQ(ParseMemberValue(wide, std::u16string_view(u"ABCD")), (Bytes{'A', 0, 'B', 0, 'C', 0}));
  EXPECT_EQ(ParseMemberValue(odd, std::u16string_view(u"\u3042\u3044")), (Bytes{0x42, 0x30, 0x44}));
  EXPECT_EQ(ParseMemberValue(Member(kMemberString, 4), std::u16string_view(u"あA")), (Bytes{0x82, 0xA0, 'A', 0}));
  EXPECT_EQ(ParseMemberValue(Member(kMemberWord, 2, 3), std::u16string_view(u"258")), (Bytes{0x02, 0x01}));
}

TEST(MemberValueText, FormatThenParseGivesTheBytesBack) {
  uint32_t seed = 12345;
  for (uint32_t kind : {kMemberByte, kMemberWord, kMemberDword, kMemberSequence}) {
    for (int radix = 0; radix <= 4; ++radix) {
      for (uint32_t order : {0u, M}) {
        const int32_t size = kind == kMemberSequence ? 5 : IntegerMemberSize(kind);
        const StructureMember m = Member(kind, size, radix, order);
        for (int trial = 0; trial < 50; ++trial) {
          Bytes bytes;
          for (int i = 0; i < size; ++i) bytes.push_back(static_cast<uint8_t>((seed = seed * 1103515245u + 12345u) >> 16));
          const std::string text = Ansi(m, bytes);
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
    int display, ansiLimit, wideLimit;
  } rows[] = {{Member(kMemberSequence, 4, 2), 35, 36, 36}, {Member(kMemberSequence, 3, 0), 8, 9, 9},
              {Member(kMemberSequence, 2, 4), 9, 10, 10},  {Member(kMemberByte, 1, 4), 4, 4, 4},
              {Member(kMemberWord, 2, 1), 6, 6, 6},        {Member(kMemberWord, 2, 3), 5, 5, 5},
              {Member(kMemberDword, 4, 2), 32, 32, 32},    {Member(kMemberDword, 4, 4), 11, 11, 11},
              {Member(kMemberString, 7), 7, 7, 4},         {Member(kMemberString, 6, 0, U), 6, 6, 3},
              {Member(kMemberUnused, 9), 0, 0, 0},         {Member(kMemberSequence, 0, 0), 0, 0, 0}};
  for (const Row& r : rows) {
    EXPECT_EQ(MemberDisplayWidth(r.member), r.display) << r.member.viewFlags << "/" << r.member.byteCount;
    EXPECT_EQ(MemberEditLimit(r.member, false), r.ansiLimit) << r.member.viewFlags << "/" << r.member.byteCount;
    EXPECT_EQ(MemberEditLimit(r.member, true), r.wideLimit) << r.member.viewFlags << "/" << r.member.byteCount;
  }
}

}  // namespace
