#include "core/mpeg_pictures.h"

#include <algorithm>
#include <cstring>
#include <fstream>
#include <vector>

#include "core/file_sizes.h"

namespace quillbit {
namespace {

constexpr unsigned char kPictureCode = 0x00;
constexpr unsigned char kExtensionCode = 0xB5;
constexpr unsigned char kSequenceHeaderCode = 0xB3;
// The picture coding extension's identifier, the high four bits of the byte after its code.
constexpr unsigned char kPictureCodingExtension = 0x8;
// Its picture_structure, the low two bits of the third byte after the code: a top or a bottom
// field alone, or a whole frame (and 0, reserved, read as a frame too).
constexpr unsigned char kTopField = 1;
constexpr unsigned char kBottomField = 2;
// The bytes of a picture coding extension up to its picture_structure.
constexpr std::size_t kExtensionBytes = 3;
constexpr std::size_t kChunk = 64 * 1024;
// A start code is 00 00 01 and its code byte: the three bytes before a chunk carry over to it.
constexpr std::size_t kCarry = 3;

// Counts the frames of a stream as a decoder shows them, chunk by chunk: a frame picture is one
// frame, and so are two field pictures in a row. A picture's structure is in the picture coding
// extension that follows its start code; a picture without one (MPEG-1) is a frame. A field
// without its second field still makes a frame. An elementary stream opens with its sequence
// header, after zero stuffing at most: anything else first (a program stream's pack header, a
// file of another kind) is no video stream, and the scan stops there.
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
  // The frames once the stream has ended: a picture cut off before its extension is a frame of
  // its own, unless it follows a first field, whose second field it then is.
  std::int64_t frames() const { return frames_ + (picturePending_ && !firstFieldOpen_ ? 1 : 0); }

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
    const unsigned char* const data = buffer_.data();
    // An extension whose bytes the last chunk cut off goes on at this one's start.
    if (extensionRead_ < kExtensionBytes) ReadExtension(data + begin, end - begin);
    // The carried bytes sit just before `begin`; a 01 found at `p` needs the two zeros before it
    // and its code byte after it, so the 01 of a code cut by the chunk's end is found next time.
    const std::size_t from = begin - carried_;
    std::size_t p = from + 2;
    while (p + 1 < end) {
      const void* found = std::memchr(data + p, 0x01, end - 1 - p);
      if (found == nullptr) break;
      p = static_cast<std::size_t>(static_cast<const unsigned char*>(found) - data);
      if (data[p - 1] == 0x00 && data[p - 2] == 0x00) {
        if (data[p + 1] == kPictureCode) {
          StartPicture();
        } else if (data[p + 1] == kExtensionCode && picturePending_) {
          extensionRead_ = 0;
          ReadExtension(data + p + 2, end - (p + 2));
        }
      }
      ++p;
    }
    carried_ = std::min(kCarry, end - from);
    std::memmove(buffer_.data() + kCarry - carried_, data + end - carried_, carried_);
  }

  // A picture before its extension is a frame unless the extension says otherwise.
  void StartPicture() {
    if (picturePending_) CountPicture(false);
    picturePending_ = true;
    extensionRead_ = kExtensionBytes;
  }

  void CountPicture(bool field) {
    if (!field || !firstFieldOpen_) ++frames_;
    firstFieldOpen_ = field && !firstFieldOpen_;
  }

  // Takes up to the rest of an extension's first bytes; once they are all there, a picture
  // coding extension settles its picture, and any other extension (of the sequence, say) leaves
  // the picture waiting for its own.
  void ReadExtension(const unsigned char* bytes, std::size_t available) {
    const std::size_t take = std::min(available, kExtensionBytes - extensionRead_);
    std::memcpy(extension_ + extensionRead_, bytes, take);
    extensionRead_ += take;
    if (extensionRead_ < kExtensionBytes || extension_[0] >> 4 != kPictureCodingExtension) return;
    const unsigned char structure = extension_[2] & 0x03;
    CountPicture(structure == kTopField || structure == kBottomField);
    picturePending_ = false;
  }

  std::vector<unsigned char> buffer_ = std::vector<unsigned char>(kCarry + kChunk);
  Stage stage_ = Stage::Opening;
  std::size_t carried_ = 0;
  std::int64_t zeros_ = 0;
  bool prefixSeen_ = false;
  std::int64_t frames_ = 0;
  bool picturePending_ = false;  // a picture start code seen, its extension not yet
  bool firstFieldOpen_ = false;  // a field picture counted, its second field not yet seen
  unsigned char extension_[kExtensionBytes] = {};
  std::size_t extensionRead_ = kExtensionBytes;  // below kExtensionBytes while one is being read
};

}  // namespace

MpegPictureCount CountMpegPictures(std::istream& in) {
  PictureScanner scanner;
  while (scanner.stage() != PictureScanner::Stage::Rejected && in) {
    in.read(scanner.Space(), kChunk);
    const auto size = static_cast<std::size_t>(in.gcount());
    if (size > 0) scanner.Scan(size);
  }
  if (in.bad()) return MpegPictureCount{.frames = std::nullopt, .readable = false};
  if (scanner.stage() != PictureScanner::Stage::Body) return MpegPictureCount{};
  return MpegPictureCount{.frames = scanner.frames()};
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
