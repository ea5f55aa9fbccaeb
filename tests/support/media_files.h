#pragma once

#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace quillbit {

// A DGIndex project to write, as DGIndex writes one: its data lines hold a GOP's pictures each.
struct D2vDescription {
  std::string firstLine = "DGIndexProjectFile16";
  int fieldOperation = 0;
  std::string frameRate = "29970 (30000/1001)";
  std::string pictureSize = "720x480";
  std::vector<std::uint8_t> flags;  // one a picture, in display order
  int picturesPerLine = 12;
  bool endMarker = true;                // the "ff" flag after the last picture
  std::optional<std::string> finished;  // the last line, such as "FINISHED  97.85% FILM"
  std::string lineBreak = "\r\n";
};

std::string D2vProjectText(const D2vDescription& project);

// The flags of film with 3:2 pulldown, every other picture repeating its first field (the first
// one does): (pictures + 1) / 2 repeats.
std::vector<std::uint8_t> FilmFlags(std::int64_t pictures);
// The flags of interlaced video: no picture repeats a field.
std::vector<std::uint8_t> VideoFlags(std::int64_t pictures);

// An MPEG-2 video elementary stream: a sequence header, then GOPs of 15 pictures, each picture of
// two slices of `sliceBytes` bytes that hold no start code, and the sequence end code.
std::string M2vStream(std::int64_t pictures, std::size_t sliceBytes = 100);
// The same as a field-coding encoder writes `frames` frames: each picture with its picture coding
// extension, the first frame of each GOP one frame picture, every other frame two field pictures
// (top, then bottom).
std::string M2vFieldStream(std::int64_t frames, std::size_t sliceBytes = 100);

// `size` bytes that start like an AC-3 audio frame.
std::string Ac3LikeBytes(std::size_t size);
// `size` bytes that start like a Windows bitmap.
std::string BitmapLikeBytes(std::size_t size);
// `size` bytes that start like an AVI file, then anything: zeros, line breaks, text, binary.
std::string AviLikeBytes(std::size_t size);

// Writes the bytes to a new file; false when that fails.
bool WriteBytes(const std::filesystem::path& path, std::string_view bytes);

}  // namespace quillbit
