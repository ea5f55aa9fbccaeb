#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <ostream>
#include <string>

#include "tests/main_window/form1_fixture.h"

namespace quillbit {
namespace {

using testing::ElementsAre;
using testing_support::Form1Test;

constexpr const char* kSampleNames[] = {"txtSampleFrame", "lblSampleFrame", "lblSampPerc",
                                        "txtSampleQ",     "lblSampleQ",     "txtSampleSize",
                                        "lblSampleSize",  "cmbSampleSize"};

// How the results frame looks for one method.
struct LayoutCase {
  const char* method;   // nullptr: nothing selected
  bool qualityRow;      // txtCCEQual, Label7
  bool qRow;            // txtCCEQ, Label5
  bool maxRow;          // txtCCEMax, Label3, Label14
  bool minHighlighted;  // else txtCCEQ is
  const char* label4;
  Color label4Color;
  const char* label5;  // after coming from "Single Pass VBR"
  Color label5Color;
  bool samples;
};

void PrintTo(const LayoutCase& c, std::ostream* os) {
  *os << (c.method ? c.method : "(none)");
}

class MethodLayout : public Form1Test, public testing::WithParamInterface<LayoutCase> {};

TEST_P(MethodLayout, ShapesTheResultsFrame) {
  const LayoutCase& c = GetParam();
  Form1& form = Loaded();
  if (c.method == nullptr) {
    form.cmbCCESet.SetListIndex(-1);
  } else if (form.cmbCCESet.Text() == c.method) {
    form.cmbCCESet_Click();
  } else {
    form.cmbCCESet.SetText(c.method);
  }
  EXPECT_EQ(form.txtCCEQual.Visible(), c.qualityRow);
  EXPECT_EQ(form.Label7.Visible(), c.qualityRow);
  EXPECT_EQ(form.txtCCEQ.Visible(), c.qRow);
  EXPECT_EQ(form.Label5.Visible(), c.qRow);
  EXPECT_EQ(form.txtCCEMax.Visible(), c.maxRow);
  EXPECT_EQ(form.Label3.Visible(), c.maxRow);
  EXPECT_EQ(form.Label14.Visible(), c.maxRow);
  EXPECT_TRUE(form.txtCCEMin.Visible());
  EXPECT_TRUE(form.Label13.Visible());
  const Control& highlighted = c.minHighlighted ? form.txtCCEMin : form.txtCCEQ;
  const Control& plain = c.minHighlighted ? form.txtCCEQ : form.txtCCEMin;
  EXPECT_EQ(highlighted.ForeColor(), kBlue);
  EXPECT_TRUE(highlighted.Bold());
  EXPECT_EQ(plain.ForeColor(), kWindowText);
  EXPECT_FALSE(plain.Bold());
  EXPECT_EQ(form.Label4.Text(), c.label4);
  EXPECT_EQ(form.Label4.ForeColor(), c.label4Color);
  EXPECT_EQ(form.Label5.Text(), c.label5);
  EXPECT_EQ(form.Label5.ForeColor(), c.label5Color);
  for (const char* name : kSampleNames) {
    EXPECT_EQ(form.Get(name).Visible(), c.samples) << name;
  }
  EXPECT_EQ(calcs.size(), 1u) << "ends with one recalculation";
}

INSTANTIATE_TEST_SUITE_P(
    Form1, MethodLayout,
    testing::Values(LayoutCase{"Single Pass VBR", true, true, true, true,
                               "Recommended CCE Min:", kBlue, "CCE Q", kWindowText, false},
                    LayoutCase{"Single Pass (Bach Method)", true, true, true, false,
                               "CCE Min:", kWindowText, "Recommended CCE Q:", kBlue, true},
                    // Label5 keeps what the previous method gave it.
                    LayoutCase{"Multi-Pass VBR", false, false, false, true,
                               "CCE Avg bitrate to use:", kBlue, "CCE Q", kWindowText, false},
                    LayoutCase{nullptr, false, false, false, true, "CCE Avg bitrate to use:", kBlue,
                               "CCE Q", kWindowText, false}));

class Methods : public Form1Test {};

TEST_F(Methods, MultiPassLeavesLabel5AsTheBachMethodLeftIt) {
  Form1& form = Loaded();
  form.cmbCCESet.SetText("Single Pass (Bach Method)");
  form.cmbCCESet.SetText("Multi-Pass VBR");
  EXPECT_EQ(form.Label5.Text(), "Recommended CCE Q:");
  EXPECT_EQ(form.Label5.ForeColor(), kBlue);
  form.cmbCCESet.SetText("Single Pass VBR");
  EXPECT_EQ(form.Label5.Text(), "CCE Q");
  EXPECT_EQ(form.Label5.ForeColor(), kWindowText);
}

TEST_F(Methods, DesignedCaptionLastsOnlyUntilTheFirstMethod) {
  Form1& form = Make();
  EXPECT_EQ(form.Label5.Text(), "CCE Q:");
  form.Form_Load();
  EXPECT_EQ(form.Label5.Text(), "CCE Q");
}

TEST_F(Methods, SinglePassWritesSixtyAndBachLeavesTheQToTheCalculation) {
  Form1& form = Loaded();
  Form1State& st = form.State();
  st.bytes_dest = 4700000000;
  st.bytes_aud = 400000000;
  st.bytes_cush = 0;
  st.bytes_sampsize = 41943040;
  form.optFormat[1]->SetValue(1);
  form.txtSampleFrame.SetText("1500");
  form.txtSampleQ.SetText("40");
  form.txtFrames.SetText("150000");
  form.cmbCCESet.SetText("Single Pass (Bach Method)");
  EXPECT_EQ(form.txtCCEQ.Text(), "39");
  EXPECT_EQ(form.lblSampPerc.Text(), "(1%)");
  EXPECT_EQ(form.txtCCEMin.Text(), "0");
  form.cmbCCESet.SetText("Single Pass VBR");
  EXPECT_EQ(form.txtCCEQ.Text(), "60");
  EXPECT_EQ(form.txtCCEMin.Text(), "5779");
}

class PalNote : public Form1Test {};

TEST_F(PalNote, ChoosingSinglePassUnderPalShowsItOncePerEntry) {
  Form1& form = Loaded();
  form.cmbCCESet.SetText("Multi-Pass VBR");
  form.optFormat[1]->SetValue(1);
  EXPECT_EQ(Notes(), 0);
  form.cmbCCESet.SetText("Single Pass VBR");
  EXPECT_EQ(Notes(), 1);
  ASSERT_EQ(messages.shown.size(), 1u);
  EXPECT_EQ(messages.shown[0].caption, "Quillbit");
  EXPECT_EQ(messages.shown[0].text, "Note: \"Single Pass VBR\" does not work well with PAL");
  form.cmbCCESet_Click();  // the same method picked again
  EXPECT_EQ(Notes(), 1);
  form.cmbCCESet.SetText("Multi-Pass VBR");
  form.cmbCCESet.SetText("Single Pass VBR");
  EXPECT_EQ(Notes(), 2);
  form.cmbCCESet.SetText("Single Pass (Bach Method)");
  form.cmbCCESet.SetText("Single Pass VBR");
  EXPECT_EQ(Notes(), 3);
}

TEST_F(PalNote, NotShownUnderNtsc) {
  Form1& form = Loaded();
  form.cmbCCESet.SetText("Multi-Pass VBR");
  form.cmbCCESet.SetText("Single Pass VBR");
  EXPECT_EQ(Notes(), 0);
}

TEST_F(PalNote, ChoosingPalWithSinglePassShowsItAgainOnlyAfterNtsc) {
  Form1& form = Loaded();
  form.optFormat[1]->SetValue(1);
  EXPECT_EQ(Notes(), 1);
  form.optFormat_Click(1);  // the format handler again, PAL still selected
  EXPECT_EQ(Notes(), 1);
  form.optFormat[0]->SetValue(1);
  EXPECT_FALSE(form.State().palNoteShown);
  EXPECT_EQ(form.txtFPS.Text(), "29.969875");
  form.optFormat[1]->SetValue(1);
  EXPECT_EQ(Notes(), 2);
}

TEST_F(PalNote, SwitchingToPalWithForcedFilmClearsItShowsTheNoteOnceAndRecalculates) {
  Form1& form = Loaded();
  Watch({"chkFF", "txtFPS"});
  form.optFormat[1]->SetValue(1);
  // The cleared box runs the format handler again inside the first run; that inner run shows
  // the note and writes the rate, and the outer one finds nothing left to do.
  EXPECT_THAT(log, ElementsAre("chkFF.Value=0", "note", "txtFPS.Text=25", "calc"));
  EXPECT_EQ(form.chkFF.Value(), 0);
  EXPECT_EQ(form.State().filmAutoCleared, 1);
  EXPECT_TRUE(form.State().palNoteShown);
}

class ForcedFilm : public Form1Test {};

TEST_F(ForcedFilm, FirstCheckUnderPalIsUndoneThenKeptAtTwenty) {
  Form1& form = Loaded();
  form.chkFF.SetValue(0);
  form.optFormat[1]->SetValue(1);  // nothing to clear: the once-only clearing is still unused
  ASSERT_EQ(form.State().filmAutoCleared, 0);
  ASSERT_EQ(form.txtFPS.Text(), "25");
  Watch({"chkFF", "txtFPS"});
  ClearLogs();
  form.chkFF.SetValue(1);
  EXPECT_THAT(log, ElementsAre("chkFF.Value=1", "chkFF.Value=0"));  // rate unchanged: no calc
  EXPECT_EQ(form.State().filmAutoCleared, 1);
  EXPECT_EQ(form.txtFPS.Text(), "25");
  ClearLogs();
  form.chkFF.SetValue(1);
  EXPECT_THAT(log, ElementsAre("chkFF.Value=1", "txtFPS.Text=20", "calc"));
  EXPECT_EQ(form.chkFF.Value(), 1);
  // Back and forth keeps it: the clearing happens once per run.
  form.optFormat[0]->SetValue(1);
  EXPECT_EQ(form.txtFPS.Text(), "23.9759");
  form.optFormat[1]->SetValue(1);
  EXPECT_EQ(form.chkFF.Value(), 1);
  EXPECT_EQ(form.txtFPS.Text(), "20");
}

struct RateCase {
  bool pal;
  bool film;
  const char* text;
};

class FrameRate : public Form1Test, public testing::WithParamInterface<RateCase> {};

TEST_P(FrameRate, FollowsFormatAndForcedFilm) {
  const RateCase& c = GetParam();
  Form1& form = Loaded();
  form.optFormat[1]->SetValue(1);  // uses up the once-only clearing
  form.optFormat[c.pal ? 1 : 0]->SetValue(1);
  form.chkFF.SetValue(c.film ? 1 : 0);
  EXPECT_EQ(form.txtFPS.Text(), c.text);
  EXPECT_EQ(form.chkFF.Value(), c.film ? 1 : 0);
}

INSTANTIATE_TEST_SUITE_P(Form1, FrameRate,
                         testing::Values(RateCase{false, false, "29.969875"},
                                         RateCase{false, true, "23.9759"},
                                         RateCase{true, false, "25"}, RateCase{true, true, "20"}));

TEST_F(ForcedFilm, FormatHandlerWithAnUnchangedRateRecalculatesNothing) {
  Form1& form = Loaded();
  form.optFormat_Click(0);
  EXPECT_TRUE(calcs.empty());
}

TEST_F(ForcedFilm, IndexPassedIsIgnored) {
  Form1& form = Loaded();
  form.optFormat_Click(1);
  EXPECT_EQ(form.txtFPS.Text(), "23.9759");
  EXPECT_EQ(Notes(), 0);
}

TEST_F(ForcedFilm, TickingUnderNtscRecalculatesOnceThroughTheRate) {
  Form1& form = Loaded();
  form.chkFF.SetValue(0);
  EXPECT_EQ(form.txtFPS.Text(), "29.969875");
  ASSERT_EQ(calcs.size(), 1u);
  EXPECT_EQ(calcs[0].txtFPS, "29.969875");
  form.chkFF.SetValue(1);
  EXPECT_EQ(calcs.size(), 2u);
}

TEST_F(ForcedFilm, RateTextIsComparedBeforeItIsWritten) {
  Form1& form = Loaded();
  // A rate text that reads as the same number but differs in characters is rewritten.
  form.txtFPS.SetText("23.97590");
  ClearLogs();
  form.optFormat_Click(0);
  EXPECT_EQ(form.txtFPS.Text(), "23.9759");
  EXPECT_EQ(calcs.size(), 1u);
}

}  // namespace
}  // namespace quillbit
