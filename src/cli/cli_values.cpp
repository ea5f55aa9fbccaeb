#include "cli/cli_values.h"

#include <cmath>

#include "core/calc.h"
#include "core/disc_presets.h"
#include "core/number_text.h"
#include "core/presets.h"
#include "core/unicode_text.h"
#include "core/units.h"

namespace quillbit {
namespace {

struct MethodName {
  std::string_view name;
  std::string_view listText;
};

constexpr MethodName kMethods[] = {
    {"single-pass", kMethodSinglePass},
    {"bach", kMethodBach},
    {"multi-pass", kMethodMultiPass},
};

bool IsUnitLetter(char c) {
  return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
}

}  // namespace

NumberLocale CliLocale() {
  NumberLocale locale = NumberLocale::EnglishUS();
  locale.grouping.clear();  // an empty symbol is never matched, so "1,000" is no number
  locale.primaryGroup = 0;
  return locale;
}

std::optional<double> ParseCliNumber(std::string_view text) {
  return ParseNumber(text, CliLocale());
}

std::optional<double> ParseWholeCount(std::string_view text) {
  const std::optional<double> value = ParseCliNumber(text);
  if (!value || *value < 0 || std::floor(*value) != *value) return std::nullopt;
  return *value + 0.0;  // -0 becomes 0
}

std::optional<std::string_view> ParseUnit(std::string_view text) {
  for (std::string_view unit : kUnitNames) {
    if (SameIgnoringAsciiCase(text, unit)) return unit;
  }
  return std::nullopt;
}

std::optional<double> ParseSize(std::string_view text) {
  std::size_t unitStart = text.size();
  while (unitStart > 0 && IsUnitLetter(text[unitStart - 1])) --unitStart;
  // "1E3" ends in a letter that belongs to the number; only a whole unit name is split off.
  std::string_view number = text;
  std::string_view unit = "Bytes";
  if (unitStart < text.size()) {
    const std::optional<std::string_view> named = ParseUnit(text.substr(unitStart));
    if (!named) return std::nullopt;
    unit = *named;
    number = text.substr(0, unitStart);
    while (!number.empty() && number.back() == ' ') number.remove_suffix(1);
  }
  const std::optional<double> value = ParseCliNumber(number);
  if (!value || *value < 0) return std::nullopt;
  const double bytes = ToBytes(unit, *value) + 0.0;
  if (!std::isfinite(bytes)) return std::nullopt;
  return bytes;
}

std::optional<double> ParseDestination(std::string_view text) {
  if (const DiscPreset* disc = DiscPresetNamed(text)) return disc->bytes;
  return ParseSize(text);
}

std::optional<std::string_view> ParseMethod(std::string_view text) {
  for (const MethodName& method : kMethods) {
    if (SameIgnoringAsciiCase(text, method.name) || SameIgnoringAsciiCase(text, method.listText))
      return method.listText;
  }
  return std::nullopt;
}

std::optional<bool> ParsePal(std::string_view text) {
  if (SameIgnoringAsciiCase(text, "ntsc")) return false;
  if (SameIgnoringAsciiCase(text, "pal")) return true;
  return std::nullopt;
}

}  // namespace quillbit
