#include "settings/registry_location.h"

namespace quillbit {
namespace {

bool Absolute(const char* folder) {
  return folder != nullptr && folder[0] == '/';
}

std::string WithoutTrailingSlashes(std::string folder) {
  while (folder.size() > 1 && folder.back() == '/') folder.pop_back();
  return folder == "/" ? std::string() : folder;
}

}  // namespace

std::string DefaultRegistryPath(const char* xdgConfigHome, const char* home) {
  std::string config;
  if (Absolute(xdgConfigHome)) {
    config = WithoutTrailingSlashes(xdgConfigHome);
  } else if (Absolute(home)) {
    config = WithoutTrailingSlashes(home) + "/.config";
  } else {
    return {};
  }
  return config + "/quillbit/registry.reg";
}

}  // namespace quillbit
