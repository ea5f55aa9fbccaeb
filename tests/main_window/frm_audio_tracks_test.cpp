#include "main_window/frm_audio_tracks.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "main_window/frm_audio_tracks_layout.h"
#include "tests/support/port_fakes.h"

namespace quillbit {
namespace {

using testing::ElementsAre;
using testing::IsEmpty;

class CountingHost : public AudioTracksWindowHost {
 public:
  void WindowUnloaded() override { ++unloads; }
  int unloads = 0;
};

AudioTrack Ac3(std::uint32_t bitRate, int channels) {
  return {.format = AudioFormat::Ac3, .bitRate = bitRate, .channels = channels};
}
AudioTrack Dts(std::uint32_t bitRate, int channels = 6) {
  return {.format = AudioFormat::Dts, .bitRate = bitRate, .channels = channels};
}
AudioTrack Mp2(std::uint32_t bitRate, int channels = 2) {
  return {.format = AudioFormat::Mp2, .bitRate = bitRate, .channels = channels};
}

// An hour and a half of PAL.
const MovieLength kMovie{.frames = 135000, .rate = {25, 1}};

class FrmAudioTracksTest : public testing::Test {
 protected:
  frmAudioTracks& Make(std::vector<AudioTrack> tracks, std::optional<MovieLength> length = kMovie,
                       NumberLocale locale = NumberLocale::EnglishUS()) {
    AudioTracksRequest request{
        .tracks = std::move(tracks),
        .length = length,
        .accepted = [this](std::vector<AudioTrack> chosen) { handedOn.push_back(chosen); }};
    form_ = std::make_unique<frmAudioTracks>(std::move(locale), std::move(request),
                                             FrmAudioTracksPorts{screen, host});
    return *form_;
  }
  frmAudioTracks& Loaded(std::vector<AudioTrack> tracks, std::optional<MovieLength> length = kMovie,
                         NumberLocale locale = NumberLocale::EnglishUS()) {
    Make(std::move(tracks), length, std::move(locale)).Form_Load();
    return *form_;
  }
  Control& At(const char* array, int row) { return form_->Get(ControlArrayName(array, row)); }

