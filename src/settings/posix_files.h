#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <utility>

namespace quillbit {

// An open file descriptor, closed when it goes.
class FileDescriptor {
 public:
  explicit FileDescriptor(int fd) : fd_(fd) {}
  ~FileDescriptor();
  FileDescriptor(const FileDescriptor&) = delete;
  FileDescriptor& operator=(const FileDescriptor&) = delete;
  int get() const { return fd_; }
  int release() { return std::exchange(fd_, -1); }

 private:
  int fd_;
};

std::string ParentFolder(const std::string& path);

// Creates the folder and any missing folders above it, private to the user as XDG asks.
bool EnsureFolder(const std::string& folder);

bool WriteAll(int fd, std::string_view text);

// The whole of a regular file of at most `maxSize` bytes; nullopt with errno set when it cannot
// be read (ENOENT when it is not there, EFBIG when it is larger).
std::optional<std::string> ReadRegularFile(const std::string& path, std::size_t maxSize);

// The file a path names once every symbolic link at its end is followed: the path itself when
// it is no link (or not there at all), the target, also a missing one, of a link; nullopt for a
// loop of links.
std::optional<std::string> FinalTarget(const std::string& path);

// Copies a file to `keep`, flushed, readable by its owner alone. A copy rather than a second name
// (a hard link) for the same bytes, which an edit in place would change too. Fails with errno
// EEXIST when `keep` is taken.
bool KeepCopy(const std::string& path, const std::string& keep);

// Flushes a folder, and with it the names just created or renamed in it.
void SyncFolder(const std::string& folder);

}  // namespace quillbit
