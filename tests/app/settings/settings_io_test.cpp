// The settings load and save contract over the in-memory store.
#include "app/settings/settings_io_contract.h"

namespace {

class MemoryHarness : public StoreHarness {
 public:
  RegistryStore& store() override { return registry_; }
  void Put(const std::string& key, const std::string& name, ValueType type, std::vector<uint8_t> data) override {
    registry_.SetValue(key, name, type, std::move(data));
  }
  void Delete(const std::string& key, const std::string& name) override {
    if (name.empty()) {
      registry_.RemoveKey(key);
    } else {
      registry_.RemoveValue(key, name);
    }
  }
  std::optional<MemoryValue> Get(const std::string& key, const std::string& name) override {
    const MemoryValue* v = registry_.Find(key, name);
    return v ? std::optional<MemoryValue>(*v) : std::nullopt;
  }
  bool Exists(const std::string& key) override { return registry_.HasKey(key); }
  int OpenKeys() override { return registry_.openKeys(); }

 private:
  MemoryRegistry registry_;
};

INSTANTIATE_TEST_SUITE_P(Memory, SettingsIoContract,
                         ::testing::Values(StoreKind{"memory", [] {
                           return std::unique_ptr<StoreHarness>(std::make_unique<MemoryHarness>());
                         }}));

}  // namespace
