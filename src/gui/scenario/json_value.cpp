#include "gui/scenario/json_value.h"

#include <charconv>
#include <cstdint>

#include "gui/scenario/json_writer.h"

namespace quillbit::scenario {
namespace {

class Parser {
 public:
  explicit Parser(std::string_view text) : text_(text) {}

  JsonParse ReadAll() {
    JsonParse result;
    SkipSpace();
    while (pos_ < text_.size()) {
      JsonValue value;
      if (!Value(value, 0)) {
        result.error = error_ + " at offset " + std::to_string(pos_);
        return result;
      }
      result.values.push_back(std::move(value));
      SkipSpace();
    }
    return result;
  }

 private:
  // Deep enough for any dump; stops a hostile file from exhausting the stack.
  static constexpr int kMaxDepth = 64;

  bool Fail(std::string message) {
    error_ = std::move(message);
    return false;
  }

  void SkipSpace() {
    while (pos_ < text_.size() && (text_[pos_] == ' ' || text_[pos_] == '\t' ||
                                   text_[pos_] == '\n' || text_[pos_] == '\r'))
      ++pos_;
  }

  bool Literal(std::string_view word) {
    if (text_.substr(pos_, word.size()) != word) return Fail("unexpected text");
    pos_ += word.size();
    return true;
  }

  bool Value(JsonValue& out, int depth) {
    if (depth > kMaxDepth) return Fail("nested too deeply");
    SkipSpace();
    if (pos_ >= text_.size()) return Fail("unexpected end");
    const char c = text_[pos_];
    if (c == '{') return Object(out, depth);
    if (c == '[') return Array(out, depth);
    if (c == '"') {
      out.type = JsonValue::Type::String;
      return String(out.string);
    }
    if (c == 't' || c == 'f') {
      out.type = JsonValue::Type::Bool;
      out.boolean = c == 't';
      return Literal(c == 't' ? "true" : "false");
    }
    if (c == 'n') {
      out.type = JsonValue::Type::Null;
      return Literal("null");
    }
    return Number(out);
  }

  bool Number(JsonValue& out) {
    size_t end = pos_;
    while (end < text_.size() &&
           std::string_view("+-0123456789.eE").find(text_[end]) != std::string_view::npos)
      ++end;
    const char* first = text_.data() + pos_;
    const char* last = text_.data() + end;
    if (first != last && *first == '+') return Fail("not a number");
    const auto [ptr, error] = std::from_chars(first, last, out.number);
    if (first == last || error != std::errc() || ptr != last) return Fail("not a number");
    out.type = JsonValue::Type::Number;
    pos_ = end;
    return true;
  }

  bool Hex4(std::uint32_t& code) {
    if (pos_ + 4 > text_.size()) return Fail("short \\u escape");
    const char* first = text_.data() + pos_;
    const auto [ptr, error] = std::from_chars(first, first + 4, code, 16);
    if (error != std::errc() || ptr != first + 4) return Fail("bad \\u escape");
    pos_ += 4;
    return true;
  }

  static void AppendUtf8(std::string& out, std::uint32_t code) {
    if (code < 0x80) {
      out += static_cast<char>(code);
    } else if (code < 0x800) {
      out += static_cast<char>(0xC0 | (code >> 6));
      out += static_cast<char>(0x80 | (code & 0x3F));
    } else if (code < 0x10000) {
      out += static_cast<char>(0xE0 | (code >> 12));
      out += static_cast<char>(0x80 | ((code >> 6) & 0x3F));
      out += static_cast<char>(0x80 | (code & 0x3F));
    } else {
      out += static_cast<char>(0xF0 | (code >> 18));
      out += static_cast<char>(0x80 | ((code >> 12) & 0x3F));
      out += static_cast<char>(0x80 | ((code >> 6) & 0x3F));
      out += static_cast<char>(0x80 | (code & 0x3F));
    }
  }

  bool String(std::string& out) {
    ++pos_;  // the opening quote
    while (pos_ < text_.size()) {
      const char c = text_[pos_++];
      if (c == '"') return true;
      if (c != '\\') {
        out += c;
        continue;
      }
      if (pos_ >= text_.size()) break;
      const char e = text_[pos_++];
      switch (e) {
        case '"':
        case '\\':
        case '/':
          out += e;
          break;
        case 'b':
          out += '\b';
          break;
        case 'f':
          out += '\f';
          break;
        case 'n':
          out += '\n';
          break;
        case 'r':
          out += '\r';
          break;
        case 't':
          out += '\t';
          break;
        case 'u': {
          std::uint32_t code = 0;
          if (!Hex4(code)) return false;
          // A surrogate pair stands for one character above U+FFFF.
          if (code >= 0xD800 && code < 0xDC00 && text_.substr(pos_, 2) == "\\u") {
            pos_ += 2;
            std::uint32_t low = 0;
            if (!Hex4(low)) return false;
            code = 0x10000 + ((code - 0xD800) << 10) + (low - 0xDC00);
          }
          AppendUtf8(out, code);
          break;
        }
        default:
          return Fail("bad escape");
      }
    }
    return Fail("unterminated string");
  }

