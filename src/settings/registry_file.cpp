#include "settings/registry_file.h"

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <utility>

namespace quillbit {
namespace {

// Larger than any registry this program writes by far; a bigger file is not ours to parse.
constexpr off_t kMaxFileSize = 16 * 1024 * 1024;

std::string ParentFolder(const std::string& path) {
  const std::size_t slash = path.rfind('/');
  if (slash == std::string::npos) return ".";
  return slash == 0 ? "/" : path.substr(0, slash);
}

// Creates the folder and any missing folders above it, private to the user as XDG asks.
bool EnsureFolder(const std::string& folder) {
  for (std::size_t slash = folder.find('/', 1);; slash = folder.find('/', slash + 1)) {
    const std::string part = folder.substr(0, slash);
    if (::mkdir(part.c_str(), 0700) != 0 && errno != EEXIST) return false;
    if (slash == std::string::npos) return true;
  }
}

bool WriteAll(int fd, std::string_view text) {
  while (!text.empty()) {
    const ssize_t written = ::write(fd, text.data(), text.size());
    if (written < 0) {
      if (errno == EINTR) continue;
      return false;
    }
    text.remove_prefix(static_cast<std::size_t>(written));
  }
  return true;
}

class FileDescriptor {
 public:
  explicit FileDescriptor(int fd) : fd_(fd) {}
  ~FileDescriptor() {
    if (fd_ >= 0) ::close(fd_);
  }
  FileDescriptor(const FileDescriptor&) = delete;
  FileDescriptor& operator=(const FileDescriptor&) = delete;
  int get() const { return fd_; }
  int release() { return std::exchange(fd_, -1); }

 private:
  int fd_;
};

// Keeps the file as it is under another name, unless something already has that name: a copy
// kept earlier stays as it is. A second name for the same file costs nothing and cannot tear;
// where the file system has no such names, the bytes are copied.
bool KeepOriginal(const std::string& path, const std::string& keep) {
  if (::link(path.c_str(), keep.c_str()) == 0 || errno == EEXIST) return true;
  const FileDescriptor in(::open(path.c_str(), O_RDONLY | O_CLOEXEC));
  if (in.get() < 0) return false;
  FileDescriptor out(
      ::open(keep.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC | O_NOFOLLOW, 0600));
  if (out.get() < 0) return errno == EEXIST;
  bool copied = true;
  char buffer[8192];
  while (copied) {
    const ssize_t got = ::read(in.get(), buffer, sizeof buffer);
    if (got < 0 && errno == EINTR) continue;
    if (got <= 0) {
      copied = got == 0;
      break;
    }
    copied = WriteAll(out.get(), std::string_view(buffer, static_cast<std::size_t>(got)));
  }
  copied = copied && ::fsync(out.get()) == 0;
  if (::close(out.release()) != 0 || !copied) {
    ::unlink(keep.c_str());
    return false;
  }
  return true;
}

}  // namespace

RegistryFile::RegistryFile(std::string path)
    : path_(std::move(path)), folder_(ParentFolder(path_)) {}

RegistryFile::~RegistryFile() = default;

std::optional<RegistryDocument> RegistryFile::Load() const {
  if (path_.empty()) return std::nullopt;
  const FileDescriptor fd(::open(path_.c_str(), O_RDONLY | O_CLOEXEC));
  if (fd.get() < 0) {
    if (errno == ENOENT) return RegistryDocument{};
    return std::nullopt;
  }
  struct stat info {};
  if (::fstat(fd.get(), &info) != 0 || !S_ISREG(info.st_mode) || info.st_size > kMaxFileSize) {
    return std::nullopt;
  }
  std::string text;
  text.resize(static_cast<std::size_t>(info.st_size));
  std::size_t done = 0;
  while (true) {
    if (done == text.size()) text.resize(done + 4096);
    const ssize_t got = ::read(fd.get(), text.data() + done, text.size() - done);
    if (got < 0) {
      if (errno == EINTR) continue;
      return std::nullopt;
    }
    if (got == 0) break;
    done += static_cast<std::size_t>(got);
    if (done > static_cast<std::size_t>(kMaxFileSize)) return std::nullopt;
  }
  text.resize(done);
  return ParseRegistryText(text);
}

bool RegistryFile::Save(int folder, const RegistryDocument& document) const {
  // One temporary name is enough: only the holder of the lock writes it, and a copy left by a
  // killed writer is simply overwritten by the next.
  const std::string temporary = path_ + ".new";
  FileDescriptor fd(
      ::open(temporary.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC | O_NOFOLLOW, 0600));
  if (fd.get() < 0) return false;
  const bool written = ::fchmod(fd.get(), 0600) == 0 &&
                       WriteAll(fd.get(), FormatRegistryText(document)) && ::fsync(fd.get()) == 0;
  if (::close(fd.release()) != 0 || !written || ::rename(temporary.c_str(), path_.c_str()) != 0) {
    ::unlink(temporary.c_str());
    return false;
  }
  // The rename itself reaches the disk only with the folder.
  ::fsync(folder);
  return true;
}

long RegistryFile::Update(const std::function<long(RegistryDocument&, bool&)>& change) {
  if (path_.empty()) return RegStatus::AccessDenied;
  // Without the lock (a folder that cannot be created or opened) a change cannot be written,
  // but what needs no change still succeeds.
  const FileDescriptor folder(
      EnsureFolder(folder_) ? ::open(folder_.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC) : -1);
  const bool locked = folder.get() >= 0 && ::flock(folder.get(), LOCK_EX) == 0;
  std::optional<RegistryDocument> document = Load();
  // A file that exists but cannot be read is never replaced: that would lose what it holds.
  if (!document) return RegStatus::AccessDenied;
  bool changed = false;
  const long status = change(*document, changed);
  if (status != RegStatus::Success || !changed) return status;
  if (!locked) return RegStatus::AccessDenied;
  // What the reader could not understand is kept as it was before the file is replaced; without
  // that copy the file is not replaced at all.
  if (document->partlyRead && !KeepOriginal(path_, BackupPath())) return RegStatus::AccessDenied;
  return Save(folder.get(), *document) ? RegStatus::Success : RegStatus::AccessDenied;
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
  const std::optional<RegistryDocument> document = Load();
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
  const std::optional<RegistryDocument> document = Load();
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
  const std::optional<RegistryDocument> document = Load();
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
