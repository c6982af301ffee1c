// Structure templates stored under the program key: damaged or foreign data and
// failures. The stored layout and the round trip are checked over both stores in
// settings_io_contract.h.
#include "app/settings/structure_store.h"

#include <gtest/gtest.h>

#include "support/message_recorder.h"
#include "support/settings_memory_store.h"

namespace {

// Loads through an open program key, as the settings load does.
int Load(MemoryRegistry& registry, StructureList& list) {
  StoreKey key = registry.OpenProgramKey();
  int r = LoadStructures(registry, key, list);
  registry.CloseKey(key);
  return r;
}

int Save(MemoryRegistry& registry, const StructureList& list) {
  StoreKey key = registry.CreateProgramKey();
  int r = SaveStructures(registry, key, list);
  registry.CloseKey(key);
  return r;
}

// A template key written by hand: name, "info" and members (description, bytes, flags).
void PutTemplate(MemoryRegistry& r, int n, const std::string& name, int32_t info,
                 std::vector<std::tuple<std::string, int32_t, uint32_t>> members) {
  std::string key = "INFOMATION" + std::to_string(n);
  r.SetString(key, "text", name);
  r.SetDword(key, "info", static_cast<uint32_t>(info));
  char buf[32];
  for (size_t i = 0; i < members.size(); ++i) {
    snprintf(buf, sizeof buf, "%04d", static_cast<int>(i));
    r.SetString(key, std::string("infotext") + buf, std::get<0>(members[i]));
    r.SetDword(key, std::string("infonum") + buf, static_cast<uint32_t>(std::get<1>(members[i])));
    r.SetDword(key, std::string("infoview") + buf, std::get<2>(members[i]));
  }
}

TEST(StructureStore, CountsAgainstWhatIsStored) {
  struct Row {
    const char* why;
    int32_t imnum;
    int keys;
    size_t expected;
    int32_t minimumSize;
    const char* missing = nullptr;  // a value taken from the second key
  } rows[] = {
      {"zero: empty list, nothing fits", 0, 2, 0, INT32_MAX}, {"five with keys 0..2", 5, 3, 3, 1},
      {"absurd count stops at the first missing key", 2000000000, 2, 2, 1},
      {"negative count reads nothing", -3, 2, 0, INT32_MAX}, {"count below the keys ignores the rest", 1, 3, 1, 1},
      {"a missing name ends the list", 3, 3, 1, 1, "text"}, {"a missing info ends the list", 3, 3, 1, 1, "info"},
  };
  for (const Row& r : rows) {
    SCOPED_TRACE(r.why);
    MemoryRegistry registry;
    registry.SetDword("", "imnum", static_cast<uint32_t>(r.imnum));
    for (int n = 0; n < r.keys; ++n) PutTemplate(registry, n, "T" + std::to_string(n), 1, {{"m", 1, 0}});
    if (r.missing) registry.RemoveValue("INFOMATION1", r.missing);
    StructureList list;
    ASSERT_EQ(Load(registry, list), 0);
    EXPECT_EQ(list.structures.size(), r.expected);
    EXPECT_EQ(list.count, static_cast<int32_t>(r.expected));
    EXPECT_EQ(list.minimumSize, r.minimumSize);
    EXPECT_EQ(registry.openKeys(), 0);
  }
}

TEST(StructureStore, LayoutAndMinimumOfWhatIsRead) {
  MemoryRegistry registry;
  registry.SetDword("", "imnum", 3);
  PutTemplate(registry, 0, "full", 2, {{"a", 4, 2}, {"b", 2, 1}});
  PutTemplate(registry, 1, "absurd member count", 2000000000, {{"a", 4, 2}, {"b", 2, 1}});
  PutTemplate(registry, 2, "empty", 0, {});
  StructureList list;
  ASSERT_EQ(Load(registry, list), 0);
  ASSERT_EQ(list.structures.size(), 3u);
  for (int i = 0; i < 2; ++i) {
    ASSERT_EQ(list.structures[i].members.size(), 2u);
    EXPECT_EQ(list.structures[i].members[1].offset, 4);
    EXPECT_EQ(list.structures[i].totalSize, 6);
  }
  EXPECT_EQ(list.structures[2].totalSize, 0);
  EXPECT_EQ(list.minimumSize, 0);  // a template without members fits anything
}

TEST(StructureStore, MembersStopAtTheFirstMissingOrDamagedValue) {
  struct Row {
    const char* why;
    void (*damage)(MemoryRegistry&);
    size_t members;
  } rows[] = {
      {"missing description", [](MemoryRegistry& r) { r.RemoveValue("INFOMATION0", "infotext0001"); }, 1},
      {"missing byte count", [](MemoryRegistry& r) { r.RemoveValue("INFOMATION0", "infonum0002"); }, 2},
      {"missing flags", [](MemoryRegistry& r) { r.RemoveValue("INFOMATION0", "infoview0000"); }, 0},
      {"byte count as text", [](MemoryRegistry& r) { r.SetString("INFOMATION0", "infonum0001", "4"); }, 1},
      {"flags of 2 bytes",
       [](MemoryRegistry& r) { r.SetValue("INFOMATION0", "infoview0001", ValueType::Dword, {2, 0}); }, 1},
      {"description as binary",
       [](MemoryRegistry& r) { r.SetValue("INFOMATION0", "infotext0002", ValueType::Binary, {'x', 0}); }, 2},
      {"DWORD of 2 bytes", [](MemoryRegistry& r) { r.SetDword("INFOMATION0", "infonum0000", 2); }, 0},
      {"string of 2,000,000,000 bytes", [](MemoryRegistry& r) {
         r.SetDword("INFOMATION0", "infoview0001", kMemberString);
         r.SetDword("INFOMATION0", "infonum0001", 2000000000);
       }, 1},
      {"negative byte count", [](MemoryRegistry& r) {
         r.SetDword("INFOMATION0", "infoview0002", kMemberSequence);
         r.SetDword("INFOMATION0", "infonum0002", static_cast<uint32_t>(-8));
       }, 2},
      {"unknown kind 6", [](MemoryRegistry& r) { r.SetDword("INFOMATION0", "infoview0002", 6); }, 2},
      {"nothing damaged", [](MemoryRegistry&) {}, 3},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.why);
    MemoryRegistry registry;
    registry.SetDword("", "imnum", 2);
    PutTemplate(registry, 0, "T", 3, {{"a", 4, 2}, {"b", 2, 1}, {"c", 8, 4}});
    PutTemplate(registry, 1, "U", 1, {{"x", 1, 0}});
    row.damage(registry);
    StructureList list;
    ASSERT_EQ(Load(registry, list), 0);
    ASSERT_EQ(list.structures.size(), 2u);  // the next template still loads
    EXPECT_EQ(list.structures[0].members.size(), row.members);
    int32_t total = 0;
    for (const auto& m : list.structures[0].members) total += m.byteCount;
    EXPECT_EQ(list.structures[0].totalSize, total);
  }
}

