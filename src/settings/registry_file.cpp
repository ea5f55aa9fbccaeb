#include "settings/registry_file.h"

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <utility>

#include "settings/kept_versions.h"
#include "settings/posix_files.h"

namespace quillbit {
namespace {

// Larger than any registry this program writes by far; a bigger file is not ours to parse.
constexpr std::size_t kMaxFileSize = 16 * 1024 * 1024;
// What a file this program creates may be read and written by: its owner alone.
constexpr mode_t kNewFileMode = 0600;

// The permissions the new version of `file` gets: those of the file it replaces, whatever the
// person made them (stricter than ours, or wider on purpose), so that a save never widens them.
mode_t ModeFor(const std::string& file) {
  struct stat info {};
  if (::stat(file.c_str(), &info) != 0 || !S_ISREG(info.st_mode)) return kNewFileMode;
  return info.st_mode & 0777;
}

// A new temporary file beside `file`. Under the lock one name is enough: only the holder writes
// it, and a copy left by a killed writer is simply overwritten by the next. Without the lock each
// writer takes a name of its own, so that two never write into one file.
int CreateTemporary(const std::string& file, bool locked, std::string& temporary) {
  temporary = file + ".new";
  if (locked) {
    return ::open(temporary.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC | O_NOFOLLOW,
                  kNewFileMode);
  }
  temporary += ".XXXXXX";
  return ::mkostemp(temporary.data(), O_CLOEXEC);
}

}  // namespace

bool LockWholeFile(int fd) {
  while (::flock(fd, LOCK_EX) != 0) {
    if (errno != EINTR) return false;
  }
  return true;
}

RegistryFile::RegistryFile(std::string path, FileLock lock)
    : path_(std::move(path)), folder_(ParentFolder(path_)), lock_(std::move(lock)) {}

RegistryFile::~RegistryFile() = default;

std::string RegistryFile::BackupPath(std::int64_t number) const {
  return KeptVersionName(path_ + ".bak", number);
}

std::optional<RegistryDocument> RegistryFile::Load(const std::string& file) {
  if (file.empty()) return std::nullopt;
  const std::optional<std::string> text = ReadRegularFile(file, kMaxFileSize);
  if (!text) {
    if (errno == ENOENT) return RegistryDocument{};
    return std::nullopt;
  }
  return ParseRegistryText(*text);
}

bool RegistryFile::Save(const std::string& file, const RegistryDocument& document, bool locked) {
  std::string temporary;
  FileDescriptor fd(CreateTemporary(file, locked, temporary));
  if (fd.get() < 0) return false;
  const bool written = ::fchmod(fd.get(), ModeFor(file)) == 0 &&
                       WriteAll(fd.get(), FormatRegistryText(document)) && ::fsync(fd.get()) == 0;
  if (::close(fd.release()) != 0 || !written || ::rename(temporary.c_str(), file.c_str()) != 0) {
    ::unlink(temporary.c_str());
    return false;
  }
  // The rename itself reaches the disk only with the folder.
  SyncFolder(ParentFolder(file));
  return true;
}

long RegistryFile::Update(const std::function<long(RegistryDocument&, bool&)>& change) {
  if (path_.empty()) return RegStatus::AccessDenied;
  // The lock is a file of its own, open for writing as NFS needs, and never removed: a program
  // could hold the lock on a removed file while the next one locks a new file of that name.
  const FileDescriptor lockFile(
      EnsureFolder(folder_)
          ? ::open(LockPath().c_str(), O_RDWR | O_CREAT | O_CLOEXEC | O_NOFOLLOW, kNewFileMode)
          : -1);
  // Without a lock two programs saving at once may each write a whole file, the last one wins;
  // the rename still never leaves a torn one. Refusing instead would lose every save.
  const bool locked = lockFile.get() >= 0 && lock_ && lock_(lockFile.get());
  // A link is written through: its target is the file read and replaced, in the target's folder.
  const std::optional<std::string> file = FinalTarget(path_);
  if (!file) return RegStatus::AccessDenied;
  std::optional<RegistryDocument> document = Load(*file);
  // A file that exists but cannot be read is never replaced: that would lose what it holds.
  if (!document) return RegStatus::AccessDenied;
  bool changed = false;
  const long status = change(*document, changed);
  if (status != RegStatus::Success || !changed) return status;
  // What the reader could not understand is kept as it was before the file is replaced; without
  // that copy the file is not replaced at all.
  if (document->partlyRead && !KeepVersion(*file, BackupPath(), kMaxKeptVersions)) {
    return RegStatus::AccessDenied;
  }
  return Save(*file, *document, locked) ? RegStatus::Success : RegStatus::AccessDenied;
}

std::optional<std::string> RegistryFile::KeyPath(RegHandle parent, std::string_view path) const {
  std::string full;
  if (const auto hive = HiveName(parent)) {
    full = *hive;
  } else if (const auto open = openKeys_.find(parent); open != openKeys_.end()) {
    full = open->second;
  } else {
    return std::nullopt;
  }
  while (!path.empty() && path.back() == '\\') path.remove_suffix(1);
  if (!path.empty()) {
    full += '\\';
    full += path;
  }
  return full;
}

RegHandle RegistryFile::AddHandle(std::string keyPath) {
  const RegHandle handle = nextHandle_++;
  openKeys_.emplace(handle, std::move(keyPath));
  return handle;
}

long RegistryFile::CreateKeyEx(RegHandle hive, std::string_view path, std::uint32_t /*options*/,
                               std::uint32_t /*access*/, RegHandle& key,
                               std::uint32_t& disposition) {
  const std::optional<std::string> full = KeyPath(hive, path);
  if (!full) return RegStatus::InvalidHandle;
  if (!StorableKeyPath(*full)) return RegStatus::InvalidParameter;
  bool created = false;
  const long status = Update([&](RegistryDocument& document, bool& changed) {
    document.Create(*full, created);
    changed = created;
    return RegStatus::Success;
  });
  if (status != RegStatus::Success) return status;
  disposition = created ? RegDisposition::CreatedNewKey : RegDisposition::OpenedExistingKey;
  key = AddHandle(*full);
  return RegStatus::Success;
}

long RegistryFile::OpenKeyEx(RegHandle hive, std::string_view path, std::uint32_t /*options*/,
                             std::uint32_t /*access*/, RegHandle& key) {
  const std::optional<std::string> full = KeyPath(hive, path);
  if (!full) return RegStatus::InvalidHandle;
  const std::optional<RegistryDocument> document = Load(path_);
  if (!document) return RegStatus::AccessDenied;
  const RegistryKey* found = document->Find(*full);
  if (found == nullptr) return RegStatus::FileNotFound;
  key = AddHandle(found->path);
  return RegStatus::Success;
}

long RegistryFile::SetValueEx(RegHandle key, std::string_view name, std::uint32_t type,
                              const std::uint8_t* data, std::uint32_t size) {
  const auto open = openKeys_.find(key);
  if (open == openKeys_.end()) return RegStatus::InvalidHandle;
  if ((data == nullptr && size > 0) || !StorableValueName(name)) return RegStatus::InvalidParameter;
  RegistryValue value{std::string(name), type,
                      std::string(reinterpret_cast<const char*>(data), size)};
  const std::string& keyPath = open->second;
  return Update([&](RegistryDocument& document, bool& changed) {
    // A key that another program's save dropped meanwhile comes back with the value.
    bool created = false;
    RegistryKey& target = document.Create(keyPath, created);
    const RegistryValue* existing = target.Find(name);
    // Rewriting the same value would change nothing but cost a flush.
    changed = created || existing == nullptr || existing->type != type ||
              existing->data != value.data || existing->name != value.name;
    if (changed) target.Set(std::move(value));
    return RegStatus::Success;
  });
}

long RegistryFile::QueryValueEx(RegHandle key, std::string_view name, std::uint32_t& type,
                                std::uint8_t* data, std::uint32_t& size) {
  const auto open = openKeys_.find(key);
  if (open == openKeys_.end()) return RegStatus::InvalidHandle;
  const std::optional<RegistryDocument> document = Load(path_);
  if (!document) return RegStatus::AccessDenied;
  const RegistryKey* found = document->Find(open->second);
  const RegistryValue* value = found == nullptr ? nullptr : found->Find(name);
  if (value == nullptr) return RegStatus::FileNotFound;
  type = value->type;
  const auto stored = static_cast<std::uint32_t>(value->data.size());
  if (data != nullptr) {
    if (size < stored) {
      size = stored;
      return RegStatus::MoreData;
    }
    std::memcpy(data, value->data.data(), stored);
  }
  size = stored;
  return RegStatus::Success;
}

long RegistryFile::EnumValue(RegHandle key, std::uint32_t index, std::string& name) {
  const auto open = openKeys_.find(key);
  if (open == openKeys_.end()) return RegStatus::InvalidHandle;
  const std::optional<RegistryDocument> document = Load(path_);
  if (!document) return RegStatus::AccessDenied;
  const RegistryKey* found = document->Find(open->second);
  if (found == nullptr) return RegStatus::FileNotFound;
  if (index >= found->values.size()) return RegStatus::NoMoreItems;
  name = found->values[index].name;
  return RegStatus::Success;
}

long RegistryFile::CloseKey(RegHandle key) {
  if (HiveName(key)) return RegStatus::Success;
  return openKeys_.erase(key) == 1 ? RegStatus::Success : RegStatus::InvalidHandle;
}

}  // namespace quillbit
