#include "settings/registry_text.h"

#include <algorithm>
#include <cstdio>
#include <utility>

#include "core/unicode_text.h"

namespace quillbit {
namespace {

constexpr std::string_view kHeader = "REGEDIT4";
constexpr std::string_view kHeaderV5 = "Windows Registry Editor Version 5.00";
constexpr std::size_t kWrapColumn = 76;

// Every part between backslashes has a name.
bool WholeKeyPath(std::string_view path) {
  return !path.empty() && path.front() != '\\' && path.back() != '\\' &&
         path.find("\\\\") == std::string_view::npos;
}

bool HasLineBreakOrNul(std::string_view text) {
  return text.find_first_of(std::string_view("\0\r\n", 3)) != std::string_view::npos;
}

// A text goes out in quotes only if it comes back from them unchanged and keeps the file a
// clean UTF-8 text of one line per value.
bool Quotable(std::string_view data) {
  for (const char c : data) {
    const auto byte = static_cast<unsigned char>(c);
    if ((byte < 0x20 && byte != '\t') || byte == 0x7F) return false;
  }
  return ValidUtf8(data);
}

void AppendQuoted(std::string& out, std::string_view text) {
  out += '"';
  for (const char c : text) {
    if (c == '\\' || c == '"') out += '\\';
    out += c;
  }
  out += '"';
}

int HexDigit(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  return -1;
}

void SkipBlanks(std::string_view line, std::size_t& pos) {
  while (pos < line.size() && (line[pos] == ' ' || line[pos] == '\t')) ++pos;
}

bool StartsWith(std::string_view text, std::string_view prefix) {
  return text.substr(0, prefix.size()) == prefix;
}

// A quoted string from `pos` (at its opening quote); a backslash takes the next byte as it is.
bool ParseQuoted(std::string_view line, std::size_t& pos, std::string& out) {
  if (pos >= line.size() || line[pos] != '"') return false;
  for (++pos; pos < line.size(); ++pos) {
    char c = line[pos];
    if (c == '"') {
      ++pos;
      return true;
    }
    if (c == '\\') {
      if (++pos == line.size()) return false;
      c = line[pos];
    }
    out += c;
  }
  return false;
}

// Up to eight hex digits as a number; false when there are none or too many.
bool ParseHexNumber(std::string_view text, std::uint32_t& number) {
  if (text.empty() || text.size() > 8) return false;
  number = 0;
  for (const char c : text) {
    const int digit = HexDigit(c);
    if (digit < 0) return false;
    number = (number << 4) | static_cast<std::uint32_t>(digit);
  }
  return true;
}

// "01,02,ff" with blanks allowed around the bytes; an empty list is no bytes.
bool ParseHexBytes(std::string_view text, std::string& out) {
  std::size_t pos = 0;
  SkipBlanks(text, pos);
  if (pos == text.size()) return true;
  while (true) {
    SkipBlanks(text, pos);
    const std::size_t start = pos;
    while (pos < text.size() && HexDigit(text[pos]) >= 0) ++pos;
    std::uint32_t byte = 0;
    if (pos - start > 2 || !ParseHexNumber(text.substr(start, pos - start), byte)) return false;
    out += static_cast<char>(byte);
    SkipBlanks(text, pos);
    if (pos == text.size()) return true;
    if (text[pos] != ',') return false;
    ++pos;
  }
}

bool ParseData(std::string_view text, RegistryValue& value) {
  std::size_t pos = 0;
  if (StartsWith(text, "\"")) {
    value.type = RegType::Text;
    if (!ParseQuoted(text, pos, value.data)) return false;
    SkipBlanks(text, pos);
    return pos == text.size();
  }
  if (StartsWith(text, "dword:")) {
    std::uint32_t number = 0;
    std::string_view digits = text.substr(6);
    while (!digits.empty() && (digits.back() == ' ' || digits.back() == '\t'))
      digits.remove_suffix(1);
    if (!ParseHexNumber(digits, number)) return false;
    value.type = RegType::Dword;
    const auto bytes = DwordBytes(number);
    value.data.assign(bytes.begin(), bytes.end());
    return true;
  }
  if (StartsWith(text, "hex:")) {
    value.type = RegType::Binary;
    return ParseHexBytes(text.substr(4), value.data);
  }
  if (StartsWith(text, "hex(")) {
    const std::size_t close = text.find("):");
    if (close == std::string_view::npos) return false;
    if (!ParseHexNumber(text.substr(4, close - 4), value.type)) return false;
    return ParseHexBytes(text.substr(close + 2), value.data);
  }
  return false;
}

bool ParseValueLine(std::string_view line, RegistryValue& value) {
  std::size_t pos = 0;
  if (StartsWith(line, "@")) {
    pos = 1;
  } else if (!ParseQuoted(line, pos, value.name)) {
    return false;
  }
  SkipBlanks(line, pos);
  if (pos >= line.size() || line[pos] != '=') return false;
  ++pos;
  SkipBlanks(line, pos);
  return ParseData(line.substr(pos), value);
}

std::vector<std::string_view> PhysicalLines(std::string_view text) {
  std::vector<std::string_view> lines;
  std::size_t start = 0;
  while (start <= text.size()) {
    std::size_t end = text.find('\n', start);
    if (end == std::string_view::npos) end = text.size();
    std::string_view line = text.substr(start, end - start);
    if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
    lines.push_back(line);
    start = end + 1;
  }
  return lines;
}

// regedit's "01,02,ff" list of a value's bytes, wrapped as regedit wraps it.
void AppendHexList(std::string& out, std::string_view data, std::size_t lineStart) {
  static constexpr char kDigits[] = "0123456789abcdef";
  for (std::size_t i = 0; i < data.size(); ++i) {
    if (i > 0) {
      out += ',';
      // regedit's own wrapping: a trailing backslash and an indented continuation.
      if (out.size() - lineStart + 3 > kWrapColumn) {
        out += "\\\n  ";
        lineStart = out.size() - 2;
      }
    }
    const auto byte = static_cast<unsigned char>(data[i]);
    out += kDigits[byte >> 4];
    out += kDigits[byte & 0xF];
  }
}

void AppendValue(std::string& out, const RegistryValue& value) {
  const std::size_t lineStart = out.size();
  if (value.name.empty()) {
    out += '@';
  } else {
    AppendQuoted(out, value.name);
  }
  out += '=';
  if (value.type == RegType::Text && Quotable(value.data)) {
    AppendQuoted(out, value.data);
  } else if (value.type == RegType::Dword && value.data.size() == 4) {
    const std::uint32_t number =
        DwordFromBytes(reinterpret_cast<const std::uint8_t*>(value.data.data()));
    char digits[16];
    std::snprintf(digits, sizeof digits, "dword:%08x", static_cast<unsigned>(number));
    out += digits;
  } else {
    char prefix[24];
    if (value.type == RegType::Binary) {
      std::snprintf(prefix, sizeof prefix, "hex:");
    } else {
      std::snprintf(prefix, sizeof prefix, "hex(%x):", static_cast<unsigned>(value.type));
    }
    out += prefix;
    AppendHexList(out, value.data, lineStart);
  }
  out += '\n';
}

}  // namespace

bool SameRegistryName(std::string_view a, std::string_view b) {
  return SameIgnoringAsciiCase(a, b);
}

bool StorableKeyPath(std::string_view path) {
  return WholeKeyPath(path) && path.front() != '-' && !HasLineBreakOrNul(path) && ValidUtf8(path);
}

bool StorableValueName(std::string_view name) {
  return !HasLineBreakOrNul(name) && ValidUtf8(name);
}

const RegistryValue* RegistryKey::Find(std::string_view name) const {
  for (const RegistryValue& value : values) {
    if (SameRegistryName(value.name, name)) return &value;
  }
  return nullptr;
}

void RegistryKey::Set(RegistryValue value) {
  for (RegistryValue& existing : values) {
    if (SameRegistryName(existing.name, value.name)) {
      existing.type = value.type;
      existing.data = std::move(value.data);
      return;
    }
  }
  values.push_back(std::move(value));
}

const RegistryKey* RegistryDocument::Find(std::string_view path) const {
  for (const RegistryKey& key : keys) {
    if (SameRegistryName(key.path, path)) return &key;
  }
  return nullptr;
}

RegistryKey* RegistryDocument::Find(std::string_view path) {
  return const_cast<RegistryKey*>(std::as_const(*this).Find(path));
}

RegistryKey& RegistryDocument::Create(std::string_view path, bool& created) {
  created = false;
  // Every key above it gets its own section, as an export of the whole tree would show.
  std::size_t end = path.find('\\');
  while (true) {
    const std::string_view prefix = path.substr(0, end);
    if (Find(prefix) == nullptr) {
      keys.push_back(RegistryKey{std::string(prefix), {}});
      created = true;
    }
    if (end == std::string_view::npos) break;
    end = path.find('\\', end + 1);
  }
  return *Find(path);
}

RegistryDocument ParseRegistryText(std::string_view bytes) {
  RegistryDocument document;
  // The registry editor exports UTF-16 with a byte-order mark; REGEDIT4 files are 8-bit.
  std::optional<std::string> decoded;
  std::string_view text = bytes;
  if (StartsWith(bytes, "\xFF\xFE") || StartsWith(bytes, "\xFE\xFF")) {
    const ByteOrder order = bytes[0] == '\xFF' ? ByteOrder::LittleEndian : ByteOrder::BigEndian;
    decoded = Utf16BytesToUtf8(bytes.substr(2), order);
    if (!decoded) {
      document.partlyRead = true;
      return document;
    }
    text = *decoded;
    document.partlyRead = true;  // rewritten in another encoding than it came in
  } else if (StartsWith(text, "\xEF\xBB\xBF")) {
    text.remove_prefix(3);
  }
  const std::vector<std::string_view> lines = PhysicalLines(text);
  bool anyContent = false;
  std::size_t current = 0;  // index + 1 of the key that values go to; 0 is none
  for (std::size_t i = 0; i < lines.size(); ++i) {
    std::string_view line = lines[i];
    if (line.find_first_not_of(" \t") == std::string_view::npos) continue;
    if (line == kHeader || line == kHeaderV5) continue;
    anyContent = true;
    // A comment is understood, but the rewrite would drop it.
    if (line.front() == ';') {
      document.partlyRead = true;
      continue;
    }
    if (line.front() == '[') {
      current = 0;
      const std::size_t close = line.rfind(']');
      // A "[-key]" section deletes a key in an import; here it simply holds nothing. A path with
      // an empty part ("[\\A]", "[A\\\\B]") names no key.
      const std::string_view path =
          close == std::string_view::npos ? std::string_view() : line.substr(1, close - 1);
      if (!WholeKeyPath(path) || path.front() == '-') {
        document.partlyRead = true;
        continue;
      }
      bool created = false;
      RegistryKey& key = document.Create(path, created);
      current = static_cast<std::size_t>(&key - document.keys.data()) + 1;
      continue;
    }
    // A hex list may go on over the following lines, each ending in a backslash.
    std::string joined;
    if (line.back() == '\\' && line.find("=hex") != std::string_view::npos) {
      joined = line.substr(0, line.size() - 1);
      while (i + 1 < lines.size()) {
        std::string_view next = lines[++i];
        std::size_t pos = 0;
        SkipBlanks(next, pos);
        next.remove_prefix(pos);
        const bool more = !next.empty() && next.back() == '\\';
        joined += more ? next.substr(0, next.size() - 1) : next;
        if (!more) break;
      }
      line = joined;
    }
    RegistryValue value;
    if (current != 0 && ParseValueLine(line, value)) {
      document.keys[current - 1].Set(std::move(value));
    } else {
      document.partlyRead = true;
    }
  }
  if (anyContent && document.keys.empty()) document.partlyRead = true;
  return document;
}

std::string FormatRegistryText(const RegistryDocument& document) {
  std::string out(kHeader);
  out += "\n\n";
  for (const RegistryKey& key : document.keys) {
    out += '[';
    out += key.path;
    out += "]\n";
    for (const RegistryValue& value : key.values) AppendValue(out, value);
    out += '\n';
  }
  return out;
}

}  // namespace quillbit
