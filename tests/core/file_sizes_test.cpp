#include "core/file_sizes.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "tests/support/media_files.h"
#include "tests/support/temp_folder.h"

namespace quillbit {
namespace {

// Two audio tracks, and a folder of subtitles with a folder of its own inside.
class DroppedFiles : public testing::Test {
 protected:
  void SetUp() override {
    std::filesystem::create_directories(folder_.File("subs/more"));
    ASSERT_TRUE(WriteBytes(folder_.File("track1.ac3"), Ac3LikeBytes(123457)));
    ASSERT_TRUE(WriteBytes(folder_.File("track2.ac3"), Ac3LikeBytes(765431)));
    ASSERT_TRUE(WriteBytes(folder_.File("subs/sub1.bmp"), BitmapLikeBytes(11111)));
    ASSERT_TRUE(WriteBytes(folder_.File("subs/sub2.bmp"), BitmapLikeBytes(22222)));
    ASSERT_TRUE(WriteBytes(folder_.File("subs/more/sub3.bmp"), BitmapLikeBytes(44444)));
  }
  std::string File(const std::string& name) const { return folder_.File(name); }

  TempFolder folder_;
};

TEST_F(DroppedFiles, AddUpToTheByteWithoutTheFoldersInsideFolders) {
  const struct {
    std::vector<std::string> paths;
    std::uint64_t bytes;
  } cases[] = {
      {{}, 0},
      {{File("track1.ac3")}, 123457},
      {{File("track1.ac3"), File("track2.ac3")}, 888888},
      {{File("subs")}, 33333},
      {{File("subs/")}, 33333},
      {{File("subs/more")}, 44444},
      {{File("track1.ac3"), File("track2.ac3"), File("subs")}, 922221},
  };
  for (const auto& c : cases) {
    const DroppedSize size = TotalSizeOf(c.paths);
    EXPECT_EQ(size.bytes, c.bytes);
    EXPECT_EQ(size.unreadable, std::nullopt);
  }
}

TEST_F(DroppedFiles, StopAtTheFirstPathThatCannotBeRead) {
  const DroppedSize size =
      TotalSizeOf({File("track1.ac3"), File("gone.ac3"), File("subs"), File("gone2.ac3")});
  EXPECT_EQ(size.bytes, 0u);
  EXPECT_EQ(size.unreadable, File("gone.ac3"));
}

TEST_F(DroppedFiles, MayHaveNamesBeyondAscii) {
  const std::string name =
      "Fran\xC3\xA7"
      "ais \xE6\x97\xA5\xE6\x9C\xAC.ac3";
  const std::string utf8Path = File(name);
  ASSERT_TRUE(WriteBytes(std::filesystem::path(std::u8string(utf8Path.begin(), utf8Path.end())),
                         Ac3LikeBytes(999)));
  EXPECT_EQ(TotalSizeOf({utf8Path}).bytes, 999u);
  EXPECT_EQ(FileNameOf(utf8Path), name);
}

TEST(ExtendedLengthPath, IsTheFormThatOpensAtAnyLength) {
  const std::string deep(250, 'd');
  const struct {
    std::string path;
    std::string extended;
  } cases[] = {
      {"C:\\movies\\film.d2v", "C:\\movies\\film.d2v"},
      {"C:\\" + deep + "\\film.d2v", "\\\\?\\C:\\" + deep + "\\film.d2v"},
      {"d:/" + deep + "/./x/../film.d2v", "\\\\?\\d:\\" + deep + "\\film.d2v"},
      {"C:\\" + deep + "\\\\film.d2v\\", "\\\\?\\C:\\" + deep + "\\film.d2v"},
      {"\\\\server\\share\\" + deep, "\\\\?\\UNC\\server\\share\\" + deep},
      {"\\\\?\\C:\\" + deep, "\\\\?\\C:\\" + deep},
      {"relative\\" + deep, "relative\\" + deep},
      {"/home/" + deep, "/home/" + deep},
  };
  for (const auto& c : cases) EXPECT_EQ(ExtendedLengthPath(c.path), c.extended) << c.path;
}

TEST_F(DroppedFiles, MayLieDeeperThanTheOldLimitOf260Characters) {
  std::string deep = File("deep");
  while (deep.size() < 300) deep += "/" + std::string(40, 'd');
  std::error_code error;
  ASSERT_TRUE(std::filesystem::create_directories(PathFromUtf8(deep), error)) << error.message();
  ASSERT_TRUE(WriteBytes(PathFromUtf8(deep + "/track.ac3"), Ac3LikeBytes(4321)));
  EXPECT_EQ(TotalSizeOf({deep + "/track.ac3"}).bytes, 4321u);
  const DroppedSize folder = TotalSizeOf({deep});
#ifdef _WIN32
  // Windows' C runtime cannot list a folder that deep, and would list another instead.
  EXPECT_EQ(folder.bytes, 0u);
  EXPECT_EQ(folder.unreadable, deep);
#else
  EXPECT_EQ(folder.bytes, 4321u);
  EXPECT_EQ(folder.unreadable, std::nullopt);
#endif
  const DroppedSize gone = TotalSizeOf({deep + "/gone.ac3"});
  EXPECT_EQ(gone.unreadable, deep + "/gone.ac3");
  // Removed from the deepest up: the folder's own removal could not reach this deep.
  std::filesystem::remove(PathFromUtf8(deep + "/track.ac3"), error);
  for (; deep.size() > File("").size(); deep.resize(deep.rfind('/')))
    std::filesystem::remove(PathFromUtf8(deep), error);
}

TEST(FileNameOf, IsTheLastPartOfThePath) {
  EXPECT_EQ(FileNameOf("/movies/film.d2v"), "film.d2v");
  EXPECT_EQ(FileNameOf("film.d2v"), "film.d2v");
  EXPECT_EQ(FileNameOf("/movies/subs/"), "subs");
  EXPECT_EQ(FileNameOf(""), "");
}

}  // namespace
}  // namespace quillbit
