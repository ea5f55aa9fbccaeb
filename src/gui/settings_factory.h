#pragma once

#include <memory>
#include <string>

#include "settings/registry_file.h"
#include "settings/registry_settings_store.h"

namespace quillbit {

// The user's registry file and the main window's settings key in it, kept together because
// the store reads and writes through the file.
struct SettingsBackend {
  explicit SettingsBackend(std::string path) : registry(std::move(path)) {}
  RegistryFile registry;
  RegistrySettingsStore store{registry};
};

// The one place that decides where the settings live: the per-user registry file found from
// the environment ($XDG_CONFIG_HOME and $HOME, either may be null; without HOME the account's
// home folder is asked for).
std::unique_ptr<SettingsBackend> MakeSettingsBackend(const char* xdgConfigHome, const char* home);

}  // namespace quillbit
