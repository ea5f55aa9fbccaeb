#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "scenario_player/core/json_line.h"

namespace quillbit::scenario {

struct JsonValues {
  std::vector<Json> values;
  std::string error;  // empty when the whole text was read
};

// Reads every JSON value in `text`, one after another, separated by white space: the lines a
// scenario printed, or the values expected of them.
JsonValues ParseJsonValues(std::string_view text);

// Whether `actual` holds everything `expected` says: every member of an expected object must be
// in the actual one and match; arrays match element by element and must be as long; numbers
// are compared by value (1 and 1.0 are equal), strings, booleans and null must be equal.
// Returns every place where they differ, as "path: expected X, got Y" or "path: missing".
std::vector<std::string> SubsetMismatches(const Json& expected, const Json& actual);

}  // namespace quillbit::scenario
