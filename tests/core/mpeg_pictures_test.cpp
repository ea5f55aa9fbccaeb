#include "core/mpeg_pictures.h"

#include <gtest/gtest.h>

#include <sstream>
#include <string>

#include "tests/support/media_files.h"
#include "tests/support/temp_folder.h"

namespace quillbit {
namespace {

std::optional<std::int64_t> Count(const std::string& bytes) {
  std::istringstream in(bytes);
  const MpegPictureCount count = CountMpegPictures(in);
  EXPECT_TRUE(count.readable);
  return count.frames;
}

TEST(CountMpegPictures, CountsThePictureStartCodes) {
  EXPECT_EQ(Count(M2vStream(1500)), 1500);
  EXPECT_EQ(Count(M2vStream(0)), 0);
  // Zero stuffing before a start code, and a start code cut off by the end of the stream.
  EXPECT_EQ(Count(std::string(5, '\0') + M2vStream(7)), 7);
  EXPECT_EQ(Count(M2vStream(7) + std::string("\0\0\1", 3)), 7);
  EXPECT_EQ(Count(M2vStream(7) + std::string("\0\0\0\1\0", 5)), 8);
}

TEST(CountMpegPictures, CountsStartCodesCutByTheReadChunksOnce) {
  // Start codes every 45 bytes over several chunks; shifting the stream by up to a picture's
  // length puts a start code across a chunk's edge at every byte of it.
  const std::string stream = M2vStream(6000, 16);
  ASSERT_GT(stream.size(), 3u * 64 * 1024);
  for (std::size_t shift = 0; shift <= 48; ++shift) {
    EXPECT_EQ(Count(std::string(shift, '\0') + stream), 6000) << shift;
  }
}

TEST(CountMpegPictures, CountsAPairOfFieldPicturesAsOneFrame) {
  EXPECT_EQ(Count(M2vFieldStream(1500)), 1500);
  EXPECT_EQ(Count(M2vFieldStream(1)), 1);
  EXPECT_EQ(Count(M2vFieldStream(2)), 2);
  // A field whose second field never comes is still shown as a frame.
  const std::string fifteen = M2vFieldStream(15);
  const std::size_t lastSecondField = fifteen.rfind(std::string("\0\0\1\0", 4));
  EXPECT_EQ(Count(fifteen.substr(0, lastSecondField)), 15);
  // Cut off within its second field's picture header, the last frame is still one frame.
  EXPECT_EQ(Count(fifteen.substr(0, lastSecondField + 6)), 15);
  EXPECT_EQ(Count(M2vFieldStream(16) + M2vStream(3) + M2vFieldStream(16)), 35);
}

TEST(CountMpegPictures, ReadsPictureStructuresCutByTheReadChunks) {
  // Pictures of 57 bytes or more: every shift up to 60 puts each byte of an extension, and of
  // the start code before it, on a chunk's edge somewhere in the stream.
  const std::string stream = M2vFieldStream(3000, 16);
  ASSERT_GT(stream.size(), 4u * 64 * 1024);
  for (std::size_t shift = 0; shift <= 60; ++shift) {
    EXPECT_EQ(Count(std::string(shift, '\0') + stream), 3000) << shift;
  }
}

TEST(CountMpegPictures, FindsNoPicturesWithoutASequenceHeaderFirst) {
  const std::string stream = M2vStream(30);
  for (const std::string& bytes :
       {std::string(), std::string(100, '\0'), stream.substr(12), "junk" + stream,
        std::string("\0\0\1\xBA", 4) + stream, std::string("\0\0\1", 3), AviLikeBytes(200000)}) {
    EXPECT_EQ(Count(bytes), std::nullopt);
  }
}

// Gives the start of a stream, then fails as a disk does.
class FailingBuffer : public std::streambuf {
 public:
  explicit FailingBuffer(std::string bytes) : bytes_(std::move(bytes)) {
    setg(bytes_.data(), bytes_.data(), bytes_.data() + bytes_.size());
  }

 protected:
  int_type underflow() override { throw std::ios_base::failure("read error"); }

 private:
  std::string bytes_;
};

TEST(CountMpegPictures, IsUnreadableWhenTheStreamFailsOrTheFileIsMissing) {
  FailingBuffer buffer(M2vStream(10));
  std::istream in(&buffer);
  const MpegPictureCount failed = CountMpegPictures(in);
  EXPECT_FALSE(failed.readable);
  EXPECT_EQ(failed.frames, std::nullopt);

  TempFolder folder;
  ASSERT_TRUE(WriteBytes(folder.File("sample.m2v"), M2vStream(1500)));
  EXPECT_EQ(CountMpegPicturesInFile(folder.File("sample.m2v")).frames, 1500);
  EXPECT_FALSE(CountMpegPicturesInFile(folder.File("missing.m2v")).readable);
  EXPECT_FALSE(CountMpegPicturesInFile(folder.Path()).readable);
}

}  // namespace
}  // namespace quillbit
