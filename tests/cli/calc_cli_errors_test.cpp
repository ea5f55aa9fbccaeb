// Inputs the program refuses, calculations that fail, and the warnings a DVD author needs.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tests/cli/cli_json.h"

namespace quillbit {
namespace {

using Args = std::vector<std::string>;

struct Refusal {
  const char* name;
  Args args;
  int status;
  const char* message;  // the whole of stderr
};

void PrintTo(const Refusal& r, std::ostream* os) {
  *os << r.name;
}

const Refusal kRefusals[] = {
    // Inputs that cannot be used: status 2.
    {"SizeWithLetters",
     {"--audio", "12abc"},
     2,
     "quillbit-calc: --audio: '12abc' is not a size (examples: 448000KB, 1.5GB, 1610612736)\n"},
    {"SizeWithUnknownUnit",
     {"--subtitles=5TB"},
     2,
     "quillbit-calc: --subtitles: '5TB' is not a size (examples: 448000KB, 1.5GB, 1610612736)\n"},
    {"SizeWithCommaDecimal",
     {"--cushion", "1,5GB"},
     2,
     "quillbit-calc: --cushion: '1,5GB' is not a size (examples: 448000KB, 1.5GB, 1610612736)\n"},
    {"NegativeSize",
     {"--sample-size", "-1MB"},
     2,
     "quillbit-calc: --sample-size: '-1MB' is not a size (examples: 448000KB, 1.5GB, "
     "1610612736)\n"},
    {"UnitAlone",
     {"--audio", "KB"},
     2,
     "quillbit-calc: --audio: 'KB' is not a size (examples: 448000KB, 1.5GB, 1610612736)\n"},
    {"UnknownDisc",
     {"--destination", "bd-r"},
     2,
     "quillbit-calc: --destination: 'bd-r' is not a size or a disc (examples: 4.38GB, "
     "4707319808, dvd-r, dvd+r-dl)\n"},
    {"FrameCountNotANumber",
     {"--frames", "lots"},
     2,
     "quillbit-calc: --frames: 'lots' is not a frame count (a whole number, 0 or more)\n"},
    {"FrameCountNegative",
     {"--frames=-100"},
     2,
     "quillbit-calc: --frames: '-100' is not a frame count (a whole number, 0 or more)\n"},
    {"FrameCountFraction",
     {"--frames", "100.75"},
     2,
     "quillbit-calc: --frames: '100.75' is not a frame count (a whole number, 0 or more)\n"},
    {"FrameCountGrouped",
     {"--frames", "90,000"},
     2,
     "quillbit-calc: --frames: '90,000' is not a frame count (a whole number, 0 or more)\n"},
    {"SampleQNotANumber",
     {"--sample-q", "forty"},
     2,
     "quillbit-calc: --sample-q: 'forty' is not a number\n"},
    {"CceMaxEmpty", {"--cce-max="}, 2, "quillbit-calc: --cce-max: '' is not a number\n"},
    {"UnknownFormat",
     {"--format", "secam"},
     2,
     "quillbit-calc: --format: 'secam' is not a TV format (ntsc or pal)\n"},
    {"UnknownMethod",
     {"--method", "two-pass"},
     2,
     "quillbit-calc: --method: 'two-pass' is not a method (single-pass, bach or multi-pass)\n"},
    {"UnknownUnit",
     {"--unit", "TB"},
     2,
     "quillbit-calc: --unit: 'TB' is not a unit (Bytes, KB, MB or GB)\n"},
    {"MissingValueAtTheEnd", {"--frames"}, 2, "quillbit-calc: --frames: needs a value\n"},
    {"MissingValueBeforeAnOption",
     {"--audio", "--json"},
     2,
     "quillbit-calc: --audio: needs a value\n"},
    {"UnknownOption",
     {"--frame", "90000"},
     2,
     "quillbit-calc: --frame: unknown option (see --help)\n"},
    {"SwitchWithAValue", {"--json=yes"}, 2, "quillbit-calc: --json: takes no value\n"},
    {"LooseArgument",
     {"movie.d2v"},
     2,
     "quillbit-calc: 'movie.d2v': unexpected argument (see --help)\n"},
    {"SingleDashOption", {"-h"}, 2, "quillbit-calc: '-h': unexpected argument (see --help)\n"},
    {"NoFrameCount", {}, 2, "quillbit-calc: no frame count: give --frames N or --project FILE\n"},
    // The calculation's failure path: status 1.
    {"FrameCountZero",
     {"--method", "multi-pass", "--format", "pal", "--frames", "0"},
     1,
     "quillbit-calc: no playing time: the frame count is 0\n"},
    {"FrameCountZeroSinglePass",
     {"--frames", "0"},
     1,
     "quillbit-calc: no playing time: the frame count is 0\n"},
    {"BachWithoutSample",
     {"--method", "bach", "--frames", "150000"},
     1,
     "quillbit-calc: no sample: the Bach method needs the sample's frame count (--sample-frames) "
     "above 0\n"},
    {"BachQOutOfRange",
     {"--method", "bach", "--format", "pal", "--frames", "150000", "--sample-frames", "1500",
      "--sample-q", "40000"},
     1,
     "quillbit-calc: the sample gives no usable Q (it would lie outside -32768 to 32767): check "
     "--sample-q, --sample-size and --sample-frames\n"},
    {"SizeTooLarge",
     {"--frames", "90000", "--destination", "1E308GB"},
     2,
     "quillbit-calc: --destination: '1E308GB' is not a size or a disc (examples: 4.38GB, "
     "4707319808, dvd-r, dvd+r-dl)\n"},
    {"EstimateOverflow",
     {"--frames", "108000", "--cce-max", "-1E308"},
     1,
     "quillbit-calc: the numbers are out of range: the calculation overflowed\n"},
};

class Refused : public testing::TestWithParam<Refusal> {};

TEST_P(Refused, SaysWhyOnStderrAndNothingOnStdout) {
  const CliRun run = RunCli(GetParam().args);
  EXPECT_EQ(run.status, GetParam().status);
  EXPECT_EQ(run.err, GetParam().message);
  EXPECT_EQ(run.out, "");
}

INSTANTIATE_TEST_SUITE_P(Cli, Refused, testing::ValuesIn(kRefusals),
                         [](const testing::TestParamInfo<Refusal>& p) {
                           return std::string(p.param.name);
                         });

struct WarningCase {
  const char* name;
  Args args;
  std::vector<std::string> warnings;
};

void PrintTo(const WarningCase& w, std::ostream* os) {
  *os << w.name;
}

const WarningCase kWarnings[] = {
    {"NoneForAFittingEncode",
     {"--method", "multi-pass", "--format", "pal", "--frames", "150000", "--cushion", "0",
      "--destination", "4300800000"},
     {}},
    {"VideoBitrateAboveDvdVideo",
     {"--method", "multi-pass", "--format", "pal", "--frames", "90000", "--cushion", "0",
      "--destination", "4410450000"},
     {"the video bitrate of 9801 kbit/s is above 9800 kbit/s, the most DVD-Video allows "
      "for video"}},
    {"SinglePassMinimumAboveDvdVideo",
     {"--no-film", "--frames", "107892", "--cce-max", "10000", "--destination", "dvd+r-dl",
      "--cushion", "0"},
     {"the video bitrate of 10000 kbit/s is above 9800 kbit/s, the most DVD-Video allows for "
      "video"}},
    {"EstimateLargerThanTheRoom",
     {"--method", "multi-pass", "--format", "pal", "--frames", "90000", "--destination",
      "4700000000", "--audio", "400000000", "--cushion", "0"},
     {"the estimated size of 4300200000 bytes is larger than the room for the video, 4300000000 "
      "bytes"}},
    {"NegativeRoom",
     {"--method", "bach", "--format", "pal", "--frames", "150000", "--sample-frames", "1500",
      "--sample-q", "40", "--audio", "5GB"},
     {"no room for the video: audio, subtitles and cushion take 787218432 bytes more than the "
      "destination holds"}},
};

class Warned : public testing::TestWithParam<WarningCase> {};

TEST_P(Warned, OnStderrAndInTheJsonWithTheResult) {
  Args args = GetParam().args;
  args.push_back("--json");
  const CliRun run = RunCli(args);
  const nlohmann::json json = JsonOf(run);
  EXPECT_EQ(json.value("warnings", std::vector<std::string>{"missing"}), GetParam().warnings);
  std::string err;
  for (const std::string& warning : GetParam().warnings)
    err += "quillbit-calc: warning: " + warning + "\n";
  EXPECT_EQ(run.err, err);
}

INSTANTIATE_TEST_SUITE_P(Cli, Warned, testing::ValuesIn(kWarnings),
                         [](const testing::TestParamInfo<WarningCase>& p) {
                           return std::string(p.param.name);
                         });

TEST(CliHelp, PrintsTheUsageAndSucceeds) {
  const CliRun run = RunCli({"--frames", "x", "--help"});
  // The bad frame count comes first and is refused; --help alone wins.
  EXPECT_EQ(run.status, 2);
  const CliRun help = RunCli({"--json", "--help"});
  EXPECT_EQ(help.status, 0);
  EXPECT_EQ(help.out, CalcUsageText());
  EXPECT_EQ(help.err, "");
}

TEST(CliHelp, NamesEveryOption) {
  for (const char* option :
       {"--frames", "--project", "--format", "--film", "--no-film", "--method", "--audio",
        "--audio-track", "--subtitles", "--cushion", "--destination", "--sample-frames",
        "--sample-q", "--sample-size", "--cce-max", "--unit", "--json", "--help", "--version"}) {
    EXPECT_THAT(CalcUsageText(), testing::HasSubstr(std::string("  ") + option)) << option;
  }
}

TEST(CliVersion, IsTheProjectsVersion) {
  const CliRun run = RunCli({"--version"});
  EXPECT_EQ(run.status, 0);
  EXPECT_EQ(run.out, "quillbit-calc " QUILLBIT_TEST_VERSION "\n");
}

}  // namespace
}  // namespace quillbit