  testing_support::FixedScreen screen{30000, 18000};
  CountingHost host;
  std::vector<std::vector<AudioTrack>> handedOn;
  std::unique_ptr<frmAudioTracks> form_;
};

TEST_F(FrmAudioTracksTest, LoadCentresTheWindowAndShowsTheTracksInTheFirstRows) {
  frmAudioTracks& form = Loaded({Ac3(448000, 6), Dts(754500)});
  EXPECT_TRUE(form.Loaded());
  EXPECT_EQ(form.Caption(), "Audio Tracks");
  EXPECT_FLOAT_EQ(form.Left(), (30000 - form.Width()) / 2);
  EXPECT_FLOAT_EQ(form.Top(), (18000 - form.Height()) / 2);
  EXPECT_EQ(At("cmbFormat", 0).Text(), "AC-3");
  EXPECT_EQ(At("cmbChannels", 0).Text(), "6");
  EXPECT_EQ(At("cmbBitrate", 0).Text(), "448");
  EXPECT_EQ(At("cmbFormat", 1).Text(), "DTS");
  EXPECT_EQ(At("cmbBitrate", 1).Text(), "754.5");
  for (int row = 2; row < static_cast<int>(kMaxAudioTracks); ++row) {
    EXPECT_EQ(At("cmbFormat", row).Text(), "(none)") << row;
  }
  EXPECT_THAT(At("cmbFormat", 7).Items(),
              ElementsAre("(none)", "AC-3", "DTS", "LPCM", "MPEG-1 Layer II"));
  EXPECT_EQ(form.Get("lblLength").Text(), "Sizes for 1:30:00 of movie (135000 frames)");
  EXPECT_EQ(host.unloads, 0);
  EXPECT_THAT(handedOn, IsEmpty());
}

// Rows without a track have nothing to choose and no size.
TEST_F(FrmAudioTracksTest, ANoneRowHasItsListsEmptiedAndDisabled) {
  Loaded({Ac3(448000, 6)});
  At("cmbFormat", 0).SetText("(none)");
  for (int row : {0, 5}) {
    for (const char* list : {"cmbChannels", "cmbBitrate", "cmbSampleRate", "cmbBits"}) {
      SCOPED_TRACE(ControlArrayName(list, row));
      EXPECT_THAT(At(list, row).Items(), IsEmpty());
      EXPECT_FALSE(At(list, row).Enabled());
    }
    EXPECT_EQ(At("txtTrackSize", row).Text(), "");
  }
  EXPECT_TRUE(At("cmbFormat", 5).Enabled());
  form_->cmdOK_Click();
  EXPECT_THAT(handedOn, ElementsAre(IsEmpty()));
}

// Which lists a person can change, and what the fixed ones show.
TEST_F(FrmAudioTracksTest, OnlyTheListsAFormatLetsAPersonChooseAreEnabled) {
  struct Case {
    const char* format;
    bool bitrate, sampleRate, bits;
    const char* sampleRateShown;
    const char* bitsShown;
  };
  const Case cases[] = {
      {"AC-3", true, false, false, "48 kHz", ""},
      {"DTS", true, false, false, "48 kHz", ""},
      {"MPEG-1 Layer II", true, false, false, "48 kHz", ""},
      {"LPCM", false, true, true, "48 kHz", "16"},
  };
  Loaded({});
  for (const Case& c : cases) {
    SCOPED_TRACE(c.format);
    At("cmbFormat", 3).SetText(c.format);
    EXPECT_TRUE(At("cmbChannels", 3).Enabled());
    EXPECT_EQ(At("cmbBitrate", 3).Enabled(), c.bitrate);
    EXPECT_EQ(At("cmbSampleRate", 3).Enabled(), c.sampleRate);
    EXPECT_EQ(At("cmbBits", 3).Enabled(), c.bits);
    EXPECT_EQ(At("cmbSampleRate", 3).Text(), c.sampleRateShown);
    EXPECT_EQ(At("cmbBits", 3).Text(), c.bitsShown);
  }
}

TEST_F(FrmAudioTracksTest, ChoosingAFormatStartsTheRowAtItsDefaultTrack) {
  struct Case {
    const char* format;
    AudioTrack track;
    const char* channels;
    const char* bitrate;
  };
  const Case cases[] = {
      {"AC-3", Ac3(192000, 2), "2", "192"},
      {"DTS", Dts(1509750), "6", "1509.75"},
      {"MPEG-1 Layer II", Mp2(224000), "2", "224"},
      {"LPCM", LpcmTrack(48000, 16, 2), "2", "1536"},
  };
  Loaded({});
  for (const Case& c : cases) {
    SCOPED_TRACE(c.format);
    At("cmbFormat", 0).SetText(c.format);
    EXPECT_THAT(form_->Tracks(), ElementsAre(c.track));
    EXPECT_EQ(At("cmbChannels", 0).Text(), c.channels);
    EXPECT_EQ(At("cmbBitrate", 0).Text(), c.bitrate);
  }
}

// A person raising LPCM's rate or bits past room for its channels gets the most that fit.
TEST_F(FrmAudioTracksTest, LpcmKeepsTheMostChannelsThatStayWithinItsRate) {
  Loaded({LpcmTrack(48000, 16, 8)});
  At("cmbSampleRate", 0).SetText("96 kHz");
  EXPECT_THAT(form_->Tracks(), ElementsAre(LpcmTrack(96000, 16, 4)));
  EXPECT_EQ(At("cmbChannels", 0).Text(), "4");
  EXPECT_THAT(At("cmbChannels", 0).Items(), ElementsAre("1", "2", "3", "4"));
  EXPECT_EQ(At("cmbBitrate", 0).Text(), "6144");
  At("cmbBits", 0).SetText("24");
  EXPECT_THAT(form_->Tracks(), ElementsAre(LpcmTrack(96000, 24, 2)));
  At("cmbSampleRate", 0).SetText("48 kHz");
  // Going back down keeps the channels chosen; more are offered again.
  EXPECT_THAT(form_->Tracks(), ElementsAre(LpcmTrack(48000, 24, 2)));
  EXPECT_THAT(At("cmbChannels", 0).Items(), ElementsAre("1", "2", "3", "4", "5"));
  At("cmbChannels", 0).SetText("5");
  EXPECT_THAT(form_->Tracks(), ElementsAre(LpcmTrack(48000, 24, 5)));
  EXPECT_EQ(At("cmbBitrate", 0).Text(), "5760");
}

TEST_F(FrmAudioTracksTest, TheTracksComeBackAsTheyWereGiven) {
  const std::vector<std::vector<AudioTrack>> cases = {
      {},
      {Ac3(448000, 6)},
      {Dts(754500), Dts(1509750, 2)},
      {LpcmTrack(96000, 24, 2), LpcmTrack(48000, 20, 6), LpcmTrack(48000, 16, 8)},
      {Mp2(64000, 1), Mp2(384000)},
      {Ac3(448000, 6), Ac3(192000, 2), Dts(1509750), Dts(754500), LpcmTrack(48000, 16, 2),
       LpcmTrack(96000, 16, 4), Mp2(224000), Ac3(64000, 1)},
  };
  for (const std::vector<AudioTrack>& tracks : cases) {
    SCOPED_TRACE(tracks.size());
    Loaded(tracks);
    EXPECT_EQ(form_->Tracks(), tracks);
    form_->cmdOK_Click();
    ASSERT_FALSE(handedOn.empty());
    EXPECT_EQ(handedOn.back(), tracks);
  }
}

TEST_F(FrmAudioTracksTest, NoneRowsAreLeftOutOfTheTracks) {
  Loaded({Ac3(448000, 6), Dts(754500), Mp2(224000)});
  At("cmbFormat", 1).SetText("(none)");
  At("cmbFormat", 4).SetText("LPCM");
  EXPECT_THAT(form_->Tracks(), ElementsAre(Ac3(448000, 6), Mp2(224000), LpcmTrack(48000, 16, 2)));
}

// A track that cannot be offered as it is (a hand-made request) shows as the nearest legal one.
TEST_F(FrmAudioTracksTest, AnIllegalTrackIsShownAsTheNearestLegalOne) {
  Loaded({Ac3(500000, 6), Mp2(224000, 1)});
  EXPECT_THAT(form_->Tracks(), ElementsAre(Ac3(448000, 6), Mp2(192000, 1)));
}

TEST_F(FrmAudioTracksTest, SizesAndTotalAreTheTracksExactBytes) {
  const std::vector<AudioTrack> tracks = {
      Ac3(448000, 6), Dts(754500),  LpcmTrack(96000, 20, 3), Mp2(224000),
      Ac3(192000, 2), Dts(1509750), Mp2(64000, 1),           LpcmTrack(48000, 24, 5)};
  for (const MovieLength& length : {kMovie, MovieLength{.frames = 107893, .rate = {30000, 1001}},
                                    MovieLength{.frames = 1, .rate = {24000, 1001}}}) {
    SCOPED_TRACE(length.frames);
    Loaded(tracks, length);
    for (int row = 0; row < static_cast<int>(tracks.size()); ++row) {
      EXPECT_EQ(At("txtTrackSize", row).Text(),
                GroupedBytes(*TrackBytes(tracks[static_cast<std::size_t>(row)], length),
                             NumberLocale::EnglishUS()))
          << row;
    }
    EXPECT_EQ(form_->Get("txtTotal").Text(),
              GroupedBytes(*TotalBytes(tracks, length), NumberLocale::EnglishUS()));
  }
}

TEST_F(FrmAudioTracksTest, SizesFollowEveryChoiceInTheUsersDigitGrouping) {
  Loaded({Ac3(448000, 6)}, kMovie, NumberLocale::GermanDE());
  // 5400 s: 168750 frames of 32 ms, 1792 bytes each.
  EXPECT_EQ(At("txtTrackSize", 0).Text(), "302.400.000");
  EXPECT_EQ(form_->Get("txtTotal").Text(), "302.400.000");
  At("cmbBitrate", 0).SetText("192");
  EXPECT_EQ(At("txtTrackSize", 0).Text(), "129.600.000");
  At("cmbFormat", 1).SetText("LPCM");
  // 259,200,000 samples of 4 bytes.
  EXPECT_EQ(At("txtTrackSize", 1).Text(), "1.036.800.000");
  EXPECT_EQ(form_->Get("txtTotal").Text(), "1.166.400.000");
  At("cmbFormat", 0).SetText("(none)");
  EXPECT_EQ(form_->Get("txtTotal").Text(), "1.036.800.000");
}

TEST_F(FrmAudioTracksTest, WithoutALengthNoSizesAreShownAndTheLineSaysWhy) {
  Loaded({Ac3(448000, 6)}, std::nullopt);
  EXPECT_EQ(At("txtTrackSize", 0).Text(), "");
  EXPECT_EQ(form_->Get("txtTotal").Text(), "");
  EXPECT_EQ(form_->Get("lblLength").Text(), "No frame count: set the frames to size the tracks");
  At("cmbFormat", 1).SetText("DTS");
  EXPECT_EQ(At("txtTrackSize", 1).Text(), "");
}

TEST_F(FrmAudioTracksTest, OkHandsTheTracksOnOnceAndUnloads) {
  Loaded({Ac3(448000, 6)});
  At("cmbFormat", 1).SetText("DTS");
  form_->Get("cmdOK").Click();
  form_->Get("cmdOK").Click();
  EXPECT_THAT(handedOn, ElementsAre(ElementsAre(Ac3(448000, 6), Dts(1509750))));
  EXPECT_EQ(host.unloads, 1);
  EXPECT_FALSE(form_->Loaded());
}

TEST_F(FrmAudioTracksTest, CancelAndUnloadHandNothingOn) {
  Loaded({Ac3(448000, 6)});
  At("cmbFormat", 1).SetText("DTS");
  form_->Get("cmdCancel").Click();
  EXPECT_EQ(host.unloads, 1);
  form_->cmdOK_Click();  // a late press after the window went
  Loaded({Ac3(448000, 6)});
  form_->Unload();
  form_->Unload();
  EXPECT_EQ(host.unloads, 2);
  EXPECT_THAT(handedOn, IsEmpty());
}

// Filling the lists fires their clicks; the window answers only a person's choices, once each.
TEST_F(FrmAudioTracksTest, CodeFillingTheListsChangesNothingItDidNotMean) {
  Make({LpcmTrack(48000, 24, 5), Mp2(80000, 1)});
  int changes = 0;
  form_->Controls().Subscribe([&](const Control& control, Property property) {
    if (control.Name() == "txtTotal" && property == Property::Text) ++changes;
  });
  form_->Form_Load();
  EXPECT_THAT(form_->Tracks(), ElementsAre(LpcmTrack(48000, 24, 5), Mp2(80000, 1)));
  EXPECT_EQ(changes, 1);
  changes = 0;
  At("cmbFormat", 2).SetText("AC-3");
  EXPECT_EQ(changes, 1);
  // Choosing what is chosen already changes nothing.
  At("cmbFormat", 2).Click();
  At("cmbChannels", 2).Click();
  EXPECT_EQ(changes, 1);
  EXPECT_EQ(form_->Tracks().size(), 3u);
  // A load that runs again shows nothing new.
  form_->Form_Load();
  EXPECT_EQ(changes, 1);
}

}  // namespace
}  // namespace quillbit
