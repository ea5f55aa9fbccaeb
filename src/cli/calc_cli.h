#pragma once

#include <string>
#include <vector>

namespace quillbit {

inline constexpr const char* kCalcProgramName = "quillbit-calc";

// The usage --help prints.
std::string CalcUsageText();

// The whole program but for the process around it: the arguments after the program's name in,
// what to print on stdout and stderr out, and the exit status back (0 done, 1 the calculation
// failed, 2 an input that cannot be used). Nothing goes to `out` unless the status is 0.
int RunCalcCli(const std::vector<std::string>& arguments, std::string& out, std::string& err);

}  // namespace quillbit
