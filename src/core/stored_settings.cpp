#include "core/stored_settings.h"

#include <algorithm>
#include <array>

#include "core/number_text.h"

namespace quillbit {

std::span<const StoredSetting* const> RestoreOrder() {
  static const std::array<const StoredSetting*, kStoredSettingCount> order = [] {
    std::array<const StoredSetting*, kStoredSettingCount> sorted{};
    for (std::size_t i = 0; i < kStoredSettingCount; ++i) sorted[i] = &kStoredSettings[i];
    std::ranges::sort(sorted, {}, &StoredSetting::restoreStep);
    return sorted;
  }();
  return order;
}

std::string FormatChoiceText(bool palSelected) {
  return palSelected ? "True" : "False";
}

std::string ForcedFilmText(int checkBoxValue) {
  return checkBoxValue == 0 ? "un" : "ch";
}

std::string ByteCountText(double bytes, const NumberLocale& locale) {
  return PlainText(bytes, locale);
}

bool RestoresPal(const SettingValue& value) {
  const auto* text = std::get_if<std::string>(&value.value);
  return text != nullptr && *text == "True";
}

std::optional<int> RestoredForcedFilm(const SettingValue& value) {
  const std::string text = value.AsText();
  if (text.empty()) return std::nullopt;
  const char first = text.front();
  if (first == 'u' || first == 'U') return 0;
  if (first == 'c' || first == 'C') return 1;
  return std::nullopt;
}

double RestoredByteCount(const StoredSetting& setting, const SettingValue& value,
                         const NumberLocale& locale) {
  if (setting.bytes == ByteRestore::Fixed) return setting.fallback;
  const double bytes = NumOrZero(value.AsText(), locale);
  if (setting.bytes == ByteRestore::StoredPositive && !(bytes > 0)) return setting.fallback;
  return bytes;
}

std::string RestoredFieldText(const SettingValue& value) {
  return value.AsText();
}

std::optional<std::string> RestoredListItem(const SettingValue& value) {
  std::string text = value.AsText();
  if (text.empty()) return std::nullopt;
  return text;
}

}  // namespace quillbit
