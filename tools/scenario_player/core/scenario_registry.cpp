#include "scenario_player/core/scenario_registry.h"

#include <cstdio>
#include <fstream>
#include <sstream>

#include "settings/mdl_registry.h"
#include "settings/registry_file.h"
#include "settings/registry_settings_store.h"
#include "settings/registry_text.h"

namespace quillbit::scenario {
namespace {

// The per-user registry file the program itself uses, at a path of the scenario's choosing.
class FileRegistry : public ScenarioRegistry {
 public:
  explicit FileRegistry(const std::string& path) : file_(path), store_(file_) {}

  void StoreText(std::string_view name, std::string_view text) override {
    mdlRegistry::CreateRegKey(file_, kSettingsHive, kSettingsKeyPath);
    mdlRegistry::WriteRegSetting(file_, kSettingsHive, kSettingsKeyPath, name, text, REG_SZ);
  }

  void StoreDword(std::string_view name, std::uint32_t number) override {
    mdlRegistry::CreateRegKey(file_, kSettingsHive, kSettingsKeyPath);
    RegHandle key = 0;
    file_.OpenKeyEx(kSettingsHive, kSettingsKeyPath, 0, KEY_SPECIFIC_RIGHTS, key);
    const std::uint8_t bytes[4] = {
        static_cast<std::uint8_t>(number), static_cast<std::uint8_t>(number >> 8),
        static_cast<std::uint8_t>(number >> 16), static_cast<std::uint8_t>(number >> 24)};
    file_.SetValueEx(key, name, REG_DWORD, bytes, sizeof bytes);
    file_.CloseKey(key);
  }

  std::vector<StoredView> ReadKey() override {
    std::vector<StoredView> values;
    for (const std::string& name : ValueNames()) {
      SettingValue value =
          mdlRegistry::ReadRegSetting(file_, kSettingsHive, kSettingsKeyPath, name);
      if (!value.IsMissing()) values.push_back({name, std::move(value)});
    }
    return values;
  }

  SettingsStore& Store() override { return store_; }
  RegistryPort& Registry() override { return file_; }

 private:
  // The registry port lists no values, so their names come from the file's text.
  std::vector<std::string> ValueNames() const {
    std::ifstream in(file_.Path(), std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    const RegistryDocument document = ParseRegistryText(text.str());
    const RegistryKey* key = document.Find("HKEY_LOCAL_MACHINE\\" + std::string(kSettingsKeyPath));
    std::vector<std::string> names;
    if (key != nullptr) {
      for (const RegistryValue& value : key->values) names.push_back(value.name);
    }
    return names;
  }

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
