// What the file type list dialog cannot show: 新規 running out of memory.
#include "filetypes/file_type_list_edit.h"

#include <gtest/gtest.h>

#include "support/failing_new.h"
#include "support/message_recorder.h"

namespace {

TEST(FileTypeListEdit, FailedAllocationInNewKeepsTheList) {
  // Texts too long to be kept inside the string, and a full array, so that the
  // copy and the append both allocate.
  const std::string b(40, 'b');
  FileTypeList list{{FileType{"a", "", 0, {}, {}}, FileType{b, b, 0, {}, {}}, FileType{"c", "", 0, {}, {}}}};
  list.types.shrink_to_fit();
  MessageRecorder messages;
  size_t failures = 0;
  for (long allowed = 0;; ++allowed) {
    int current = 1;
    failing_new::FailAfter(allowed);
    int result = NewFileType(list, &current);
    failing_new::Disarm();
    if (result == 0) break;
    ++failures;
    EXPECT_TRUE(result == -1 && list.types.size() == 3u && current == 1);
  }
  ASSERT_EQ(list.types.size(), 4u);
  EXPECT_TRUE(list.types[3].text == b && list.types[2].text == "c" && failures >= 3u);
  EXPECT_EQ(messages.texts(), std::vector<std::string>(failures, "ﾒﾓﾘを確保できません"));
  EXPECT_EQ(InitialFileTypeIndex(list, 0x7FFFFFFF), 0) << "an unset filter";
}

}  // namespace
