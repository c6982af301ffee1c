// The file type list's drop, move and delete rules, and 新規 running out of memory.
#include "filetypes/file_type_list_edit.h"

#include <gtest/gtest.h>

#include "support/failing_new.h"
#include "support/message_recorder.h"

namespace {

TEST(FileTypeListEdit, DropMoveDeleteAndAFailedAllocationInNew) {
  FileTypeList list{{FileType{"a", "", 0, {}, {}}, FileType{"b", "", 0, {}, {}}, FileType{"c", "", 0, {}, {}}}};
  // op: 'd' drop current on target, 'm' move to the end, 'x' delete.
  const std::tuple<char, int, int, bool, const char*, int> steps[] = {
      {'d', 1, 1, false, "abc", 1}, {'d', 1, -1, false, "abc", 1}, {'d', 1, 3, false, "abc", 1},
      {'d', 2, 0, true, "cab", 0},  {'m', 2, 0, false, "cab", 2},  {'m', 0, 0, true, "abc", 0},
      {'x', 2, 0, true, "ab", 1},   {'x', 1, 0, true, "a", 0},     {'x', 0, 0, false, "a", 0}};
  for (const auto& [op, from, target, done, names, after] : steps) {
    int current = from;
    int32_t filter = 0x0102;
    const bool changed = op == 'd'   ? DropFileType(list, &current, target, &filter)
                         : op == 'm' ? MoveFileTypeToEnd(list, current, &filter)
                                     : DeleteFileType(list, &current, &filter);
    std::string shown;
    for (const FileType& t : list.types) shown += t.text;
    EXPECT_TRUE(changed == done && shown == names && current == after && filter == (done ? 0 : 0x0102))
        << op << from << target << ": " << shown << " " << current;
  }
  // Texts too long to be kept inside the string, and a full array, so that the
  // copy and the append both allocate.
  const std::string b(40, 'b');
  list = FileTypeList{{FileType{"a", "", 0, {}, {}}, FileType{b, b, 0, {}, {}}, FileType{"c", "", 0, {}, {}}}};
  list.types.shrink_to_fit();
  MessageRecorder messages;
  int current = 1;
  const auto failures = static_cast<size_t>(failing_new::FailEachAllocation(
      [&] { return NewFileType(list, &current); },
      [&](int result) { EXPECT_TRUE(result == -1 && list.types.size() == 3u && current == 1); }));
  ASSERT_EQ(list.types.size(), 4u);
  EXPECT_TRUE(list.types[3].text == b && list.types[2].text == "c" && failures >= 3u);
  EXPECT_EQ(messages.texts(), std::vector<std::string>(failures, "ﾒﾓﾘを確保できません"));
  EXPECT_EQ(InitialFileTypeIndex(list, 0x7FFFFFFF), 0) << "an unset filter";
}

}  // namespace
