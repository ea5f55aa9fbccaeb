#pragma once

#include <cstdint>
#include <string_view>

namespace quillbit {

// A registry in the shape of the advapi32 calls the settings code was written against:
// hives and keys are handles, every call returns a status, and nothing throws.
using RegHandle = std::uint32_t;  // 0 is no key

inline constexpr RegHandle HKEY_CLASSES_ROOT = 0x80000000;
inline constexpr RegHandle HKEY_CURRENT_USER = 0x80000001;
inline constexpr RegHandle HKEY_LOCAL_MACHINE = 0x80000002;
inline constexpr RegHandle HKEY_USERS = 0x80000003;

// Status codes.
inline constexpr long ERROR_SUCCESS = 0;
inline constexpr long ERROR_FILE_NOT_FOUND = 2;
inline constexpr long ERROR_ACCESS_DENIED = 5;
inline constexpr long ERROR_INVALID_HANDLE = 6;
inline constexpr long ERROR_INVALID_PARAMETER = 87;
inline constexpr long ERROR_MORE_DATA = 234;

// Value types; any other code can be stored and read back as raw bytes.
inline constexpr std::uint32_t REG_SZ = 1;
inline constexpr std::uint32_t REG_DWORD = 4;

// Dispositions reported by CreateKeyEx.
inline constexpr std::uint32_t REG_CREATED_NEW_KEY = 1;
inline constexpr std::uint32_t REG_OPENED_EXISTING_KEY = 2;

// Access masks: the six specific key rights, and those with STANDARD_RIGHTS_READ.
inline constexpr std::uint32_t KEY_SPECIFIC_RIGHTS = 0x3F;
inline constexpr std::uint32_t KEY_SPECIFIC_AND_READ = 0x2003F;

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
  // copies the data and sets `size` to what was copied, or fails with ERROR_MORE_DATA.
  virtual long QueryValueEx(RegHandle key, std::string_view name, std::uint32_t& type,
                            std::uint8_t* data, std::uint32_t& size) = 0;
  virtual long CloseKey(RegHandle key) = 0;
};

}  // namespace quillbit
