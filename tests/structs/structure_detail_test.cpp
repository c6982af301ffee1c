// The template detail dialog's model: loading, enable rules per kind, the flags,
// new and delete member, and OK (the byte count field is tried in the dialog).
#include "structs/structure_detail.h"

#include <gtest/gtest.h>

namespace {

Structure Sample() {
  Structure s{"sample",
              {{"first", 0, 2, kMemberWord | kMemberMotorola | (3u << kMemberRadixShift)},
               {"second", 0, 5, kMemberString | kMemberUnicode | kMemberNotEditable},
               {"third", 0, 3, kMemberUnused}}};
  LayOutStructure(s);
  return s;
}

StructureDetail Opened(const Structure& s, int32_t member = 0) {
  StructureDetail d;
  EXPECT_EQ(OpenStructureDetail(s, &d), 0);
  SelectDetailMember(d, member);
  return d;
}

TEST(StructureDetail, EnableRulesPerKindFlagsNewDeleteAndOk) {
  StructureDetail d = Opened(Structure{});
  EXPECT_TRUE(d.selected == -1 && d.controls == MemberControls{});
  EXPECT_TRUE(DetailEnableState(d).newMember && !DetailEnableState(d).deleteMember);
  d = Opened(Sample());
  EXPECT_EQ(d.controls, (MemberControls{"first", "2", kMemberWord, false, 3, true, false}));
  SelectDetailMember(d, 1);
  EXPECT_EQ(d.controls, (MemberControls{"second", "5", kMemberString, true, 0, false, true}));
  EXPECT_FALSE(DetailEnableState(d).ok) << "selecting another member is no change";
  // notEditable, byteCount, radix, byteOrder, charCode; the byte count text each kind leaves.
  const std::tuple<uint32_t, DetailEnables, const char*> rows[] = {
      {kMemberByte, {true, false, true, false, false, true, true, true}, "1"},
      {kMemberDword, {true, false, true, true, false, true, true, true}, "4"},
      {kMemberWord, {true, false, true, true, false, true, true, true}, "2"},
      {kMemberString, {true, true, false, false, true, true, true, true}, "2"},
      {kMemberSequence, {true, true, true, false, false, true, true, true}, "2"},
      {kMemberUnused, {false, true, false, false, false, true, true, true}, "2"}};
  for (const auto& [kind, enables, text] : rows) {
    ChooseDetailKind(d, kind);
    EXPECT_EQ(DetailEnableState(d), enables) << kind;
    EXPECT_EQ(d.controls.byteCountText, text) << kind;
    EXPECT_EQ(d.workingMembers[1].viewFlags, kind | kMemberUnicode | kMemberNotEditable) << kind;
  }
  // The flags, new and delete member, and OK.
  Structure s = Sample();
  d = Opened(s, 1);
  ChooseDetailRadix(d, 4);
  ChooseDetailByteOrder(d, true);
  ChangeDetailNotEditable(d, false);
  ChooseDetailCharCode(d, false);
  EXPECT_EQ(d.workingMembers[1].viewFlags, kMemberString | (4u << kMemberRadixShift) | kMemberMotorola);
  d.controls = {"added", "9", kMemberSequence, true, 2, true, true};
  ASSERT_EQ(AddDetailMember(d), 0);
  EXPECT_TRUE(d.selected == 2 && d.workingMembers[2].description == "added" && d.workingMembers[2].byteCount == 9);
  EXPECT_EQ(d.workingMembers[2].viewFlags,
            kMemberSequence | kMemberNotEditable | (2u << kMemberRadixShift) | kMemberMotorola | kMemberUnicode);
  d.controls.byteCountText = "0";
  EXPECT_EQ(AddDetailMember(d), 1);
  SelectDetailMember(d, 3);
  ASSERT_TRUE(DeleteDetailMember(d));
  EXPECT_EQ(d.controls.description, "added") << "the last member removed: the previous one is selected";
  SelectDetailMember(d, 0);
  ASSERT_TRUE(DeleteDetailMember(d));
  EXPECT_EQ(d.controls.description, "second");
  ChangeDetailName(d, "changed");
  ChangeDetailDescription(d, "renamed");
  ChooseDetailKind(d, kMemberDword);
  ASSERT_EQ(CommitStructureDetail(d, s), 0);
  EXPECT_TRUE(s.name == "changed" && s.members.size() == 2u);
  EXPECT_TRUE(s.members[0].description == "renamed" && s.members[0].byteCount == 4);
  EXPECT_TRUE(s.members[1].offset == 4 && s.totalSize == 13);
  ASSERT_TRUE(DeleteDetailMember(d));
  EXPECT_FALSE(DeleteDetailMember(d)) << "the last member stays";
  d = Opened(Structure{});
  ASSERT_EQ(AddDetailMember(d), 0);
  EXPECT_TRUE(d.selected == 0 && d.workingMembers[0].byteCount == 1 && d.workingMembers[0].viewFlags == 0);
}

}  // namespace
