#pragma once

#include <string>

#include "cli/calc_run.h"

namespace quillbit {

// A few aligned lines with the window's captions, "\n" after each.
std::string ReportText(const CalcReport& report);

// One JSON object with the report's fields, and a line end.
std::string ReportJson(const CalcReport& report);

}  // namespace quillbit
