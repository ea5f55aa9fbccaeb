#pragma once

#include <optional>
#include <string>
#include <vector>

namespace quillbit {

// The project a person names on the command line (`quillbit movie.d2v`, as the desktop's
// "Open with" starts the program): the first argument, after the program's own name, that is no
// option ("--quit-when-shown"). Arguments are UTF-8.
std::optional<std::string> ProjectArgument(const std::vector<std::string>& arguments);

}  // namespace quillbit
