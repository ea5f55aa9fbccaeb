#include "core/audio_tracks.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <vector>

#include "core/movie_length.h"

namespace quillbit {
namespace {

constexpr FrameRate kNtsc{30000, 1001};
constexpr FrameRate kFilm{24000, 1001};
constexpr FrameRate kPal{25, 1};
constexpr FrameRate kPalFilm{20, 1};

AudioTrack Track(AudioFormat format, std::uint32_t kbps, int channels) {
  return {.format = format, .bitRate = kbps * 1000, .channels = channels};
}

const AudioTrack kDts1509{.format = AudioFormat::Dts, .bitRate = 1509750, .channels = 6};
const AudioTrack kDts754{.format = AudioFormat::Dts, .bitRate = 754500, .channels = 6};

struct SizeCase {
  const char* name;
  AudioTrack track;
  std::uint64_t frames;
  FrameRate rate;
  std::uint64_t bytes;
};

void PrintTo(const SizeCase& c, std::ostream* os) {
  *os << c.name;
}

// Each frame-based format just before, at and just after a length that is a whole number of its
// frames: 960 NTSC frames last exactly 1001 AC-3 frames, which floating point makes 1002.
const SizeCase kSizes[] = {
    {"Ac3NtscBeforeBoundary", Track(AudioFormat::Ac3, 448, 6), 959, kNtsc, 1000 * 1792},
    {"Ac3NtscAtBoundary", Track(AudioFormat::Ac3, 448, 6), 960, kNtsc, 1001 * 1792},
    {"Ac3NtscAfterBoundary", Track(AudioFormat::Ac3, 448, 6), 961, kNtsc, 1003 * 1792},
    {"Ac3FilmBeforeBoundary", Track(AudioFormat::Ac3, 192, 2), 767, kFilm, 768000},
    {"Ac3FilmAtBoundary", Track(AudioFormat::Ac3, 192, 2), 768, kFilm, 768768},
    {"Ac3FilmAfterBoundary", Track(AudioFormat::Ac3, 192, 2), 769, kFilm, 770304},
    {"Ac3PalAtBoundary", Track(AudioFormat::Ac3, 384, 6), 4, kPal, 7680},
    {"Ac3PalAfterBoundary", Track(AudioFormat::Ac3, 384, 6), 5, kPal, 10752},
    {"Ac3PalFilm", Track(AudioFormat::Ac3, 448, 6), 16, kPalFilm, 44800},
    {"Ac3NoFrames", Track(AudioFormat::Ac3, 448, 6), 0, kNtsc, 0},
    {"Mp2NtscBeforeBoundary", Track(AudioFormat::Mp2, 224, 2), 719, kNtsc, 672000},
    {"Mp2NtscAtBoundary", Track(AudioFormat::Mp2, 224, 2), 720, kNtsc, 672672},
    {"Mp2NtscAfterBoundary", Track(AudioFormat::Mp2, 224, 2), 721, kNtsc, 674016},
    {"Mp2Pal", Track(AudioFormat::Mp2, 384, 2), 3, kPal, 5760},
    {"LpcmWholeSamples", LpcmTrack(48000, 16, 2), 5, kNtsc, 32032},
    {"LpcmPartSampleRoundsUp", LpcmTrack(48000, 16, 2), 1, kNtsc, 6408},
    {"Lpcm20BitHalfByteRoundsUp", LpcmTrack(48000, 20, 1), 3, kNtsc, 12013},
    {"Lpcm20BitThreeChannels", LpcmTrack(48000, 20, 3), 3, kNtsc, 36038},
    {"Lpcm96kHz24Bit", LpcmTrack(96000, 24, 2), 1, kPal, 23040},
    {"Lpcm96kHzFilm", LpcmTrack(96000, 16, 4), 1, kFilm, 32032},
    {"DtsOneSecond", kDts1509, 25, kPal, 188719},
    {"DtsNtsc", kDts754, 30000, kNtsc, 94406813},
    {"DtsPartByteRoundsUp", kDts754, 24, kFilm, 94407},
    {"Ac3LongestMovie", Track(AudioFormat::Ac3, 448, 6), kMaxMovieFrames, kNtsc, 1868533334528},
};

class TrackSize : public testing::TestWithParam<SizeCase> {};

TEST_P(TrackSize, IsExactAsTheStreamIsFramed) {
  const SizeCase& c = GetParam();
  EXPECT_EQ(TrackBytes(c.track, {.frames = c.frames, .rate = c.rate}), c.bytes);
}

INSTANTIATE_TEST_SUITE_P(AudioTracks, TrackSize, testing::ValuesIn(kSizes),
                         [](const testing::TestParamInfo<SizeCase>& p) {
                           return std::string(p.param.name);
                         });

TEST(AudioTracks, TotalAddsEveryTrack) {
  const std::vector<AudioTrack> tracks = {Track(AudioFormat::Ac3, 448, 6),
                                          Track(AudioFormat::Mp2, 224, 2), kDts1509};
  const MovieLength length{.frames = 25, .rate = kPal};
  EXPECT_EQ(TotalBytes(tracks, length), 1792u * 32 + 672u * 42 + 188719);
  EXPECT_EQ(TotalBitRate(tracks), 448000u + 224000 + 1509750);
  EXPECT_EQ(TotalBytes({}, length), 0u);
}

TEST(AudioTracks, NoSizeForAnIllegalTrackOrLength) {
  const MovieLength length{.frames = 25, .rate = kPal};
  EXPECT_EQ(TrackBytes(Track(AudioFormat::Ac3, 500, 6), length), std::nullopt);
  EXPECT_EQ(TrackBytes(Track(AudioFormat::Ac3, 448, 6), {.frames = kMaxMovieFrames + 1}),
            std::nullopt);
  EXPECT_EQ(TrackBytes(Track(AudioFormat::Ac3, 448, 6), {.frames = 1, .rate = {0, 1}}),
            std::nullopt);
  const std::vector<AudioTrack> tracks = {Track(AudioFormat::Ac3, 448, 6), LpcmTrack(44100, 16, 2)};
  EXPECT_EQ(TotalBytes(tracks, length), std::nullopt);
}

struct LegalityCase {
  const char* name;
  AudioTrack track;
  bool legal;
};

void PrintTo(const LegalityCase& c, std::ostream* os) {
  *os << c.name;
}

const LegalityCase kLegality[] = {
    {"Ac3Lowest", Track(AudioFormat::Ac3, 64, 1), true},
    {"Ac3Highest", Track(AudioFormat::Ac3, 448, 6), true},
    {"Ac3BetweenSteps", Track(AudioFormat::Ac3, 200, 2), false},
    {"Ac3AboveDvd", Track(AudioFormat::Ac3, 640, 6), false},
    {"Ac3BelowSteps", Track(AudioFormat::Ac3, 32, 1), false},
    {"Ac3SevenChannels", Track(AudioFormat::Ac3, 448, 7), false},
    {"Ac3NoChannels", Track(AudioFormat::Ac3, 448, 0), false},
    {"Ac3At44kHz", {.format = AudioFormat::Ac3, .bitRate = 448000, .sampleRate = 44100}, false},
    {"DtsHalfRate", kDts754, true},
    {"DtsFullRate", kDts1509, true},
    {"DtsOtherRate", Track(AudioFormat::Dts, 1536, 6), false},
    {"LpcmStereo", LpcmTrack(48000, 16, 2), true},
    {"LpcmEightChannelsAtTheLimit", LpcmTrack(48000, 16, 8), true},
    {"LpcmJustOverTheLimit", LpcmTrack(48000, 20, 7), false},
    {"Lpcm96kHz24BitStereo", LpcmTrack(96000, 24, 2), true},
    {"Lpcm96kHz24BitThreeChannels", LpcmTrack(96000, 24, 3), false},
    {"LpcmNineChannels", LpcmTrack(48000, 16, 9), false},
    {"Lpcm44kHz", LpcmTrack(44100, 16, 2), false},
    {"Lpcm18Bits", LpcmTrack(48000, 18, 2), false},
    {"LpcmRateNotItsOwn",
     {.format = AudioFormat::Lpcm, .bitRate = 1000000, .channels = 2, .bits = 16},
     false},
    {"Mp2Lowest", Track(AudioFormat::Mp2, 64, 2), true},
    {"Mp2Highest", Track(AudioFormat::Mp2, 384, 2), true},
    {"Mp2AboveLayerII", Track(AudioFormat::Mp2, 448, 2), false},
    {"Mp2BelowDvd", Track(AudioFormat::Mp2, 48, 1), false},
    // Layer II's channel modes: 80 kbit/s is mono only, 224 and more stereo only.
    {"Mp2MonoAt80", Track(AudioFormat::Mp2, 80, 1), true},
    {"Mp2StereoAt80", Track(AudioFormat::Mp2, 80, 2), false},
    {"Mp2MonoAt192", Track(AudioFormat::Mp2, 192, 1), true},
    {"Mp2MonoAt224", Track(AudioFormat::Mp2, 224, 1), false},
    {"Mp2ThreeChannels", Track(AudioFormat::Mp2, 224, 3), false},
};

class TrackLegality : public testing::TestWithParam<LegalityCase> {};

TEST_P(TrackLegality, FollowsWhatDvdVideoAllows) {
  const std::optional<std::string> problem = TrackProblem(GetParam().track);
  EXPECT_EQ(!problem.has_value(), GetParam().legal) << problem.value_or("");
}

INSTANTIATE_TEST_SUITE_P(AudioTracks, TrackLegality, testing::ValuesIn(kLegality),
                         [](const testing::TestParamInfo<LegalityCase>& p) {
                           return std::string(p.param.name);
                         });

TEST(AudioTracks, ProblemNamesTheFormatAndTheLegalChoices) {
  EXPECT_EQ(TrackProblem(Track(AudioFormat::Dts, 1536, 6)),
            "DTS takes 754.5, 1509.75 kbit/s, not 1536");
  EXPECT_EQ(TrackProblem(LpcmTrack(96000, 24, 3)), "LPCM takes at most 6144 kbit/s, not 6912");
}

TEST(AudioTracks, ListHoldsAtMostEightLegalTracks) {
  std::vector<AudioTrack> tracks(kMaxAudioTracks, Track(AudioFormat::Ac3, 192, 2));
  EXPECT_EQ(TrackListProblem(tracks), std::nullopt);
  tracks[3].bitRate = 100000;
  EXPECT_EQ(TrackListProblem(tracks).value_or("").substr(0, 9), "track 4: ");
  tracks[3].bitRate = 192000;
  tracks.push_back(tracks[0]);
  EXPECT_EQ(TrackListProblem(tracks), "a DVD holds at most 8 audio tracks, not 9");
}

TEST(AudioTracks, KbpsTextKeepsOnlyTheDecimalsThereAre) {
  EXPECT_EQ(KbpsText(754500), "754.5");
  EXPECT_EQ(KbpsText(1509750), "1509.75");
  EXPECT_EQ(KbpsText(448000), "448");
  EXPECT_EQ(KbpsText(1), "0.001");
}

struct RateCase {
  bool pal;
  bool film;
  FrameRate rate;
};

TEST(MovieLength, PlaysAtTheFormatsTrueRate) {
  const RateCase cases[] = {
      {false, false, kNtsc}, {false, true, kFilm}, {true, false, kPal}, {true, true, kPalFilm}};
  for (const RateCase& c : cases) EXPECT_EQ(PlayingRate(c.pal, c.film), c.rate);
}

TEST(MovieLength, WindowCountRoundsUpAndRefusesWhatIsNoMovie) {
  EXPECT_EQ(MovieLengthOf(1500, kPal)->frames, 1500u);
  EXPECT_EQ(MovieLengthOf(1500.25, kPal)->frames, 1501u);
  EXPECT_EQ(MovieLengthOf(1e9, kPal)->frames, kMaxMovieFrames);
  EXPECT_EQ(MovieLengthOf(1e9 + 1, kPal), std::nullopt);
  EXPECT_EQ(MovieLengthOf(-1, kPal), std::nullopt);
  EXPECT_EQ(MovieLengthOf(std::numeric_limits<double>::quiet_NaN(), kPal), std::nullopt);
  EXPECT_EQ(MovieLengthOf(std::numeric_limits<double>::infinity(), kPal), std::nullopt);
}

}  // namespace
}  // namespace quillbit
