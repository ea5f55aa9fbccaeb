#include "settings/registry_port.h"

namespace quillbit {
namespace {

struct HiveEntry {
  RegHandle hive;
  std::string_view name;
};

constexpr HiveEntry kHives[] = {
    {Hive::ClassesRoot, "HKEY_CLASSES_ROOT"},
    {Hive::CurrentUser, "HKEY_CURRENT_USER"},
    {Hive::LocalMachine, "HKEY_LOCAL_MACHINE"},
    {Hive::Users, "HKEY_USERS"},
};

}  // namespace

std::optional<std::string_view> HiveName(RegHandle hive) {
  for (const HiveEntry& entry : kHives) {
    if (entry.hive == hive) return entry.name;
  }
  return std::nullopt;
}

std::array<std::uint8_t, 4> DwordBytes(std::uint32_t number) {
  return {static_cast<std::uint8_t>(number), static_cast<std::uint8_t>(number >> 8),
          static_cast<std::uint8_t>(number >> 16), static_cast<std::uint8_t>(number >> 24)};
}

std::uint32_t DwordFromBytes(const std::uint8_t* bytes) {
  return static_cast<std::uint32_t>(bytes[0]) | static_cast<std::uint32_t>(bytes[1]) << 8 |
         static_cast<std::uint32_t>(bytes[2]) << 16 | static_cast<std::uint32_t>(bytes[3]) << 24;
}

}  // namespace quillbit
