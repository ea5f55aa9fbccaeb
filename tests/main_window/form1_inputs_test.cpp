#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <ostream>
#include <string>
#include <vector>

#include "tests/main_window/form1_fixture.h"

namespace quillbit {
namespace {

using testing::ElementsAre;
using namespace testing_support;

class OtherInputs : public Form1Test {};

TEST_F(OtherInputs, TypingAFrameCountRecalculatesOncePerCharacter) {
  Form1& form = Loaded();
  std::string typed;
  for (char c : std::string("12345")) {
    typed += c;
    Type(form.txtFrames, typed, c);
  }
  std::vector<std::string> seen;
  for (const CalcInputs& in : calcs) seen.push_back(in.txtFrames);
  EXPECT_THAT(seen, ElementsAre("1", "12", "123", "1234", "12345"));
}

struct ChangeCase {
  const char* box;
  std::string CalcInputs::*seen;
};

void PrintTo(const ChangeCase& c, std::ostream* os) {
  *os << c.box;
}

class ChangeHandler : public Form1Test, public testing::WithParamInterface<ChangeCase> {};

TEST_P(ChangeHandler, EveryChangeOfTheTextRecalculatesOnce) {
  Form1& form = Loaded();
  Control& box = form.Get(GetParam().box);
  box.SetText("7");
  box.SetText("");
  box.SetText("7");
  ASSERT_EQ(calcs.size(), 3u);
  EXPECT_EQ(calcs[1].*GetParam().seen, "");
  EXPECT_EQ(calcs[2].*GetParam().seen, "7");
}

INSTANTIATE_TEST_SUITE_P(Form1, ChangeHandler,
                         testing::Values(ChangeCase{"txtFrames", &CalcInputs::txtFrames},
                                         ChangeCase{"txtFPS", &CalcInputs::txtFPS},
                                         ChangeCase{"txtSampleFrame", &CalcInputs::txtSampleFrame},
                                         ChangeCase{"txtSampleQ", &CalcInputs::txtSampleQ}),
                         [](const auto& test) { return std::string(test.param.box); });

TEST_F(OtherInputs, ClearingTheFrameCountTakesTheFailurePathAndKeepsTheLength) {
  Form1& form = Loaded();
  form.txtFrames.SetText("100000");
  ASSERT_EQ(form.txtLength.Text(), "1h, 9m, 30s, 20f");
  form.txtFrames.SetText("");
  EXPECT_EQ(form.txtLength.Text(), "1h, 9m, 30s, 20f");
  EXPECT_EQ(form.txtCCEMin.Text(), "0");
  EXPECT_EQ(form.txtM2VSize.Text(), "0");
}

TEST_F(OtherInputs, FrameCountBeyondADoubleTakesTheFailurePath) {
  Form1& form = Loaded();
  form.txtFrames.SetText("100000");
  form.txtFrames.SetText("1E400");
  EXPECT_EQ(form.txtCCEMin.Text(), "0");
  EXPECT_EQ(form.txtM2VSize.Text(), "0");
}

TEST_F(OtherInputs, ForcedFilmReachesCalcOnlyThroughTheRate) {
  Form1& form = Loaded();
  Watch({"chkFF", "txtFPS"});
  form.chkFF.SetValue(0);
  EXPECT_THAT(log, ElementsAre("chkFF.Value=0", "txtFPS.Text=29.969875", "calc"));
}

TEST_F(OtherInputs, ForcedFilmHandlerCallsTheFormatHandlerWithIndexZero) {
  Form1& form = Loaded();
  form.optFormat[1]->SetValue(1);
  ClearLogs();
  form.chkFF_Click();  // decides from the options, not from the index
  EXPECT_EQ(form.txtFPS.Text(), "25");
  EXPECT_TRUE(calcs.empty());
}

// A whole worked example, typed and picked as a person would.
TEST_F(OtherInputs, MultiPassWorkedExampleByTypingAndPicking) {
  Form1& form = Loaded();
  form.optFormat[1]->SetValue(1);  // PAL, and "Forced FILM" cleared with it
  form.cmbCCESet.SetText("Multi-Pass VBR");
  form.cmbDest.SetText("Bytes");
  Type(form.txtDiskSpace, "4700000000");
  Type(form.txtCushion, "0");
  form.cmbAudio.SetText("Bytes");
  Type(form.txtAudio, "400000000");
  Type(form.txtFrames, "90000");
  EXPECT_EQ(form.txtFPS.Text(), "25");
  EXPECT_EQ(form.txtLength.Text(), "1h, 0m, 0s, 0f");
  EXPECT_EQ(form.txtCCEMin.Text(), "9556");
  EXPECT_EQ(form.State().bytes_m2v, 4300200000);
  EXPECT_EQ(form.txtM2VSize.Text(), "4,199,414.06");
  form.cmbM2VSize.SetText("MB");
  EXPECT_EQ(form.txtM2VSize.Text(), "4,100.99");
}

struct DisplayCase {
  const char* unit;
  const char* enUS;
  const char* comma;
};

const DisplayCase kDisplay[] = {
    {"Bytes", "4,300,200,000.00", "4.300.200.000,00"},
    {"KB", "4,199,414.06", "4.199.414,06"},
    {"MB", "4,100.99", "4.100,99"},
    {"GB", "4.00", "4,00"},
};

class EstimateDisplay : public Form1Test, public testing::WithParamInterface<bool> {
 protected:
  EstimateDisplay()
      : Form1Test(GetParam() ? NumberLocale::GermanDE() : NumberLocale::EnglishUS()) {}
};

TEST_P(EstimateDisplay, ShowsTheEstimateInTheChosenUnitWithoutRecalculating) {
  Form1& form = Loaded();
  form.State().bytes_m2v = 4300200000;
  for (const DisplayCase& c : kDisplay) {
    form.cmbM2VSize.SetText(c.unit);
    EXPECT_EQ(form.txtM2VSize.Text(), GetParam() ? c.comma : c.enUS) << c.unit;
  }
  EXPECT_EQ(form.State().bytes_m2v, 4300200000);
  EXPECT_TRUE(calcs.empty());
}

TEST_P(EstimateDisplay, NoEstimateOrNoUnitShowsZero) {
  Form1& form = Loaded();
  form.cmbM2VSize.SetText("MB");
  EXPECT_EQ(form.txtM2VSize.Text(), GetParam() ? "0,00" : "0.00");
  form.State().bytes_m2v = 4300200000;
  form.cmbM2VSize.SetListIndex(-1);
  EXPECT_EQ(form.txtM2VSize.Text(), GetParam() ? "0,00" : "0.00");
}

INSTANTIATE_TEST_SUITE_P(Form1, EstimateDisplay, testing::Bool(),
                         [](const auto& test) { return test.param ? "CommaDecimal" : "EnUS"; });

}  // namespace
}  // namespace quillbit
