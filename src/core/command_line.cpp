#include "core/command_line.h"

namespace quillbit {

std::vector<std::string> ProjectArguments(const std::vector<std::string>& arguments) {
  std::vector<std::string> projects;
  for (std::size_t i = 1; i < arguments.size(); ++i) {
    if (arguments[i].rfind("--", 0) != 0 && !arguments[i].empty()) projects.push_back(arguments[i]);
  }
  return projects;
}

}  // namespace quillbit
