#include "gui/settings_factory.h"

#include "gui/memory_settings_store.h"

namespace quillbit {

std::unique_ptr<SettingsStore> MakeSettingsStore() {
  // Kept in memory until the per-user registry file is wired in here.
  return std::make_unique<MemorySettingsStore>();
}

}  // namespace quillbit
