#pragma once

#include <string>
#include <vector>

namespace quillbit {

// The projects a person names on the command line (`quillbit ep1.d2v ep2.d2v`, as the desktop's
// "Open with" starts the program): every argument, after the program's own name, that is no
// option ("--quit-when-shown") and not empty, in order. Arguments are UTF-8.
std::vector<std::string> ProjectArguments(const std::vector<std::string>& arguments);

}  // namespace quillbit
