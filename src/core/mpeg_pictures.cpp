#include "core/mpeg_pictures.h"

#include <algorithm>
#include <cstring>
#include <fstream>
#include <vector>

#include "core/file_sizes.h"

namespace quillbit {
namespace {

constexpr unsigned char kPictureCode = 0x00;
constexpr unsigned char kSequenceHeaderCode = 0xB3;
constexpr std::size_t kChunk = 64 * 1024;
// A start code is 00 00 01 and its code byte: the three bytes before a chunk carry over to it.
constexpr std::size_t kCarry = 3;

// Counts picture start codes chunk by chunk. An elementary stream opens with its sequence header,
// after zero stuffing at most: anything else first (a program stream's pack header, a file of
// another kind) is no video stream, and the scan stops there.
class PictureScanner {
 public:
  enum class Stage { Opening, Body, Rejected };

  // Takes the bytes buffer_[kCarry, kCarry + size) just read.
  void Scan(std::size_t size) {
    std::size_t begin = kCarry;
    const std::size_t end = kCarry + size;
    if (stage_ == Stage::Opening) begin = ScanOpening(begin, end);
    if (stage_ == Stage::Body) ScanBody(begin, end);
  }

  char* Space() { return reinterpret_cast<char*>(buffer_.data() + kCarry); }
  Stage stage() const { return stage_; }
  std::int64_t pictures() const { return pictures_; }

 private:
  // Returns where the body starts, once the sequence header's code byte has been seen.
  std::size_t ScanOpening(std::size_t begin, std::size_t end) {
    for (std::size_t i = begin; i < end; ++i) {
      const unsigned char byte = buffer_[i];
      if (prefixSeen_) {
        stage_ = byte == kSequenceHeaderCode ? Stage::Body : Stage::Rejected;
        carried_ = 0;
        return i + 1;
      }
      if (byte == 0x00) {
        ++zeros_;
      } else if (byte == 0x01 && zeros_ >= 2) {
        prefixSeen_ = true;
      } else {
        stage_ = Stage::Rejected;
        return end;
      }
    }
    return end;
  }

  void ScanBody(std::size_t begin, std::size_t end) {
    // The carried bytes sit just before `begin`; a 01 found at `p` needs the two zeros before it
    // and its code byte after it, so the 01 of a code cut by the chunk's end is found next time.
    const std::size_t from = begin - carried_;
    const unsigned char* const data = buffer_.data();
    std::size_t p = from + 2;
    while (p + 1 < end) {
      const void* found = std::memchr(data + p, 0x01, end - 1 - p);
      if (found == nullptr) break;
      p = static_cast<std::size_t>(static_cast<const unsigned char*>(found) - data);
      if (data[p - 1] == 0x00 && data[p - 2] == 0x00 && data[p + 1] == kPictureCode) ++pictures_;
      ++p;
    }
    carried_ = std::min(kCarry, end - from);
    std::memmove(buffer_.data() + kCarry - carried_, data + end - carried_, carried_);
  }

  std::vector<unsigned char> buffer_ = std::vector<unsigned char>(kCarry + kChunk);
  Stage stage_ = Stage::Opening;
  std::size_t carried_ = 0;
  std::int64_t zeros_ = 0;
  bool prefixSeen_ = false;
  std::int64_t pictures_ = 0;
};

}  // namespace

MpegPictureCount CountMpegPictures(std::istream& in) {
  PictureScanner scanner;
  while (scanner.stage() != PictureScanner::Stage::Rejected && in) {
    in.read(scanner.Space(), kChunk);
    const auto size = static_cast<std::size_t>(in.gcount());
    if (size > 0) scanner.Scan(size);
  }
  if (in.bad()) return MpegPictureCount{.pictures = std::nullopt, .readable = false};
  if (scanner.stage() != PictureScanner::Stage::Body) return MpegPictureCount{};
  return MpegPictureCount{.pictures = scanner.pictures()};
}

MpegPictureCount CountMpegPicturesInFile(std::string_view utf8Path) {
  const std::filesystem::path path = PathFromUtf8(utf8Path);
  std::error_code error;
  if (std::filesystem::is_directory(path, error)) return MpegPictureCount{.readable = false};
  std::ifstream in(path, std::ios::binary);
  if (!in) return MpegPictureCount{.readable = false};
  return CountMpegPictures(in);
}

}  // namespace quillbit
