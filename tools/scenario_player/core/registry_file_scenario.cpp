#include "scenario_player/core/registry_file_scenario.h"

#include <cstdio>

#include "settings/registry_file.h"
#include "settings/registry_settings_store.h"

namespace quillbit::scenario {
namespace {

class FileRegistry : public ScenarioRegistry {
 public:
  explicit FileRegistry(const std::string& path) : file_(path), store_(file_) {}

  SettingsStore& Store() override { return store_; }
  RegistryPort& Registry() override { return file_; }

 private:
  RegistryFile file_;
  RegistrySettingsStore store_;
};

}  // namespace

std::unique_ptr<ScenarioRegistry> OpenRegistryFileScenario(const std::string& path) {
  // Opening for appending creates a missing file and leaves an existing one as it is.
  std::FILE* file = std::fopen(path.c_str(), "ab");
  if (file == nullptr) return nullptr;
  std::fclose(file);
  return std::make_unique<FileRegistry>(path);
}

}  // namespace quillbit::scenario
