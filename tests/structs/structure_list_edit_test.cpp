// The template list dialog's operations, the minimum size on close, and failed
// allocations that leave the template list as it was (the dialog test makes new templates).
#include "structs/structure_list_edit.h"

#include <gtest/gtest.h>

#include "structs/structure_detail.h"
#include "support/failing_new.h"
#include "support/message_recorder.h"

namespace {

// The templates' names run together; count must follow the templates.
std::string Names(const StructureList& list) {
  std::string names;
  for (const Structure& s : list.structures) names += s.name;
  EXPECT_EQ(list.count, static_cast<int32_t>(list.structures.size()));
  return names;
}

TEST(StructureListEdit, SelectionButtonsReorderingAndFailedAllocations) {
  StructureList list;
  for (const char* name : {"a", "b", "c"}) list.structures.push_back({name, {{"m", 0, 4, kMemberDword}}, 4});
  list.count = 3;
  const std::pair<int32_t, int32_t> selections[] = {{2, 2}, {3, 0}, {-4, 0}};  // lastUsed, the first selection
  for (const auto& [lastUsed, selected] : selections) {
    list.lastUsed = lastUsed;
    EXPECT_EQ(InitialStructureSelection(list), selected);
  }
  EXPECT_TRUE(CanMoveStructure(list, 1) && !CanMoveStructure(list, 2) && CanEditStructure(list, 2));
  // op: 'd' drop selected on target, 'm' move to the end, 'x' delete.
  const std::tuple<char, int32_t, int32_t, bool, const char*, int32_t> steps[] = {
      {'d', 0, 2, true, "bca", 2},  {'d', 2, 0, true, "abc", 0},  {'d', 1, 1, false, "abc", 1},
      {'d', 1, -1, false, "abc", 1}, {'d', 1, 3, false, "abc", 1}, {'m', 0, 0, true, "bca", 0},
      {'m', 2, 0, false, "bca", 2}, {'x', 2, 0, true, "bc", 1},   {'x', 5, 0, false, "bc", 5}};
  for (const auto& [op, from, target, done, names, selectedAfter] : steps) {
    list.lastUsed = 2;
    int32_t selected = from;
    const bool changed = op == 'd'   ? DropStructure(list, &selected, target)
                         : op == 'm' ? MoveStructureToEnd(list, selected)
                                     : DeleteStructure(list, &selected);
    EXPECT_TRUE(changed == done && Names(list) == names && selected == selectedAfter && list.lastUsed == (done ? 0 : 2))
        << op << from << target << ": " << Names(list) << " " << selected;
  }
  list.structures.clear();
  EXPECT_FALSE(CanDeleteStructure(list) || CanEditStructure(list, InitialStructureSelection(list)))
      << "an empty list has nothing to edit";
  // Every allocation of an operation fails in turn; each failure is reported once
  // and leaves everything as it was.
  MessageRecorder messages;
  list = StructureList{};
  InstallBuiltinStructures(list);
  int32_t selected = 2;
  const std::string builtins = Names(list);
  int failures = failing_new::FailEachAllocation(
      [&] { return NewStructure(list, &selected); },
      [&](int result) { EXPECT_TRUE(result == -1 && Names(list) == builtins && selected == 2); });
  EXPECT_GE(failures, 2);
  EXPECT_EQ(Names(list), builtins + "新規構造体");
  EXPECT_EQ(list.minimumSize, 18) << "brought up to date only on close";
  CloseStructureList(list);
  EXPECT_EQ(list.minimumSize, 1);

  const std::string longText(40, 'x');  // too long to be kept inside the string
  StructureDetail detail;
  ASSERT_EQ(OpenStructureDetail(list.structures[2], &detail), 0);
  ChangeDetailName(detail, longText);
  ChangeDetailDescription(detail, longText);
  const Structure& pe = list.structures[2];
  const int commitFailures = failing_new::FailEachAllocation(
      [&] { return CommitStructureDetail(detail, list.structures[2]); },
      [&](int result) {
        EXPECT_TRUE(result == -1 && pe.name == "PEﾍｯﾀﾞ" && pe.members.size() == 34u &&
                    pe.members[0].description == "ｼｸﾞﾈﾁｬ" && pe.totalSize == 120);
      });
  EXPECT_TRUE(commitFailures >= 3 && pe.name == longText && pe.members[0].description == longText);
  failures += commitFailures;
  EXPECT_EQ(messages.texts(), std::vector<std::string>(static_cast<size_t>(failures), "ﾒﾓﾘを確保できません"));
}

}  // namespace
