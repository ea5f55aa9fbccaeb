#include "settings/registry_settings_store.h"

#include "settings/mdl_registry.h"

namespace quillbit {

void RegistrySettingsStore::CreateKey() {
  mdlRegistry::CreateRegKey(registry_, kSettingsHive, kSettingsKeyPath);
}

void RegistrySettingsStore::Write(std::string_view name, std::string_view text) {
  mdlRegistry::WriteRegSetting(registry_, kSettingsHive, kSettingsKeyPath, name, text,
                               RegType::Text);
}

SettingValue RegistrySettingsStore::Read(std::string_view name) {
  return mdlRegistry::ReadRegSetting(registry_, kSettingsHive, kSettingsKeyPath, name);
}

}  // namespace quillbit
