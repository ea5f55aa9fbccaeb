// The line under the results: what the window's own numbers say against DVD-Video's limits,
// just under, at and just over each of them.
#include <gtest/gtest.h>

#include <ostream>
#include <string>
#include <vector>

#include "core/dvd_limits.h"
#include "tests/main_window/form1_fixture.h"

namespace quillbit {
namespace {

using namespace testing_support;

// PAL without Forced FILM: 25000 frames play for exactly 1000 seconds, so the multi-pass average
// is the room in bytes / 125000 and 56000000 bytes of audio are 448 kbit/s.
struct LimitCase {
  const char* name;
  const char* method;
  const char* destBytes;
  const char* audioBytes;
  const char* cceMax;
  bool ac3Track;  // one AC-3 stereo track at 448 kbit/s stands for the audio
  const char* line;
};

void PrintTo(const LimitCase& c, std::ostream* os) {
  *os << c.name;
}

constexpr const char* kWithin = "Within DVD-Video limits";
// The lines of the two bitrate limits, before their excess.
#define OVER_VIDEO "Video bitrate above DVD-Video's 9800 kbit/s by "
#define OVER_PEAK "Video peak plus audio above the 10080 kbit/s a player reads by "

// clang-format off
const LimitCase kLimitCases[] = {
    // The multi-pass average is what the encoder is told.
    {"AverageJustUnderVideoLimit", kMethodMultiPass, "1224875000", "0", "8000", false, kWithin},
    {"AverageAtVideoLimit",        kMethodMultiPass, "1225000000", "0", "8000", false, kWithin},
    {"AverageJustOverVideoLimit",  kMethodMultiPass, "1225125000", "0", "8000", false,
     OVER_VIDEO "1 kbit/s"},
    // For the Bach method it is "CCE Max".
    {"CceMaxJustUnderVideoLimit", kMethodBach, "1000000000", "0", "9799.99", false, kWithin},
    {"CceMaxAtVideoLimit",        kMethodBach, "1000000000", "0", "9800",    false, kWithin},
    {"CceMaxJustOverVideoLimit",  kMethodBach, "1000000000", "0", "9800.01", false,
     OVER_VIDEO "0.01 kbit/s"},
    // The multi-pass average plus the audio over its bytes: 9632 + 448 is the limit.
    {"AverageAndAudioJustUnderPeak", kMethodMultiPass, "1259875000", "56000000", "8000", false,
     kWithin},
    {"AverageAndAudioAtPeak",        kMethodMultiPass, "1260000000", "56000000", "8000", false,
     kWithin},
    {"AverageAndAudioJustOverPeak",  kMethodMultiPass, "1260125000", "56000000", "8000", false,
     OVER_PEAK "1 kbit/s"},
    // "CCE Max" is the single-pass peak; tracks give their own rate, and their bytes for 1000 s.
    {"CceMaxAndTracksJustUnderPeak", kMethodSinglePass, "600000000", "0", "9631.99", true, kWithin},
    {"CceMaxAndTracksAtPeak",        kMethodSinglePass, "600000000", "0", "9632",    true, kWithin},
    {"CceMaxAndTracksJustOverPeak",  kMethodSinglePass, "600000000", "0", "9632.01", true,
     OVER_PEAK "0.01 kbit/s"},
    // The room for the video: the destination less the audio.
    {"OneByteOfRoom",      kMethodMultiPass, "56000001", "56000000", "8000", false, kWithin},
    {"NoRoom",             kMethodMultiPass, "56000000", "56000000", "8000", false,
     "No room for the video"},
    {"OneByteShortOfRoom", kMethodMultiPass, "55999999", "56000000", "8000", false,
     "No room for the video: the rest takes 1 byte more than the destination"},
    // The average is rounded, so the estimate may pass the room: 8999.999992 gives 9000.
    {"EstimateJustUnderRoom", kMethodMultiPass, "1125000001", "0", "8000", false, kWithin},
    {"EstimateAtRoom",        kMethodMultiPass, "1125000000", "0", "8000", false, kWithin},
    {"EstimateJustOverRoom",  kMethodMultiPass, "1124999999", "0", "8000", false,
     "Estimated size larger than the room for the video by 1 byte"},
};
// clang-format on
#undef OVER_VIDEO
#undef OVER_PEAK

class Limits : public Form1Test {
 protected:
  // Everything in bytes, the frame count last: its change runs the calc the line comes from.
  Form1& Enter(const LimitCase& c, const char* frames = "25000") {
    Form1& form = Loaded();
    form.cmbCCESet.SetText(c.method);
    form.optFormat[1]->SetValue(1);
    form.txtCCEMax.SetText(c.cceMax);
    for (const char* list : {"cmbDest", "cmbAudio", "cmbCush", "cmbSampleSize"})
      form.Get(list).SetText("Bytes");
    Type(form.txtCushion, "0");
    Type(form.txtDiskSpace, c.destBytes);
    Type(form.txtAudio, c.audioBytes);
    if (c.ac3Track)
      form.AudioTracksChosen({{.format = AudioFormat::Ac3, .bitRate = 448000, .channels = 2}});
    // A 1% sample whose Q leaves the estimate inside the room.
    form.txtSampleQ.SetText("40");
    form.txtSampleFrame.SetText("250");
    Type(form.txtSampleSize, "10485760");
    form.txtFrames.SetText(frames);
    return form;
  }
};

class LimitsLine : public Limits, public ::testing::WithParamInterface<LimitCase> {};

TEST_P(LimitsLine, ReadsTheFirstLimitBrokenInWarningColour) {
  const LimitCase& c = GetParam();
  Form1& form = Enter(c);
  ASSERT_EQ(form.txtFPS.Text(), "25");
  EXPECT_EQ(form.lblLimits.Text(), c.line);
  const bool within = std::string(c.line) == kDvdLimitsWithin;
  EXPECT_EQ(form.lblLimits.ForeColor(), within ? kWindowText : kWarningText);
}

INSTANTIATE_TEST_SUITE_P(Form1, LimitsLine, ::testing::ValuesIn(kLimitCases),
                         [](const ::testing::TestParamInfo<LimitCase>& p) {
                           return std::string(p.param.name);
                         });

TEST_F(Limits, CalculationWithoutAResultEmptiesTheLineInWindowText) {
  Form1& form = Enter(kLimitCases[2]);
  ASSERT_EQ(form.lblLimits.ForeColor(), kWarningText);
  form.txtFrames.SetText("");  // no playing time: calc fails
  EXPECT_EQ(form.lblLimits.Text(), "");
  EXPECT_EQ(form.lblLimits.ForeColor(), kWindowText);
  form.txtFrames.SetText("25000");
  EXPECT_EQ(form.lblLimits.Text(), kLimitCases[2].line);
}

TEST_F(Limits, EveryCalcRefreshesTheLine) {
  Form1& form = Enter(kLimitCases[1]);
  ASSERT_EQ(form.lblLimits.Text(), kDvdLimitsWithin);
  Type(form.txtDiskSpace, "1225125000");  // one more kbit/s on average
  EXPECT_EQ(form.lblLimits.Text(), kLimitCases[2].line);
}

class LimitsCommaLocale : public Limits {
 protected:
  LimitsCommaLocale() { locale_ = NumberLocale::GermanDE(); }
};

TEST_F(LimitsCommaLocale, ExcessIsWrittenWithTheUsersDecimalSymbol) {
  LimitCase c = kLimitCases[5];
  c.cceMax = "9800,01";
  Form1& form = Enter(c);
  EXPECT_EQ(form.lblLimits.Text(), "Video bitrate above DVD-Video's 9800 kbit/s by 0,01 kbit/s");
}

}  // namespace
}  // namespace quillbit
