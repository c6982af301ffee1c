// The settings load and save contract over the real registry, in the tests' own
// key (the program's key holds the user's settings and is never touched).
#include "app/settings/registry_store.h"

#include "app/settings/settings_io_contract.h"
#include "support/settings_registry_win.h"

namespace {

struct WindowsStore : StoreUnderTest {
  RegistryStore& store() override { return registry; }
  RawRegistry& raw() override { return key; }
  TestRegistryKey key;
  WindowsRegistryStore registry{key.path()};
};

INSTANTIATE_TEST_SUITE_P(Registry, SettingsIoContract, ::testing::Values(+[]() -> std::unique_ptr<StoreUnderTest> {
                           return std::make_unique<WindowsStore>();
                         }));

}  // namespace
