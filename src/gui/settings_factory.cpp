#include "gui/settings_factory.h"

#include <pwd.h>
#include <unistd.h>

#include <vector>

#include "settings/registry_location.h"

namespace quillbit {
namespace {

// The home folder from the account database, for sessions started without HOME.
std::string AccountHome() {
  std::vector<char> buffer(16384);
  passwd entry{};
  passwd* found = nullptr;
  if (::getpwuid_r(::getuid(), &entry, buffer.data(), buffer.size(), &found) != 0 ||
      found == nullptr || found->pw_dir == nullptr) {
    return {};
  }
  return found->pw_dir;
}

}  // namespace

std::unique_ptr<SettingsBackend> MakeSettingsBackend(const char* xdgConfigHome, const char* home) {
  const std::string accountHome = home == nullptr ? AccountHome() : std::string();
  return std::make_unique<SettingsBackend>(
      DefaultRegistryPath(xdgConfigHome, home != nullptr ? home : accountHome.c_str()));
}

}  // namespace quillbit
