// The built-in templates, layout, the minimum size and usable members.
#include "structs/structure.h"

#include <gtest/gtest.h>

namespace {

StructureMember Member(int32_t bytes, uint32_t flags) { return {"", 99, bytes, flags}; }

struct ExpectedTemplate {
  const char* name;
  int32_t totalSize;
  std::vector<uint32_t> flags;
  std::vector<int32_t> bytes;
};

// Every flag and byte count as tabled, in member order.
const ExpectedTemplate kExpected[] = {
    {"BITMAPINFOHEADER",
     40,
     {0x05, 0x42, 0x42, 0x31, 0x31, 0x32, 0x32, 0x42, 0x42, 0x32, 0x32},
     {4, 4, 4, 2, 2, 4, 4, 4, 4, 4, 4}},
    {"WAVEFORMATEX", 18, {0x01, 0x31, 0x32, 0x32, 0x31, 0x31, 0x31}, {2, 2, 4, 4, 2, 2, 2}},
    {"PEﾍｯﾀﾞ",
     120,
     {0x03, 0x01, 0x31, 0x02, 0x02, 0x32, 0x01, 0x01, 0x01, 0x81, 0x02, 0x02, 0x02, 0x02, 0x02, 0x02, 0x02,
      0x02, 0x02, 0x02, 0x02, 0x02, 0x05, 0x02, 0x02, 0x02, 0x01, 0x01, 0x02, 0x02, 0x02, 0x02, 0x05, 0x02},
     {4, 2, 2, 4, 4, 4, 2, 2, 2, 2, 4, 4, 4, 4, 4, 4, 4, 4, 4, 4, 4, 4, 4, 4, 4, 4, 2, 2, 4, 4, 4, 4, 4, 4}},
    {"PEｾｸｼｮﾝﾃｰﾌﾞﾙ", 40, {0x03, 0x02, 0x02, 0x02, 0x02, 0x02, 0x02, 0x31, 0x31, 0x02}, {8, 4, 4, 4, 4, 4, 4, 2, 2, 4}},
};

TEST(BuiltinStructures, ReplaceTheListWithTheTablesInOrder) {
  StructureList list;
  list.structures.resize(7);
  list.lastUsed = 2;
  InstallBuiltinStructures(list);
  ASSERT_EQ(list.structures.size(), 4u);
  EXPECT_EQ(list.count, 4);
  EXPECT_EQ(list.minimumSize, 18);
  EXPECT_EQ(list.lastUsed, 2) << "kept";
  for (size_t t = 0; t < 4; ++t) {
    const Structure& s = list.structures[t];
    const ExpectedTemplate& e = kExpected[t];
    SCOPED_TRACE(e.name);
    EXPECT_EQ(s.name, e.name);
    ASSERT_EQ(s.members.size(), e.flags.size());
    EXPECT_EQ(s.totalSize, e.totalSize);
    int32_t offset = 0;
    for (size_t i = 0; i < s.members.size(); ++i) {
      EXPECT_TRUE(s.members[i].viewFlags == e.flags[i] && s.members[i].byteCount == e.bytes[i] &&
                  s.members[i].offset == offset && IsUsableMember(s.members[i]))
          << "member " << i;
      offset += s.members[i].byteCount;
    }
  }
  // A sample of the exact descriptions: the longest, the Motorola member's, and the last.
  const std::tuple<size_t, size_t, const char*> texts[] = {
      {2, 9, "ﾘﾝｶのﾊﾞｰｼﾞｮﾝ"}, {2, 12, "初期化されないﾃﾞｰﾀｾｸｼｮﾝのｻｲｽﾞ"}, {3, 9, "特性"}};
  for (const auto& [t, m, text] : texts) EXPECT_EQ(list.structures[t].members[m].description, text);
}

TEST(LayOutStructure, ContiguousOffsetsThatStopAtTheLargestInt) {
  struct Row {
    std::vector<int32_t> bytes, offsets;
    int32_t total;
  } rows[] = {{{4, 1, 7, 2}, {0, 4, 5, 12}, 14},
              {{}, {}, 0},
              // Byte counts from a foreign store must not overflow the running sum.
              {{INT32_MAX, INT32_MAX, 1}, {0, INT32_MAX, INT32_MAX}, INT32_MAX}};
  for (const Row& r : rows) {
    Structure s;
    s.totalSize = 5;
    for (int32_t n : r.bytes) s.members.push_back(Member(n, kMemberSequence));
    LayOutStructure(s);
    for (size_t i = 0; i < s.members.size(); ++i) EXPECT_EQ(s.members[i].offset, r.offsets[i]) << i;
    EXPECT_EQ(s.totalSize, r.total);
  }
}

TEST(UpdateMinimumSize, SmallestTotalOrLargestIntWhenEmpty) {
  // The last list holds a template without members.
  const std::pair<std::vector<int32_t>, int32_t> rows[] = {{{}, INT32_MAX}, {{40, 12, 30}, 12}, {{40, 12, 0}, 0}};
  for (const auto& [totals, minimum] : rows) {
    StructureList list;
    list.minimumSize = 3;
    for (int32_t total : totals) list.structures.push_back({"", {}, total});
    UpdateMinimumSize(list);
    EXPECT_EQ(list.minimumSize, minimum) << totals.size();
  }
}

TEST(IsUsableMember, KindsAndByteCounts) {
  const std::tuple<int32_t, uint32_t, bool> rows[] = {
      {1, kMemberByte, true},       {2, kMemberByte, false},         {2, kMemberWord, true},   {4, kMemberWord, false},
      {4, kMemberDword | 0x1F0, true}, {1, kMemberDword, false},     {1023, kMemberString, true},
      {1024, kMemberString, false}, {0, kMemberSequence, false},     {-4, kMemberUnused, false},
      {1023, kMemberUnused | kMemberNotEditable, true},              {4, 6, false},            {4, 7, false}};
  for (const auto& [bytes, flags, usable] : rows)
    EXPECT_EQ(IsUsableMember(Member(bytes, flags)), usable) << bytes << " bytes, flags " << flags;
}

}  // namespace
