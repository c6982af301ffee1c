// The built-in templates, layout and the minimum size.
#include "structs/structure.h"

#include <gtest/gtest.h>

namespace {

struct ExpectedTemplate {
  const char* name;
  size_t members;
  int32_t totalSize;
  std::vector<uint32_t> flags;
  std::vector<int32_t> bytes;
};

// Every flag and byte count as tabled, in member order.
const ExpectedTemplate kExpected[] = {
    {"BITMAPINFOHEADER", 11, 40,
     {0x05, 0x42, 0x42, 0x31, 0x31, 0x32, 0x32, 0x42, 0x42, 0x32, 0x32},
     {4, 4, 4, 2, 2, 4, 4, 4, 4, 4, 4}},
    {"WAVEFORMATEX", 7, 18, {0x01, 0x31, 0x32, 0x32, 0x31, 0x31, 0x31}, {2, 2, 4, 4, 2, 2, 2}},
    {"PEﾍｯﾀﾞ", 34, 120,
     {0x03, 0x01, 0x31, 0x02, 0x02, 0x32, 0x01, 0x01, 0x01, 0x81, 0x02, 0x02, 0x02, 0x02, 0x02, 0x02, 0x02,
      0x02, 0x02, 0x02, 0x02, 0x02, 0x05, 0x02, 0x02, 0x02, 0x01, 0x01, 0x02, 0x02, 0x02, 0x02, 0x05, 0x02},
     {4, 2, 2, 4, 4, 4, 2, 2, 2, 2, 4, 4, 4, 4, 4, 4, 4, 4, 4, 4, 4, 4, 4, 4, 4, 4, 2, 2, 4, 4, 4, 4, 4, 4}},
    {"PEｾｸｼｮﾝﾃｰﾌﾞﾙ", 10, 40, {0x03, 0x02, 0x02, 0x02, 0x02, 0x02, 0x02, 0x31, 0x31, 0x02},
     {8, 4, 4, 4, 4, 4, 4, 2, 2, 4}},
};

TEST(BuiltinStructures, MatchTheTablesInOrder) {
  StructureList list;
  InstallBuiltinStructures(list);
  ASSERT_EQ(list.count, 4);
  ASSERT_EQ(list.structures.size(), 4u);
  EXPECT_EQ(list.minimumSize, 18);
  for (size_t t = 0; t < 4; ++t) {
    const Structure& s = list.structures[t];
    const ExpectedTemplate& e = kExpected[t];
    SCOPED_TRACE(e.name);
    EXPECT_EQ(s.name, e.name);
    ASSERT_EQ(s.members.size(), e.members);
    EXPECT_EQ(s.totalSize, e.totalSize);
    int32_t offset = 0;
    for (size_t i = 0; i < s.members.size(); ++i) {
      EXPECT_EQ(s.members[i].viewFlags, e.flags[i]) << "member " << i;
      EXPECT_EQ(s.members[i].byteCount, e.bytes[i]) << "member " << i;
      EXPECT_EQ(s.members[i].offset, offset) << "member " << i;
      EXPECT_TRUE(IsUsableMember(s.members[i])) << "member " << i;
      offset += s.members[i].byteCount;
    }
  }
}

TEST(BuiltinStructures, DescriptionsAreExact) {
  StructureList list;
  InstallBuiltinStructures(list);
  const auto& bmp = list.structures[0].members;
  EXPECT_EQ(bmp[0].description, "構造体のｻｲｽﾞ");
  EXPECT_EQ(bmp[9].description, "ｶﾗｰｲﾝﾃﾞｯｸｽ");
  EXPECT_EQ(bmp[10].description, "重要な色");
  const auto& wave = list.structures[1].members;
  EXPECT_EQ(wave[2].description, "ｻﾝﾌﾟﾘﾝｸﾞﾚｰﾄ");
  EXPECT_EQ(wave[6].description, "拡張ﾌｫｰﾏｯﾄｻｲｽﾞ");
  const auto& pe = list.structures[2].members;
  EXPECT_EQ(pe[9].description, "ﾘﾝｶのﾊﾞｰｼﾞｮﾝ");  // the one Motorola member: flags 0x81
  EXPECT_EQ(pe[9].viewFlags, 0x81u);
  EXPECT_EQ(pe[12].description, "初期化されないﾃﾞｰﾀｾｸｼｮﾝのｻｲｽﾞ");
  EXPECT_EQ(pe[27].description, "DLL特性");
  EXPECT_EQ(pe[33].description, "ﾃﾞｰﾀﾃﾞｨｸｼｮﾅﾘｴﾝﾄﾘの数");
  const auto& section = list.structures[3].members;
  EXPECT_EQ(section[0].description, "名前");
  EXPECT_EQ(section[4].description, "ｾｸｼｮﾝﾃﾞｰﾀへのﾎﾟｲﾝﾀ");
  EXPECT_EQ(section[9].description, "特性");
}

TEST(BuiltinStructures, ReplaceWhatWasThereAndKeepLastUsed) {
  StructureList list;
  list.structures.resize(7);
  list.lastUsed = 2;
  InstallBuiltinStructures(list);
  EXPECT_EQ(list.structures.size(), 4u);
  EXPECT_EQ(list.lastUsed, 2);
}

StructureMember Member(int32_t bytes, uint32_t flags) {
  StructureMember m;
  m.byteCount = bytes;
  m.viewFlags = flags;
  return m;
}

TEST(LayOutStructure, OffsetsRunContiguouslyFromZero) {
  Structure s;
  s.members = {Member(4, 2), Member(1, 0), Member(7, 3), Member(2, 1)};
  s.members[2].offset = 99;  // stale values are recomputed
  LayOutStructure(s);
  EXPECT_EQ(s.members[0].offset, 0);
  EXPECT_EQ(s.members[1].offset, 4);
  EXPECT_EQ(s.members[2].offset, 5);
  EXPECT_EQ(s.members[3].offset, 12);
  EXPECT_EQ(s.totalSize, 14);

  Structure empty;
  empty.totalSize = 5;
  LayOutStructure(empty);
  EXPECT_EQ(empty.totalSize, 0);
}

TEST(LayOutStructure, HugeSumsStopAtTheLargestInt) {
  // Why: byte counts from a foreign store must not overflow the running sum.
  Structure s;
  s.members = {Member(INT32_MAX, 4), Member(INT32_MAX, 4), Member(1, 0)};
  LayOutStructure(s);
  EXPECT_EQ(s.members[1].offset, INT32_MAX);
  EXPECT_EQ(s.members[2].offset, INT32_MAX);
  EXPECT_EQ(s.totalSize, INT32_MAX);
}

TEST(UpdateMinimumSize, SmallestTotalOrLargestIntWhenEmpty) {
  StructureList list;
  list.minimumSize = 3;
  UpdateMinimumSize(list);
  EXPECT_EQ(list.minimumSize, INT32_MAX);
  list.structures.resize(3);
  list.structures[0].totalSize = 40;
  list.structures[1].totalSize = 12;
  list.structures[2].totalSize = 30;
  UpdateMinimumSize(list);
  EXPECT_EQ(list.minimumSize, 12);
  list.structures[2].totalSize = 0;  // a template without members
  UpdateMinimumSize(list);
  EXPECT_EQ(list.minimumSize, 0);
}

TEST(IsUsableMember, KindsAndByteCounts) {
  struct Row {
    int32_t bytes;
    uint32_t flags;
    bool usable;
  } rows[] = {
      {1, kMemberByte, true},           {2, kMemberByte, false},          {2, kMemberWord, true},
      {4, kMemberWord, false},          {4, kMemberDword | 0x1F0, true},  {1, kMemberDword, false},
      {1, kMemberString, true},         {1023, kMemberString, true},      {1024, kMemberString, false},
      {0, kMemberSequence, false},      {-4, kMemberUnused, false},       {1023, kMemberUnused | kMemberNotEditable, true},
      {4, 6, false},                    {4, 7, false},
  };
  for (const Row& r : rows) {
    EXPECT_EQ(IsUsableMember(Member(r.bytes, r.flags)), r.usable) << r.bytes << " bytes, flags " << r.flags;
  }
}

}  // namespace
