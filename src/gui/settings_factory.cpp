#include "gui/settings_factory.h"

#include "gui/memory_settings_store.h"

namespace quillbit {

std::unique_ptr<SettingsStore> MakeSettingsStore(const char* /*xdgConfigHome*/,
                                                 const char* /*home*/) {
  // Settings last for the run until the per-user registry file is wired in here.
  return std::make_unique<MemorySettingsStore>();
}

}  // namespace quillbit
