#include "scenario_player/core/json_line.h"

#include <charconv>
#include <cmath>

namespace quillbit::scenario {
namespace {

void Write(const Json& value, std::string& out);

void WriteString(const std::string& text, std::string& out) {
  out += Json(text).dump(-1, ' ', false, Json::error_handler_t::replace);
}

void WriteNumber(double number, std::string& out) {
  if (!std::isfinite(number)) {
    out += "null";
    return;
  }
  // As %.17g would write it, but with a point whatever the process's C locale says.
  char digits[32];
  const auto written =
      std::to_chars(digits, digits + sizeof digits, number, std::chars_format::general, 17);
  out.append(digits, written.ptr);
}

void WriteArray(const Json& array, std::string& out) {
  out += '[';
  bool first = true;
  for (const Json& element : array) {
    if (!first) out += ", ";
    first = false;
    Write(element, out);
  }
  out += ']';
}

void WriteObject(const Json& object, std::string& out) {
  out += '{';
  bool first = true;
  for (const auto& [key, member] : object.items()) {
    if (!first) out += ", ";
    first = false;
    WriteString(key, out);
    out += ": ";
    Write(member, out);
  }
  out += '}';
}

void Write(const Json& value, std::string& out) {
  switch (value.type()) {
    case Json::value_t::object:
      WriteObject(value, out);
      break;
    case Json::value_t::array:
      WriteArray(value, out);
      break;
    case Json::value_t::string:
      WriteString(value.get_ref<const std::string&>(), out);
      break;
    case Json::value_t::number_float:
      WriteNumber(value.get<double>(), out);
      break;
    default:  // null, booleans and whole numbers, as the library writes them
      out += value.dump();
      break;
  }
}

}  // namespace

std::string JsonLine(const Json& value) {
  std::string out;
  Write(value, out);
  return out;
}

}  // namespace quillbit::scenario
