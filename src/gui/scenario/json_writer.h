#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace quillbit::scenario {

// Writes one line of JSON by hand: values separated by ", ", keys followed by ": ".
class JsonWriter {
 public:
  JsonWriter& BeginObject();
  JsonWriter& EndObject();
  JsonWriter& BeginArray();
  JsonWriter& EndArray();
  // The key of the next value inside an object.
  JsonWriter& Key(std::string_view key);
  JsonWriter& String(std::string_view text);
  // 17 significant digits, so that the number reads back as the same double; null when it is
  // not finite, which JSON cannot write.
  JsonWriter& Number(double value);
  JsonWriter& Integer(long long value);
  JsonWriter& Bool(bool value);
  JsonWriter& Null();

  const std::string& Text() const { return text_; }

 private:
  void BeforeValue();

  std::string text_;
  // One entry per open object or array: whether it already holds a value.
  std::vector<bool> hasValue_;
  bool afterKey_ = false;
};

// A JSON string literal: quotes, backslashes and control characters escaped, UTF-8 kept.
std::string JsonString(std::string_view text);

}  // namespace quillbit::scenario
