// The File menu's history entry texts: "&<number> <path>" and back.
#include "shell/file_history.h"

#include <gtest/gtest.h>

namespace {

TEST(FileHistoryText, EntriesCarryTheirNumberAndPath) {
  EXPECT_EQ(HistoryEntryText(0, "C:\\a b\\x.bin"), "&1 C:\\a b\\x.bin");
  EXPECT_EQ(HistoryEntryText(8, "y"), "&9 y");
  EXPECT_EQ(HistoryEntryPath("&1 C:\\a b\\x.bin"), "C:\\a b\\x.bin");
  // Entries past nine (a stored history length above 9) still give their path back.
  EXPECT_EQ(HistoryEntryPath(HistoryEntryText(11, "D:\\z")), "D:\\z");
  EXPECT_EQ(HistoryEntryPath("&1"), "");
  EXPECT_EQ(HistoryEntryPath("abc def"), "");
}

}  // namespace
