#include "core/file_sizes.h"

#include <system_error>

namespace quillbit {
namespace {

std::string Utf8Of(const std::filesystem::path& path) {
  const std::u8string text = path.u8string();
  return std::string(text.begin(), text.end());
}

// The size of one regular file, or none when it cannot be read.
std::optional<std::uint64_t> FileSize(const std::filesystem::path& path) {
  std::error_code error;
  const std::uintmax_t size = std::filesystem::file_size(path, error);
  if (error) return std::nullopt;
  return static_cast<std::uint64_t>(size);
}

// The regular files directly inside a folder; `unreadable` names what could not be read.
std::uint64_t FolderSize(const std::filesystem::path& folder,
                         std::optional<std::string>& unreadable, const std::string& folderUtf8) {
  std::error_code error;
  std::filesystem::directory_iterator entry(folder, error);
  std::uint64_t bytes = 0;
  for (; !error && entry != std::filesystem::directory_iterator(); entry.increment(error)) {
    std::error_code typeError;
    // Symbolic links count as what they point to; broken ones and subfolders do not count.
    if (!entry->is_regular_file(typeError) || typeError) continue;
    const std::optional<std::uint64_t> size = FileSize(entry->path());
    if (!size) {
      unreadable = Utf8Of(entry->path());
      return 0;
    }
    bytes += *size;
  }
  if (error) unreadable = folderUtf8;
  return bytes;
}

}  // namespace

std::filesystem::path PathFromUtf8(std::string_view utf8Path) {
  return std::filesystem::path(std::u8string(utf8Path.begin(), utf8Path.end()));
}

std::string FileNameOf(std::string_view utf8Path) {
  std::filesystem::path path = PathFromUtf8(utf8Path);
  // "D:/Movie/" names the folder Movie, not an empty last part.
  if (!path.has_filename() && path.has_relative_path()) path = path.parent_path();
  return Utf8Of(path.filename());
}

DroppedSize TotalSizeOf(const std::vector<std::string>& utf8Paths) {
  DroppedSize total;
  for (const std::string& utf8Path : utf8Paths) {
    const std::filesystem::path path = PathFromUtf8(utf8Path);
    std::error_code error;
    const std::filesystem::file_status status = std::filesystem::status(path, error);
    if (error || !std::filesystem::exists(status)) {
      return DroppedSize{.bytes = 0, .unreadable = utf8Path};
    }
    if (std::filesystem::is_regular_file(status)) {
      const std::optional<std::uint64_t> size = FileSize(path);
      if (!size) return DroppedSize{.bytes = 0, .unreadable = utf8Path};
      total.bytes += *size;
    } else if (std::filesystem::is_directory(status)) {
      std::optional<std::string> unreadable;
      const std::uint64_t bytes = FolderSize(path, unreadable, utf8Path);
      if (unreadable) return DroppedSize{.bytes = 0, .unreadable = std::move(unreadable)};
      total.bytes += bytes;
    }
  }
  return total;
}

}  // namespace quillbit
