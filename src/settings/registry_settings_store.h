#pragma once

#include <string_view>

#include "core/setting_value.h"
#include "settings/registry_port.h"

namespace quillbit {

// The main window's settings key.
inline constexpr RegHandle kSettingsHive = Hive::LocalMachine;
inline constexpr std::string_view kSettingsKeyPath = "SOFTWARE\\Tormelund\\Quillbit";

// The main window's settings as text values in its key, through mdlRegistry.
class RegistrySettingsStore : public SettingsStore {
 public:
  explicit RegistrySettingsStore(RegistryPort& registry) : registry_(registry) {}

  void CreateKey() override;
  void Write(std::string_view name, std::string_view text) override;
  SettingValue Read(std::string_view name) override;

 private:
  RegistryPort& registry_;
};

}  // namespace quillbit
