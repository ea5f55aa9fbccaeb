// The window's worked examples, typed on the command line: the same numbers to the last digit.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

#include "tests/cli/cli_json.h"

namespace quillbit {
namespace {

using Args = std::vector<std::string>;

// The sizes of the window's worked examples: destination 4700000000, audio 400000000, no cushion.
Args Example(Args more) {
  Args args = {"--json", "--destination", "4700000000", "--audio=400000000", "--cushion", "0"};
  args.insert(args.end(), more.begin(), more.end());
  return args;
}

Args BachExample(const std::string& frames, const std::string& sampleFrames,
                 const std::string& sampleQ = "40") {
  return Example({"--method", "bach", "--format", "pal", "--frames", frames, "--sample-frames",
                  sampleFrames, "--sample-q", sampleQ, "--sample-size", "40MB"});
}

struct Expected {
  const char* name;
  Args args;
  double fps;
  const char* method;
  const char* length;
  double videoBytes;
  std::optional<double> cceMin;  // none for Bach
  std::optional<double> cceQ;
  std::optional<double> samplePercent;
  double bytesM2v;
  double estimatedSize;
  const char* unit = "KB";
};

void PrintTo(const Expected& e, std::ostream* os) {
  *os << e.name;
}

const Expected kExamples[] = {
    {"SinglePassNtscCapped", Example({"--no-film", "--frames", "107892"}), 29.969875,
     "Single Pass VBR", "1h, 0m, 0s, 0f", 4300000000, 8000, std::nullopt, std::nullopt,
     3797007836.7026892, 3708015.4655},
    {"SinglePassNtscUnderTheCap", Example({"--no-film", "--frames", "215784"}), 29.969875,
     "Single Pass VBR", "2h, 0m, 0s, 0f", 4300000000, 4530, std::nullopt, std::nullopt,
     4300111375.0657959, 4199327.5147},
    {"SinglePassPal", Example({"--format", "pal", "--frames", "150000"}), 25, "Single Pass VBR",
     "1h, 40m, 0s, 0f", 4300000000, 5779, std::nullopt, std::nullopt, 4300000000, 4199218.75},
    {"SinglePassPalLowRate",
     Example({"--format", "pal", "--frames", "150000", "--destination", "1900000000"}), 25,
     "Single Pass VBR", "1h, 40m, 0s, 0f", 1500000000, -2059, std::nullopt, std::nullopt,
     1500000000, 1464843.75},
    {"SinglePassPalAtTheThreshold",
     Example({"--format", "pal", "--frames", "150000", "--audio", "0KB", "--destination",
              "2759424000"}),
     25, "Single Pass VBR", "1h, 40m, 0s, 0f", 2759424000, 2929, std::nullopt, std::nullopt,
     2759424000, 2694750},
    {"MultiPassHourInMegabytes",
     Example({"--method", "multi-pass", "--format", "pal", "--frames", "90000", "--unit", "MB"}),
     25, "Multi-Pass VBR", "1h, 0m, 0s, 0f", 4300000000, 9556, std::nullopt, std::nullopt,
     4300200000, 4100.9903, "MB"},
    {"MultiPassCushionAndSubtitles",
     Example({"--method", "Multi-Pass VBR", "--format", "pal", "--frames", "90000", "--cushion",
              "100000000", "--subtitles", "500000000"}),
     25, "Multi-Pass VBR", "1h, 0m, 0s, 0f", 4190000000, 9311, std::nullopt, std::nullopt,
     4189950000, 4091748.0469},
    {"Bach", BachExample("150000", "1500"), 25, "Single Pass (Bach Method)", "1h, 40m, 0s, 0f",
     4300000000, std::nullopt, 39, 1, 4273073230.7692304, 4172923.0769},
    {"BachSampleShare", BachExample("150000", "1234"), 25, "Single Pass (Bach Method)",
     "1h, 40m, 0s, 0f", 4300000000, std::nullopt, 49, 0.82, 4236686697.4192734, 4137389.3529},
    {"BachQBelowOne", BachExample("150000", "1500", "1"), 25, "Single Pass (Bach Method)",
     "1h, 40m, 0s, 0f", 4300000000, std::nullopt, 1, 1, 4194304000, 4096000},
    {"BachShortClip", BachExample("1000", "10"), 25, "Single Pass (Bach Method)", "0h, 0m, 40s, 0f",
     4300000000, std::nullopt, 39, 1, 1024 * (((39 - (40 + 40960 * 0.0011)) / -0.0011) / 0.01),
     4186909.0909},
};

class WindowExample : public testing::TestWithParam<Expected> {};

TEST_P(WindowExample, PrintsTheWindowsNumbers) {
  const Expected& e = GetParam();
  const nlohmann::json json = JsonOf(RunCli(e.args));
  EXPECT_EQ(json.value("fps", 0.0), e.fps);
  EXPECT_EQ(json.value("method", ""), e.method);
  EXPECT_EQ(json.value("length", ""), e.length);
  EXPECT_EQ(json.value("video_bytes", 0.0), e.videoBytes);
  if (e.cceMin) {
    EXPECT_EQ(json.value("cce_min", 0.5), *e.cceMin);
  } else {
    EXPECT_TRUE(json["cce_min"].is_null());
  }
  if (e.cceQ) {
    EXPECT_EQ(json.value("cce_q", 0.0), *e.cceQ);
    EXPECT_EQ(json.value("sample_percent", 0.0), *e.samplePercent);
  } else {
    EXPECT_TRUE(json["cce_q"].is_null());
    EXPECT_TRUE(json["sample_percent"].is_null());
  }
  EXPECT_EQ(json.value("bytes_m2v", 0.0), e.bytesM2v);
  EXPECT_EQ(json.value("estimated_size", 0.0), e.estimatedSize);
  EXPECT_EQ(json.value("unit", ""), e.unit);
}

INSTANTIATE_TEST_SUITE_P(Cli, WindowExample, testing::ValuesIn(kExamples),
                         [](const testing::TestParamInfo<Expected>& p) {
                           return std::string(p.param.name);
                         });

struct RateCase {
  const char* name;
  Args args;
  double fps;
  const char* length;
};

void PrintTo(const RateCase& c, std::ostream* os) {
  *os << c.name;
}

// The frame rate the window gives each format, with and without Forced FILM. A new window has
// NTSC with Forced FILM checked; choosing PAL clears it.
const RateCase kRates[] = {
    {"StartIsNtscWithForcedFilm", {"--frames", "86314"}, 23.9759, "1h, 0m, 0s, 0f"},
    {"NtscWithoutFilm", {"--frames", "100000", "--no-film"}, 29.969875, "0h, 55m, 36s, 20f"},
    {"NtscWithFilm",
     {"--format", "ntsc", "--film", "--frames", "100000"},
     23.9759,
     "1h, 9m, 30s, 20f"},
    {"PalClearsFilm", {"--format", "pal", "--frames", "94321"}, 25, "1h, 2m, 52s, 21f"},
    {"PalWithFilm", {"--format=pal", "--film", "--frames", "72000"}, 20, "1h, 0m, 0s, 0f"},
    {"FormatInCapitals", {"--format", "PAL", "--frames", "90000"}, 25, "1h, 0m, 0s, 0f"},
};

class FrameRate : public testing::TestWithParam<RateCase> {};

TEST_P(FrameRate, IsTheWindowsRateAndLength) {
  Args args = GetParam().args;
  args.push_back("--json");
  const nlohmann::json json = JsonOf(RunCli(args));
  EXPECT_EQ(json.value("fps", 0.0), GetParam().fps);
  EXPECT_EQ(json.value("length", ""), GetParam().length);
}

INSTANTIATE_TEST_SUITE_P(Cli, FrameRate, testing::ValuesIn(kRates),
                         [](const testing::TestParamInfo<RateCase>& p) {
                           return std::string(p.param.name);
                         });

TEST(CliDefaults, AreTheNewWindowsValues) {
  const nlohmann::json json = JsonOf(RunCli({"--frames", "90000", "--json"}));
  // 4707319808 - 120 MB, at 23.9759 fps, Single Pass VBR capped at CCE Max 8000.
  EXPECT_EQ(json["video_bytes"], 4707319808.0 - 125829120.0);
  EXPECT_EQ(json["method"], "Single Pass VBR");
  EXPECT_EQ(json["cce_min"], 8000);
  EXPECT_EQ(json["unit"], "KB");
}

TEST(CliJson, HasExactlyTheFieldsInOrder) {
  const CliRun run = RunCli({"--frames", "90000", "--json"});
  std::vector<std::string> keys;
  const nlohmann::ordered_json json = nlohmann::ordered_json::parse(run.out);
  for (const auto& [key, value] : json.items()) keys.push_back(key);
  EXPECT_THAT(keys,
              testing::ElementsAre("fps", "frames", "method", "length", "video_bytes", "cce_min",
                                   "cce_q", "sample_percent", "bytes_m2v", "estimated_size", "unit",
                                   "audio_bytes", "audio_tracks", "dvd_limits", "warnings"));
}

TEST(CliJson, WritesWholeNumbersWithoutAFraction) {
  const CliRun run = RunCli({"--frames", "90000", "--format", "pal", "--json"});
  EXPECT_THAT(run.out, testing::HasSubstr("\"frames\": 90000,"));
  EXPECT_THAT(run.out, testing::HasSubstr("\"fps\": 25,"));
}

TEST(CliText, ShowsTheWindowsCaptionsForEachMethod) {
  const Args movie = {"--format",        "pal",  "--frames",   "150000",
                      "--sample-frames", "1500", "--sample-q", "40"};
  auto text = [&movie](const char* method) {
    Args args = movie;
    args.insert(args.end(), {"--method", method});
    return RunCli(args).out;
  };
  EXPECT_THAT(text("single-pass"), testing::HasSubstr("\nRecommended CCE Min:     "));
  EXPECT_THAT(text("multi-pass"), testing::HasSubstr("\nCCE Avg bitrate to use:  "));
  EXPECT_THAT(text("bach"), testing::HasSubstr("\nRecommended CCE Q:       "));
  EXPECT_THAT(text("bach"), testing::HasSubstr("\nSample share:            1%\n"));
}

TEST(CliText, LaysOutOneValueALine) {
  const CliRun run = RunCli({"--format", "pal", "--frames", "150000", "--destination", "4700000000",
                             "--audio", "400000000", "--cushion", "0"});
  EXPECT_EQ(run.status, 0);
  EXPECT_EQ(run.out,
            "Frame rate:              25 fps\n"
            "Frames:                  150000\n"
            "CCE Method:              Single Pass VBR\n"
            "Movie Length:            1h, 40m, 0s, 0f\n"
            "Room for the video:      4300000000 Bytes\n"
            "Recommended CCE Min:     5779 kbps\n"
            "Estimated output size:   4199218.75 KB\n"
            "Audio:                   400000000 Bytes\n"
            "DVD-Video limits:        Within DVD-Video limits\n");
}

}  // namespace
}  // namespace quillbit
