#pragma once

#include <cstdint>
#include <string_view>
#include <vector>

#include "core/setting_value.h"
#include "scenario_player/core/scenario_dump.h"
#include "settings/registry_port.h"

namespace quillbit::scenario {

// The settings key as a scenario sees it: written by `store` lines while the program is not
// running, read and written by the program, and read back for each dump. What holds the
// registry differs per platform; storing and reading the key is the same on every one, through
// the registry the program itself uses.
class ScenarioRegistry {
 public:
  virtual ~ScenarioRegistry() = default;
  // A text value (type 1) or a 32-bit number (type 4) under the settings key, which is created
  // when missing.
  void StoreText(std::string_view name, std::string_view text);
  void StoreDword(std::string_view name, std::uint32_t number);
  // Every value of the settings key as it stands now, read as the program reads it; values of
  // other types, which it reads as missing, are left out.
  std::vector<StoredView> ReadKey();
  // What the main window reads and writes its settings through.
  virtual SettingsStore& Store() = 0;
  // The whole registry, where the About window looks for the system information tool.
  virtual RegistryPort& Registry() = 0;
};

}  // namespace quillbit::scenario
