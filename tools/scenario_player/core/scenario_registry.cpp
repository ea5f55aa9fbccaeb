#include "scenario_player/core/scenario_registry.h"

#include <cstdio>
#include <string>

#include "settings/mdl_registry.h"
#include "settings/registry_file.h"
#include "settings/registry_settings_store.h"

namespace quillbit::scenario {
namespace {

// The per-user registry file the program itself uses, at a path of the scenario's choosing.
class FileRegistry : public ScenarioRegistry {
 public:
  explicit FileRegistry(const std::string& path) : file_(path), store_(file_) {}

  void StoreText(std::string_view name, std::string_view text) override {
    mdlRegistry::CreateRegKey(file_, kSettingsHive, kSettingsKeyPath);
    mdlRegistry::WriteRegSetting(file_, kSettingsHive, kSettingsKeyPath, name, text, RegType::Text);
  }

  void StoreDword(std::string_view name, std::uint32_t number) override {
    mdlRegistry::CreateRegKey(file_, kSettingsHive, kSettingsKeyPath);
    // A number value is handed over as the decimal text of its 32 bits, signed.
    mdlRegistry::WriteRegSetting(file_, kSettingsHive, kSettingsKeyPath, name,
                                 std::to_string(static_cast<std::int32_t>(number)), RegType::Dword);
  }

  std::vector<StoredView> ReadKey() override {
    std::vector<StoredView> values;
    for (std::string& name :
         mdlRegistry::ReadRegValueNames(file_, kSettingsHive, kSettingsKeyPath)) {
      SettingValue value =
          mdlRegistry::ReadRegSetting(file_, kSettingsHive, kSettingsKeyPath, name);
      if (!value.IsMissing()) values.push_back({std::move(name), std::move(value)});
    }
    return values;
  }

  SettingsStore& Store() override { return store_; }
  RegistryPort& Registry() override { return file_; }

 private:
  RegistryFile file_;
  RegistrySettingsStore store_;
};

}  // namespace

std::unique_ptr<ScenarioRegistry> OpenScenarioRegistry(const std::string& path) {
  // Opening for appending creates a missing file and leaves an existing one as it is.
  std::FILE* file = std::fopen(path.c_str(), "ab");
  if (file == nullptr) return nullptr;
  std::fclose(file);
  return std::make_unique<FileRegistry>(path);
}

}  // namespace quillbit::scenario
