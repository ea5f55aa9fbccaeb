#pragma once

#include <windows.h>

#include <memory>
#include <string>

#include "scenario_player/core/scenario_registry.h"
#include "settings/registry_settings_store.h"
#include "settings/registry_text.h"
#include "settings/windows_registry.h"

namespace quillbit::scenario {

// A registry file of the scenario's choosing, played on the platform's registry through the
// program's own registry code (WindowsRegistry), isolated from the person's own registry: for
// this process HKEY_CURRENT_USER and HKEY_LOCAL_MACHINE are fresh keys of a private tree. The
// file's keys of those two hives are written into them at the start, the settings key landing
// where the program keeps it; when the play is over every key of the file, and the settings
// key, is written back to the file as the program left it, so that the file outlives the player.
// Keys of other hives stay in the file as they are; the program reads none.
class IsolatedRegistry : public ScenarioRegistry {
 public:
  // The file at `path`, created empty when missing; null when it cannot be created or read, or
  // the private tree cannot be made.
  static std::unique_ptr<IsolatedRegistry> Open(const std::string& path);
  // No file: HKEY_CURRENT_USER is the user's own, where the registry editor imports and exports
  // the settings key; only HKEY_LOCAL_MACHINE is mapped onto a fresh private key.
  static std::unique_ptr<IsolatedRegistry> OpenUsers();
  ~IsolatedRegistry() override;
  IsolatedRegistry(const IsolatedRegistry&) = delete;
  IsolatedRegistry& operator=(const IsolatedRegistry&) = delete;

  SettingsStore& Store() override { return store_; }
  RegistryPort& Registry() override { return registry_; }

 private:
  IsolatedRegistry(std::string path, RegistryDocument document);
  bool Isolate(bool user);
  void Import();
  // The file's keys and the settings key with the values they hold now.
  RegistryDocument Export();
  void WriteBack();
  void Restore();

  std::string path_;
  RegistryDocument read_;
  std::wstring tree_;
  HKEY user_ = nullptr;
  HKEY machine_ = nullptr;
  // Only a registry that was isolated is written back: the person's own is never read into it.
  bool isolated_ = false;
  bool userMapped_ = false;
  WindowsRegistry registry_;
  RegistrySettingsStore store_;
};

}  // namespace quillbit::scenario
