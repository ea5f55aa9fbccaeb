#include "core/audio_track_text.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace quillbit {
namespace {

struct ReadCase {
  const char* text;
  AudioTrack track;
  const char* canonical;
};

void PrintTo(const ReadCase& c, std::ostream* os) {
  *os << c.text;
}

const ReadCase kReadable[] = {
    {"ac3:448:6", {.format = AudioFormat::Ac3, .bitRate = 448000, .channels = 6}, "ac3:448:6"},
    {"ac3:192", {.format = AudioFormat::Ac3, .bitRate = 192000, .channels = 2}, "ac3:192:2"},
    {"AC3:448.000:6", {.format = AudioFormat::Ac3, .bitRate = 448000, .channels = 6}, "ac3:448:6"},
    {"dts:1509.75",
     {.format = AudioFormat::Dts, .bitRate = 1509750, .channels = 6},
     "dts:1509.75:6"},
    {"dts:754.5:2", {.format = AudioFormat::Dts, .bitRate = 754500, .channels = 2}, "dts:754.5:2"},
    {"mp2:224", {.format = AudioFormat::Mp2, .bitRate = 224000, .channels = 2}, "mp2:224:2"},
    {"mp2:80:1", {.format = AudioFormat::Mp2, .bitRate = 80000, .channels = 1}, "mp2:80:1"},
    // LPCM's rate per channel tells its sample rate and bits.
    {"lpcm:1536:2", LpcmTrack(48000, 16, 2), "lpcm:1536:2"},
    {"lpcm:1536", LpcmTrack(48000, 16, 2), "lpcm:1536:2"},
    {"lpcm:960:1", LpcmTrack(48000, 20, 1), "lpcm:960:1"},
    {"lpcm:3456:3", LpcmTrack(48000, 24, 3), "lpcm:3456:3"},
    {"lpcm:6144:4", LpcmTrack(96000, 16, 4), "lpcm:6144:4"},
    {"lpcm:3840:2", LpcmTrack(96000, 20, 2), "lpcm:3840:2"},
    {"lpcm:4608:2", LpcmTrack(96000, 24, 2), "lpcm:4608:2"},
    {"lpcm:6144:8", LpcmTrack(48000, 16, 8), "lpcm:6144:8"},
};

class ReadableTrack : public testing::TestWithParam<ReadCase> {};

TEST_P(ReadableTrack, ReadsAndWritesBackCanonically) {
  const TrackRead read = ReadTrack(GetParam().text);
  ASSERT_TRUE(read.track) << read.error;
  EXPECT_EQ(*read.track, GetParam().track);
  EXPECT_EQ(TrackText(*read.track), GetParam().canonical);
}

INSTANTIATE_TEST_SUITE_P(AudioTrackText, ReadableTrack, testing::ValuesIn(kReadable));

struct BadCase {
  std::string text;
  const char* error;
};

void PrintTo(const BadCase& c, std::ostream* os) {
  *os << c.text.substr(0, 60);
}

const BadCase kUnreadable[] = {
    {"", "'' is not FORMAT:KBPS[:CHANNELS], such as ac3:448:6"},
    {"ac3", "'ac3' is not FORMAT:KBPS[:CHANNELS], such as ac3:448:6"},
    {"aac:128:2", "'aac' is no audio format (ac3, dts, lpcm or mp2)"},
    {"ac3:", "'' is no bit rate in kbit/s"},
    {"ac3: 448", "' 448' is no bit rate in kbit/s"},
    {"ac3:-448", "'-448' is no bit rate in kbit/s"},
    {"ac3:448.", "'448.' is no bit rate in kbit/s"},
    {"ac3:.5", "'.5' is no bit rate in kbit/s"},
    {"ac3:4.4e2", "'4.4e2' is no bit rate in kbit/s"},
    {"ac3:448.0001", "'448.0001' is no bit rate in kbit/s"},
    {"ac3:99999999", "'99999999' is no bit rate in kbit/s"},
    {"ac3:9999999", "'9999999' is no bit rate in kbit/s"},
    {"ac3:999999",
     "AC-3 takes 64, 80, 96, 112, 128, 160, 192, 224, 256, 320, 384, 448 kbit/s, "
     "not 999999"},
    {"ac3:448:", "'' is no channel count"},
    {"ac3:448:6:", "'6:' is no channel count"},
    {"ac3:448:x", "'x' is no channel count"},
    {"ac3:448:100", "'100' is no channel count"},
    {"mp2:224:1", "MPEG-1 Layer II at 224 kbit/s is not made with 1 channel"},
    {"lpcm:1500:2",
     "LPCM at 1500 kbit/s with 2 channels matches no sample rate (48 or 96 kHz) and bits (16, 20 "
     "or 24)"},
    {std::string(100000, '7'),
     "'7777777777777777777777777777777777777777...' is not FORMAT:KBPS[:CHANNELS], such as "
     "ac3:448:6"},
    {"ac3:" + std::string(100000, '4'),
     "'4444444444444444444444444444444444444444...' is no bit rate in kbit/s"},
};

class UnreadableTrack : public testing::TestWithParam<BadCase> {};

TEST_P(UnreadableTrack, FailsWithWhatIsWrong) {
  const TrackRead read = ReadTrack(GetParam().text);
  EXPECT_FALSE(read.track);
  EXPECT_EQ(read.error, GetParam().error);
}

INSTANTIATE_TEST_SUITE_P(AudioTrackText, UnreadableTrack, testing::ValuesIn(kUnreadable));

TEST(AudioTrackText, ListReadsBackWhatItWrote) {
  const std::vector<AudioTrack> tracks = {
      {.format = AudioFormat::Ac3, .bitRate = 448000, .channels = 6},
      LpcmTrack(96000, 24, 2),
      {.format = AudioFormat::Dts, .bitRate = 754500, .channels = 6},
      {.format = AudioFormat::Mp2, .bitRate = 224000, .channels = 2}};
  const std::string text = TrackListText(tracks);
  EXPECT_EQ(text, "ac3:448:6,lpcm:4608:2,dts:754.5:6,mp2:224:2");
  EXPECT_EQ(ReadTrackList(text).tracks, tracks);
}

TEST(AudioTrackText, EmptyListIsNoTracks) {
  EXPECT_EQ(TrackListText({}), "");
  const TrackListRead read = ReadTrackList("");
  ASSERT_TRUE(read.tracks);
  EXPECT_TRUE(read.tracks->empty());
}

struct BadListCase {
  std::string text;
  const char* error;
};

void PrintTo(const BadListCase& c, std::ostream* os) {
  *os << c.text.substr(0, 60);
}

std::string Repeated(const std::string& track, std::size_t count) {
  std::string text = track;
  for (std::size_t i = 1; i < count; ++i) text += "," + track;
  return text;
}

const BadListCase kBadLists[] = {
    {"ac3:448:6,", "track 2: '' is not FORMAT:KBPS[:CHANNELS], such as ac3:448:6"},
    {",ac3:448:6", "track 1: '' is not FORMAT:KBPS[:CHANNELS], such as ac3:448:6"},
    {"ac3:448:6, mp2:224", "track 2: ' mp2' is no audio format (ac3, dts, lpcm or mp2)"},
    {"ac3:448:6;mp2:224", "track 1: '6;mp2:224' is no channel count"},
    {"ac3:448:6,ac3:450:6",
     "track 2: AC-3 takes 64, 80, 96, 112, 128, 160, 192, 224, 256, 320, "
     "384, 448 kbit/s, not 450"},
    {Repeated("ac3:192:2", 9), "a DVD holds at most 8 audio tracks"},
    // 100,000 characters of tracks: refused after the eighth, without reading the rest.
    {Repeated("ac3:192:2", 10000), "a DVD holds at most 8 audio tracks"},
    {std::string(100000, ','), "track 1: '' is not FORMAT:KBPS[:CHANNELS], such as ac3:448:6"},
};

class UnreadableList : public testing::TestWithParam<BadListCase> {};

TEST_P(UnreadableList, FailsAsAWhole) {
  const TrackListRead read = ReadTrackList(GetParam().text);
  EXPECT_FALSE(read.tracks);
  EXPECT_EQ(read.error, GetParam().error);
}

INSTANTIATE_TEST_SUITE_P(AudioTrackText, UnreadableList, testing::ValuesIn(kBadLists));

TEST(AudioTrackText, ListOfEightIsRead) {
  const TrackListRead read = ReadTrackList(Repeated("mp2:192:1", 8));
  ASSERT_TRUE(read.tracks) << read.error;
  EXPECT_EQ(read.tracks->size(), 8u);
}

TEST(AudioTrackText, DescriptionNamesFormatChannelsAndRate) {
  EXPECT_EQ(TrackDescription({.format = AudioFormat::Ac3, .bitRate = 448000, .channels = 6}),
            "AC-3, 6 channels, 448 kbit/s");
  EXPECT_EQ(TrackDescription({.format = AudioFormat::Mp2, .bitRate = 192000, .channels = 1}),
            "MPEG-1 Layer II, 1 channel, 192 kbit/s");
  EXPECT_EQ(TrackDescription(LpcmTrack(96000, 24, 2)),
            "LPCM, 2 channels, 96 kHz, 24 bits, 4608 kbit/s");
  EXPECT_EQ(TrackDescription({.format = AudioFormat::Dts, .bitRate = 1509750, .channels = 6}),
            "DTS, 6 channels, 1509.75 kbit/s");
}

}  // namespace
}  // namespace quillbit
