#include "core/d2v_lines.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <utility>

namespace quillbit {
namespace {

TEST(DvdRateOf, TakesTheExactRateWhenThereIsOne) {
  const std::pair<std::string, std::optional<DvdRate>> cases[] = {
      {"29970 (30000/1001)", DvdRate::Ntsc},
      {"23976 (24000/1001)", DvdRate::Film},
      {"25000 (25/1)", DvdRate::Pal},
      {"25000 (50/2)", DvdRate::Pal},
      {" 29970 ( 30000 / 1001 ) ", DvdRate::Ntsc},
      {"29970", DvdRate::Ntsc},
      {"23976", DvdRate::Film},
      {"25000", DvdRate::Pal},
      // The exact rate decides over the rounded one.
      {"29969 (30000/1001)", DvdRate::Ntsc},
      {"29970 (25/1)", DvdRate::Pal},
      {"30000 (30/1)", std::nullopt},
      {"24000 (24/1)", std::nullopt},
      {"29970 (30000/0)", std::nullopt},
      {"29970 (30000/1001", std::nullopt},
      {"29970 (30000/1001) x", std::nullopt},
      {"(30000/1001)", std::nullopt},
      {"29970 (99999999999999999999/1)", std::nullopt},
      {"-29970", std::nullopt},
      {"29.97", std::nullopt},
      {"", std::nullopt},
  };
  for (const auto& [value, rate] : cases) EXPECT_EQ(DvdRateOf(value), rate) << value;
}

TEST(FilmPercentOf, ReadsOnlyAPercentageOfFilm) {
  const std::pair<std::string, std::optional<double>> cases[] = {
      {"FINISHED  97.85% FILM", 97.85},
      {"FINISHED 0.00% FILM", 0.0},
      {"FINISHED 100% FILM ", 100.0},
      {"FINISHED\t88.4%\tFILM", 88.4},
      {"FINISHED  100.00% VIDEO", std::nullopt},
      {"FINISHED  97.85% FILMS", std::nullopt},
      {"FINISHED  97.85 FILM", std::nullopt},
      {"FINISHED  97.85%FILM", std::nullopt},
      {"FINISHED  PAL", std::nullopt},
      {"FINISHED  100.01% FILM", std::nullopt},
      {"FINISHED  -1% FILM", std::nullopt},
      {"FINISHED  nan% FILM", std::nullopt},
      {"FINISHED97.85% FILM", std::nullopt},
      {"finished  97.85% FILM", std::nullopt},
      {"", std::nullopt},
  };
  for (const auto& [line, percent] : cases) EXPECT_EQ(FilmPercentOf(line), percent) << line;
}

TEST(ParseD2vDataLine, CountsPicturesAndRepeatsUpToTheEnd) {
  struct Case {
    std::string line;
    std::int64_t pictures, repeats;
    bool end;
  };
  const Case cases[] = {
      {"d00 6 0 0 0 0 0 b0 b0 90 b0 b0 a0", 6, 0, false},
      {"900 5 1 384035 0 2 3 d3 70 71 e2 ff", 4, 2, true},
      {"800\t6  0 0 0 0 0  F1 ", 1, 1, false},
      {"d00 6 0 0 0 0 0 ff", 0, 0, true},
  };
  for (const Case& c : cases) {
    const std::optional<D2vDataLine> data = ParseD2vDataLine(c.line, 2);
    ASSERT_TRUE(data.has_value()) << c.line;
    EXPECT_EQ(data->pictures, c.pictures) << c.line;
    EXPECT_EQ(data->repeats, c.repeats) << c.line;
    EXPECT_EQ(data->endOfStream, c.end) << c.line;
  }
  for (const char* damaged :
       {"d00 6 0 0 0 0 0", "d00 6 2 0 0 0 0 b0", "d00 6 0 -1 0 0 0 b0", "1d00 6 0 0 0 0 0 b0",
        "d00 6 0 0 0 0 0 b0 ff b0", "d00 6 0 0 0 0 0 b0 100", "d00 6 0 0x0 0 0 0 b0", ""}) {
    EXPECT_FALSE(ParseD2vDataLine(damaged, 2).has_value()) << damaged;
  }
}

}  // namespace
}  // namespace quillbit
