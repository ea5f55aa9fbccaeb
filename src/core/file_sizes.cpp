#include "core/file_sizes.h"

#include <algorithm>
#include <system_error>

namespace quillbit {
namespace {

// The first length at which Windows needs a folder's path in its extended form.
constexpr std::size_t kLongPath = 248;
// The longest folder path whose files the C runtime of Windows lists: it makes the path whole in
// a buffer of MAX_PATH (260) characters, with "\\*" and a NUL after it, and past that lists
// another folder, not none.
constexpr std::size_t kLongestListedFolder = 257;
constexpr std::string_view kExtended = "\\\\?\\";
constexpr std::string_view kExtendedShare = "\\\\?\\UNC\\";

bool IsDriveLetter(char c) {
  return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z');
}

// The parts between separators, with "." and ".." resolved and empty parts dropped.
std::vector<std::string_view> Parts(std::string_view path) {
  std::vector<std::string_view> parts;
  while (!path.empty()) {
    const std::size_t end = path.find('\\');
    const std::string_view part = path.substr(0, end);
    if (part == "..") {
      if (!parts.empty()) parts.pop_back();
    } else if (!part.empty() && part != ".") {
      parts.push_back(part);
    }
    if (end == std::string_view::npos) break;
    path.remove_prefix(end + 1);
  }
  return parts;
}

std::string Utf8Of(const std::filesystem::path& path) {
  const std::u8string text = path.u8string();
  std::string utf8(text.begin(), text.end());
#ifdef _WIN32
  // Named in messages as the person knows it.
  if (utf8.starts_with(kExtendedShare)) return "\\\\" + utf8.substr(kExtendedShare.size());
  if (utf8.starts_with(kExtended)) return utf8.substr(kExtended.size());
#endif
  return utf8;
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
#ifdef _WIN32
  if (folder.native().size() > kLongestListedFolder) {
    unreadable = folderUtf8;
    return 0;
  }
#endif
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
#ifdef _WIN32
  const std::string whole = ExtendedLengthPath(utf8Path);
  utf8Path = whole;
#endif
  return std::filesystem::path(std::u8string(utf8Path.begin(), utf8Path.end()));
}

std::string ExtendedLengthPath(std::string_view path) {
  if (path.size() < kLongPath) return std::string(path);
  std::string text(path);
  std::replace(text.begin(), text.end(), '/', '\\');
  if (text.starts_with("\\\\?\\") || text.starts_with("\\\\.\\")) return std::string(path);
  std::string extended;
  std::string_view rest;
  if (text.size() >= 3 && IsDriveLetter(text[0]) && text[1] == ':' && text[2] == '\\') {
    extended = std::string(kExtended) + text.substr(0, 2);
    rest = std::string_view(text).substr(3);
  } else if (text.starts_with("\\\\")) {
    extended = std::string(kExtendedShare.substr(0, kExtendedShare.size() - 1));
    rest = std::string_view(text).substr(2);
  } else {
    return std::string(path);
  }
  for (const std::string_view part : Parts(rest)) {
    extended += '\\';
    extended += part;
  }
  return extended;
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
