#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <variant>

namespace quillbit {

// One stored value as read: missing, a text, or a 32-bit integer.
struct SettingValue {
  std::variant<std::monostate, std::string, std::int32_t> value;

  static SettingValue Missing() { return {}; }
  static SettingValue Text(std::string text) { return {std::move(text)}; }
  static SettingValue Integer(std::int32_t number) { return {number}; }

  bool IsMissing() const { return std::holds_alternative<std::monostate>(value); }
  // As text: missing is "", an integer its decimal digits.
  std::string AsText() const {
    if (const auto* text = std::get_if<std::string>(&value)) return *text;
    if (const auto* number = std::get_if<std::int32_t>(&value)) return std::to_string(*number);
    return {};
  }
  bool operator==(const SettingValue&) const = default;
};

// The settings key of the main window: create it, write a text value, read a value.
// Every failure is silent: reads give missing, writes are lost.
class SettingsStore {
 public:
  virtual ~SettingsStore() = default;
  virtual void CreateKey() = 0;
  virtual void Write(std::string_view name, std::string_view text) = 0;
  virtual SettingValue Read(std::string_view name) = 0;
};

}  // namespace quillbit
