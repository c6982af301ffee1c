// Structure templates stored under the program key: damaged or foreign data. The
// stored layout and the round trip are checked over both stores in
// settings_io_contract.h, failures with the settings load and save.
#include "app/settings/structure_store.h"

#include <gtest/gtest.h>

#include "support/settings_memory_store.h"

namespace {

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

// Sets member i of template 0: its byte count and flags.
void SetMember(MemoryRegistry& r, int i, uint32_t byteCount, uint32_t flags) {
  r.PutDword("INFOMATION0", "infonum000" + std::to_string(i), byteCount);
  r.PutDword("INFOMATION0", "infoview000" + std::to_string(i), flags);
}

// The templates loaded through an open program key, as the settings load does:
// the list's count and minimum size, then "name:total[offset+size;...]" each.
std::string Loaded(MemoryRegistry& registry) {
  StructureList list;
  StoreKey key = registry.OpenProgramKey();
  EXPECT_EQ(LoadStructures(registry, key, list), 0);
  registry.CloseKey(key);
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

// Template 0 has three members (14 bytes), the others one of a byte; damage changes what is stored.
TEST(StructureStore, CountsAndMembersStopAtTheFirstMissingOrDamagedValue) {
  const std::string t0 = "T0:14[0+4;4+2;6+8;]", t1 = " T1:1[0+1;]";
  const struct {
    const char* why;
    uint32_t imnum;
    int keys;
    void (*damage)(MemoryRegistry&);
    std::string loaded;
  } rows[] = {
      {"zero: empty list, nothing fits", 0, 2, nullptr, "0/2147483647"},
      {"five with keys 0..2", 5, 3, nullptr, "3/1 " + t0 + t1 + " T2:1[0+1;]"},
      {"absurd count stops at the first missing key", 2000000000, 2, nullptr, "2/1 " + t0 + t1},
      {"negative count reads nothing", static_cast<uint32_t>(-3), 2, nullptr, "0/2147483647"},
      {"a missing name ends the list", 3, 3, [](MemoryRegistry& r) { r.Delete("INFOMATION1", "text"); }, "1/14 " + t0},
      {"a missing info ends the list", 3, 3, [](MemoryRegistry& r) { r.Delete("INFOMATION1", "info"); }, "1/14 " + t0},
      {"an absurd member count reads what is there", 2, 2,
       [](MemoryRegistry& r) { r.PutDword("INFOMATION0", "info", 2000000000); }, "2/1 " + t0 + t1},
      {"no members fit anything", 2, 2, [](MemoryRegistry& r) { PutTemplate(r, 1, 0, {}); }, "2/0 " + t0 + " T1:0[]"},
      {"missing flags", 2, 2, [](MemoryRegistry& r) { r.Delete("INFOMATION0", "infoview0000"); }, "2/0 T0:0[]" + t1},
      {"byte count as text", 2, 2, [](MemoryRegistry& r) { r.PutString("INFOMATION0", "infonum0001", "4"); },
       "2/1 T0:4[0+4;]" + t1},
      {"string of 2,000,000,000 bytes", 2, 2, [](MemoryRegistry& r) { SetMember(r, 1, 2000000000, kMemberString); },
       "2/1 T0:4[0+4;]" + t1},
      {"negative byte count", 2, 2,
       [](MemoryRegistry& r) { SetMember(r, 2, static_cast<uint32_t>(-8), kMemberSequence); },
       "2/1 T0:6[0+4;4+2;]" + t1},
      {"integer of the wrong size", 2, 2, [](MemoryRegistry& r) { SetMember(r, 0, 2, 2); }, "2/0 T0:0[]" + t1},
      {"unknown kind 6", 2, 2, [](MemoryRegistry& r) { SetMember(r, 2, 8, 6); }, "2/1 T0:6[0+4;4+2;]" + t1},
  };
  for (const auto& r : rows) {
    MemoryRegistry registry;
    registry.PutDword("", "imnum", r.imnum);
    PutTemplate(registry, 0, 3, {{4, 2}, {2, 1}, {8, 4}});
    for (int n = 1; n < r.keys; ++n) PutTemplate(registry, n, 1, {{1, 0}});
    if (r.damage) r.damage(registry);
    EXPECT_EQ(Loaded(registry), r.loaded) << r.why;
  }
}

}  // namespace
