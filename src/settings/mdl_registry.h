#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "core/setting_value.h"
#include "settings/registry_port.h"

namespace quillbit::mdlRegistry {

// Path level: each opens the key (hive and path), does one thing and closes it again. Nothing
// is reported: a value that cannot be read is missing, a write that cannot be made is lost.

// Creates the key with any missing keys above it.
void CreateRegKey(RegistryPort& registry, RegHandle hive, std::string_view path);
// Writes one value into an existing key; a missing key is not created here.
void WriteRegSetting(RegistryPort& registry, RegHandle hive, std::string_view path,
                     std::string_view name, std::string_view value, std::uint32_t type);
SettingValue ReadRegSetting(RegistryPort& registry, RegHandle hive, std::string_view path,
                            std::string_view name);

// The names of the key's values in the order the key keeps them; none when it cannot be opened.
std::vector<std::string> ReadRegValueNames(RegistryPort& registry, RegHandle hive,
                                           std::string_view path);

// Handle level, on a key that is already open; the status is for the caller to ignore.

// A text (type 1) is stored as exactly its bytes, without a terminating NUL; a 32-bit number
// (type 4) is given as its decimal text; any other type stores the bytes as given.
long PutValue(RegistryPort& registry, RegHandle key, std::string_view name, std::uint32_t type,
              std::string_view value);
// `result` comes in missing and stays so unless a text or a 32-bit number is read.
long FetchValue(RegistryPort& registry, RegHandle key, std::string_view name, SettingValue& result);

}  // namespace quillbit::mdlRegistry
