#pragma once

#include <cstdint>
#include <istream>
#include <optional>
#include <string_view>

namespace quillbit {

// The frames of an MPEG-1/2 video elementary stream (.m2v, .mpv), counted from its pictures: a
// frame picture each, or a pair of field pictures; none when the stream has no sequence header
// or could not be read.
struct MpegPictureCount {
  std::optional<std::int64_t> frames;
  bool readable = true;  // false when the file could not be opened or read
};

MpegPictureCount CountMpegPictures(std::istream& in);
MpegPictureCount CountMpegPicturesInFile(std::string_view utf8Path);

}  // namespace quillbit
