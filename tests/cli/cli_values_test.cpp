#include "cli/cli_values.h"

#include <gtest/gtest.h>

#include <cctype>
#include <cmath>
#include <optional>
#include <string>

namespace quillbit {
namespace {

// A test name from an input text: its letters and digits, other characters as '_'.
template <typename Case>
std::string NameOf(const testing::TestParamInfo<Case>& info) {
  std::string name = "_";
  name += std::to_string(info.index);
  name += '_';
  for (const char c : std::string(info.param.text)) name += std::isalnum(c) ? c : '_';
  return name;
}

struct SizeCase {
  const char* text;
  std::optional<double> bytes;
};

class Size : public testing::TestWithParam<SizeCase> {};

TEST_P(Size, ReadsANumberWithAnOptionalUnit) {
  EXPECT_EQ(ParseSize(GetParam().text), GetParam().bytes);
}

INSTANTIATE_TEST_SUITE_P(
    CliValues, Size,
    testing::Values(SizeCase{"1610612736", 1610612736}, SizeCase{"448000KB", 448000.0 * 1024},
                    SizeCase{"1.5GB", 1610612736}, SizeCase{"120MB", 125829120},
                    SizeCase{"12Bytes", 12}, SizeCase{"12 kb", 12288}, SizeCase{"2gb", 2147483648},
                    SizeCase{"1E3", 1000}, SizeCase{"1e3KB", 1024000}, SizeCase{"0", 0},
                    SizeCase{"0.5", 0.5}, SizeCase{"", std::nullopt}, SizeCase{"KB", std::nullopt},
                    SizeCase{"12abc", std::nullopt}, SizeCase{"5TB", std::nullopt},
                    SizeCase{"1,5GB", std::nullopt}, SizeCase{"1,000", std::nullopt},
                    SizeCase{"-1", std::nullopt}, SizeCase{"1.5e", std::nullopt},
                    SizeCase{"1E308GB", std::nullopt}, SizeCase{"inf", std::nullopt},
                    SizeCase{"12 KB extra", std::nullopt}),
    NameOf<SizeCase>);

struct DestinationCase {
  const char* text;
  std::optional<double> bytes;
};

class Destination : public testing::TestWithParam<DestinationCase> {};

TEST_P(Destination, ReadsADiscOrASize) {
  EXPECT_EQ(ParseDestination(GetParam().text), GetParam().bytes);
}

INSTANTIATE_TEST_SUITE_P(CliValues, Destination,
                         testing::Values(DestinationCase{"dvd-r", 4707319808},
                                         DestinationCase{"dvd+r", 4700372992},
                                         DestinationCase{"dvd-r-dl", 8543666176},
                                         DestinationCase{"dvd+r-dl", 8547991552},
                                         DestinationCase{"DVD+R-DL", 8547991552},
                                         DestinationCase{"4.384GB", 4.384 * 1073741824},
                                         DestinationCase{"dvd-rw", std::nullopt},
                                         DestinationCase{"dvd", std::nullopt}),
                         NameOf<DestinationCase>);

TEST(CliValues, WholeCountsAreWholeAndNotNegative) {
  EXPECT_EQ(ParseWholeCount("90000"), 90000);
  EXPECT_EQ(ParseWholeCount("1E5"), 100000);
  EXPECT_EQ(ParseWholeCount("0"), 0);
  EXPECT_FALSE(std::signbit(*ParseWholeCount("-0")));
  EXPECT_EQ(ParseWholeCount("100.5"), std::nullopt);
  EXPECT_EQ(ParseWholeCount("-1"), std::nullopt);
  EXPECT_EQ(ParseWholeCount("90,000"), std::nullopt);
  EXPECT_EQ(ParseWholeCount("90000f"), std::nullopt);
}

TEST(CliValues, NumbersUseThePointWhateverTheLocale) {
  EXPECT_EQ(ParseCliNumber("2.5"), 2.5);
  EXPECT_EQ(ParseCliNumber("-2.5"), -2.5);
  EXPECT_EQ(ParseCliNumber("2,5"), std::nullopt);
  EXPECT_EQ(ParseCliNumber("NaN"), std::nullopt);
}

TEST(CliValues, MethodsByShortNameOrListText) {
  EXPECT_EQ(ParseMethod("single-pass"), "Single Pass VBR");
  EXPECT_EQ(ParseMethod("bach"), "Single Pass (Bach Method)");
  EXPECT_EQ(ParseMethod("Multi-Pass"), "Multi-Pass VBR");
  EXPECT_EQ(ParseMethod("Single Pass (Bach Method)"), "Single Pass (Bach Method)");
  EXPECT_EQ(ParseMethod("multi-pass vbr"), "Multi-Pass VBR");
  EXPECT_EQ(ParseMethod("two-pass"), std::nullopt);
  EXPECT_EQ(ParseMethod(""), std::nullopt);
}

TEST(CliValues, UnitsComeBackAsTheWindowSpellsThem) {
  EXPECT_EQ(ParseUnit("bytes"), "Bytes");
  EXPECT_EQ(ParseUnit("kb"), "KB");
  EXPECT_EQ(ParseUnit("Mb"), "MB");
  EXPECT_EQ(ParseUnit("GB"), "GB");
  EXPECT_EQ(ParseUnit("TB"), std::nullopt);
  EXPECT_EQ(ParseUnit("K"), std::nullopt);
}

TEST(CliValues, Formats) {
  EXPECT_EQ(ParsePal("ntsc"), false);
  EXPECT_EQ(ParsePal("PAL"), true);
  EXPECT_EQ(ParsePal("secam"), std::nullopt);
}

}  // namespace
}  // namespace quillbit
