#pragma once

#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace quillbit {

// A path given as UTF-8 text, whatever the platform's own encoding of paths; on Windows a long
// one in the form that opens at any length (ExtendedLengthPath).
std::filesystem::path PathFromUtf8(std::string_view utf8Path);

// Windows opens a path of MAX_PATH (260) characters or more, a folder's of 248 or more, only in
// its extended form: "\\?\" before a drive's path, "\\?\UNC\" in place of the "\\" of a
// share's. That form is taken as it stands, without "/", "." or "..", so it is written out whole.
// A shorter path, a relative one and one in that form already are returned as they are.
std::string ExtendedLengthPath(std::string_view path);
// The last part of a path, as UTF-8, for messages.
std::string FileNameOf(std::string_view utf8Path);

// The exact total size of dropped files: each regular file, and the regular files directly
// inside each folder (not those of its subfolders); anything else (a device, a pipe) adds nothing.
// `unreadable` names the first path whose size could not be read, or that does not exist: the
// paths after it are not looked at, and `bytes` is 0, since no total would be the right one.
struct DroppedSize {
  std::uint64_t bytes = 0;
  std::optional<std::string> unreadable;
};
DroppedSize TotalSizeOf(const std::vector<std::string>& utf8Paths);

}  // namespace quillbit
