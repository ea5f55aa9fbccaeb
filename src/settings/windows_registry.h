#pragma once

#include <string>
#include <vector>

#include "settings/registry_port.h"

namespace quillbit {

// The platform's registry behind the port, through its UTF-16 (W) functions: texts (type 1)
// are UTF-8 on this side and UTF-16 in the registry, so that every character round-trips.
//
// The keys named in `perUserKeys` are named below HKEY_LOCAL_MACHINE by the models but kept
// below HKEY_CURRENT_USER, which a program without elevation may write. Until the per-user key
// exists, opening it reads what an earlier machine-wide installation left instead: the copy
// that registry virtualisation kept for the user, else the machine-wide key itself (the 32-bit
// view first, where a 32-bit program kept it).
//
// In those keys, which only this program reads, a text is stored with its terminating NUL, as
// the registry's own tools write and expect it, and read without one terminating NUL, whoever
// wrote it. Elsewhere a text is stored and read as exactly its characters.
class WindowsRegistry : public RegistryPort {
 public:
  explicit WindowsRegistry(std::vector<std::string> perUserKeys);

  long CreateKeyEx(RegHandle hive, std::string_view path, std::uint32_t options,
                   std::uint32_t access, RegHandle& key, std::uint32_t& disposition) override;
  long OpenKeyEx(RegHandle hive, std::string_view path, std::uint32_t options, std::uint32_t access,
                 RegHandle& key) override;
  long SetValueEx(RegHandle key, std::string_view name, std::uint32_t type,
                  const std::uint8_t* data, std::uint32_t size) override;
  long QueryValueEx(RegHandle key, std::string_view name, std::uint32_t& type, std::uint8_t* data,
                    std::uint32_t& size) override;
  long EnumValue(RegHandle key, std::uint32_t index, std::string& name) override;
  long CloseKey(RegHandle key) override;

 private:
  // Whether the models' machine-wide `path` is one of the per-user keys or below one.
  bool PerUser(RegHandle hive, std::string_view path) const;
  // Whether `key` is an open handle of a per-user key or of an earlier copy of one.
  bool OfPerUserKey(RegHandle key) const;

  std::vector<std::string> perUserKeys_;
  std::vector<RegHandle> openPerUserKeys_;
};

}  // namespace quillbit
