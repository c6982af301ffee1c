// The template detail dialog's model: loading, enable rules per kind, byte
// count limits and the spin, new and delete member, OK and Cancel.
#include "structs/structure_detail.h"

#include <gtest/gtest.h>

#include "core/stored_text.h"

namespace {

Structure Sample() {
  Structure s;
  s.name = "sample";
  s.members.resize(3);
  s.members[0] = {"first", 0, 2, kMemberWord | kMemberMotorola | (3u << kMemberRadixShift)};
  s.members[1] = {"second", 0, 5, kMemberString | kMemberUnicode | kMemberNotEditable};
  s.members[2] = {"third", 0, 3, kMemberUnused};
  LayOutStructure(s);
  return s;
}

bool SameTemplate(const Structure& a, const Structure& b) {
  if (a.name != b.name || a.totalSize != b.totalSize || a.members.size() != b.members.size()) return false;
  for (size_t i = 0; i < a.members.size(); ++i) {
    const StructureMember &x = a.members[i], &y = b.members[i];
    if (x.description != y.description || x.offset != y.offset || x.byteCount != y.byteCount ||
        x.viewFlags != y.viewFlags)
      return false;
  }
  return true;
}

TEST(StructureDetail, OpensOnMemberZero) {
  StructureDetail d;
  ASSERT_EQ(OpenStructureDetail(Sample(), &d), 0);
  EXPECT_EQ(d.workingName, "sample");
  EXPECT_EQ(d.selected, 0);
  EXPECT_EQ(d.controls, (MemberControls{"first", "2", kMemberWord, false, 3, true, false}));
  EXPECT_FALSE(DetailEnableState(d).ok);
  SelectDetailMember(d, 1);
  EXPECT_EQ(d.controls, (MemberControls{"second", "5", kMemberString, true, 0, false, true}));
  EXPECT_FALSE(DetailEnableState(d).ok) << "selecting another member is no change";

  Structure empty;
  ASSERT_EQ(OpenStructureDetail(empty, &d), 0);
  EXPECT_EQ(d.selected, -1);
  EXPECT_EQ(d.controls, MemberControls{});
  EXPECT_EQ(d.controls.byteCountText, "1");
  EXPECT_FALSE(DetailEnableState(d).deleteMember);
}

TEST(StructureDetail, EnableRulesPerKind) {
  struct Row {
    uint32_t kind;
    bool notEditable, byteCount, radix, byteOrder, charCode;
  } rows[] = {{kMemberByte, true, false, true, false, false},  {kMemberWord, true, false, true, true, false},
              {kMemberDword, true, false, true, true, false},  {kMemberString, true, true, false, false, true},
              {kMemberSequence, true, true, true, false, false}, {kMemberUnused, false, true, false, false, false}};
  StructureDetail d;
  ASSERT_EQ(OpenStructureDetail(Sample(), &d), 0);
  for (const Row& r : rows) {
    ChooseDetailKind(d, r.kind);
    DetailEnables e = DetailEnableState(d);
    EXPECT_EQ(e.notEditable, r.notEditable) << r.kind;
    EXPECT_EQ(e.byteCount, r.byteCount) << r.kind;
    EXPECT_EQ(e.radix, r.radix) << r.kind;
    EXPECT_EQ(e.byteOrder, r.byteOrder) << r.kind;
    EXPECT_EQ(e.charCode, r.charCode) << r.kind;
    EXPECT_TRUE(e.ok);
    EXPECT_EQ(MemberKindOf(d.workingMembers[0].viewFlags), r.kind);
  }
}

TEST(StructureDetail, IntegerKindsSetTheByteCount) {
  StructureDetail d;
  ASSERT_EQ(OpenStructureDetail(Sample(), &d), 0);
  SelectDetailMember(d, 1);
  struct Row {
    uint32_t kind;
    const char* text;
    int32_t bytes;
  } rows[] = {{kMemberByte, "1", 1}, {kMemberDword, "4", 4}, {kMemberWord, "2", 2}, {kMemberString, "2", 2}};
  for (const Row& r : rows) {
    ChooseDetailKind(d, r.kind);
    EXPECT_EQ(d.controls.byteCountText, r.text);
    EXPECT_EQ(d.workingMembers[1].byteCount, r.bytes);
  }
  EXPECT_EQ(d.workingMembers[1].viewFlags, kMemberString | kMemberUnicode | kMemberNotEditable);
}

TEST(StructureDetail, ByteCountLimitsAndSpin) {
  StructureDetail d;
  ASSERT_EQ(OpenStructureDetail(Sample(), &d), 0);
  SelectDetailMember(d, 1);  // a 5-byte string
  struct Row {
    const char* text;
    int32_t stored;
    bool newMember;
  } rows[] = {{"1023", 1023, true}, {"1024", 1023, false}, {"0", 1023, false}, {"7", 7, true},
              {"-3", 7, false},     {"", 7, false},        {"12x", 7, false},  {" 9", 9, true}};
  for (const Row& r : rows) {
    ChangeDetailByteCount(d, r.text);
    EXPECT_EQ(d.workingMembers[1].byteCount, r.stored) << r.text;
    EXPECT_EQ(DetailEnableState(d).newMember, r.newMember) << r.text;
  }
  ChangeDetailByteCount(d, "1023");
  SpinDetailByteCount(d, SpinCode::Up);
  EXPECT_EQ(d.controls.byteCountText, "1024");
  EXPECT_EQ(d.workingMembers[1].byteCount, 1023) << "1024 is shown, not stored";
  EXPECT_FALSE(DetailEnableState(d).newMember);
  SpinDetailByteCount(d, SpinCode::Up);
  EXPECT_EQ(d.controls.byteCountText, "1024");
  ChangeDetailByteCount(d, "1");
  SpinDetailByteCount(d, SpinCode::Down);
  EXPECT_EQ(d.controls.byteCountText, "1");
  ChangeDetailByteCount(d, "abc");
  SpinDetailByteCount(d, SpinCode::Other);
  EXPECT_EQ(d.controls.byteCountText, "1");
  SpinDetailByteCount(d, SpinCode::Up);
  EXPECT_EQ(d.controls.byteCountText, "2");
  EXPECT_EQ(d.workingMembers[1].byteCount, 2);
}

TEST(StructureDetail, FlagsFollowTheControls) {
  StructureDetail d;
  ASSERT_EQ(OpenStructureDetail(Sample(), &d), 0);
  ChooseDetailRadix(d, 4);
  ChooseDetailByteOrder(d, false);
  ChangeDetailNotEditable(d, true);
  ChooseDetailCharCode(d, true);
  EXPECT_EQ(d.workingMembers[0].viewFlags,
            kMemberWord | (4u << kMemberRadixShift) | kMemberNotEditable | kMemberUnicode);
  ChangeDetailDescription(d, "renamed");
  ChangeDetailName(d, "new name");
  EXPECT_EQ(d.workingMembers[0].description, "renamed");
  EXPECT_EQ(d.workingName, "new name");
}

TEST(StructureDetail, NewAndDeleteMembers) {
  StructureDetail d;
  ASSERT_EQ(OpenStructureDetail(Sample(), &d), 0);
  SelectDetailMember(d, 1);
  d.controls = {"added", "9", kMemberSequence, true, 2, true, true};
  ASSERT_EQ(AddDetailMember(d), 0);
  ASSERT_EQ(d.workingMembers.size(), 4u);
  EXPECT_EQ(d.selected, 2);
  EXPECT_EQ(d.workingMembers[2].description, "added");
  EXPECT_EQ(d.workingMembers[2].byteCount, 9);
  EXPECT_EQ(d.workingMembers[2].viewFlags,
            kMemberSequence | kMemberNotEditable | (2u << kMemberRadixShift) | kMemberMotorola | kMemberUnicode);
  EXPECT_TRUE(DetailEnableState(d).ok);

  d.controls.byteCountText = "0";
  EXPECT_EQ(AddDetailMember(d), 1);
  EXPECT_EQ(d.workingMembers.size(), 4u);

  SelectDetailMember(d, 3);
  ASSERT_TRUE(DeleteDetailMember(d));
  EXPECT_EQ(d.selected, 2) << "the last member removed: the previous one is selected";
  EXPECT_EQ(d.controls.description, "added");
  SelectDetailMember(d, 0);
  ASSERT_TRUE(DeleteDetailMember(d));
  EXPECT_EQ(d.selected, 0);
  EXPECT_EQ(d.controls.description, "second");
  ASSERT_TRUE(DeleteDetailMember(d));
  EXPECT_FALSE(DetailEnableState(d).deleteMember);
  EXPECT_FALSE(DeleteDetailMember(d)) << "the last member stays";

  Structure empty;
  ASSERT_EQ(OpenStructureDetail(empty, &d), 0);
  ASSERT_EQ(AddDetailMember(d), 0);
  EXPECT_EQ(d.selected, 0);
  EXPECT_EQ(d.workingMembers[0].byteCount, 1);
  EXPECT_EQ(d.workingMembers[0].viewFlags, 0u);
}

TEST(StructureDetail, CancelLeavesTheTemplateExactlyAsBefore) {
  const Structure before = Sample();
  Structure s = Sample();
  StructureDetail d;
  ASSERT_EQ(OpenStructureDetail(s, &d), 0);
  ChangeDetailName(d, "x");
  ChooseDetailKind(d, kMemberDword);
  ASSERT_EQ(AddDetailMember(d), 0);
  SelectDetailMember(d, 2);
  ASSERT_TRUE(DeleteDetailMember(d));
  // Cancel: the model is dropped.
  EXPECT_TRUE(SameTemplate(s, before));
}

TEST(StructureDetail, OkReplacesAndLaysOut) {
  Structure s = Sample();
  StructureDetail d;
  ASSERT_EQ(OpenStructureDetail(s, &d), 0);
  ChangeDetailName(d, "changed");
  ChooseDetailKind(d, kMemberDword);  // first member: 2 -> 4 bytes
  SelectDetailMember(d, 0);
  ASSERT_EQ(CommitStructureDetail(d, s), 0);
  EXPECT_EQ(s.name, "changed");
  ASSERT_EQ(s.members.size(), 3u);
  EXPECT_EQ(s.members[0].byteCount, 4);
  EXPECT_EQ(s.members[1].offset, 4);
  EXPECT_EQ(s.members[2].offset, 9);
  EXPECT_EQ(s.totalSize, 12);
}

TEST(StoredText, CutsAtACharacterBoundary) {
  std::string ascii(3080, 'a');
  EXPECT_EQ(StoredText(ascii).size(), 3074u);
  std::string kanji = std::string(3073, 'a') + "漢";  // the double-byte character would end at byte 3075
  EXPECT_EQ(StoredText(kanji), std::string(3073, 'a'));
  EXPECT_EQ(StoredText("short"), "short");
}

}  // namespace
