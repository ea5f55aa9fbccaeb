#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace quillbit {

// A registry in the shape of the advapi32 calls the settings code was written against:
// hives and keys are handles, every call returns a status, and nothing throws. The names are
// scoped so that this header can stand beside <windows.h>, whose own names are macros.

// Pointer-sized, as the platform's key handles are; 0 is no key.
using RegHandle = std::uintptr_t;

// The predefined roots, by the numbers the platform gives them.
namespace Hive {
inline constexpr RegHandle ClassesRoot = 0x80000000;
inline constexpr RegHandle CurrentUser = 0x80000001;
inline constexpr RegHandle LocalMachine = 0x80000002;
inline constexpr RegHandle Users = 0x80000003;
}  // namespace Hive

// The hive's name as exported registry files write it ("HKEY_LOCAL_MACHINE"); none for a
// handle that is not a hive.
std::optional<std::string_view> HiveName(RegHandle hive);

// Status codes, as the platform numbers them.
namespace RegStatus {
inline constexpr long Success = 0;
inline constexpr long FileNotFound = 2;
inline constexpr long AccessDenied = 5;
inline constexpr long InvalidHandle = 6;
inline constexpr long InvalidParameter = 87;
inline constexpr long MoreData = 234;
inline constexpr long NoMoreItems = 259;
}  // namespace RegStatus

// Value types; any other code can be stored and read back as raw bytes.
namespace RegType {
inline constexpr std::uint32_t Text = 1;
inline constexpr std::uint32_t Binary = 3;
inline constexpr std::uint32_t Dword = 4;
}  // namespace RegType

// Dispositions reported by CreateKeyEx.
namespace RegDisposition {
inline constexpr std::uint32_t CreatedNewKey = 1;
inline constexpr std::uint32_t OpenedExistingKey = 2;
}  // namespace RegDisposition

// Access masks: the six specific key rights, those with the standard read right, and the right
// to read alone (query, enumerate, notify, standard read).
namespace RegAccess {
inline constexpr std::uint32_t SpecificRights = 0x3F;
inline constexpr std::uint32_t SpecificAndRead = 0x2003F;
inline constexpr std::uint32_t Read = 0x20019;
}  // namespace RegAccess

// A 32-bit value as the registry stores it: four bytes, least significant first.
std::array<std::uint8_t, 4> DwordBytes(std::uint32_t number);
std::uint32_t DwordFromBytes(const std::uint8_t* bytes);

class RegistryPort {
 public:
  virtual ~RegistryPort() = default;

  // Creates the key and any missing keys above it, or opens it if it exists.
  virtual long CreateKeyEx(RegHandle hive, std::string_view path, std::uint32_t options,
                           std::uint32_t access, RegHandle& key, std::uint32_t& disposition) = 0;
  // Opens an existing key; on failure `key` is left as it was.
  virtual long OpenKeyEx(RegHandle hive, std::string_view path, std::uint32_t options,
                         std::uint32_t access, RegHandle& key) = 0;
  // Stores `size` bytes under the name, replacing any earlier value.
  virtual long SetValueEx(RegHandle key, std::string_view name, std::uint32_t type,
                          const std::uint8_t* data, std::uint32_t size) = 0;
  // Reports the type and byte count; with a buffer (data not null, `size` its capacity) also
  // copies the data and sets `size` to what was copied, or fails with RegStatus::MoreData.
  virtual long QueryValueEx(RegHandle key, std::string_view name, std::uint32_t& type,
                            std::uint8_t* data, std::uint32_t& size) = 0;
  // The name of the key's value number `index` (from 0), in the order the key keeps them;
  // RegStatus::NoMoreItems past the last.
  virtual long EnumValue(RegHandle key, std::uint32_t index, std::string& name) = 0;
  virtual long CloseKey(RegHandle key) = 0;
};

}  // namespace quillbit
