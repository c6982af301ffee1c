// The built-in templates, layout, the minimum size and usable members.
#include "structs/structure.h"

#include <gtest/gtest.h>

namespace {

StructureMember Member(int32_t bytes, uint32_t flags) { return {"", 99, bytes, flags}; }

TEST(Structure, BuiltinTablesLayoutMinimumSizeAndUsableMembers) {
  StructureList list;
  list.structures.resize(7);
  list.lastUsed = 2;
  InstallBuiltinStructures(list);
  EXPECT_TRUE(list.count == 4 && list.minimumSize == 18 && list.lastUsed == 2);
  std::string shape;
  for (const Structure& s : list.structures) {
    int32_t offset = 0;
    for (const StructureMember& m : s.members) {
      EXPECT_TRUE(m.offset == offset && IsUsableMember(m)) << s.name << " " << m.description;
      offset += m.byteCount;
    }
    shape += s.name + " " + std::to_string(s.members.size()) + "/" + std::to_string(s.totalSize) + ", ";
  }
  EXPECT_EQ(shape, "BITMAPINFOHEADER 11/40, WAVEFORMATEX 7/18, PEﾍｯﾀﾞ 34/120, PEｾｸｼｮﾝﾃｰﾌﾞﾙ 10/40, ");
  // The bitmap header's unused first DWORD, a Motorola WORD and the longest description.
  EXPECT_EQ(list.structures[0].members[0].viewFlags, 0x05u);
  EXPECT_EQ(list.structures[2].members[9].viewFlags, 0x81u);
  EXPECT_EQ(list.structures[2].members[9].description, "ﾘﾝｶのﾊﾞｰｼﾞｮﾝ");
  EXPECT_EQ(list.structures[2].members[12].description, "初期化されないﾃﾞｰﾀｾｸｼｮﾝのｻｲｽﾞ");
  // Layout: contiguous offsets and the smallest total, then usable members.
  Structure s;
  // Byte counts from a foreign store must not overflow the running sum.
  for (int32_t n : {4, 1, INT32_MAX, 2}) s.members.push_back(Member(n, kMemberSequence));
  LayOutStructure(s);
  std::vector<int32_t> offsets;
  for (const StructureMember& m : s.members) offsets.push_back(m.offset);
  EXPECT_EQ(offsets, (std::vector<int32_t>{0, 4, 5, INT32_MAX}));
  EXPECT_EQ(s.totalSize, INT32_MAX);
  // The last list holds a template without members.
  const std::pair<std::vector<int32_t>, int32_t> rows[] = {{{}, INT32_MAX}, {{40, 12, 30}, 12}, {{40, 12, 0}, 0}};
  for (const auto& [totals, minimum] : rows) {
    StructureList list;
    for (int32_t total : totals) list.structures.push_back({"", {}, total});
    UpdateMinimumSize(list);
    EXPECT_EQ(list.minimumSize, minimum) << totals.size();
  }
  // Usable members by kind and byte count.
  const std::tuple<int32_t, uint32_t, bool> members[] = {
      {1, kMemberByte, true},       {2, kMemberByte, false},         {4, kMemberWord, false},
      {1, kMemberDword, false},     {4, kMemberDword | 0x1F0, true}, {1023, kMemberUnused | kMemberNotEditable, true},
      {1024, kMemberString, false}, {0, kMemberSequence, false},     {4, 6, false}};
  for (const auto& [bytes, flags, usable] : members)
    EXPECT_EQ(IsUsableMember(Member(bytes, flags)), usable) << bytes << " bytes, flags " << flags;
}

}  // namespace
