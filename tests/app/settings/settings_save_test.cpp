// Saving the settings and their templates: failures part way, with the in-memory store's failure
// injection. What is written, in which form, is checked over both stores in
// settings_io_contract.h.
#include <gtest/gtest.h>

#include "app/settings/settings_io.h"
#include "support/message_recorder.h"
#include "support/settings_memory_store.h"
#include "support/settings_samples.h"

namespace {

TEST(SaveSettings, FailuresWarnStopAndKeepWhatWasWritten) {
  const char* const kCreate = "ﾚｼﾞｽﾄﾘにｷｰを作成できません";
  const char* const kWrite = "ﾚｼﾞｽﾄﾘに書き込みできません";
  const char* const kClose = "ﾚｼﾞｽﾄﾘのｷｰをｸﾛｰｽﾞできません";
  const struct {
    std::set<std::string> MemoryRegistry::*failures;
    const char* what;
    const char* message;
    const char *writtenKey, *writtenName;        // a value written before the failure
    const char *notWrittenKey, *notWrittenName;  // one that would come after it
  } rows[] = {
      {&MemoryRegistry::failCreates, "", kCreate, nullptr, nullptr, "", "code"},
      {&MemoryRegistry::failDeletes, "old", "ﾚｼﾞｽﾄﾘのｷｰを削除できません", "old", "x", "", "code"},
      {&MemoryRegistry::failWrites, ":impos", kWrite, "", "imnum", "", "margin"},
      {&MemoryRegistry::failCreates, "find", kCreate, "", "rect", "", "history0"},
      {&MemoryRegistry::failCloses, "replace", kClose, "find", "findstr00", "", "history0"},
      {&MemoryRegistry::failWrites, ":history5", kWrite, "", "history4", "", "history6"},
      {&MemoryRegistry::failWrites, "FILETYPE0:logfont", kWrite, "FILETYPE0", "view", "FILETYPE0", "color"},
      {&MemoryRegistry::failCloses, "", kClose, "INFOMATION0", "infoview0000", nullptr, nullptr},
      {&MemoryRegistry::failWrites, "INFOMATION1:infonum0003", kWrite, "INFOMATION1", "infotext0003", "INFOMATION1",
       "infoview0003"},
      {&MemoryRegistry::failCreates, "INFOMATION3", kCreate, "INFOMATION2", "text", "INFOMATION3", "text"},
      {&MemoryRegistry::failCloses, "INFOMATION0", kClose, "INFOMATION0", "text", "INFOMATION1", "text"},
  };
  SettingsRecords records = SmallRecords();
  InstallBuiltinStructures(records.structures);
  for (const auto& r : rows) {
    SCOPED_TRACE(r.what);
    MemoryRegistry registry;
    if (r.writtenKey) registry.PutDword("old", "x", 1);
    (registry.*r.failures).insert(r.what);
    MessageRecorder messages;
    EXPECT_EQ(SaveRecords(registry, records), -1);
    // The creation question (answered OK) may come first; the failure is the last message.
    ASSERT_FALSE(messages.messages().empty());
    EXPECT_EQ(messages.messages().back().text, r.message);
    EXPECT_EQ(messages.messages().back().icon, MessageIcon::Warning);
    EXPECT_TRUE(!r.writtenKey || registry.Get(r.writtenKey, r.writtenName));
    EXPECT_TRUE(!r.notWrittenKey || !registry.Get(r.notWrittenKey, r.notWrittenName));
    EXPECT_EQ(registry.openKeys(), 0);
  }
}

}  // namespace
