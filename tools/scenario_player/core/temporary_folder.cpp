#include "scenario_player/core/temporary_folder.h"

#include <random>
#include <string>
#include <system_error>

namespace quillbit::scenario {

TemporaryFolder::TemporaryFolder() {
  std::error_code error;
  const std::filesystem::path base = std::filesystem::temp_directory_path(error);
  if (error) return;
  std::random_device random;
  // A name another process already took is passed over.
  for (int attempt = 0; attempt < 16; ++attempt) {
    const std::filesystem::path candidate =
        base / ("quillbit-scenario-" + std::to_string(random()));
    if (std::filesystem::create_directory(candidate, error)) {
      path_ = candidate;
      return;
    }
  }
}

TemporaryFolder::~TemporaryFolder() {
  if (path_.empty()) return;
  std::error_code error;
  std::filesystem::remove_all(path_, error);
}

}  // namespace quillbit::scenario
