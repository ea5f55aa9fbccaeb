#include "core/disc_presets.h"

#include <gtest/gtest.h>

#include <string_view>

namespace quillbit {
namespace {

struct DiscCase {
  std::string_view key;
  double bytes;
};

constexpr DiscCase kDiscs[] = {{"dvd-r", 4707319808},
                               {"DVD+R", 4700372992},
                               {"dvd-r-dl", 8543666176},
                               {"Dvd+R-Dl", 8547991552}};

TEST(DiscPresets, KeyAndBytesFindTheSameDisc) {
  for (const DiscCase& c : kDiscs) {
    const DiscPreset* named = DiscPresetNamed(c.key);
    ASSERT_NE(named, nullptr) << c.key;
    EXPECT_EQ(named->bytes, c.bytes);
    EXPECT_EQ(DiscPresetOfBytes(c.bytes), named);
  }
}

TEST(DiscPresets, OtherSizesAndNamesAreNoDisc) {
  EXPECT_EQ(DiscPresetOfBytes(4707319807), nullptr);
  EXPECT_EQ(DiscPresetOfBytes(4.7e9), nullptr);
  EXPECT_EQ(DiscPresetNamed("dvd-ram"), nullptr);
  EXPECT_EQ(DiscPresetNamed("DVD-R"), DiscPresetNamed("dvd-r"));
}

}  // namespace
}  // namespace quillbit
