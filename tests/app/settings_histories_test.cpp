// The find and replace histories.
#include <gtest/gtest.h>

#include "app/settings/settings_io.h"
#include "support/message_recorder.h"
#include "support/settings_memory_store.h"

namespace {

using Entries = std::vector<std::vector<uint8_t>>;

std::vector<uint8_t> Bytes(size_t n, uint8_t first) {
  std::vector<uint8_t> out(n);
  for (size_t i = 0; i < n; ++i) out[i] = static_cast<uint8_t>(first + i);
  return out;
}

struct HistoryCase {
  const char* why;
  int32_t findnum;
  std::vector<std::vector<uint8_t>> stored;  // findstr00, findstr01, ...
  ValueType type;
  size_t kept;
};

TEST(LoadHistories, RegistryEntriesStopAtTheFirstBadOne) {
  const HistoryCase cases[] = {
      {"all read", 3, {Bytes(1, 1), Bytes(128, 2), Bytes(5, 3)}, ValueType::Binary, 3},
      {"count below the entries", 2, {Bytes(1, 1), Bytes(2, 2), Bytes(3, 3)}, ValueType::Binary, 2},
      {"129 bytes ends the history", 3, {Bytes(4, 1), Bytes(129, 2), Bytes(5, 3)}, ValueType::Binary, 1},
      {"an empty value ends it", 3, {Bytes(4, 1), {}, Bytes(5, 3)}, ValueType::Binary, 1},
      {"absurd count stops at the first missing", 2000000000, {Bytes(4, 1), Bytes(5, 2)}, ValueType::Binary, 2},
      {"negative count reads nothing", -1, {Bytes(4, 1)}, ValueType::Binary, 0},
      {"entries stored as text are not history bytes", 2, {Bytes(4, 0x41), Bytes(5, 0x41)}, ValueType::String, 0},
  };
  for (const HistoryCase& c : cases) {
    SCOPED_TRACE(c.why);
    MemoryRegistry registry;
    MemoryIni ini;
    registry.Key("find");
    for (size_t i = 0; i < c.stored.size(); ++i) {
      char name[16];
      snprintf(name, sizeof name, "findstr%02d", static_cast<int>(i));
      registry.SetValue("find", name, c.type, c.stored[i]);
    }
    StartupOptions options;
    AppSettings settings;
    settings.findnum = c.findnum;
    ASSERT_EQ(LoadHistories(registry, ini, options, settings), 0);
    ASSERT_EQ(settings.findHistory.size(), c.kept);
    EXPECT_EQ(settings.findnum, static_cast<int32_t>(c.kept));
    for (size_t i = 0; i < c.kept; ++i) EXPECT_EQ(settings.findHistory[i], c.stored[i]);
    EXPECT_EQ(registry.openKeys(), 0);
  }
}

TEST(LoadHistories, ReplaceHistoryHasItsOwnSubkeyAndCount) {
  MemoryRegistry registry;
  MemoryIni ini;
  registry.SetValue("find", "findstr00", ValueType::Binary, {1});
  registry.SetValue("replace", "repstr00", ValueType::Binary, {7, 8});
  registry.SetValue("replace", "repstr01", ValueType::Binary, {9});
  registry.SetValue("replace", "findstr01", ValueType::Binary, {9});
  StartupOptions options;
  AppSettings settings;
  settings.findnum = 1;
  settings.repnum = 5;
  ASSERT_EQ(LoadHistories(registry, ini, options, settings), 0);
  EXPECT_EQ(settings.findHistory, (Entries{{1}}));
  EXPECT_EQ(settings.replaceHistory, (Entries{{7, 8}, {9}}));
  EXPECT_EQ(settings.repnum, 2);
}

TEST(LoadHistories, IniLinesWhenTheSubkeyIsMissing) {
  MemoryRegistry registry;
  registry.Key("");  // the key opens but has no "find" subkey
  MemoryIni ini;
  ini.Load(
      "[Varnel find]\n"
      "findstr00=41 42,43.44\n"
      "findstr01=ff\n"
      "findstr02=1 100 2\n"
      "findstr03=5\n"
      "repstr00=0,  0\n");
  StartupOptions options;
  options.iniFlags = 0;  // not consulted for the histories
  AppSettings settings;
  settings.findnum = 4;
  settings.repnum = 2;
  ASSERT_EQ(LoadHistories(registry, ini, options, settings), 0);
  // "1 100 2" holds a value beyond a byte and ends the history.
  EXPECT_EQ(settings.findHistory, (Entries{{0x41, 0x42, 0x43, 0x44}, {0xFF}}));
  EXPECT_EQ(settings.findnum, 2);
  EXPECT_EQ(settings.replaceHistory, (Entries{{0, 0}}));
  EXPECT_EQ(settings.repnum, 1);
}

TEST(LoadHistories, IniLinesAreReadWholeAndLimitedTo128Bytes) {
  auto line = [](int bytes, const char* separator) {
    std::string s;
    for (int i = 0; i < bytes; ++i) {
      if (i) s += separator;
      s += "7F";
    }
    return s;
  };
  MemoryRegistry registry;
  MemoryIni ini;
  ini.Set("Varnel find", "findstr00", line(128, ", "));  // 510 characters, one full entry
  ini.Set("Varnel find", "findstr01", line(129, " "));   // one byte too many
  StartupOptions options;
  options.registryFlags = 0;
  AppSettings settings;
  settings.findnum = 2;
  ASSERT_EQ(LoadHistories(registry, ini, options, settings), 0);
  ASSERT_EQ(settings.findHistory.size(), 1u);
  EXPECT_EQ(settings.findHistory[0], std::vector<uint8_t>(128, 0x7F));
}

TEST(LoadHistories, ASubkeyThatWillNotCloseStopsStartUp) {
  MemoryRegistry registry;
  MemoryIni ini;
  registry.SetValue("replace", "repstr00", ValueType::Binary, {1});
  registry.failCloses.insert("replace");
  StartupOptions options;
  AppSettings settings;
  settings.repnum = 1;
  MessageRecorder messages;
  EXPECT_EQ(LoadHistories(registry, ini, options, settings), -1);
  EXPECT_EQ(messages.texts(), std::vector<std::string>{"ﾚｼﾞｽﾄﾘのｷｰをｸﾛｰｽﾞできません"});
  EXPECT_EQ(registry.openKeys(), 0);
}

}  // namespace
