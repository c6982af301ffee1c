// The template list dialog's operations: new, delete, move, drop, edit on an
// empty list, the minimum size on close, and failed allocations.
#include "structs/structure_list_edit.h"

#include "structs/structure_detail.h"

#include <gtest/gtest.h>

#include "support/failing_new.h"
#include "support/message_recorder.h"

namespace {

StructureList Named(std::vector<std::string> names) {
  StructureList list;
  for (const std::string& n : names) {
    Structure s;
    s.name = n;
    s.members.resize(1);
    s.members[0].byteCount = 4;
    s.members[0].viewFlags = kMemberDword;
    LayOutStructure(s);
    list.structures.push_back(s);
  }
  list.count = static_cast<int32_t>(names.size());
  list.lastUsed = 2;
  return list;
}

std::vector<std::string> Names(const StructureList& list) {
  std::vector<std::string> names;
  for (const Structure& s : list.structures) names.push_back(s.name);
  EXPECT_EQ(list.count, static_cast<int32_t>(list.structures.size()));
  return names;
}

using V = std::vector<std::string>;

TEST(StructureListEdit, InitialSelectionAndButtons) {
  StructureList list = Named({"a", "b", "c"});
  EXPECT_EQ(InitialStructureSelection(list), 2);
  list.lastUsed = 3;
  EXPECT_EQ(InitialStructureSelection(list), 0);
  list.lastUsed = -4;
  EXPECT_EQ(InitialStructureSelection(list), 0);
  EXPECT_TRUE(CanMoveStructure(list, 1));
  EXPECT_FALSE(CanMoveStructure(list, 2));
  StructureList empty = Named({});
  EXPECT_FALSE(CanDeleteStructure(empty));
  EXPECT_FALSE(CanEditStructure(empty, InitialStructureSelection(empty))) << "編集 on an empty list opens nothing";
  EXPECT_FALSE(CanMoveStructure(empty, 0));
}

TEST(StructureListEdit, DragTheFirstOfThreeOntoTheThird) {
  StructureList list = Named({"a", "b", "c"});
  int32_t selected = 0;
  ASSERT_TRUE(DropStructure(list, &selected, 2));
  EXPECT_EQ(Names(list), (V{"b", "c", "a"}));
  EXPECT_EQ(selected, 2);
  EXPECT_EQ(list.lastUsed, 0);
  ASSERT_TRUE(DropStructure(list, &selected, 0));
  EXPECT_EQ(Names(list), (V{"a", "b", "c"}));
  EXPECT_EQ(selected, 0);
}

TEST(StructureListEdit, DropOnItselfOrOutsideChangesNothing) {
  StructureList list = Named({"a", "b", "c"});
  int32_t selected = 1;
  for (int32_t target : {1, -1, 3}) {
    EXPECT_FALSE(DropStructure(list, &selected, target)) << target;
    EXPECT_EQ(Names(list), (V{"a", "b", "c"}));
    EXPECT_EQ(selected, 1);
    EXPECT_EQ(list.lastUsed, 2);
  }
}

TEST(StructureListEdit, MoveTheSecondOfThree) {
  StructureList list = Named({"a", "b", "c"});
  ASSERT_TRUE(MoveStructureToEnd(list, 1));
  EXPECT_EQ(Names(list), (V{"a", "c", "b"}));
  EXPECT_EQ(list.lastUsed, 0);
  EXPECT_FALSE(MoveStructureToEnd(list, 2));
}

TEST(StructureListEdit, DeleteKeepsTheIndexOrStepsBack) {
  StructureList list = Named({"a", "b", "c"});
  int32_t selected = 1;
  ASSERT_TRUE(DeleteStructure(list, &selected));
  EXPECT_EQ(Names(list), (V{"a", "c"}));
  EXPECT_EQ(selected, 1);
  ASSERT_TRUE(DeleteStructure(list, &selected));
  EXPECT_EQ(Names(list), V{"a"});
  EXPECT_EQ(selected, 0) << "deleting the last template selects the one before";
  ASSERT_TRUE(DeleteStructure(list, &selected));
  EXPECT_EQ(selected, -1);
  EXPECT_FALSE(DeleteStructure(list, &selected));
  EXPECT_FALSE(CanEditStructure(list, selected));
}

TEST(StructureListEdit, NewTemplateAndTheMinimumOnClose) {
  StructureList list = Named({"a"});
  UpdateMinimumSize(list);
  int32_t selected = 0;
  ASSERT_EQ(NewStructure(list, &selected), 0);
  EXPECT_EQ(selected, 1);
  const Structure& added = list.structures[1];
  EXPECT_EQ(added.name, "新規構造体");
  ASSERT_EQ(added.members.size(), 1u);
  EXPECT_EQ(added.members[0].description, "新規ﾒﾝﾊﾞ");
  EXPECT_EQ(added.members[0].byteCount, 1);
  EXPECT_EQ(added.members[0].viewFlags, 0u);
  EXPECT_EQ(added.totalSize, 1);
  EXPECT_FALSE(CanMoveStructure(list, selected));
  EXPECT_EQ(list.minimumSize, 4) << "brought up to date only on close";
  CloseStructureList(list);
  EXPECT_EQ(list.minimumSize, 1);
}

TEST(StructureListEdit, FailedAllocationInNewLeavesTheListAsItWas) {
  StructureList list = Named({"a", "b", "c", "d"});
  MessageRecorder messages;
  int failures = 0;
  for (long allowed = 0;; ++allowed) {
    int32_t selected = 2;
    failing_new::FailAfter(allowed);
    int result = NewStructure(list, &selected);
    bool failed = !failing_new::Pending() && result != 0;
    failing_new::Disarm();
    if (result == 0) {
      EXPECT_EQ(Names(list), (V{"a", "b", "c", "d", "新規構造体"}));
      EXPECT_EQ(selected, 4);
      break;
    }
    ASSERT_TRUE(failed);
    ++failures;
    EXPECT_EQ(result, -1);
    EXPECT_EQ(Names(list), (V{"a", "b", "c", "d"})) << allowed;
    EXPECT_EQ(selected, 2);
  }
  EXPECT_GE(failures, 2);
  EXPECT_EQ(messages.texts(), std::vector<std::string>(static_cast<size_t>(failures), "ﾒﾓﾘを確保できません"));
}

TEST(StructureListEdit, FailedAllocationInDetailOkLeavesTheTemplate) {
  StructureList list;
  InstallBuiltinStructures(list);
  const std::string longText(40, 'x');  // too long to be kept inside the string
  StructureDetail detail;
  ASSERT_EQ(OpenStructureDetail(list.structures[2], &detail), 0);
  ChangeDetailName(detail, longText);
  ChangeDetailDescription(detail, longText);
  MessageRecorder messages;
  int failures = 0;
  for (long allowed = 0;; ++allowed) {
    failing_new::FailAfter(allowed);
    int result = CommitStructureDetail(detail, list.structures[2]);
    failing_new::Disarm();
    if (result == 0) break;
    ++failures;
    EXPECT_EQ(result, -1);
    const Structure& kept = list.structures[2];
    EXPECT_EQ(kept.name, "PEﾍｯﾀﾞ");
    ASSERT_EQ(kept.members.size(), 34u);
    EXPECT_EQ(kept.members[0].description, "ｼｸﾞﾈﾁｬ");
    EXPECT_EQ(kept.totalSize, 120);
  }
  EXPECT_GE(failures, 3);
  EXPECT_EQ(list.structures[2].name, longText);
  EXPECT_EQ(list.structures[2].members[0].description, longText);
  EXPECT_EQ(messages.texts().size(), static_cast<size_t>(failures));
}

}  // namespace
