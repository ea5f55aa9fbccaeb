#include "settings/posix_files.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>

namespace quillbit {
namespace {

// More links in a row than this is a loop, as the kernel counts them.
constexpr int kMaxLinks = 40;

bool CopyBytes(int in, int out) {
  char buffer[8192];
  while (true) {
    const ssize_t got = ::read(in, buffer, sizeof buffer);
    if (got < 0 && errno == EINTR) continue;
    if (got <= 0) return got == 0;
    if (!WriteAll(out, std::string_view(buffer, static_cast<std::size_t>(got)))) return false;
  }
}

}  // namespace

FileDescriptor::~FileDescriptor() {
  if (fd_ >= 0) ::close(fd_);
}

std::string ParentFolder(const std::string& path) {
  const std::size_t slash = path.rfind('/');
  if (slash == std::string::npos) return ".";
  return slash == 0 ? "/" : path.substr(0, slash);
}

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

std::optional<std::string> ReadRegularFile(const std::string& path, std::size_t maxSize) {
  const FileDescriptor fd(::open(path.c_str(), O_RDONLY | O_CLOEXEC));
  if (fd.get() < 0) return std::nullopt;
  struct stat info {};
  if (::fstat(fd.get(), &info) != 0) return std::nullopt;
  if (!S_ISREG(info.st_mode) || static_cast<std::size_t>(info.st_size) > maxSize) {
    errno = S_ISREG(info.st_mode) ? EFBIG : EISDIR;
    return std::nullopt;
  }
  std::string text;
  text.resize(static_cast<std::size_t>(info.st_size));
  std::size_t done = 0;
  while (true) {
    // The file may grow while it is read.
    if (done == text.size()) text.resize(done + 4096);
    const ssize_t got = ::read(fd.get(), text.data() + done, text.size() - done);
    if (got < 0) {
      if (errno == EINTR) continue;
      return std::nullopt;
    }
    if (got == 0) break;
    done += static_cast<std::size_t>(got);
    if (done > maxSize) {
      errno = EFBIG;
      return std::nullopt;
    }
  }
  text.resize(done);
  return text;
}

std::optional<std::string> FinalTarget(const std::string& path) {
  std::string current = path;
  for (int links = 0; links <= kMaxLinks; ++links) {
    struct stat info {};
    if (::lstat(current.c_str(), &info) != 0 || !S_ISLNK(info.st_mode)) return current;
    std::string target(static_cast<std::size_t>(info.st_size > 0 ? info.st_size : 4096) + 1, '\0');
    const ssize_t size = ::readlink(current.c_str(), target.data(), target.size());
    if (size <= 0 || static_cast<std::size_t>(size) >= target.size()) return std::nullopt;
    target.resize(static_cast<std::size_t>(size));
    current = target.front() == '/' ? target : ParentFolder(current) + "/" + target;
  }
  return std::nullopt;
}

bool KeepCopy(const std::string& path, const std::string& keep) {
  const FileDescriptor in(::open(path.c_str(), O_RDONLY | O_CLOEXEC));
  struct stat info {};
  if (in.get() < 0 || ::fstat(in.get(), &info) != 0) return false;
  FileDescriptor out(
      ::open(keep.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC | O_NOFOLLOW, 0600));
  if (out.get() < 0) return false;
  // For the owner alone, and no more than the owner had.
  const bool copied = ::fchmod(out.get(), info.st_mode & 0600) == 0 &&
                      CopyBytes(in.get(), out.get()) && ::fsync(out.get()) == 0;
  if (::close(out.release()) != 0 || !copied) {
    ::unlink(keep.c_str());
    errno = EIO;
    return false;
  }
  return true;
}

void SyncFolder(const std::string& folder) {
  const FileDescriptor fd(::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
  if (fd.get() >= 0) ::fsync(fd.get());
}

}  // namespace quillbit
