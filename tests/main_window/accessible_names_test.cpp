#include <gtest/gtest.h>

#include <cctype>
#include <string>
#include <vector>

#include "core/accessible_name.h"
#include "tests/main_window/form1_fixture.h"

namespace quillbit {
namespace {

using testing_support::Form1Test;

struct NameCase {
  const char* control;
  const char* name;
};

class AccessibleNames : public Form1Test, public testing::WithParamInterface<NameCase> {};

// Every control a person can reach on a new window, named by the caption that stands for it.
TEST_P(AccessibleNames, ComeFromTheCaptionThatStandsForTheControl) {
  Form1& form = Loaded();
  EXPECT_EQ(AccessibleName(form.Controls(), form.Get(GetParam().control)), GetParam().name);
}

INSTANTIATE_TEST_SUITE_P(
    NewWindow, AccessibleNames,
    testing::Values(
        NameCase{"cmbCCESet", "CCE Method"}, NameCase{"txtFrames", "Total frames in movie"},
        NameCase{"optFormat(0)", "NTSC"}, NameCase{"optFormat(1)", "PAL"},
        NameCase{"chkFF", "Forced FILM"}, NameCase{"txtFPS", "Frame rate (fps)"},
        NameCase{"txtAudio", "Audio file(s) total size"},
        NameCase{"cmbAudio", "Audio file(s) total size unit"},
        NameCase{"txtSub", "Subtitle .bmp files size"},
        NameCase{"cmbSub", "Subtitle .bmp files size unit"},
        NameCase{"txtCushion", "Cushion (authoring, etc)"},
        NameCase{"cmbCush", "Cushion (authoring, etc) unit"},
        NameCase{"txtDiskSpace", "Destination size"}, NameCase{"cmbDest", "Destination size unit"},
        NameCase{"txtSampleFrame", "1% Sample # frames"},
        NameCase{"txtSampleQ", "1% Sample Q Used"},  // the caption ends in a blank
        NameCase{"txtSampleSize", "1% Sample Final Size"},
        NameCase{"cmbSampleSize", "1% Sample Final Size unit"},
        NameCase{"txtCCEQual", "CCE Quality"}, NameCase{"txtCCEMax", "CCE Max"},
        NameCase{"txtLength", "Movie Length"}, NameCase{"txtM2VSize", "Estimated output size"},
        NameCase{"cmbM2VSize", "Estimated output size unit"},
        NameCase{"Frame1", "Use These Settings"}, NameCase{"mnuExit", "Exit"},
        NameCase{"mnuOpen", "Open Project..."}),
    [](const testing::TestParamInfo<NameCase>& param) {
      std::string id;
      for (const char* c = param.param.control; *c != '\0'; ++c) {
        if (std::isalnum(static_cast<unsigned char>(*c))) id += *c;
      }
      return id;
    });

class AccessibleNamesFollowCaptions : public Form1Test {};

// The methods rewrite the captions of the results rows; the names of the boxes follow.
TEST_F(AccessibleNamesFollowCaptions, WhenAMethodRenamesARow) {
  Form1& form = Loaded();
  form.cmbCCESet.SetText("Single Pass (Bach Method)");
  EXPECT_EQ(AccessibleName(form.Controls(), form.Get("txtCCEQ")), "Recommended CCE Q");
  EXPECT_EQ(AccessibleName(form.Controls(), form.Get("txtCCEMin")), "CCE Min");
  form.cmbCCESet.SetText("Multi-Pass VBR");
  EXPECT_EQ(AccessibleName(form.Controls(), form.Get("txtCCEMin")), "CCE Avg bitrate to use");
}

TEST_F(AccessibleNamesFollowCaptions, ALabelKnowsWhichControlsItNames) {
  Form1& form = Loaded();
  std::vector<std::string> named;
  for (const Control* c : ControlsNamedBy(form.Controls(), form.Get("Label9"))) {
    named.push_back(c->Name());
  }
  EXPECT_EQ(named, (std::vector<std::string>{"txtAudio", "cmbAudio"}));
  // What a box holds names nothing, however often it changes.
  EXPECT_TRUE(ControlsNamedBy(form.Controls(), form.Get("txtAudio")).empty());
}

struct CaptionCase {
  const char* caption;
  const char* spoken;
};

class SpokenCaptions : public testing::TestWithParam<CaptionCase> {};

TEST_P(SpokenCaptions, LeaveOutAccessKeysBlanksAndTheColon) {
  EXPECT_EQ(SpokenCaption(GetParam().caption), GetParam().spoken);
}

INSTANTIATE_TEST_SUITE_P(Captions, SpokenCaptions,
                         testing::Values(CaptionCase{"&System Info...", "System Info..."},
                                         CaptionCase{"Salt && Pepper:", "Salt & Pepper"},
                                         CaptionCase{"1% Sample Q Used: ", "1% Sample Q Used"},
                                         CaptionCase{"  CCE Q", "CCE Q"}, CaptionCase{"", ""},
                                         CaptionCase{"Version 1.1.1\r\n", "Version 1.1.1"},
                                         CaptionCase{"&", ""}));

}  // namespace
}  // namespace quillbit
