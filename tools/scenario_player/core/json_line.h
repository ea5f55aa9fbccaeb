#pragma once

#include <nlohmann/json.hpp>
#include <string>

namespace quillbit::scenario {

// JSON as the player reads and writes it: an object keeps its members in the order they came.
using Json = nlohmann::ordered_json;

// The value as one line of JSON, laid out as the dumps always were: ", " between values and
// ": " after keys; a fractional number with 17 significant digits, so that it reads back as the
// same double, and null when it is not finite. A string's bytes that are not UTF-8 are written
// as U+FFFD, so that the line is always valid UTF-8 whatever a widget or the registry held.
std::string JsonLine(const Json& value);

}  // namespace quillbit::scenario
