#include "settings/mdl_registry.h"

#include <charconv>
#include <cstring>
#include <string>
#include <vector>

namespace quillbit::mdlRegistry {
namespace {

constexpr std::uint32_t kNonVolatile = 0;

const std::uint8_t* Bytes(std::string_view text) {
  return reinterpret_cast<const std::uint8_t*>(text.data());
}

}  // namespace

void CreateRegKey(RegistryPort& registry, RegHandle hive, std::string_view path) {
  RegHandle key = 0;
  std::uint32_t disposition = 0;
  registry.CreateKeyEx(hive, path, kNonVolatile, KEY_SPECIFIC_RIGHTS, key, disposition);
  registry.CloseKey(key);
}

void WriteRegSetting(RegistryPort& registry, RegHandle hive, std::string_view path,
                     std::string_view name, std::string_view value, std::uint32_t type) {
  RegHandle key = 0;
  registry.OpenKeyEx(hive, path, 0, KEY_SPECIFIC_RIGHTS, key);
  PutValue(registry, key, name, type, value);
  registry.CloseKey(key);
}

SettingValue ReadRegSetting(RegistryPort& registry, RegHandle hive, std::string_view path,
                            std::string_view name) {
  RegHandle key = 0;
  registry.OpenKeyEx(hive, path, 0, KEY_SPECIFIC_RIGHTS, key);
  SettingValue result = SettingValue::Missing();
  FetchValue(registry, key, name, result);
  registry.CloseKey(key);
  return result;
}

long PutValue(RegistryPort& registry, RegHandle key, std::string_view name, std::uint32_t type,
              std::string_view value) {
  if (type == REG_DWORD) {
    std::int32_t number = 0;
    const auto [end, error] = std::from_chars(value.data(), value.data() + value.size(), number);
    if (error != std::errc() || end != value.data() + value.size()) return ERROR_INVALID_PARAMETER;
    std::uint8_t data[4];
    const auto bits = static_cast<std::uint32_t>(number);
    for (int k = 0; k < 4; ++k) data[k] = static_cast<std::uint8_t>(bits >> (8 * k));
    return registry.SetValueEx(key, name, REG_DWORD, data, 4);
  }
  return registry.SetValueEx(key, name, type, Bytes(value),
                             static_cast<std::uint32_t>(value.size()));
}

long FetchValue(RegistryPort& registry, RegHandle key, std::string_view name,
                SettingValue& result) {
  std::uint32_t type = 0;
  std::uint32_t size = 0;
  long status = registry.QueryValueEx(key, name, type, nullptr, size);
  if (status != ERROR_SUCCESS) return status;
  if (type == REG_SZ) {
    // One spare byte keeps the buffer a real one even for an empty text.
    std::vector<std::uint8_t> buffer(static_cast<std::size_t>(size) + 1, 0);
    status = registry.QueryValueEx(key, name, type, buffer.data(), size);
    if (status == ERROR_SUCCESS && type == REG_SZ) {
      result = SettingValue::Text(std::string(reinterpret_cast<const char*>(buffer.data()), size));
    }
    return status;
  }
  if (type == REG_DWORD) {
    std::uint8_t data[4] = {0, 0, 0, 0};
    size = sizeof data;
    status = registry.QueryValueEx(key, name, type, data, size);
    if (status == ERROR_SUCCESS && type == REG_DWORD) {
      std::uint32_t bits = 0;
      for (int k = 3; k >= 0; --k) bits = (bits << 8) | data[k];
      result = SettingValue::Integer(static_cast<std::int32_t>(bits));
    }
    return status;
  }
  return status;
}

}  // namespace quillbit::mdlRegistry
