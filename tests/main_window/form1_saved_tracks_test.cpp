// The audio tracks beside the seventeen stored values: saved at every close, restored last, and
// dropped on their own when they cannot be read.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "core/dvd_limits.h"
#include "tests/main_window/form1_fixture.h"

namespace quillbit {
namespace {

using namespace testing_support;

const AudioTrack kAc3Surround{.format = AudioFormat::Ac3, .bitRate = 448000, .channels = 6};
const AudioTrack kLpcmStereo = LpcmTrack(48000, 16, 2);

class SavedTracks : public Form1Test {
 protected:
  // PAL, multi-pass.
  void StoreWindow(const char* bytesAud, const char* frames = "25000") {
    settings.Store("txtFrames", frames);
    settings.Store("optFormat", "True");
    settings.Store("cmbCCESet", "Multi-Pass VBR");
    settings.Store("cmbAudio", "Bytes");
    settings.Store("bytes_aud", bytesAud);
  }
  Form1& Start() {
    Form1& form = Make();
    form.Form_Load();
    return form;
  }
};

// PAL, 25000 frames: 1000 seconds, in which the two tracks take 56000000 + 192000000 bytes.
TEST_F(SavedTracks, TracksSurviveACloseAndFollowTheLengthAgain) {
  Form1& form = Loaded();
  form.optFormat[1]->SetValue(1);
  form.txtFrames.SetText("25000");
  form.cmbAudio.SetText("Bytes");
  form.AudioTracksChosen({kAc3Surround, kLpcmStereo});
  form.Unload();
  EXPECT_EQ(settings.log.back(), "Write audioTracks=ac3:448:6,lpcm:1536:2");

  Form1& next = Start();
  EXPECT_EQ(next.State().audioTracks, (std::vector<AudioTrack>{kAc3Surround, kLpcmStereo}));
  EXPECT_EQ(next.State().bytes_aud, 248000000);
  EXPECT_EQ(next.txtAudio.ToolTip(),
            "AC-3, 6 channels, 448 kbit/s\nLPCM, 2 channels, 48 kHz, 16 bits, 1536 kbit/s");
  next.txtFrames.SetText("50000");
  EXPECT_EQ(next.State().bytes_aud, 496000000);
  EXPECT_EQ(next.txtAudio.Text(), "496000000");
}

TEST_F(SavedTracks, EndedLinkSavesNone) {
  Form1& form = Loaded();
  form.AudioTracksChosen({kAc3Surround});
  form.AudioTracksChosen({});
  form.Unload();
  EXPECT_EQ(settings.values["audioTracks"].AsText(), "");
}

TEST_F(SavedTracks, RestoredTracksAreSizedAtTheFirstCalcAndGiveTheLineTheirRate) {
  // An average of 9700 kbit/s: within the limits for 1 byte of audio, not with 448 kbit/s of it.
  StoreWindow("1", "94463");
  settings.Store("audioTracks", "ac3:448:6");
  Form1& form = Start();
  EXPECT_EQ(form.State().bytes_aud, 1);  // as stored, until something recalculates
  EXPECT_EQ(form.lblLimits.Text().rfind("Video peak plus audio above", 0), 0U);
  EXPECT_EQ(form.lblLimits.ForeColor(), kWarningText);
  Type(form.txtSub, "0");
  EXPECT_EQ(form.State().bytes_aud, 118079.0 * 4 * 448);  // 3778.52 s of AC-3 frames
  EXPECT_EQ(form.lblLimits.Text(), kDvdLimitsWithin);
}

TEST_F(SavedTracks, ListThatCannotBeReadIsDroppedWithNothingElseLost) {
  struct Case {
    const char* name;
    SettingValue stored;
  };
  std::string nine;
  for (int i = 0; i < 9; ++i) nine += i == 0 ? "mp2:224" : ",mp2:224";
  const Case cases[] = {
      {"missing: an older file", SettingValue::Missing()},
      {"empty", SettingValue::Text("")},
      {"unknown format", SettingValue::Text("flac:448")},
      {"bitrate out of range", SettingValue::Text("ac3:450:6")},
      {"too many channels", SettingValue::Text("ac3:448:7")},
      {"trailing comma", SettingValue::Text("ac3:448:6,")},
      {"blank", SettingValue::Text(" ac3:448:6")},
      {"other separator", SettingValue::Text("ac3:448:6;mp2:224")},
      {"too many tracks", SettingValue::Text(nine)},
      {"pasted at length", SettingValue::Text(std::string(100000, '4'))},
      {"an integer", SettingValue::Integer(448)},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    settings.values.clear();
    messages.shown.clear();
    StoreWindow("1234");
    if (!c.stored.IsMissing()) settings.values["audioTracks"] = c.stored;
    Form1& form = Start();
    EXPECT_TRUE(form.Loaded());
    EXPECT_TRUE(form.State().audioTracks.empty());
    EXPECT_EQ(form.txtAudio.ToolTip(), "");
    EXPECT_EQ(form.State().bytes_aud, 1234);
    EXPECT_EQ(form.txtAudio.Text(), "1234");
    EXPECT_EQ(form.txtFrames.Text(), "25000");
    EXPECT_EQ(form.txtFPS.Text(), "25");
    EXPECT_EQ(form.cmbCCESet.Text(), "Multi-Pass VBR");
    EXPECT_EQ(messages.shown.size(), static_cast<std::size_t>(Notes()));  // PAL's, no other
    form.txtFrames.SetText("50000");
    EXPECT_EQ(form.State().bytes_aud, 1234);
  }
}

}  // namespace
}  // namespace quillbit
