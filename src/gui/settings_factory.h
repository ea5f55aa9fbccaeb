#pragma once

#include <memory>

#include "core/setting_value.h"

namespace quillbit {

// The one place that decides where the main window's settings live.
std::unique_ptr<SettingsStore> MakeSettingsStore();

}  // namespace quillbit
