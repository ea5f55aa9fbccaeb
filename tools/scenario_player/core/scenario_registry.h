#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "core/setting_value.h"
#include "scenario_player/core/scenario_dump.h"
#include "settings/registry_port.h"

namespace quillbit::scenario {

// The settings key as a scenario sees it: written by `store` lines while the program is not
// running, read and written by the program, and read back for each dump.
class ScenarioRegistry {
 public:
  virtual ~ScenarioRegistry() = default;
  // A text value (type 1) or a 32-bit number (type 4) under the settings key, which is created
  // when missing.
  virtual void StoreText(std::string_view name, std::string_view text) = 0;
  virtual void StoreDword(std::string_view name, std::uint32_t number) = 0;
  // Every value of the settings key as it stands now, read as the program reads it; values of
  // other types, which it reads as missing, are left out.
  virtual std::vector<StoredView> ReadKey() = 0;
  // What the main window reads and writes its settings through.
  virtual SettingsStore& Store() = 0;
  // The whole registry, where the About window looks for the system information tool.
  virtual RegistryPort& Registry() = 0;
};

// The registry file at `path`, created empty when missing; null when it cannot be created.
std::unique_ptr<ScenarioRegistry> OpenScenarioRegistry(const std::string& path);

}  // namespace quillbit::scenario
