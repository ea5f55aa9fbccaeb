#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace quillbit::scenario {

// A parsed JSON value. Object members keep their order; numbers are doubles.
struct JsonValue {
  enum class Type { Null, Bool, Number, String, Array, Object };

  Type type = Type::Null;
  bool boolean = false;
  double number = 0;
  std::string string;
  std::vector<JsonValue> array;
  std::vector<std::pair<std::string, JsonValue>> object;

  const JsonValue* Member(std::string_view key) const;
};

struct JsonParse {
  std::vector<JsonValue> values;
  std::string error;  // empty when the whole text was read
};

// Reads every JSON value in `text`, one after another, separated by white space.
JsonParse ParseJsonValues(std::string_view text);

// Whether `actual` holds everything `expected` says: every member of an expected object must be
// in the actual one and match; arrays match element by element and must be as long; numbers,
// strings, booleans and null must be equal. Returns every place where they differ.
std::vector<std::string> SubsetMismatches(const JsonValue& expected, const JsonValue& actual);

// The value written back as compact JSON, for messages.
std::string ToJson(const JsonValue& value);

}  // namespace quillbit::scenario
