#include "gui/memory_settings_store.h"

namespace quillbit {

void MemorySettingsStore::Write(std::string_view name, std::string_view text) {
  // Like the registry key: nothing is written before the key exists.
  if (!keyCreated_) return;
  values_.insert_or_assign(std::string(name), std::string(text));
}

SettingValue MemorySettingsStore::Read(std::string_view name) {
  const auto it = values_.find(name);
  return it == values_.end() ? SettingValue::Missing() : SettingValue::Text(it->second);
}

}  // namespace quillbit
