// The settings load and save contract over the real registry, in the tests' own
// key (the program's key holds the user's settings and is never touched).
#include "app/settings/registry_store.h"

#include "app/settings/settings_io_contract.h"
#include "support/settings_registry_win.h"

namespace {

class RegistryHarness : public StoreHarness {
 public:
  RegistryStore& store() override { return store_; }
  void Put(const std::string& key, const std::string& name, ValueType type, std::vector<uint8_t> data) override {
    key_.Put(key, name, type, data);
  }
  void Delete(const std::string& key, const std::string& name) override { key_.Delete(key, name); }
  std::optional<MemoryValue> Get(const std::string& key, const std::string& name) override {
    return key_.Get(key, name);
  }
  bool Exists(const std::string& key) override { return key_.Exists(key); }

 private:
  TestRegistryKey key_;
  WindowsRegistryStore store_{key_.path()};
};

INSTANTIATE_TEST_SUITE_P(Registry, SettingsIoContract,
                         ::testing::Values(StoreKind{"registry", [] {
                           return std::unique_ptr<StoreHarness>(std::make_unique<RegistryHarness>());
                         }}));

}  // namespace
