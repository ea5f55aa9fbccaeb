#include "main_window/audio_track_choices.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

namespace quillbit {
namespace {

AudioTrack Compressed(AudioFormat format, std::uint32_t bitRate, int channels) {
  return {.format = format, .bitRate = bitRate, .channels = channels};
}

struct ChoiceCase {
  const char* what;
  AudioTrack track;
  std::vector<int> channels;
  std::vector<std::uint32_t> bitRates;
  std::vector<std::uint32_t> sampleRates;
  std::vector<int> bits;
};

const std::vector<std::uint32_t> kAc3Rates = {64000,  80000,  96000,  112000, 128000, 160000,
                                              192000, 224000, 256000, 320000, 384000, 448000};

TEST(AudioTracksChoices, EachFormatOffersOnlyWhatItAllows) {
  const ChoiceCase cases[] = {
      {"AC-3", Compressed(AudioFormat::Ac3, 448000, 6), {1, 2, 3, 4, 5, 6}, kAc3Rates, {48000}, {}},
      {"DTS",
       Compressed(AudioFormat::Dts, 754500, 6),
       {1, 2, 3, 4, 5, 6},
       {754500, 1509750},
       {48000},
       {}},
      // Layer II: one channel up to 192 kbit/s; two channels at anything but 80.
      {"MPEG-1 Layer II mono",
       Compressed(AudioFormat::Mp2, 192000, 1),
       {1, 2},
       {64000, 80000, 96000, 112000, 128000, 160000, 192000},
       {48000},
       {}},
      {"MPEG-1 Layer II stereo",
       Compressed(AudioFormat::Mp2, 224000, 2),
       {1, 2},
       {64000, 96000, 112000, 128000, 160000, 192000, 224000, 256000, 320000, 384000},
       {48000},
       {}},
      // LPCM: its rate is computed, the only one shown.
      {"LPCM",
       LpcmTrack(48000, 16, 2),
       {1, 2, 3, 4, 5, 6, 7, 8},
       {1536000},
       {48000, 96000},
       {16, 20, 24}},
  };
  for (const ChoiceCase& c : cases) {
    SCOPED_TRACE(c.what);
    const TrackChoices choices = ChoicesFor(c.track);
    EXPECT_EQ(choices.channels, c.channels);
    EXPECT_EQ(choices.bitRates, c.bitRates);
    EXPECT_EQ(choices.sampleRates, c.sampleRates);
    EXPECT_EQ(choices.bits, c.bits);
  }
}

// The most channels that keep LPCM at or under 6,144 kbit/s.
TEST(AudioTracksChoices, LpcmOffersTheChannelsThatKeepItsRateInBounds) {
  struct Case {
    std::uint32_t sampleRate;
    int bits;
    int mostChannels;
  };
  const Case cases[] = {{48000, 16, 8}, {48000, 20, 6}, {48000, 24, 5},
                        {96000, 16, 4}, {96000, 20, 3}, {96000, 24, 2}};
  for (const Case& c : cases) {
    SCOPED_TRACE(std::to_string(c.sampleRate) + " Hz " + std::to_string(c.bits) + " bits");
    const std::vector<int> channels = ChoicesFor(LpcmTrack(c.sampleRate, c.bits, 1)).channels;
    ASSERT_FALSE(channels.empty());
    EXPECT_EQ(channels.front(), 1);
    EXPECT_EQ(channels.back(), c.mostChannels);
    EXPECT_EQ(channels.size(), static_cast<std::size_t>(c.mostChannels));
  }
}

TEST(AudioTracksChoices, AChoiceOthersNoLongerAllowGivesWayToTheLargestBelowIt) {
  struct Case {
    const char* what;
    AudioTrack asked;
    AudioTrack legal;
  };
  const Case cases[] = {
      {"Layer II mono at a stereo rate", Compressed(AudioFormat::Mp2, 224000, 1),
       Compressed(AudioFormat::Mp2, 192000, 1)},
      {"Layer II stereo at 80", Compressed(AudioFormat::Mp2, 80000, 2),
       Compressed(AudioFormat::Mp2, 64000, 2)},
      {"AC-3 below its least rate", Compressed(AudioFormat::Ac3, 32000, 2),
       Compressed(AudioFormat::Ac3, 64000, 2)},
      {"DTS between its rates", Compressed(AudioFormat::Dts, 1000000, 6),
       Compressed(AudioFormat::Dts, 754500, 6)},
      {"AC-3 with too many channels", Compressed(AudioFormat::Ac3, 448000, 8),
       Compressed(AudioFormat::Ac3, 448000, 6)},
      {"LPCM 8 channels going to 96 kHz", LpcmTrack(96000, 16, 8), LpcmTrack(96000, 16, 4)},
      {"LPCM 6 channels going to 24 bits", LpcmTrack(48000, 24, 6), LpcmTrack(48000, 24, 5)},
      {"LPCM's rate recomputed",
       {.format = AudioFormat::Lpcm, .bitRate = 1, .channels = 2},
       LpcmTrack(48000, 16, 2)},
      {"a legal track as it is", LpcmTrack(96000, 24, 2), LpcmTrack(96000, 24, 2)},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(Legalized(c.asked), c.legal) << c.what;
  }
}

TEST(AudioTracksChoices, BytesAreGroupedByTheUsersConventionsWithoutDecimals) {
  EXPECT_EQ(GroupedBytes(0, NumberLocale::EnglishUS()), "0");
  EXPECT_EQ(GroupedBytes(999, NumberLocale::EnglishUS()), "999");
  EXPECT_EQ(GroupedBytes(283968000, NumberLocale::EnglishUS()), "283,968,000");
  EXPECT_EQ(GroupedBytes(283968000, NumberLocale::GermanDE()), "283.968.000");
  EXPECT_EQ(GroupedBytes(1234567, NumberLocale::FrenchFR()),
            "1\xE2\x80\xAF"
            "234\xE2\x80\xAF"
            "567");
  // Far past what a 32-bit count holds, still to the byte.
  EXPECT_EQ(GroupedBytes(38400000000001, NumberLocale::EnglishUS()), "38,400,000,000,001");
}

TEST(AudioTracksChoices, TheLengthTheSizesAreForInHoursMinutesAndSeconds) {
  EXPECT_EQ(SizesForText(MovieLength{.frames = 150000, .rate = {25, 1}}),
            "Sizes for 1:40:00 of movie (150000 frames)");
  // 107892 NTSC frames play 3599.9964 s: not yet an hour.
  EXPECT_EQ(SizesForText(MovieLength{.frames = 107892, .rate = {30000, 1001}}),
            "Sizes for 0:59:59 of movie (107892 frames)");
  EXPECT_EQ(SizesForText(MovieLength{.frames = 1, .rate = {25, 1}}),
            "Sizes for 0:00:00 of movie (1 frame)");
  EXPECT_EQ(SizesForText(std::nullopt), "No frame count: set the frames to size the tracks");
}

}  // namespace
}  // namespace quillbit
