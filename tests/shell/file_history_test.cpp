// The File menu's history entry texts: "&<number> <path>" and back.
#include "shell/file_history.h"

#include <gtest/gtest.h>

namespace {

TEST(FileHistoryText, EntriesCarryTheirNumberAndPath) {
  EXPECT_EQ(HistoryEntryText(0, "C:\\a b\\x.bin") + "|" + HistoryEntryText(8, "y"), "&1 C:\\a b\\x.bin|&9 y");
  // Entries past nine (a stored history length above 9) still give their path back.
  EXPECT_EQ(HistoryEntryPath("&1 C:\\a b\\x.bin") + "|" + HistoryEntryPath(HistoryEntryText(11, "D:\\z")) + "|" +
                HistoryEntryPath("&1") + "|" + HistoryEntryPath("abc def"),
            "C:\\a b\\x.bin|D:\\z||");
}

}  // namespace
