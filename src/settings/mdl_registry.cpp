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
  registry.CreateKeyEx(hive, path, kNonVolatile, RegAccess::SpecificRights, key, disposition);
  registry.CloseKey(key);
}

void WriteRegSetting(RegistryPort& registry, RegHandle hive, std::string_view path,
                     std::string_view name, std::string_view value, std::uint32_t type) {
  RegHandle key = 0;
  registry.OpenKeyEx(hive, path, 0, RegAccess::SpecificRights, key);
  PutValue(registry, key, name, type, value);
  registry.CloseKey(key);
}

SettingValue ReadRegSetting(RegistryPort& registry, RegHandle hive, std::string_view path,
                            std::string_view name) {
  RegHandle key = 0;
  registry.OpenKeyEx(hive, path, 0, RegAccess::SpecificRights, key);
  SettingValue result = SettingValue::Missing();
  FetchValue(registry, key, name, result);
  registry.CloseKey(key);
  return result;
}

std::vector<std::string> ReadRegValueNames(RegistryPort& registry, RegHandle hive,
                                           std::string_view path) {
  RegHandle key = 0;
  registry.OpenKeyEx(hive, path, 0, RegAccess::SpecificRights, key);
  std::vector<std::string> names;
  std::string name;
  for (std::uint32_t index = 0; registry.EnumValue(key, index, name) == RegStatus::Success;
       ++index) {
    names.push_back(std::move(name));
  }
  registry.CloseKey(key);
  return names;
}

long PutValue(RegistryPort& registry, RegHandle key, std::string_view name, std::uint32_t type,
              std::string_view value) {
  if (type == RegType::Dword) {
    std::int32_t number = 0;
    const auto [end, error] = std::from_chars(value.data(), value.data() + value.size(), number);
    if (error != std::errc() || end != value.data() + value.size())
      return RegStatus::InvalidParameter;
    const auto data = DwordBytes(static_cast<std::uint32_t>(number));
    return registry.SetValueEx(key, name, RegType::Dword, data.data(), data.size());
  }
  return registry.SetValueEx(key, name, type, Bytes(value),
                             static_cast<std::uint32_t>(value.size()));
}

long FetchValue(RegistryPort& registry, RegHandle key, std::string_view name,
                SettingValue& result) {
  std::uint32_t type = 0;
  std::uint32_t size = 0;
  long status = registry.QueryValueEx(key, name, type, nullptr, size);
  if (status != RegStatus::Success) return status;
  if (type == RegType::Text) {
    // One spare byte keeps the buffer a real one even for an empty text.
    std::vector<std::uint8_t> buffer(static_cast<std::size_t>(size) + 1, 0);
    status = registry.QueryValueEx(key, name, type, buffer.data(), size);
    if (status == RegStatus::Success && type == RegType::Text) {
      result = SettingValue::Text(std::string(reinterpret_cast<const char*>(buffer.data()), size));
    }
    return status;
  }
  if (type == RegType::Dword) {
    std::uint8_t data[4] = {0, 0, 0, 0};
    size = sizeof data;
    status = registry.QueryValueEx(key, name, type, data, size);
    if (status == RegStatus::Success && type == RegType::Dword) {
      result = SettingValue::Integer(static_cast<std::int32_t>(DwordFromBytes(data)));
    }
    return status;
  }
  return status;
}

}  // namespace quillbit::mdlRegistry