TEST(StructureStore, ATemplateKeyThatWillNotCloseStopsStartUp) {
  MemoryRegistry registry;
  registry.SetDword("", "imnum", 2);
  PutTemplate(registry, 0, "T", 1, {{"a", 1, 0}});
  PutTemplate(registry, 1, "U", 1, {{"a", 1, 0}});
  registry.failCloses.insert("INFOMATION1");
  MessageRecorder messages;
  StructureList list;
  EXPECT_EQ(Load(registry, list), -1);
  ASSERT_EQ(messages.texts(), std::vector<std::string>{"ﾚｼﾞｽﾄﾘのｷｰをｸﾛｰｽﾞできません"});
  EXPECT_EQ(messages.messages()[0].icon, MessageIcon::Stop);
}

TEST(StructureStore, SaveFailuresWarnAndKeepWhatWasWritten) {
  StructureList list;
  InstallBuiltinStructures(list);
  const struct {
    void (*inject)(MemoryRegistry&);
    const char* message;
    const char *writtenKey, *writtenName, *notWrittenKey, *notWrittenName, *absentKey;
  } rows[] = {
      {[](MemoryRegistry& r) { r.failWrites.insert("INFOMATION1:infonum0003"); }, "ﾚｼﾞｽﾄﾘに書き込みできません",
       "INFOMATION1", "infotext0003", "INFOMATION1", "infoview0003", "INFOMATION2"},
      {[](MemoryRegistry& r) { r.failCreates.insert("INFOMATION3"); }, "ﾚｼﾞｽﾄﾘにｷｰを作成できません", "INFOMATION2",
       "text", "INFOMATION3", "text", "INFOMATION3"},
      {[](MemoryRegistry& r) { r.failCloses.insert("INFOMATION0"); }, "ﾚｼﾞｽﾄﾘのｷｰをｸﾛｰｽﾞできません", "INFOMATION0",
       "text", "INFOMATION1", "text", "INFOMATION1"},
  };
  for (const auto& r : rows) {
    SCOPED_TRACE(r.message);
    MemoryRegistry registry;
    r.inject(registry);
    MessageRecorder messages;
    EXPECT_EQ(Save(registry, list), -1);
    EXPECT_EQ(messages.texts(), std::vector<std::string>{r.message});
    EXPECT_EQ(messages.messages()[0].icon, MessageIcon::Warning);
    EXPECT_NE(registry.Find(r.writtenKey, r.writtenName), nullptr);
    EXPECT_EQ(registry.Find(r.notWrittenKey, r.notWrittenName), nullptr);
    EXPECT_FALSE(registry.HasKey(r.absentKey));
    EXPECT_EQ(registry.openKeys(), 0);
  }
}

}  // namespace
