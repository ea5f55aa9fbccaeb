#pragma once

#include <string>

#include "core/build_info.h"

namespace quillbit {

// The application's title and version numbers, as the windows show them.
struct AppInfo {
  std::string title = kBuildTitle;
  int major = kBuildVersionMajor;
  int minor = kBuildVersionMinor;
  int revision = kBuildVersionPatch;

  // "1.1.1": plain decimal numbers without leading zeros.
  std::string VersionText() const {
    return std::to_string(major) + "." + std::to_string(minor) + "." + std::to_string(revision);
  }
};

}  // namespace quillbit
