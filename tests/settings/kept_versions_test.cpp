#include "settings/kept_versions.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "tests/support/temp_folder.h"

namespace quillbit {
namespace {

class KeptVersions : public testing::Test {
 protected:
  std::string File() const { return folder_.File("registry.reg"); }
  std::string Kept(std::int64_t number) const {
    return KeptVersionName(folder_.File("registry.reg.bak"), number);
  }
  bool Keep(const std::string& text, std::size_t maxKept = 100) {
    WriteWholeFile(File(), text);
    return KeepVersion(File(), Kept(0), maxKept);
  }
  std::size_t Count() const {
    std::size_t count = 0;
    for (const auto& entry : std::filesystem::directory_iterator(folder_.Path())) {
      count += entry.path().filename().string().starts_with("registry.reg.bak") ? 1 : 0;
    }
    return count;
  }

  TempFolder folder_;
};

TEST_F(KeptVersions, EachVersionGetsTheNextNameAndStaysAsItWas) {
  ASSERT_TRUE(Keep("first"));
  ASSERT_TRUE(Keep("second"));
  ASSERT_TRUE(Keep("third"));
  EXPECT_EQ(ReadWholeFile(Kept(0)), "first");
  EXPECT_EQ(ReadWholeFile(Kept(1)), "second");
  EXPECT_EQ(ReadWholeFile(Kept(2)), "third");
  EXPECT_EQ(Kept(2), folder_.File("registry.reg.bak.2"));
}

TEST_F(KeptVersions, TheSameBytesAsTheNewestAreNotKeptTwice) {
  ASSERT_TRUE(Keep("first"));
  ASSERT_TRUE(Keep("first"));
  EXPECT_EQ(Count(), 1u);
  ASSERT_TRUE(Keep("second"));
  ASSERT_TRUE(Keep("first"));
  EXPECT_EQ(Count(), 3u) << "an older version again is a new version";
}

TEST_F(KeptVersions, OnlyTheOldestGoPastTheLimitAndNamesAreNeverReused) {
  for (int i = 0; i < 5; ++i) ASSERT_TRUE(Keep("version " + std::to_string(i), 3));
  EXPECT_EQ(Count(), 3u);
  EXPECT_FALSE(std::filesystem::exists(Kept(0)));
  EXPECT_FALSE(std::filesystem::exists(Kept(1)));
  EXPECT_EQ(ReadWholeFile(Kept(2)), "version 2");
  EXPECT_EQ(ReadWholeFile(Kept(4)), "version 4");
  ASSERT_TRUE(Keep("version 5", 3));
  EXPECT_EQ(ReadWholeFile(Kept(5)), "version 5");
}

TEST_F(KeptVersions, OtherFilesBesideAreNeitherCountedNorRemoved) {
  for (const char* name : {"registry.reg.bak.01", "registry.reg.bak.x", "registry.reg.bak.1.old",
                           "registry.reg.bakery", "other.reg.bak.7"}) {
    WriteWholeFile(folder_.File(name), name);
  }
  ASSERT_TRUE(Keep("first", 1));
  ASSERT_TRUE(Keep("second", 1));
  EXPECT_EQ(ReadWholeFile(Kept(1)), "second");
  EXPECT_FALSE(std::filesystem::exists(Kept(0)));
  EXPECT_EQ(ReadWholeFile(folder_.File("registry.reg.bak.01")), "registry.reg.bak.01");
  EXPECT_EQ(ReadWholeFile(folder_.File("other.reg.bak.7")), "other.reg.bak.7");
}

}  // namespace
}  // namespace quillbit