  bool Array(JsonValue& out, int depth) {
    out.type = JsonValue::Type::Array;
    ++pos_;
    SkipSpace();
    if (pos_ < text_.size() && text_[pos_] == ']') {
      ++pos_;
      return true;
    }
    while (true) {
      JsonValue element;
      if (!Value(element, depth + 1)) return false;
      out.array.push_back(std::move(element));
      SkipSpace();
      if (pos_ >= text_.size()) return Fail("unterminated array");
      const char c = text_[pos_++];
      if (c == ']') return true;
      if (c != ',') return Fail("expected , or ]");
    }
  }

  bool Object(JsonValue& out, int depth) {
    out.type = JsonValue::Type::Object;
    ++pos_;
    SkipSpace();
    if (pos_ < text_.size() && text_[pos_] == '}') {
      ++pos_;
      return true;
    }
    while (true) {
      SkipSpace();
      if (pos_ >= text_.size() || text_[pos_] != '"') return Fail("expected a key");
      std::string key;
      if (!String(key)) return false;
      SkipSpace();
      if (pos_ >= text_.size() || text_[pos_] != ':') return Fail("expected :");
      ++pos_;
      JsonValue member;
      if (!Value(member, depth + 1)) return false;
      out.object.emplace_back(std::move(key), std::move(member));
      SkipSpace();
      if (pos_ >= text_.size()) return Fail("unterminated object");
      const char c = text_[pos_++];
      if (c == '}') return true;
      if (c != ',') return Fail("expected , or }");
    }
  }

  std::string_view text_;
  size_t pos_ = 0;
  std::string error_;
};

void Write(JsonWriter& writer, const JsonValue& value) {
  switch (value.type) {
    case JsonValue::Type::Null:
      writer.Null();
      break;
    case JsonValue::Type::Bool:
      writer.Bool(value.boolean);
      break;
    case JsonValue::Type::Number:
      writer.Number(value.number);
      break;
    case JsonValue::Type::String:
      writer.String(value.string);
      break;
    case JsonValue::Type::Array:
      writer.BeginArray();
      for (const JsonValue& element : value.array) Write(writer, element);
      writer.EndArray();
      break;
    case JsonValue::Type::Object:
      writer.BeginObject();
      for (const auto& [key, member] : value.object) {
        writer.Key(key);
        Write(writer, member);
      }
      writer.EndObject();
      break;
  }
}

std::string ToJsonText(const JsonValue& value);

void CollectMismatches(const JsonValue& expected, const JsonValue& actual, const std::string& path,
                       std::vector<std::string>& out) {
  const auto differ = [&] {
    out.push_back((path.empty() ? "the dump" : path) + ": expected " + ToJsonText(expected) +
                  ", got " + ToJsonText(actual));
  };
  if (expected.type != actual.type) return differ();
  switch (expected.type) {
    case JsonValue::Type::Null:
      return;
    case JsonValue::Type::Bool:
      if (expected.boolean != actual.boolean) differ();
      return;
    case JsonValue::Type::Number:
      if (expected.number != actual.number) differ();
      return;
    case JsonValue::Type::String:
      if (expected.string != actual.string) differ();
      return;
    case JsonValue::Type::Array:
      if (expected.array.size() != actual.array.size()) return differ();
      for (size_t i = 0; i < expected.array.size(); ++i)
        CollectMismatches(expected.array[i], actual.array[i], path + "[" + std::to_string(i) + "]",
                          out);
      return;
    case JsonValue::Type::Object:
      for (const auto& [key, member] : expected.object) {
        const std::string inner = path.empty() ? key : path + "." + key;
        if (const JsonValue* found = actual.Member(key)) {
          CollectMismatches(member, *found, inner, out);
        } else {
          out.push_back(inner + ": missing");
        }
      }
      return;
  }
}

std::string ToJsonText(const JsonValue& value) {
  JsonWriter writer;
  Write(writer, value);
  return writer.Text();
}

}  // namespace

const JsonValue* JsonValue::Member(std::string_view key) const {
  for (const auto& [name, value] : object) {
    if (name == key) return &value;
  }
  return nullptr;
}

JsonParse ParseJsonValues(std::string_view text) {
  return Parser(text).ReadAll();
}

std::string ToJson(const JsonValue& value) {
  return ToJsonText(value);
}

std::vector<std::string> SubsetMismatches(const JsonValue& expected, const JsonValue& actual) {
  std::vector<std::string> mismatches;
  CollectMismatches(expected, actual, "", mismatches);
  return mismatches;
}

}  // namespace quillbit::scenario
