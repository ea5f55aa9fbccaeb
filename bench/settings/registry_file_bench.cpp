// The save on close and the restore on start, against the real registry file on disk.
// Targets: the save (the key and all seventeen writes) at most 50 ms median, the restore at
// most 10 ms.
#include <benchmark/benchmark.h>
#include <stdlib.h>

#include <filesystem>
#include <string>

#include "core/stored_settings.h"
#include "settings/registry_file.h"
#include "settings/registry_settings_store.h"

namespace quillbit {
namespace {

class BenchFolder {
 public:
  BenchFolder() {
    // Next to the build by default, so that the disk measured is the one the user has.
    const char* base = std::getenv("QUILLBIT_BENCH_DIR");
    std::string pattern = std::string(base != nullptr ? base : ".") + "/quillbit-bench-XXXXXX";
    path_ = ::mkdtemp(pattern.data());
  }
  ~BenchFolder() { std::filesystem::remove_all(path_); }
  std::string RegistryPath() const { return path_ + "/quillbit/registry.reg"; }

 private:
  std::string path_;
};

// Every value changes on every save, as after a session of typing: each write really writes.
void Save(RegistrySettingsStore& store, long round) {
  store.CreateKey();
  for (const StoredSetting& setting : kStoredSettings) {
    store.Write(setting.name, std::to_string(round) + std::string(setting.name));
  }
}

void BM_SaveOnClose(benchmark::State& state) {
  const BenchFolder folder;
  RegistryFile registry(folder.RegistryPath());
  RegistrySettingsStore store(registry);
  long round = 0;
  for (auto _ : state) Save(store, ++round);
}
BENCHMARK(BM_SaveOnClose)->Unit(benchmark::kMillisecond)->UseRealTime();

void BM_RestoreOnStart(benchmark::State& state) {
  const BenchFolder folder;
  RegistryFile registry(folder.RegistryPath());
  RegistrySettingsStore store(registry);
  Save(store, 1);
  for (auto _ : state) {
    for (const StoredSetting& setting : kStoredSettings) {
      if (setting.ReadAtStartUp()) benchmark::DoNotOptimize(store.Read(setting.name));
    }
  }
}
BENCHMARK(BM_RestoreOnStart)->Unit(benchmark::kMillisecond)->UseRealTime();

}  // namespace
}  // namespace quillbit
