// The template list dialog's operations, the minimum size on close, and failed
// allocations that leave the template list as it was (the dialog test makes new templates).
#include "structs/structure_list_edit.h"

#include <gtest/gtest.h>

#include "structs/structure_detail.h"
#include "support/failing_new.h"
#include "support/message_recorder.h"

namespace {

StructureList Named(std::vector<std::string> names) {
  StructureList list;
  for (const std::string& n : names) list.structures.push_back({n, {{"m", 0, 4, kMemberDword}}, 4});
  list.count = static_cast<int32_t>(names.size());
  list.lastUsed = 2;
  return list;
}

std::string Names(const StructureList& list) {
  std::string names;
  for (const Structure& s : list.structures) names += s.name;
  EXPECT_EQ(list.count, static_cast<int32_t>(list.structures.size()));
  return names;
}

TEST(StructureListEdit, SelectionButtonsAndReordering) {
  StructureList list = Named({"a", "b", "c"});
  EXPECT_EQ(InitialStructureSelection(list), 2);
  for (int32_t lastUsed : {3, -4}) {
    list.lastUsed = lastUsed;
    EXPECT_EQ(InitialStructureSelection(list), 0);
  }
  EXPECT_TRUE(CanMoveStructure(list, 1) && !CanMoveStructure(list, 2) && CanEditStructure(list, 2));
  // op: 'd' drop selected on target, 'm' move to the end, 'x' delete. The dialog
  // test drags forward, moves and deletes down to an empty list; here the rest.
  struct Step {
    char op;
    int32_t selected, target;
    bool done;
    const char* names;
    int32_t selectedAfter;
  } steps[] = {{'d', 2, 0, true, "cab", 0},  {'d', 1, 1, false, "cab", 1}, {'d', 1, -1, false, "cab", 1},
               {'d', 1, 3, false, "cab", 1}, {'m', 2, 0, false, "cab", 2}, {'x', 2, 0, true, "ca", 1},
               {'x', 5, 0, false, "ca", 5}};
  for (const Step& s : steps) {
    list.lastUsed = 2;
    int32_t selected = s.selected;
    bool done = s.op == 'd'   ? DropStructure(list, &selected, s.target)
                : s.op == 'm' ? MoveStructureToEnd(list, selected)
                              : DeleteStructure(list, &selected);
    EXPECT_EQ(done, s.done) << s.op << s.selected << s.target;
    EXPECT_EQ(Names(list), s.names) << s.op << s.selected << s.target;
    EXPECT_EQ(selected, s.selectedAfter) << s.op << s.selected << s.target;
    EXPECT_EQ(list.lastUsed, s.done ? 0 : 2);
  }
  list.structures.clear();
  EXPECT_FALSE(CanDeleteStructure(list) || CanEditStructure(list, InitialStructureSelection(list)))
      << "an empty list has nothing to edit";
}

// Every allocation of the operation fails in turn; each failure is reported
// once and leaves everything as it was.
template <typename Operation, typename Check>
int FailEachAllocation(Operation operation, Check unchanged) {
  MessageRecorder messages;
  int failures = 0;
  for (long allowed = 0;; ++allowed) {
    failing_new::FailAfter(allowed);
    const int result = operation();
    failing_new::Disarm();
    if (result == 0) break;
    ++failures;
    EXPECT_EQ(result, -1);
    unchanged();
  }
  EXPECT_EQ(messages.texts(), std::vector<std::string>(static_cast<size_t>(failures), "ﾒﾓﾘを確保できません"));
  return failures;
}

TEST(StructureListEdit, FailedAllocationsLeaveTheListAndTheTemplateAsTheyWere) {
  StructureList list = Named({"a", "b", "c", "d"});
  int32_t selected = 2;
  EXPECT_GE(FailEachAllocation([&] { return NewStructure(list, &selected); },
                               [&] { EXPECT_TRUE(Names(list) == "abcd" && selected == 2); }),
            2);
  EXPECT_EQ(Names(list), "abcd新規構造体");
  EXPECT_EQ(list.minimumSize, INT32_MAX) << "brought up to date only on close";
  CloseStructureList(list);
  EXPECT_EQ(list.minimumSize, 1);

  InstallBuiltinStructures(list);
  const std::string longText(40, 'x');  // too long to be kept inside the string
  StructureDetail detail;
  ASSERT_EQ(OpenStructureDetail(list.structures[2], &detail), 0);
  ChangeDetailName(detail, longText);
  ChangeDetailDescription(detail, longText);
  const Structure& pe = list.structures[2];
  EXPECT_GE(FailEachAllocation([&] { return CommitStructureDetail(detail, list.structures[2]); },
                               [&] {
                                 EXPECT_TRUE(pe.name == "PEﾍｯﾀﾞ" && pe.members.size() == 34u &&
                                             pe.members[0].description == "ｼｸﾞﾈﾁｬ" && pe.totalSize == 120);
                               }),
            3);
  EXPECT_TRUE(pe.name == longText && pe.members[0].description == longText);
}

}  // namespace
