// The "Tools" menu: audio tracks that stand for the audio and follow the movie's length, and the
// recordable discs with the check mark on the one the destination holds.
#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "core/disc_presets.h"
#include "tests/main_window/form1_fixture.h"
#include "tests/support/media_files.h"
#include "tests/support/temp_folder.h"

namespace quillbit {
namespace {

using namespace testing_support;

const AudioTrack kAc3Surround{.format = AudioFormat::Ac3, .bitRate = 448000, .channels = 6};
const AudioTrack kMp2Stereo{.format = AudioFormat::Mp2, .bitRate = 224000, .channels = 2};

// PAL, 25000 frames: 1000 seconds. AC-3 448 for them is 56000000 bytes, MPEG-1 Layer II 224 is
// ceil(1000 / 0.024) x 3 x 224 = 28000224.
constexpr double kBothFor1000s = 56000000.0 + 28000224.0;

class AudioTracksLink : public Form1Test {
 protected:
  Form1& Linked() {
    Form1& form = Loaded();
    form.cmbCCESet.SetText("Multi-Pass VBR");
    form.optFormat[1]->SetValue(1);
    form.txtFrames.SetText("25000");
    form.cmbAudio.SetText("Bytes");
    form.mnuAudioTracks.Click();
    host.audioTracksAsked.back().accepted({kAc3Surround, kMp2Stereo});
    ClearLogs();
    return form;
  }
};

TEST_F(AudioTracksLink, MenuAsksForTheTracksWithTheMoviesTrueLength) {
  Form1& form = Loaded();
  form.txtFrames.SetText("24000");  // NTSC with Forced FILM: 24000/1001
  form.mnuAudioTracks.Click();
  ASSERT_EQ(host.audioTracksAsked.size(), 1U);
  const AudioTracksRequest& asked = host.audioTracksAsked[0];
  EXPECT_TRUE(asked.tracks.empty());
  ASSERT_TRUE(asked.length);
  EXPECT_EQ(asked.length->frames, 24000U);
  EXPECT_EQ(asked.length->rate, (FrameRate{24000, 1001}));

  asked.accepted({kMp2Stereo});
  form.mnuAudioTracks.Click();
  EXPECT_EQ(host.audioTracksAsked.back().tracks, std::vector<AudioTrack>{kMp2Stereo});
}

TEST_F(AudioTracksLink, ChosenTracksAreTheAudioBytesInTheRowsUnitAfterOneCalc) {
  Form1& form = Loaded();
  form.cmbCCESet.SetText("Multi-Pass VBR");
  form.optFormat[1]->SetValue(1);
  form.txtFrames.SetText("25000");
  form.cmbAudio.SetText("MB");
  ClearLogs();
  form.AudioTracksChosen({kAc3Surround, kMp2Stereo});
  ASSERT_EQ(calcs.size(), 1U);
  EXPECT_EQ(calcs[0].bytes_aud, kBothFor1000s);
  EXPECT_EQ(form.State().bytes_aud, kBothFor1000s);
  EXPECT_EQ(form.txtAudio.Text(), "80.1089");
  EXPECT_EQ(form.txtAudio.ToolTip(),
            "AC-3, 6 channels, 448 kbit/s\nMPEG-1 Layer II, 2 channels, 224 kbit/s");
}

TEST_F(AudioTracksLink, AudioBytesFollowTheLengthWithoutAnExtraCalc) {
  struct Change {
    const char* name;
    std::function<void(Form1&)> change;
    double bytes;
  };
  const Change changes[] = {
      // 50000 frames: 62500 AC-3 frames, 83334 MPEG frames.
      {"frames typed", [](Form1& f) { f.txtFrames.SetText("50000"); },
       62500.0 * 4 * 448 + 83334.0 * 3 * 224},
      // NTSC: 25000 frames play 834.1667 s: 26068 and 34757 frames.
      {"format", [](Form1& f) { f.optFormat[0]->SetValue(1); },
       26068.0 * 4 * 448 + 34757.0 * 3 * 224},
      // PAL with Forced FILM: 20 fps, 1250 s: 39063 and 52084 frames.
      {"forced film", [](Form1& f) { f.chkFF.SetValue(1); }, 39063.0 * 4 * 448 + 52084.0 * 3 * 224},
      {"no frames", [](Form1& f) { f.txtFrames.SetText(""); }, 0},
  };
  for (const Change& c : changes) {
    SCOPED_TRACE(c.name);
    Form1& form = Linked();
    c.change(form);
    ASSERT_EQ(calcs.size(), 1U);
    EXPECT_EQ(calcs[0].bytes_aud, c.bytes);
    EXPECT_EQ(form.txtAudio.Text(), std::to_string(static_cast<long long>(c.bytes)));
  }
}

TEST_F(AudioTracksLink, KeysThatLeaveTheBoxAsShownKeepTheLinkAndTheExactBytes) {
  Form1& form = Linked();
  form.Controls().KeyDown(&form.cmbAudio, kKeyShift, 1);
  form.cmbAudio.SetText("MB");  // a conversion
  form.Controls().KeyUp(&form.cmbAudio, kKeyShift, 1);
  EXPECT_EQ(form.txtAudio.Text(), "80.1089");
  Press(&form.txtAudio, 9, 0);  // Tab arriving
  Press(&form.txtAudio, kKeyRight, 0);
  EXPECT_EQ(form.State().bytes_aud, kBothFor1000s);
  EXPECT_FALSE(form.State().audioTracks.empty());
  EXPECT_NE(form.txtAudio.ToolTip(), "");
}

TEST_F(AudioTracksLink, TypingAPlainUnitChangeOrADropEndsIt) {
  TempFolder folder;
  const std::string file = folder.File("a.ac3");
  ASSERT_TRUE(WriteBytes(file, Ac3LikeBytes(1000)));
  struct End {
    const char* name;
    std::function<void(Form1&)> end;
    double bytes;
  };
  const End ends[] = {
      {"typing", [this](Form1& f) { Type(f.txtAudio, "5000"); }, 5000},
      {"plain unit change", [](Form1& f) { f.cmbAudio.SetText("KB"); }, kBothFor1000s * 1024},
      {"drop", [&](Form1& f) { f.FilesDropped(&f.Get("Label9"), {file}); }, 1000},
  };
  for (const End& c : ends) {
    SCOPED_TRACE(c.name);
    Form1& form = Linked();
    c.end(form);
    EXPECT_TRUE(form.State().audioTracks.empty());
    EXPECT_EQ(form.txtAudio.ToolTip(), "");
    EXPECT_EQ(form.State().bytes_aud, c.bytes);
    form.txtFrames.SetText("50000");  // no longer followed
    EXPECT_EQ(form.State().bytes_aud, c.bytes);
  }
}

TEST_F(AudioTracksLink, NoneEndsItKeepingTheBytesWithOneCalc) {
  Form1& form = Linked();
  form.AudioTracksChosen({});
  EXPECT_EQ(calcs.size(), 1U);
  EXPECT_TRUE(form.State().audioTracks.empty());
  EXPECT_EQ(form.State().bytes_aud, kBothFor1000s);
  EXPECT_EQ(form.txtAudio.ToolTip(), "");
}

TEST_F(AudioTracksLink, IllegalTracksChangeNothing) {
  Form1& form = Linked();
  AudioTrack odd = kAc3Surround;
  odd.bitRate = 450000;
  form.AudioTracksChosen({odd});
  EXPECT_TRUE(calcs.empty());
  EXPECT_EQ(form.State().audioTracks, (std::vector<AudioTrack>{kAc3Surround, kMp2Stereo}));
}

class DiscPresets : public Form1Test {
 protected:
  std::vector<int> Checks(Form1& form) {
    std::vector<int> checks;
    for (Control* item : form.mnuDisc) checks.push_back(item->Value());
    return checks;
  }
};

TEST_F(DiscPresets, EachSetsItsExactBytesInTheRowsUnitWithOneCalcAndIsChecked) {
  const char* shown[] = {"4.384", "4.3776", "7.9569", "7.9609"};
  for (int i = 0; i < kDiscPresetCount; ++i) {
    SCOPED_TRACE(kDiscPresets[i].name);
    Form1& form = Loaded();
    form.mnuDisc[i]->Click();
    EXPECT_EQ(form.State().bytes_dest, kDiscPresets[i].bytes);
    EXPECT_EQ(form.txtDiskSpace.Text(), shown[i]);
    ASSERT_EQ(calcs.size(), 1U);
    EXPECT_EQ(calcs[0].bytes_dest, kDiscPresets[i].bytes);
    std::vector<int> expected(kDiscPresetCount, 0);
    expected[i] = 1;
    EXPECT_EQ(Checks(form), expected);
  }
}

TEST_F(DiscPresets, CheckMarkFollowsTheDestinationHoweverItChanges) {
  Form1& form = Loaded();
  EXPECT_EQ(Checks(form), (std::vector<int>{1, 0, 0, 0}));  // the starting destination
  Type(form.txtDiskSpace, "4.384");
  EXPECT_EQ(Checks(form), (std::vector<int>{0, 0, 0, 0}));
  form.cmbDest.SetText("Bytes");
  Type(form.txtDiskSpace, "8547991552");
  EXPECT_EQ(Checks(form), (std::vector<int>{0, 0, 0, 1}));
  form.Controls().KeyDown(&form.cmbDest, kKeyShift, 1);
  form.cmbDest.SetText("GB");  // a conversion keeps the bytes, and the mark
  EXPECT_EQ(Checks(form), (std::vector<int>{0, 0, 0, 1}));
  form.Controls().KeyUp(&form.cmbDest, kKeyShift, 1);
  form.cmbDest.SetText("MB");  // a plain change reads 7.961 MB
  EXPECT_EQ(Checks(form), (std::vector<int>{0, 0, 0, 0}));
}

}  // namespace
}  // namespace quillbit
