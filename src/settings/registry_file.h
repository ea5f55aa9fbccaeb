#pragma once

#include <cstddef>
#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <unordered_map>

#include "settings/registry_port.h"
#include "settings/registry_text.h"

namespace quillbit {

// Takes an exclusive lock on a file open for reading and writing, waiting for it; false when the
// file system gives none.
using FileLock = std::function<bool(int fd)>;
// flock(2), which NFS clients carry out as a POSIX lock and so needs a file open for writing.
bool LockWholeFile(int fd);

// The registry as one per-user text file in the REGEDIT4 format, every hive under its own name.
// Nothing is cached: each call reads the file as it stands, and each change replaces the whole
// file atomically (a temporary file in the same folder, flushed, renamed over the old one) under
// an advisory lock on a file of its own beside it (".lock"), so that programs closing at once,
// or a kill at any moment, leave the old file or the new one and never a torn one. Where no lock
// can be had the change is still made, just as atomically. A file that is a symbolic link is
// written through it: its target is what gets replaced, with the target's permissions. Each
// version of a file with parts the reader could not understand is first kept beside it, so that
// nothing a person wrote there is lost. Access masks are not checked: the file belongs to the
// user.
class RegistryFile : public RegistryPort {
 public:
  // More versions of a file than anyone hand-edits between two saves; only older ones go.
  static constexpr std::size_t kMaxKeptVersions = 100;

  explicit RegistryFile(std::string path, FileLock lock = LockWholeFile);
  ~RegistryFile() override;
  RegistryFile(const RegistryFile&) = delete;
  RegistryFile& operator=(const RegistryFile&) = delete;

  const std::string& Path() const { return path_; }
  // Where the versions of a file the reader could not wholly understand are kept before it is
  // replaced: ".bak" for the first, ".bak.1" for the next, and so on.
  std::string BackupPath(std::int64_t number = 0) const;
  std::string LockPath() const { return path_ + ".lock"; }

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
  // The keys of the file at `file`; an absent file is an empty registry, nullopt one that cannot
  // be read.
  static std::optional<RegistryDocument> Load(const std::string& file);
  // Reads, changes and (when `change` reports a change) rewrites the file under the lock.
  long Update(const std::function<long(RegistryDocument&, bool& changed)>& change);
  // Replaces `file` with the document; `locked` says whether the lock is held.
  static bool Save(const std::string& file, const RegistryDocument& document, bool locked);
  // The full path of a key below a hive or an open key; nullopt for an unknown handle.
  std::optional<std::string> KeyPath(RegHandle parent, std::string_view path) const;
  RegHandle AddHandle(std::string keyPath);

  std::string path_;
  std::string folder_;
  FileLock lock_;
  std::unordered_map<RegHandle, std::string> openKeys_;
  RegHandle nextHandle_ = 1;
};

}  // namespace quillbit
