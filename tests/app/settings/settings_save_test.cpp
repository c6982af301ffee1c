// Saving the settings: the order of the writes and failures part way, with the
// in-memory store's log and failure injection. What is written, in which form,
// is checked over both stores in settings_io_contract.h.
#include <gtest/gtest.h>

#include "app/settings/settings_io.h"
#include "support/message_recorder.h"
#include "support/settings_memory_store.h"
#include "support/settings_samples.h"

namespace {

TEST(SaveSettings, WritesEveryValueInItsOrder) {
  MemoryRegistry registry;
  registry.Key("");
  ASSERT_EQ(SaveRecords(registry, SmallRecords()), 0);
  std::vector<std::string> expected;
  auto add = [&](const std::string& prefix, std::initializer_list<const char*> names) {
    for (const char* name : names) expected.push_back(prefix + name);
  };
  add("write :", {"code", "filter", "findnum", "findstat", "ftnum", "history", "imnum", "impos", "margin", "repnum",
                  "zoomed", "openpath", "savepath", "rect"});
  add("", {"create find", "write find:findstr00", "create replace"});
  for (int i = 0; i < 10; ++i) expected.push_back("write :history" + std::to_string(i));
  add("", {"create FILETYPE0"});
  add("write FILETYPE0:", {"text", "ext", "view", "logfont", "color"});
  add("", {"create INFOMATION0"});
  add("write INFOMATION0:", {"text", "info", "infotext0000", "infonum0000", "infoview0000"});
  EXPECT_EQ(registry.log(), expected);
  EXPECT_EQ(registry.openKeys(), 0);
}

TEST(SaveSettings, FailuresWarnStopAndKeepWhatWasWritten) {
  const struct {
    const char* why;
    void (*inject)(MemoryRegistry&);
    const char* message;
    const char* writtenKey;  // a value written before the failure
    const char* writtenName;
    const char* notWrittenKey;  // one that would come after it
    const char* notWrittenName;
  } rows[] = {
      {"key cannot be created", [](MemoryRegistry& r) { r.failCreates.insert(""); }, "ﾚｼﾞｽﾄﾘにｷｰを作成できません",
       nullptr, nullptr, "", "code"},
      {"subkey cannot be deleted", [](MemoryRegistry& r) { r.failDeletes.insert("old"); },
       "ﾚｼﾞｽﾄﾘのｷｰを削除できません", "old", "x", "", "code"},
      {"a value cannot be written", [](MemoryRegistry& r) { r.failWrites.insert(":impos"); },
       "ﾚｼﾞｽﾄﾘに書き込みできません", "", "imnum", "", "margin"},
      {"find cannot be created", [](MemoryRegistry& r) { r.failCreates.insert("find"); },
       "ﾚｼﾞｽﾄﾘにｷｰを作成できません", "", "rect", "", "history0"},
      {"a history entry cannot be written", [](MemoryRegistry& r) { r.failWrites.insert("find:findstr00"); },
       "ﾚｼﾞｽﾄﾘに書き込みできません", "", "rect", "", "history0"},
      {"replace cannot be closed", [](MemoryRegistry& r) { r.failCloses.insert("replace"); },
       "ﾚｼﾞｽﾄﾘのｷｰをｸﾛｰｽﾞできません", "find", "findstr00", "", "history0"},
      {"a file-history slot cannot be written", [](MemoryRegistry& r) { r.failWrites.insert(":history5"); },
       "ﾚｼﾞｽﾄﾘに書き込みできません", "", "history4", "", "history6"},
      {"a file type value cannot be written", [](MemoryRegistry& r) { r.failWrites.insert("FILETYPE0:logfont"); },
       "ﾚｼﾞｽﾄﾘに書き込みできません", "FILETYPE0", "view", "FILETYPE0", "color"},
      {"a template key cannot be created", [](MemoryRegistry& r) { r.failCreates.insert("INFOMATION0"); },
       "ﾚｼﾞｽﾄﾘにｷｰを作成できません", "FILETYPE0", "color", "INFOMATION0", "text"},
      {"the program key cannot be closed", [](MemoryRegistry& r) { r.failCloses.insert(""); },
       "ﾚｼﾞｽﾄﾘのｷｰをｸﾛｰｽﾞできません", "INFOMATION0", "infoview0000", nullptr, nullptr},
  };
  for (const auto& r : rows) {
    SCOPED_TRACE(r.why);
    MemoryRegistry registry;
    if (std::string(r.why) != "key cannot be created") registry.SetDword("old", "x", 1);
    r.inject(registry);
    MessageRecorder messages;
    EXPECT_EQ(SaveRecords(registry, SmallRecords()), -1);
    // The creation question (answered OK) may come first; the failure is the last message.
    ASSERT_FALSE(messages.messages().empty());
    EXPECT_EQ(messages.messages().back().text, r.message);
    EXPECT_EQ(messages.messages().back().icon, MessageIcon::Warning);
    EXPECT_TRUE(!r.writtenKey || registry.Find(r.writtenKey, r.writtenName) != nullptr);
    EXPECT_TRUE(!r.notWrittenKey || registry.Find(r.notWrittenKey, r.notWrittenName) == nullptr);
    EXPECT_EQ(registry.openKeys(), 0);
  }
}

}  // namespace
