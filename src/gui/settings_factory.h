#pragma once

#include <memory>

#include "core/setting_value.h"

namespace quillbit {

// The one place that decides where the main window's settings live. The caller passes the
// environment ($XDG_CONFIG_HOME and $HOME, either may be null) for a per-user settings file.
std::unique_ptr<SettingsStore> MakeSettingsStore(const char* xdgConfigHome, const char* home);

}  // namespace quillbit
