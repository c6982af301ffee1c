// Member value text: every kind, radix, byte order and character code, both ways
// (edit limits are checked through the information view's box).
#include "structs/member_text.h"

#include <gtest/gtest.h>

#include <array>

namespace {

using Bytes = std::vector<uint8_t>;
const uint32_t M = kMemberMotorola, U = kMemberUnicode;

StructureMember Member(uint32_t kind, int32_t bytes, int radix = 0, uint32_t extra = 0) {
  return {"", 0, bytes, kind | (static_cast<uint32_t>(radix) << kMemberRadixShift) | extra};
}
// Members by kind: radix code and extra flags; strings and sequences with their byte count.
StructureMember B(int radix = 0) { return Member(kMemberByte, 1, radix); }
StructureMember W(int radix = 0, uint32_t extra = 0) { return Member(kMemberWord, 2, radix, extra); }
StructureMember D(int radix = 0, uint32_t extra = 0) { return Member(kMemberDword, 4, radix, extra); }
StructureMember S(int32_t n, uint32_t extra = 0) { return Member(kMemberString, n, 0, extra); }
StructureMember Q(int32_t n, int radix = 0) { return Member(kMemberSequence, n, radix); }

std::string Ansi(const StructureMember& m, const Bytes& bytes) {
  MemberValueText t = FormatMemberValue(m, bytes.data(), false);
  EXPECT_FALSE(t.isUtf16);
  return t.ansi;
}

Bytes Parse(const StructureMember& m, const char* text) { return ParseMemberValue(m, std::string_view(text)); }

TEST(MemberValueText, EveryKindAsShiftJisTextFromTextAndBack) {
  const Bytes ff4 = {0xFF, 0xFF, 0xFF, 0xFF}, n1234 = {1, 2, 3, 4};
  // A radix code beyond signed decimal reads as hexadecimal; of an odd byte count byteCount / 2 units are converted.
  const std::tuple<StructureMember, Bytes, const char*> rows[] = {
      {W(0, M), {0x12, 0x34}, "1234"}, {W(), {0x12, 0x34}, "3412"}, {W(3), {0x12, 0x34}, "13330"},
      {B(4), {0x80}, "-128"},          {B(2), {0xFF}, "11111111"},  {B(1), {0x07}, "007"},
      {D(4), ff4, "-1"},               {D(3), ff4, "4294967295"},   {D(0, M), n1234, "01020304"},
      {D(), n1234, "04030201"},        {W(4, M), {0xFF, 0xFE}, "-2"}, {B(7), {0xAB}, "AB"},
      {Q(2, 4), {0xFF, 1}, "-1 1"},    {Member(kMemberUnused, 2), {1, 2}, ""}, {S(4), {'A', 'B', 'C', 'D'}, "ABCD"},
      {S(4), {0x82, 0xA0, 0, 'x'}, "あ"}, {S(6, U), {0x42, 0x30, 0x71, 0xFF, 0, 0}, "あｱ"},
      {S(5, U), {'A', 0, 'B', 0, 'C'}, "AB"}};
  for (const auto& [member, bytes, text] : rows) EXPECT_EQ(Ansi(member, bytes), text) << member.viewFlags << text;
  const Bytes abc = {'A', 0, 'B', 0, 'C'};
  EXPECT_FALSE(FormatMemberValue(W(), abc.data(), true).isUtf16) << "numbers stay ANSI";
  const MemberValueText wide = FormatMemberValue(S(5, U), abc.data(), true);
  EXPECT_TRUE(wide.isUtf16 && wide.utf16 == u"ABC") << "the odd byte is a low half";
  // Why: a foreign byte count beyond the usual limit still gives at most 2048 bytes of whole characters.
  Bytes many;
  for (int i = 0; i < 2000; ++i) many.insert(many.end(), {0x42, 0x30});
  const std::string text = Ansi(S(4000, U), many);
  EXPECT_TRUE(text.size() == 2048u && text.substr(2046) == "あ");
  // Numbers are cut to the member's size without a word and stop before a ninth digit; bad tokens are not refused.
  const std::tuple<StructureMember, const char*, Bytes> parsed[] = {
      {B(), "1FF", {0xFF}},        {W(0, M), "1234", {0x12, 0x34}}, {W(), "1234", {0x34, 0x12}},
      {D(4), "-2", {0xFE, 0xFF, 0xFF, 0xFF}}, {B(3), "300", {0x2C}}, {W(), "12G4", {0x12, 0x00}},
      {B(3), "-5", {0x00}},        {D(), "123456789", {0x78, 0x56, 0x34, 0x12}},
      {Q(3), "  ,.41..  42  ", {0x41, 0x42, 0}}, {Q(3), "1FF 2Z 3", {0xFF, 2, 3}},
      {S(4), "ABCDEF", {'A', 'B', 'C', 'D'}}, {S(4), "あ", {0x82, 0xA0, 0, 0}},
      {S(6, U), "あ", {0x42, 0x30, 0, 0, 0, 0}}, {Member(kMemberUnused, 3), "12", {0, 0, 0}}};
  for (const auto& [member, text, bytes] : parsed) EXPECT_EQ(Parse(member, text), bytes) << member.viewFlags << text;
  EXPECT_EQ(ParseMemberValue(S(3, U), std::u16string_view(u"\u3042\u3044")), (Bytes{0x42, 0x30, 0x44}));
  EXPECT_EQ(ParseMemberValue(S(4), std::u16string_view(u"あA")), (Bytes{0x82, 0xA0, 'A', 0}));
  // Formatting then parsing gives the bytes back.
  uint32_t seed = 12345;
  // Every kind with every radix in both byte orders, 50 random values each.
  for (int shape = 0; shape < 4 * 5 * 2 * 50; ++shape) {
    const uint32_t kind = std::array{kMemberByte, kMemberWord, kMemberDword, kMemberSequence}[shape / 500];
    const int32_t size = kind == kMemberSequence ? 5 : IntegerMemberSize(kind);
    const StructureMember m = Member(kind, size, shape / 100 % 5, shape / 50 % 2 == 0 ? 0u : M);
    Bytes bytes;
    for (int i = 0; i < size; ++i) bytes.push_back(static_cast<uint8_t>((seed = seed * 69069u + 1u) >> 16));
    const std::string text = Ansi(m, bytes);
    EXPECT_LE(static_cast<int>(text.size()), MemberDisplayWidth(m)) << text;
    EXPECT_EQ(Parse(m, text.c_str()), bytes) << text;
  }
}

}  // namespace
