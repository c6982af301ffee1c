// Structure templates stored under the program key: damaged or foreign data and
// failures. The stored layout and the round trip are checked over both stores in
// settings_io_contract.h.
#include "app/settings/structure_store.h"

#include <gtest/gtest.h>

#include "support/message_recorder.h"
#include "support/settings_memory_store.h"

namespace {

// Loads (save: saves) through an open program key, as the settings load and save do.
int Through(MemoryRegistry& registry, StructureList& list, bool save = false) {
  StoreKey key = save ? registry.CreateProgramKey() : registry.OpenProgramKey();
  int r = save ? SaveStructures(registry, key, list) : LoadStructures(registry, key, list);
  registry.CloseKey(key);
  return r;
}

// Template n written by hand: its name, "info" and members of (byte count, flags) described "m<i>".
void PutTemplate(MemoryRegistry& r, int n, int32_t info, std::vector<std::pair<int32_t, uint32_t>> members) {
  std::string key = "INFOMATION" + std::to_string(n);
  r.PutString(key, "text", "T" + std::to_string(n));
  r.PutDword(key, "info", static_cast<uint32_t>(info));
  for (size_t i = 0; i < members.size(); ++i) {
    std::string number = "000" + std::to_string(i);
    r.PutString(key, "infotext" + number, "m" + std::to_string(i));
    r.PutDword(key, "infonum" + number, static_cast<uint32_t>(members[i].first));
    r.PutDword(key, "infoview" + number, members[i].second);
  }
}

// Templates as "name:total[offset+size;...]" and the list's count and minimum size.
std::string Loaded(MemoryRegistry& registry) {
  StructureList list;
  EXPECT_EQ(Through(registry, list), 0);
  EXPECT_EQ(registry.openKeys(), 0);
  std::string out = std::to_string(list.count) + "/" + std::to_string(list.minimumSize);
  for (const Structure& s : list.structures) {
    out += " " + s.name + ":" + std::to_string(s.totalSize) + "[";
    for (const StructureMember& m : s.members)
      out += std::to_string(m.offset) + "+" + std::to_string(m.byteCount) + ";";
    out += "]";
  }
  return out;
}

TEST(StructureStore, CountsAndMembersAgainstWhatIsStored) {
  const struct {
    const char* why;
    uint32_t imnum;
    int keys;
    const char* missing;  // a value taken from the second key
    std::string loaded;
  } rows[] = {
      {"zero: empty list, nothing fits", 0, 2, "", "0/2147483647"},
      {"five with keys 0..2", 5, 3, "", "3/1 T0:1[0+1;] T1:1[0+1;] T2:1[0+1;]"},
      {"absurd count stops at the first missing key", 2000000000, 2, "", "2/1 T0:1[0+1;] T1:1[0+1;]"},
      {"negative count reads nothing", static_cast<uint32_t>(-3), 2, "", "0/2147483647"},
      {"a missing name ends the list", 3, 3, "text", "1/1 T0:1[0+1;]"},
      {"a missing info ends the list", 3, 3, "info", "1/1 T0:1[0+1;]"},
  };
  for (const auto& r : rows) {
    MemoryRegistry registry;
    registry.PutDword("", "imnum", r.imnum);
    for (int n = 0; n < r.keys; ++n) PutTemplate(registry, n, 1, {{1, 0}});
    if (*r.missing) registry.Delete("INFOMATION1", r.missing);
    EXPECT_EQ(Loaded(registry), r.loaded) << r.why;
  }
  // Layout of what is read: an absurd member count reads what is there; no members fits anything.
  MemoryRegistry registry;
  registry.PutDword("", "imnum", 3);
  PutTemplate(registry, 0, 2, {{4, 2}, {2, 1}});
  PutTemplate(registry, 1, 2000000000, {{4, 2}, {2, 1}});
  PutTemplate(registry, 2, 0, {});
  EXPECT_EQ(Loaded(registry), "3/0 T0:6[0+4;4+2;] T1:6[0+4;4+2;] T2:0[]");
}

TEST(StructureStore, MembersStopAtTheFirstMissingOrDamagedValue) {
  const struct {
    const char* why;
    void (*damage)(MemoryRegistry&);
    const char* first;  // the first template as loaded
  } rows[] = {
      {"missing flags", [](MemoryRegistry& r) { r.Delete("INFOMATION0", "infoview0000"); }, "T0:0[]"},
      {"byte count as text", [](MemoryRegistry& r) { r.PutString("INFOMATION0", "infonum0001", "4"); }, "T0:4[0+4;]"},
      {"string of 2,000,000,000 bytes",
       [](MemoryRegistry& r) {
         r.PutDword("INFOMATION0", "infoview0001", kMemberString);
         r.PutDword("INFOMATION0", "infonum0001", 2000000000);
       },
       "T0:4[0+4;]"},
      {"negative byte count",
       [](MemoryRegistry& r) {
         r.PutDword("INFOMATION0", "infoview0002", kMemberSequence);
         r.PutDword("INFOMATION0", "infonum0002", static_cast<uint32_t>(-8));
       },
       "T0:6[0+4;4+2;]"},
      {"integer of the wrong size", [](MemoryRegistry& r) { r.PutDword("INFOMATION0", "infonum0000", 2); }, "T0:0[]"},
      {"unknown kind 6", [](MemoryRegistry& r) { r.PutDword("INFOMATION0", "infoview0002", 6); }, "T0:6[0+4;4+2;]"},
      {"nothing damaged", [](MemoryRegistry&) {}, "T0:14[0+4;4+2;6+8;]"},
  };
  for (const auto& row : rows) {
    MemoryRegistry registry;
    registry.PutDword("", "imnum", 2);
    PutTemplate(registry, 0, 3, {{4, 2}, {2, 1}, {8, 4}});
    PutTemplate(registry, 1, 1, {{1, 0}});
    row.damage(registry);
    // The next template still loads.
    EXPECT_EQ(Loaded(registry).substr(4), std::string(row.first) + " T1:1[0+1;]") << row.why;
  }
}

TEST(StructureStore, KeysThatFailStopStartUpOrWarnAndKeepWhatWasWritten) {
  MemoryRegistry broken;
  broken.PutDword("", "imnum", 2);
  PutTemplate(broken, 0, 1, {{1, 0}});
  PutTemplate(broken, 1, 1, {{1, 0}});
  broken.failCloses.insert("INFOMATION1");
  {
    MessageRecorder messages;
    StructureList list;
    EXPECT_EQ(Through(broken, list), -1);
    ASSERT_EQ(messages.texts(), std::vector<std::string>{"ﾚｼﾞｽﾄﾘのｷｰをｸﾛｰｽﾞできません"});
    EXPECT_EQ(messages.messages()[0].icon, MessageIcon::Stop);
  }
  StructureList list;
  InstallBuiltinStructures(list);
  const struct {
    std::set<std::string> MemoryRegistry::*failures;
    const char *what, *message;
    const char *writtenKey, *writtenName, *notWrittenKey, *notWrittenName, *absentKey;
  } rows[] = {
      {&MemoryRegistry::failWrites, "INFOMATION1:infonum0003", "ﾚｼﾞｽﾄﾘに書き込みできません", "INFOMATION1",
       "infotext0003", "INFOMATION1", "infoview0003", "INFOMATION2"},
      {&MemoryRegistry::failCreates, "INFOMATION3", "ﾚｼﾞｽﾄﾘにｷｰを作成できません", "INFOMATION2", "text", "INFOMATION3",
       "text", "INFOMATION3"},
      {&MemoryRegistry::failCloses, "INFOMATION0", "ﾚｼﾞｽﾄﾘのｷｰをｸﾛｰｽﾞできません", "INFOMATION0", "text", "INFOMATION1",
       "text", "INFOMATION1"},
  };
  for (const auto& r : rows) {
    SCOPED_TRACE(r.what);
    MemoryRegistry registry;
    (registry.*r.failures).insert(r.what);
    MessageRecorder messages;
    EXPECT_EQ(Through(registry, list, true), -1);
    EXPECT_EQ(messages.texts(), std::vector<std::string>{r.message});
    EXPECT_EQ(messages.messages()[0].icon, MessageIcon::Warning);
    EXPECT_TRUE(registry.Get(r.writtenKey, r.writtenName) && !registry.Get(r.notWrittenKey, r.notWrittenName));
    EXPECT_FALSE(registry.Exists(r.absentKey));
    EXPECT_EQ(registry.openKeys(), 0);
  }
}

}  // namespace
