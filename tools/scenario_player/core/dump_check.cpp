#include "scenario_player/core/dump_check.h"

#include <sstream>

namespace quillbit::scenario {
namespace {

void CollectMismatches(const Json& expected, const Json& actual, const std::string& path,
                       std::vector<std::string>& out) {
  const auto differ = [&] {
    out.push_back((path.empty() ? "the dump" : path) + ": expected " + JsonLine(expected) +
                  ", got " + JsonLine(actual));
  };
  if (expected.is_number() && actual.is_number()) {
    if (expected.get<double>() != actual.get<double>()) differ();
    return;
  }
  if (expected.type() != actual.type()) return differ();
  if (expected.is_array()) {
    if (expected.size() != actual.size()) return differ();
    for (size_t i = 0; i < expected.size(); ++i)
      CollectMismatches(expected[i], actual[i], path + "[" + std::to_string(i) + "]", out);
  } else if (expected.is_object()) {
    for (const auto& [key, member] : expected.items()) {
      const std::string inner = path.empty() ? key : path + "." + key;
      const auto found = actual.find(key);
      if (found != actual.end()) {
        CollectMismatches(member, *found, inner, out);
      } else {
        out.push_back(inner + ": missing");
      }
    }
  } else if (expected != actual) {
    differ();
  }
}

}  // namespace

JsonValues ParseJsonValues(std::string_view text) {
  JsonValues result;
  std::istringstream in{std::string(text)};
  // Each value is read where the one before it ended.
  while ((in >> std::ws).peek() != std::istringstream::traits_type::eof()) {
    const std::string place = "value " + std::to_string(result.values.size() + 1) + ": ";
    try {
      Json value;
      in >> value;
      // A number ends at the first character that cannot continue it, which the reader takes
      // from the stream: it must have been a blank, or "1.2.3" would read as 1.2 and 3.
      if (value.is_number() && !in.eof()) {
        const auto end = static_cast<size_t>(in.tellg());
        if (std::string_view(" \t\r\n").find(text[end - 1]) == std::string_view::npos) {
          result.error = place + "a number runs into what follows it";
          return result;
        }
      }
      result.values.push_back(std::move(value));
    } catch (const Json::exception& error) {
      result.error = place + error.what();
      return result;
    }
  }
  return result;
}

std::vector<std::string> SubsetMismatches(const Json& expected, const Json& actual) {
  std::vector<std::string> mismatches;
  CollectMismatches(expected, actual, "", mismatches);
  return mismatches;
}

}  // namespace quillbit::scenario
