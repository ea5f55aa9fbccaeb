// --audio-track and the check against DVD-Video's limits, as a script sees them.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

#include "tests/cli/cli_json.h"

namespace quillbit {
namespace {

using Args = std::vector<std::string>;

struct TrackCase {
  const char* name;
  Args args;
  std::vector<std::uint64_t> trackBytes;
};

void PrintTo(const TrackCase& c, std::ostream* os) {
  *os << c.name;
}

// Each format's own sizes are the core's; here the rate the options choose, the order and the sum.
const TrackCase kTracks[] = {
    {"NtscAtAFrameBoundary",
     {"--no-film", "--frames", "960", "--audio-track", "ac3:448:6"},
     {1001 * 1792}},
    {"FilmByDefault", {"--frames", "768", "--audio-track", "ac3:192"}, {768768}},
    {"Pal", {"--format", "pal", "--frames", "4", "--audio-track=ac3:384:6"}, {7680}},
    {"SeveralInOrder",
     {"--format", "pal", "--frames", "25", "--audio-track", "ac3:448:6", "--audio-track", "mp2:224",
      "--audio-track", "dts:1509.75"},
     {32 * 1792, 42 * 672, 188719}},
};

class AudioTracks : public testing::TestWithParam<TrackCase> {};

TEST_P(AudioTracks, AreSizedExactlyAndStandForTheAudio) {
  Args args = GetParam().args;
  args.push_back("--json");
  const nlohmann::json json = JsonOf(RunCli(args));
  std::vector<std::uint64_t> bytes;
  std::uint64_t total = 0;
  for (const auto& track : json["audio_tracks"]) {
    bytes.push_back(track.value("bytes", std::uint64_t{0}));
    total += bytes.back();
  }
  EXPECT_EQ(bytes, GetParam().trackBytes);
  EXPECT_EQ(json.value("audio_bytes", std::uint64_t{0}), total);
}

INSTANTIATE_TEST_SUITE_P(Cli, AudioTracks, testing::ValuesIn(kTracks),
                         [](const testing::TestParamInfo<TrackCase>& p) {
                           return std::string(p.param.name);
                         });

TEST(CliAudioTracks, RoomForTheVideoIsWhatTheTracksLeave) {
  const Args movie = {"--json", "--format", "pal", "--frames", "25", "--cushion", "0"};
  Args tracks = movie;
  tracks.insert(tracks.end(), {"--audio-track", "ac3:448:6"});
  Args size = movie;
  size.insert(size.end(), {"--audio", "57344"});  // 32 AC-3 frames of 1792 bytes
  EXPECT_EQ(JsonOf(RunCli(tracks))["video_bytes"], JsonOf(RunCli(size))["video_bytes"]);
}

TEST(CliAudioTracks, TextListsEachTrack) {
  const CliRun run = RunCli({"--format", "pal", "--frames", "25", "--audio-track", "ac3:448:6",
                             "--audio-track", "lpcm:4608:2"});
  EXPECT_THAT(run.out, testing::HasSubstr("\nAudio track 1:           AC-3, 6 channels, 448 "
                                          "kbit/s, 57344 Bytes\n"
                                          "Audio track 2:           LPCM, 2 channels, 96 kHz, "
                                          "24 bits, 4608 kbit/s, 576000 Bytes\n"
                                          "Audio:                   633344 Bytes\n"));
}

struct RefusedTrack {
  const char* name;
  Args args;
  const char* message;
};

void PrintTo(const RefusedTrack& c, std::ostream* os) {
  *os << c.name;
}

const RefusedTrack kRefused[] = {
    {"UnknownFormat",
     {"--audio-track", "aac:128"},
     "quillbit-calc: --audio-track: 'aac' is no audio format (ac3, dts, lpcm or mp2)\n"},
    {"NineTracks",
     {"--frames",      "1",      "--audio-track", "mp2:64", "--audio-track", "mp2:64",
      "--audio-track", "mp2:64", "--audio-track", "mp2:64", "--audio-track", "mp2:64",
      "--audio-track", "mp2:64", "--audio-track", "mp2:64", "--audio-track", "mp2:64",
      "--audio-track", "mp2:64"},
     "quillbit-calc: --audio-track: a DVD holds at most 8 audio tracks, not 9\n"},
    {"BothSizeAndTracks",
     {"--audio", "1GB", "--audio-track", "ac3:448"},
     "quillbit-calc: --audio and --audio-track: give the audio's size or its tracks, not both\n"},
    {"MovieTooLongToSize",
     {"--frames", "1000000001", "--audio-track", "ac3:448"},
     "quillbit-calc: --audio-track: the movie is too long to size its audio (at most 1000000000 "
     "frames)\n"},
    {"PastedNovel",
     {"--audio-track", "ac3:" + std::string(100000, '4')},
     "quillbit-calc: --audio-track: '4444444444444444444444444444444444444444...' is no bit rate "
     "in kbit/s\n"},
};

class RefusedTracks : public testing::TestWithParam<RefusedTrack> {};

TEST_P(RefusedTracks, SayWhyWithStatus2) {
  const CliRun run = RunCli(GetParam().args);
  EXPECT_EQ(run.status, 2);
  EXPECT_EQ(run.err, GetParam().message);
  EXPECT_EQ(run.out, "");
}

INSTANTIATE_TEST_SUITE_P(Cli, RefusedTracks, testing::ValuesIn(kRefused),
                         [](const testing::TestParamInfo<RefusedTrack>& p) {
                           return std::string(p.param.name);
                         });

struct LimitCase {
  const char* name;
  Args args;
  nlohmann::json broken;  // null when within the limits
};

void PrintTo(const LimitCase& c, std::ostream* os) {
  *os << c.name;
}

// One second of PAL with a little room: a single-pass minimum of 8239 kbit/s under CCE Max.
Args OneSecond(Args more) {
  Args args = {"--json",    "--format", "pal",           "--frames", "25",
               "--cushion", "0",        "--destination", "1000000"};
  args.insert(args.end(), more.begin(), more.end());
  return args;
}

const LimitCase kLimits[] = {
    {"TrackRatesAtThePeak", OneSecond({"--cce-max", "9632", "--audio-track", "ac3:448:6"}),
     nullptr},
    {"TrackRatesJustOverThePeak", OneSecond({"--cce-max", "9633", "--audio-track", "ac3:448:6"}),
     "Video peak plus audio above the 10080 kbit/s a player reads by 1 kbit/s"},
    // Without tracks, the audio's bytes over the length: 56000 bytes a second are 448 kbit/s.
    {"AudioBytesAtThePeak", OneSecond({"--cce-max", "9632", "--audio", "56000"}), nullptr},
    {"AudioBytesJustOverThePeak", OneSecond({"--cce-max", "9632", "--audio", "56001"}),
     "Video peak plus audio above the 10080 kbit/s a player reads by 0.01 kbit/s"},
    {"NoRoom",
     {"--json", "--format", "pal", "--frames", "90000", "--cushion", "0", "--destination",
      "1000000", "--audio", "1000512"},
     "No room for the video: the rest takes 512 bytes more than the destination"},
};

class CliLimits : public testing::TestWithParam<LimitCase> {};

TEST_P(CliLimits, AreReportedWithStatus0) {
  const nlohmann::json json = JsonOf(RunCli(GetParam().args));
  EXPECT_EQ(json["dvd_limits"]["ok"], GetParam().broken.is_null());
  EXPECT_EQ(json["dvd_limits"]["broken"], GetParam().broken);
}

INSTANTIATE_TEST_SUITE_P(Cli, CliLimits, testing::ValuesIn(kLimits),
                         [](const testing::TestParamInfo<LimitCase>& p) {
                           return std::string(p.param.name);
                         });

TEST(CliLimits, TextEndsWithTheLineAndWarningsStay) {
  const CliRun run = RunCli({"--no-film", "--frames", "107892", "--cce-max", "10000",
                             "--destination", "dvd+r-dl", "--cushion", "0"});
  EXPECT_EQ(run.status, 0);
  EXPECT_THAT(run.out, testing::EndsWith("\nDVD-Video limits:        Video bitrate above "
                                         "DVD-Video's 9800 kbit/s by 200 kbit/s\n"));
  EXPECT_THAT(run.err, testing::HasSubstr("warning: the video bitrate of 10000 kbit/s"));
}

}  // namespace
}  // namespace quillbit
