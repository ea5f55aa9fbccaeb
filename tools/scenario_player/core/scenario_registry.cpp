#include "scenario_player/core/scenario_registry.h"

#include <string>
#include <utility>

#include "settings/mdl_registry.h"
#include "settings/registry_settings_store.h"

namespace quillbit::scenario {

void ScenarioRegistry::StoreText(std::string_view name, std::string_view text) {
  mdlRegistry::CreateRegKey(Registry(), kSettingsHive, kSettingsKeyPath);
  mdlRegistry::WriteRegSetting(Registry(), kSettingsHive, kSettingsKeyPath, name, text,
                               RegType::Text);
}

void ScenarioRegistry::StoreDword(std::string_view name, std::uint32_t number) {
  mdlRegistry::CreateRegKey(Registry(), kSettingsHive, kSettingsKeyPath);
  // A number value is handed over as the decimal text of its 32 bits, signed.
  mdlRegistry::WriteRegSetting(Registry(), kSettingsHive, kSettingsKeyPath, name,
                               std::to_string(static_cast<std::int32_t>(number)), RegType::Dword);
}

std::vector<StoredView> ScenarioRegistry::ReadKey() {
  std::vector<StoredView> values;
  for (std::string& name :
       mdlRegistry::ReadRegValueNames(Registry(), kSettingsHive, kSettingsKeyPath)) {
    SettingValue value =
        mdlRegistry::ReadRegSetting(Registry(), kSettingsHive, kSettingsKeyPath, name);
    if (!value.IsMissing()) values.push_back({std::move(name), std::move(value)});
  }
  return values;
}

}  // namespace quillbit::scenario
