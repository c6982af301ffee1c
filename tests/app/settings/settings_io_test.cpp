// The settings load and save contract over the in-memory store.
#include "app/settings/settings_io_contract.h"

namespace {

struct MemoryStore : StoreUnderTest {
  RegistryStore& store() override { return registry; }
  RawRegistry& raw() override { return registry; }
  int OpenKeys() override { return registry.openKeys(); }
  MemoryRegistry registry;
};

INSTANTIATE_TEST_SUITE_P(Memory, SettingsIoContract, ::testing::Values(+[]() -> std::unique_ptr<StoreUnderTest> {
                           return std::make_unique<MemoryStore>();
                         }));

}  // namespace
