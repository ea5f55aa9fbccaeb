#pragma once

#include <functional>
#include <optional>
#include <string>
#include <unordered_map>

#include "settings/registry_port.h"
#include "settings/registry_text.h"

namespace quillbit {

// The registry as one per-user text file in the REGEDIT4 format, every hive under its own name.
// Nothing is cached: each call reads the file as it stands, and each change replaces the whole
// file atomically (a temporary file in the same folder, flushed, renamed over the old one) under
// an advisory lock on the folder, so that programs closing at once, or a kill at any moment,
// leave the old file or the new one and never a torn one. A file with parts the reader could
// not understand is first kept beside it, once, so that nothing a person wrote there is lost.
// Access masks are not checked: the file belongs to the user.
class RegistryFile : public RegistryPort {
 public:
  explicit RegistryFile(std::string path);
  ~RegistryFile() override;
  RegistryFile(const RegistryFile&) = delete;
  RegistryFile& operator=(const RegistryFile&) = delete;

  const std::string& Path() const { return path_; }
  // Where a file the reader could not wholly understand is kept before it is first replaced.
  std::string BackupPath() const { return path_ + ".bak"; }

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
  // The file's keys; an absent file is an empty registry, nullopt one that cannot be read.
  std::optional<RegistryDocument> Load() const;
  // Reads, changes and (when `change` reports a change) rewrites the file under the lock.
  long Update(const std::function<long(RegistryDocument&, bool& changed)>& change);
  bool Save(int folder, const RegistryDocument& document) const;
  // The full path of a key below a hive or an open key; nullopt for an unknown handle.
  std::optional<std::string> KeyPath(RegHandle parent, std::string_view path) const;
  RegHandle AddHandle(std::string keyPath);

  std::string path_;
  std::string folder_;
  std::unordered_map<RegHandle, std::string> openKeys_;
  RegHandle nextHandle_ = 1;
};

}  // namespace quillbit
