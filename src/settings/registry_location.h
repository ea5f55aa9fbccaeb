#pragma once

#include <string>

namespace quillbit {

// Where the user's registry file lives: $XDG_CONFIG_HOME/quillbit/registry.reg, or
// $HOME/.config/quillbit/registry.reg when XDG_CONFIG_HOME is unset, empty or relative (the
// XDG rule). Empty when neither gives an absolute folder: there is then nowhere to keep it.
std::string DefaultRegistryPath(const char* xdgConfigHome, const char* home);

}  // namespace quillbit
