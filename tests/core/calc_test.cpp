#include "core/calc.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <cctype>
#include <cfloat>
#include <cmath>
#include <limits>
#include <optional>
#include <ostream>
#include <string>
#include <utility>
#include <vector>

#include "core/number_text.h"
#include "core/units.h"

namespace quillbit {

void PrintTo(CalcTarget t, std::ostream* os) {
  static constexpr const char* kNames[] = {"txtLength", "txtCCEMin", "txtCCEQ", "lblSampPerc",
                                           "txtM2VSize"};
  *os << kNames[static_cast<int>(t)];
}

namespace {

using testing::ElementsAreArray;
using Write = std::pair<CalcTarget, std::string>;
using Writes = std::vector<Write>;
using enum CalcTarget;

Writes WritesOf(const CalcResult& r) {
  Writes out;
  for (const CalcWrite& w : r) out.emplace_back(w.target, w.text);
  return out;
}

// The first worked case: 90000 frames at 25 fps, 4700000000 bytes of room, 400000000 of audio.
CalcInputs Movie(std::string fps, std::string frames, std::string method = kMethodMultiPass) {
  return CalcInputs{.txtFPS = std::move(fps),
                    .txtFrames = std::move(frames),
                    .cmbCCESet = std::move(method),
                    .txtCCEMax = "8000",
                    .bytes_dest = 4700000000,
                    .bytes_aud = 400000000};
}

CalcInputs Bach(std::string frames, std::string sampleFrames) {
  CalcInputs in = Movie("25", std::move(frames), kMethodBach);
  in.txtSampleFrame = std::move(sampleFrames);
  in.txtSampleQ = "40";
  in.bytes_sampsize = 41943040;
  return in;
}

template <typename F>
CalcInputs With(CalcInputs in, F change) {
  change(in);
  return in;
}

const Writes kFailOnly = {{txtCCEMin, "0"}, {txtM2VSize, "0"}};

struct Example {
  const char* name;
  CalcInputs in;
  Writes writes;
  std::optional<double> bytesM2v;  // nullopt: the run leaves bytes_m2v as it was
  bool failed = false;
};

void PrintTo(const Example& e, std::ostream* os) {
  *os << e.name;
}

const Example kExamples[] = {
    {"MultiPass",
     Movie("25", "90000"),
     {{txtLength, "1h, 0m, 0s, 0f"}, {txtCCEMin, "9556"}},
     4300200000},
    {"MultiPassWithCushionAndSubtitles",
     With(Movie("25", "90000"),
          [](CalcInputs& in) {
            in.bytes_cush = 100000000;
            in.bytes_sub = 500000000;
          }),
     {{txtLength, "1h, 0m, 0s, 0f"}, {txtCCEMin, "9311"}},
     4189950000},
    {"SinglePassNtscUnderTheCap",
     With(Movie("30", "108000", kMethodSinglePass), [](CalcInputs& in) { in.txtCCEMax = "10000"; }),
     {{txtLength, "1h, 0m, 0s, 0f"}, {txtCCEMin, "9060"}},
     4300093440},
    {"SinglePassNtscCapped",
     Movie("30", "108000", kMethodSinglePass),
     {{txtLength, "1h, 0m, 0s, 0f"}, {txtCCEMin, "8000"}},
     3796992000},
    {"SinglePassNtscEqualToTheCapIsKept",
     With(Movie("30", "108000", kMethodSinglePass), [](CalcInputs& in) { in.txtCCEMax = "9060"; }),
     {{txtLength, "1h, 0m, 0s, 0f"}, {txtCCEMin, "9060"}},
     4300093440},
    {"SinglePassCapIsTakenAsIs",
     With(Movie("30", "108000", kMethodSinglePass),
          [](CalcInputs& in) { in.txtCCEMax = "9059.5"; }),
     {{txtLength, "1h, 0m, 0s, 0f"}, {txtCCEMin, "9059.5"}},
     9059.5 * 3600 * 128 * 1.03},
    {"SinglePassPal",
     With(Movie("25", "150000", kMethodSinglePass), [](CalcInputs& in) { in.ntsc = false; }),
     {{txtLength, "1h, 40m, 0s, 0f"}, {txtCCEMin, "5779"}},
     4300000000},
    {"SinglePassPalLowRate",
     With(Movie("25", "150000", kMethodSinglePass),
          [](CalcInputs& in) {
            in.ntsc = false;
            in.bytes_dest = 1900000000;
          }),
     {{txtLength, "1h, 40m, 0s, 0f"}, {txtCCEMin, "-2059"}},
     1500000000},
    {"SinglePassPalAtThresholdUsesLowRateLine",
     With(Movie("25", "150000", kMethodSinglePass),
          [](CalcInputs& in) {
            in.ntsc = false;
            in.bytes_dest = 3593.0 * 128 * 6000 + 400000000;  // B = 3593 exactly
          }),
     {{txtLength, "1h, 40m, 0s, 0f"}, {txtCCEMin, "2929"}},
     3593.0 * 128 * 6000},
    {"SinglePassPalJustAboveThresholdUsesHighRateLine",
     With(Movie("25", "150000", kMethodSinglePass),
          [](CalcInputs& in) {
            in.ntsc = false;
            in.bytes_dest = 3594.0 * 128 * 6000 + 400000000;
          }),
     {{txtLength, "1h, 40m, 0s, 0f"}, {txtCCEMin, "3002"}},
     3594.0 * 128 * 6000},
    {"SinglePassPalCapped",
     With(Movie("25", "150000", kMethodSinglePass),
          [](CalcInputs& in) {
            in.ntsc = false;
            in.txtCCEMax = "5000";
          }),
     {{txtLength, "1h, 40m, 0s, 0f"}, {txtCCEMin, "5000"}},
     4300000000},
    {"NtscOptionAt25FpsStillUsesNtscFormula",
     Movie("25", "150000", kMethodSinglePass),
     {{txtLength, "1h, 40m, 0s, 0f"}, {txtCCEMin, "5436"}},
     5436.0 * 6000 * 128 * 1.03},
    {"SinglePassUnreadableCapCountsAsZero",
     With(Movie("25", "150000", kMethodSinglePass), [](CalcInputs& in) { in.txtCCEMax = "1E400"; }),
     {{txtLength, "1h, 40m, 0s, 0f"}, {txtCCEMin, "0"}},
     0},
    {"Bach",
     Bach("150000", "1500"),
     {{txtLength, "1h, 40m, 0s, 0f"},
      {txtCCEMin, "0"},
      {txtM2VSize, "0"},
      {lblSampPerc, "(1%)"},
      {txtCCEQ, "39"}},
     1024 * (((39 - (40 + 40960 * 0.0013)) / -0.0013) / 0.01)},
    {"BachShortClip",
     Bach("1000", "10"),
     {{txtLength, "0h, 0m, 40s, 0f"},
      {txtCCEMin, "0"},
      {txtM2VSize, "0"},
      {lblSampPerc, "(1%)"},
      {txtCCEQ, "39"}},
     1024 * (((39 - (40 + 40960 * 0.0011)) / -0.0011) / 0.01)},
    {"BachFractionalShare",
     Bach("150000", "1234"),
     {{txtLength, "1h, 40m, 0s, 0f"},
      {txtCCEMin, "0"},
      {txtM2VSize, "0"},
      {lblSampPerc, "(0.82%)"},
      {txtCCEQ, "49"}},
     1024 * (((49 - (40 + 40960 * 0.0013)) / -0.0013) / (1234.0 / 150000))},
    {"BachQBelowOneBecomesOne",
     With(Bach("150000", "1500"),
          [](CalcInputs& in) {
            in.txtSampleQ = "2";
            in.bytes_sampsize = 0;
          }),
     {{txtLength, "1h, 40m, 0s, 0f"},
      {txtCCEMin, "0"},
      {txtM2VSize, "0"},
      {lblSampPerc, "(1%)"},
      {txtCCEQ, "-52"},
      {txtCCEQ, "1"}},
     1024 * (((1 - 2.0) / -0.0013) / 0.01)},
    {"BachQOfExactlyOneIsWrittenOnce",
     With(Bach("150000", "1500"),
          [](CalcInputs& in) {
            in.txtSampleQ = "55";
            in.bytes_sampsize = 0;
          }),
     {{txtLength, "1h, 40m, 0s, 0f"},
      {txtCCEMin, "0"},
      {txtM2VSize, "0"},
      {lblSampPerc, "(1%)"},
      {txtCCEQ, "1"}},
     1024 * (((1 - 55.0) / -0.0013) / 0.01)},
    {"MethodTextEmptyIsMultiPass",
     Movie("25", "90000", ""),
     {{txtLength, "1h, 0m, 0s, 0f"}, {txtCCEMin, "9556"}},
     4300200000},
    {"MethodTextOtherCaseIsMultiPass",
     Movie("25", "90000", "single pass vbr"),
     {{txtLength, "1h, 0m, 0s, 0f"}, {txtCCEMin, "9556"}},
     4300200000},
    {"MethodTextWithTrailingBlankIsMultiPass",
     Movie("25", "90000", "Single Pass VBR "),
     {{txtLength, "1h, 0m, 0s, 0f"}, {txtCCEMin, "9556"}},
     4300200000},
    {"NegativeFrameCount",
     Movie("25", "-100"),
     {{txtLength, "-1h, 59m, 56s, 0f"}, {txtCCEMin, "-8600000"}},
     4300000000},
    // Failure paths, with the writes made before them.
    {"BachNoSample",
     Bach("150000", ""),
     {{txtLength, "1h, 40m, 0s, 0f"},
      {txtCCEMin, "0"},
      {txtM2VSize, "0"},
      {lblSampPerc, "(0%)"},
      {txtCCEMin, "0"},
      {txtM2VSize, "0"}},
     std::nullopt,
     true},
    {"BachSampleNotANumber",
     Bach("150000", "abc"),
     {{txtLength, "1h, 40m, 0s, 0f"},
      {txtCCEMin, "0"},
      {txtM2VSize, "0"},
      {lblSampPerc, "(0%)"},
      {txtCCEMin, "0"},
      {txtM2VSize, "0"}},
     std::nullopt,
     true},
    {"BachSampleZero",
     Bach("150000", "0"),
     {{txtLength, "1h, 40m, 0s, 0f"},
      {txtCCEMin, "0"},
      {txtM2VSize, "0"},
      {lblSampPerc, "(0%)"},
      {txtCCEMin, "0"},
      {txtM2VSize, "0"}},
     std::nullopt,
     true},
    {"BachQOverflowFailsBeforeTheQBox",
     With(Bach("150000", "1500"), [](CalcInputs& in) { in.txtSampleQ = "40000"; }),
     {{txtLength, "1h, 40m, 0s, 0f"},
      {txtCCEMin, "0"},
      {txtM2VSize, "0"},
      {lblSampPerc, "(1%)"},
      {txtCCEMin, "0"},
      {txtM2VSize, "0"}},
     std::nullopt,
     true},
    {"BachEstimateOverflowKeepsTheQBox",
     Bach("150000", "1E-300"),
     {{txtLength, "1h, 40m, 0s, 0f"},
      {txtCCEMin, "0"},
      {txtM2VSize, "0"},
      {lblSampPerc, "(0%)"},
      {txtCCEQ, "94"},
      {txtCCEMin, "0"},
      {txtM2VSize, "0"}},
     std::nullopt,
     true},
    {"BachShareOverflowFailsBeforeTheCaption",
     Bach("1E-5", "1E308"),
     {{txtLength, "0h, 0m, 0s, 0f"},
      {txtCCEMin, "0"},
      {txtM2VSize, "0"},
      {txtCCEMin, "0"},
      {txtM2VSize, "0"}},
     std::nullopt,
     true},
    {"FrameRateEmpty", Movie("", "90000"), kFailOnly, std::nullopt, true},
    {"FrameRateNotANumber", Movie("abc", "90000"), kFailOnly, std::nullopt, true},
    {"FrameRatePartlyANumber", Movie("25fps", "90000"), kFailOnly, std::nullopt, true},
    {"FrameRateZero", Movie("0", "90000"), kFailOnly, std::nullopt, true},
    {"FrameRateAndCountZero", Movie("0", "0"), kFailOnly, std::nullopt, true},
    {"FrameRateOutOfRange", Movie("1E400", "90000"), kFailOnly, std::nullopt, true},
    {"FrameRateNaN", Movie("NaN", "90000"), kFailOnly, std::nullopt, true},
    {"FrameRateInfinity", Movie("Infinity", "90000"), kFailOnly, std::nullopt, true},
    {"FrameCountEmpty", Movie("25", ""), kFailOnly, std::nullopt, true},
    {"FrameCountLoneSign", Movie("25", "-"), kFailOnly, std::nullopt, true},
    {"FrameCountTenThousandDigits", Movie("25", std::string(10000, '9')), kFailOnly, std::nullopt,
     true},
    {"FrameCountInvalidUtf8", Movie("25", "9\xC3\x28"), kFailOnly, std::nullopt, true},
    {"FrameCountEmbeddedNul",
     Movie("25", std::string("900\0"
                             "00",
                             6)),
     kFailOnly, std::nullopt, true},
    {"PlayingTimeOverflow", Movie("1E-308", "1E308"), kFailOnly, std::nullopt, true},
    {"MultiPassFrameCountZeroKeepsRoomAsEstimate",
     Movie("25", "0"),
     {{txtLength, "0h, 0m, 0s, 0f"}, {txtCCEMin, "0"}, {txtM2VSize, "0"}},
     4300000000,
     true},
    {"SinglePassFrameCountZero",
     Movie("25", "0", kMethodSinglePass),
     {{txtLength, "0h, 0m, 0s, 0f"}, {txtCCEMin, "0"}, {txtM2VSize, "0"}},
     std::nullopt,
     true},
    {"BachFrameCountZero",
     Bach("0", "1500"),
     {{txtLength, "0h, 0m, 0s, 0f"},
      {txtCCEMin, "0"},
      {txtM2VSize, "0"},
      {txtCCEMin, "0"},
      {txtM2VSize, "0"}},
     std::nullopt,
     true},
    {"RoomOverflow",
     With(Movie("25", "90000"),
          [](CalcInputs& in) {
            in.bytes_dest = DBL_MAX;
            in.bytes_aud = -DBL_MAX;
          }),
     {{txtLength, "1h, 0m, 0s, 0f"}, {txtCCEMin, "0"}, {txtM2VSize, "0"}},
     std::nullopt,
     true},
    {"InfiniteByteCount",
     With(Movie("25", "90000"),
          [](CalcInputs& in) { in.bytes_sub = std::numeric_limits<double>::infinity(); }),
     {{txtLength, "1h, 0m, 0s, 0f"}, {txtCCEMin, "0"}, {txtM2VSize, "0"}},
     std::nullopt,
     true},
    {"SinglePassEstimateOverflowAfterTheMinimum",
     With(Movie("30", "108000", kMethodSinglePass),
          [](CalcInputs& in) { in.txtCCEMax = "-1E308"; }),
     {{txtLength, "1h, 0m, 0s, 0f"}, {txtCCEMin, "-1E+308"}, {txtCCEMin, "0"}, {txtM2VSize, "0"}},
     std::nullopt,
     true},
};

class WorkedExample : public testing::TestWithParam<Example> {};

TEST_P(WorkedExample, WritesInOrderAndSetsTheEstimate) {
  const Example& e = GetParam();
  const CalcResult r = calc(e.in, NumberLocale::EnglishUS());
  EXPECT_THAT(WritesOf(r), ElementsAreArray(e.writes));
  EXPECT_EQ(r.failed, e.failed);
  EXPECT_EQ(r.refreshDisplay, !e.failed);
  ASSERT_EQ(r.bytes_m2v.has_value(), e.bytesM2v.has_value());
  if (e.bytesM2v) {
    EXPECT_EQ(*r.bytes_m2v, *e.bytesM2v);
  }
}

INSTANTIATE_TEST_SUITE_P(Calc, WorkedExample, testing::ValuesIn(kExamples),
                         [](const testing::TestParamInfo<Example>& p) {
                           return std::string(p.param.name);
                         });

TEST(Calc, BachEstimateMatchesTheModel) {
  const CalcResult r = calc(Bach("150000", "1500"), NumberLocale::EnglishUS());
  ASSERT_TRUE(r.bytes_m2v.has_value());
  EXPECT_NEAR(*r.bytes_m2v, 4273073230.77, 0.005);
}

// The room for the video, which the window does not show, for the command line.
TEST(Calc, ReportsTheRoomForTheVideo) {
  CalcInputs in = Movie("25", "90000");
  in.bytes_cush = 100000000;
  in.bytes_sub = 500000000;
  EXPECT_EQ(calc(in, NumberLocale::EnglishUS()).bytes_video, 4190000000);
  // Known even where the run fails later on.
  EXPECT_EQ(calc(Movie("25", "0"), NumberLocale::EnglishUS()).bytes_video, 4300000000);
  EXPECT_EQ(calc(Movie("", "90000"), NumberLocale::EnglishUS()).bytes_video, std::nullopt);
}

TEST(Calc, EstimateShownInMegabytes) {
  const CalcResult r = calc(Movie("25", "90000"), NumberLocale::EnglishUS());
  ASSERT_TRUE(r.bytes_m2v.has_value());
  EXPECT_EQ(FromBytes("MB", *r.bytes_m2v), 4100.9903);
}

struct LengthCase {
  const char* fps;
  const char* frames;
  const char* length;
};

class PlayingTime : public testing::TestWithParam<LengthCase> {};

TEST_P(PlayingTime, FloorsEachPart) {
  const CalcResult r = calc(Movie(GetParam().fps, GetParam().frames), NumberLocale::EnglishUS());
  ASSERT_GE(r.writeCount, 1u);
  EXPECT_EQ(r.writes[0].target, txtLength);
  EXPECT_EQ(r.writes[0].text, GetParam().length);
}

INSTANTIATE_TEST_SUITE_P(Calc, PlayingTime,
                         testing::Values(LengthCase{"25", "94321", "1h, 2m, 52s, 21f"},
                                         LengthCase{"25", "90000", "1h, 0m, 0s, 0f"},
                                         LengthCase{"29.969875", "100000", "0h, 55m, 36s, 20f"},
                                         LengthCase{"25", "-100", "-1h, 59m, 56s, 0f"},
                                         LengthCase{"25", "0", "0h, 0m, 0s, 0f"},
                                         LengthCase{"25", "-0", "0h, 0m, 0s, 0f"},
                                         LengthCase{"25", "100.75", "0h, 0m, 4s, 0f"},
                                         LengthCase{"25", "1E12", "11111111h, 6m, 40s, 0f"}));

// The average is read back from the text just written, so a rounded 15-digit text decides.
TEST(Calc, MultiPassEstimateUsesTheAverageAsWritten) {
  CalcInputs in = Movie("25", "25");  // T = 1
  in.bytes_aud = 0;
  in.bytes_dest = 1234567890123456789.0 * 125;
  const CalcResult r = calc(in, NumberLocale::EnglishUS());
  ASSERT_FALSE(r.failed);
  ASSERT_EQ(r.writeCount, 2u);
  EXPECT_EQ(r.writes[1].text, "1.23456789012346E+18");
  EXPECT_EQ(*r.bytes_m2v, 1.23456789012346E+18 * 125);
}

TEST(Calc, SameInputsGiveTheSameOutputs) {
  const CalcInputs in = Bach("150000", "1500");
  const CalcResult a = calc(in, NumberLocale::EnglishUS());
  const CalcResult b = calc(in, NumberLocale::EnglishUS());
  EXPECT_EQ(WritesOf(a), WritesOf(b));
  EXPECT_EQ(a.bytes_m2v, b.bytes_m2v);
}

struct LocaleCase {
  NumberLocale locale;
  const char* fps;
  const char* frames;
  const char* sampleFrames;
  const char* caption;
};

class CalcLocale : public testing::TestWithParam<LocaleCase> {};

TEST_P(CalcLocale, ReadsAndWritesTheUsersSymbols) {
  const LocaleCase& c = GetParam();
  CalcInputs in = Bach(c.frames, c.sampleFrames);
  in.txtFPS = c.fps;
  const CalcResult r = calc(in, c.locale);
  ASSERT_FALSE(r.failed);
  EXPECT_THAT(WritesOf(r), ElementsAreArray(Writes{{txtLength, "1h, 40m, 0s, 0f"},
                                                   {txtCCEMin, "0"},
                                                   {txtM2VSize, "0"},
                                                   {lblSampPerc, c.caption},
                                                   {txtCCEQ, "49"}}));
}

INSTANTIATE_TEST_SUITE_P(
    Calc, CalcLocale,
    testing::Values(LocaleCase{NumberLocale::EnglishUS(), "25.0", "150,000", "1,234", "(0.82%)"},
                    LocaleCase{NumberLocale::GermanDE(), "25,0", "150.000", "1.234", "(0,82%)"},
                    LocaleCase{NumberLocale::FrenchFR(), "25,0",
                               "150\xE2\x80\xAF"
                               "000",
                               "1\xE2\x80\xAF"
                               "234",
                               "(0,82%)"}));

bool HasInfOrNaN(const std::string& text) {
  std::string lower;
  for (char c : text)
    lower.push_back(static_cast<char>(std::tolower(static_cast<unsigned char>(c))));
  return lower.find("inf") != std::string::npos || lower.find("nan") != std::string::npos;
}

// Any text in any box: a number or 0, the failure path where the frame texts cannot be read,
// never an exception, an infinity or a NaN.
TEST(CalcBadInput, AnyTextInAnyBox) {
  const std::vector<std::string> bad = {"",
                                        "abc",
                                        "12abc",
                                        "1E400",
                                        "-1E400",
                                        "1E-400",
                                        "NaN",
                                        "Infinity",
                                        "-",
                                        "+",
                                        std::string(10000, '9'),
                                        "0." + std::string(10000, '0') + "1",
                                        "\xC3\x28",
                                        std::string("1\0"
                                                    "5",
                                                    3),
                                        "1.79769313486232E+308",
                                        "-1.79769313486232E+308",
                                        "4.94065645841247E-324"};
  const char* methods[] = {kMethodSinglePass, kMethodBach, kMethodMultiPass};
  std::string CalcInputs::*boxes[] = {&CalcInputs::txtFPS, &CalcInputs::txtFrames,
                                      &CalcInputs::txtCCEMax, &CalcInputs::txtSampleFrame,
                                      &CalcInputs::txtSampleQ};
  const NumberLocale locales[] = {NumberLocale::EnglishUS(), NumberLocale::GermanDE(),
                                  NumberLocale::FrenchFR()};
  for (const NumberLocale& locale : locales) {
    for (const char* method : methods) {
      for (bool ntsc : {true, false}) {
        for (auto box : boxes) {
          for (const std::string& text : bad) {
            CalcInputs in = Bach("150000", "1500");
            in.cmbCCESet = method;
            in.ntsc = ntsc;
            in.*box = text;
            const CalcResult r = calc(in, locale);
            const std::string where = std::string(method) + " " + testing::PrintToString(text);
            for (const CalcWrite& w : r) {
              EXPECT_FALSE(HasInfOrNaN(w.text)) << where << w.text;
            }
            if (r.bytes_m2v) {
              EXPECT_TRUE(std::isfinite(*r.bytes_m2v)) << where;
            }
            if (r.failed) {
              ASSERT_GE(r.writeCount, 2u);
              EXPECT_EQ(r.writes[r.writeCount - 2].target, txtCCEMin) << where;
              EXPECT_EQ(r.writes[r.writeCount - 2].text, "0") << where;
              EXPECT_EQ(r.writes[r.writeCount - 1].target, txtM2VSize) << where;
              EXPECT_EQ(r.writes[r.writeCount - 1].text, "0") << where;
            }
            const bool frameTextUnreadable =
                (box == &CalcInputs::txtFPS || box == &CalcInputs::txtFrames) &&
                !ParseNumber(text, locale).has_value();
            if (frameTextUnreadable) {
              EXPECT_TRUE(r.failed) << where;
              EXPECT_THAT(WritesOf(r), ElementsAreArray(kFailOnly)) << where;
            }
          }
        }
      }
    }
  }
}

}  // namespace
}  // namespace quillbit
