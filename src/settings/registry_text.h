#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "settings/registry_port.h"

namespace quillbit {

// One stored value: its name ("" is the key's default value), type code and raw bytes.
struct RegistryValue {
  std::string name;
  std::uint32_t type = 0;
  std::string data;
};

// One key, named by its full path from the hive name ("HKEY_LOCAL_MACHINE\SOFTWARE\...").
struct RegistryKey {
  std::string path;
  std::vector<RegistryValue> values;

  // Names compare without regard to ASCII letter case, as the registry does.
  const RegistryValue* Find(std::string_view name) const;
  void Set(RegistryValue value);
};

// The whole registry file in memory, keys in the order they were first seen.
struct RegistryDocument {
  std::vector<RegistryKey> keys;
  // Set by the reader when writing the document back would not give the text it read: a line
  // it could not understand or does not keep (a comment, a deletion), an encoding it could not
  // read or does not write, or a text with no key at all.
  bool partlyRead = false;

  const RegistryKey* Find(std::string_view path) const;
  RegistryKey* Find(std::string_view path);
  // The key, created with every missing key above it; `created` tells whether any was new.
  RegistryKey& Create(std::string_view path, bool& created);
};

// Registry names compare like the registry's own: ASCII letters without case.
bool SameRegistryName(std::string_view a, std::string_view b);

// Whether a key path or value name can be written into the file and read back unchanged.
bool StorableKeyPath(std::string_view path);
bool StorableValueName(std::string_view name);

// Reads the REGEDIT4 text format, or the registry editor's version 5 export in UTF-16 with its
// byte-order mark, leniently: whatever cannot be understood is skipped, so a damaged file loses
// only the lines that are damaged.
RegistryDocument ParseRegistryText(std::string_view bytes);

// Writes the REGEDIT4 text format; texts that the quoted form cannot carry go out as hex(1).
std::string FormatRegistryText(const RegistryDocument& document);

}  // namespace quillbit
