#include "core/command_line.h"

namespace quillbit {

std::optional<std::string> ProjectArgument(const std::vector<std::string>& arguments) {
  for (std::size_t i = 1; i < arguments.size(); ++i) {
    if (arguments[i].rfind("--", 0) != 0 && !arguments[i].empty()) return arguments[i];
  }
  return std::nullopt;
}

}  // namespace quillbit
