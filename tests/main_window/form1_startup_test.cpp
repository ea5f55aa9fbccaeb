#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tests/main_window/form1_fixture.h"

namespace quillbit {
namespace {

using testing::ElementsAre;
using testing::ElementsAreArray;
using testing_support::Form1Test;

const std::vector<std::string> kUnits = {"Bytes", "KB", "MB", "GB"};

// What a control shows after the first start with nothing stored.
struct Shown {
  const char* name;
  const char* text;
  bool visible;
  Color fore;
  bool bold;
};

class FirstStart : public Form1Test {};

TEST_F(FirstStart, EveryControlShowsItsStartingState) {
  Form1& form = Make();
  form.Form_Load();
  const Color blue = kBlue;
  const Color plain = kWindowText;
  const Shown expected[] = {
      {"Label12", "", true, plain, false},
      {"cmbCCESet", "Single Pass VBR", true, plain, false},
      {"txtFrames", "", true, plain, false},
      {"optFormat(0)", "NTSC", true, plain, false},
      {"optFormat(1)", "PAL", true, plain, false},
      {"chkFF", "Forced FILM", true, plain, false},
      {"txtFPS", "23.9759", true, plain, false},
      {"txtAudio", "0", true, plain, false},
      {"cmbAudio", "KB", true, plain, false},
      {"txtSub", "0", true, plain, false},
      {"cmbSub", "MB", true, plain, false},
      {"txtCushion", "120", true, plain, false},
      {"cmbCush", "MB", true, plain, false},
      {"txtDiskSpace", "4.384", true, plain, false},
      {"cmbDest", "GB", true, plain, false},
      {"lblSampleFrame", "1% Sample # frames:", false, plain, false},
      {"txtSampleFrame", "", false, plain, false},  // the designed "0" is restored away
      {"lblSampPerc", "", false, plain, false},
      {"lblSampleQ", "1% Sample Q Used: ", false, plain, false},
      {"txtSampleQ", "", false, plain, false},
      {"lblSampleSize", "1% Sample Final Size:", false, plain, false},
      {"txtSampleSize", "0", false, plain, false},
      {"cmbSampleSize", "KB", false, plain, false},
      {"Label7", "CCE Quality:", true, plain, false},
      {"txtCCEQual", "5", true, plain, false},
      {"Label5", "CCE Q", true, plain, false},
      {"txtCCEQ", "60", true, plain, false},
      {"Label3", "CCE Max:", true, plain, false},
      {"txtCCEMax", "8000", true, plain, false},
      {"Label14", "kbps", true, plain, false},
      {"Label4", "Recommended CCE Min:", true, blue, false},
      {"txtCCEMin", "0", true, blue, true},  // no frame count yet: the failure path
      {"Label13", "kbps", true, plain, false},
      {"txtLength", "", true, plain, false},
      {"txtM2VSize", "0", true, plain, false},
      {"cmbM2VSize", "KB", true, plain, false},
  };
  for (const Shown& s : expected) {
    SCOPED_TRACE(s.name);
    const Control& c = form.Get(s.name);
    EXPECT_EQ(c.Text(), s.text);
    EXPECT_EQ(c.Visible(), s.visible);
    EXPECT_EQ(c.ForeColor(), s.fore);
    EXPECT_EQ(c.Bold(), s.bold);
  }
  EXPECT_EQ(form.optFormat[0]->Value(), 1);
  EXPECT_EQ(form.optFormat[1]->Value(), 0);
  EXPECT_EQ(form.chkFF.Value(), 1);
  const Form1State& st = form.State();
  EXPECT_EQ(st.bytes_aud, 0);
  EXPECT_EQ(st.bytes_sub, 0);
  EXPECT_EQ(st.bytes_cush, 125829120);
  EXPECT_EQ(st.bytes_dest, 4707319808);
  EXPECT_EQ(st.bytes_sampsize, 0);
  EXPECT_FALSE(st.shiftHeld);
  EXPECT_FALSE(st.palNoteShown);
  EXPECT_EQ(st.filmAutoCleared, 0);
  EXPECT_TRUE(messages.shown.empty());
  EXPECT_TRUE(form.Loaded());
}

TEST_F(FirstStart, CaptionCarriesTheVersion) {
  Form1& form = Make();
  EXPECT_EQ(form.Caption(), "Quillbit");
  form.Form_Load();
  EXPECT_EQ(form.Caption(), "Quillbit (Version 1.1.1)");
}

TEST_F(FirstStart, ListsAreFilledInOrder) {
  Form1& form = Make();
  form.cmbAudio.AddItem("left over");  // each list is emptied first
  form.Form_Load();
  EXPECT_THAT(form.cmbCCESet.Items(),
              ElementsAre("Single Pass VBR", "Single Pass (Bach Method)", "Multi-Pass VBR"));
  EXPECT_EQ(form.cmbCCESet.ListIndex(), 0);
  struct Selected {
    Control& list;
    int index;
  };
  const Selected lists[] = {{form.cmbAudio, 1}, {form.cmbSub, 2},     {form.cmbCush, 2},
                            {form.cmbDest, 3},  {form.cmbM2VSize, 1}, {form.cmbSampleSize, 1}};
  for (const Selected& s : lists) {
    SCOPED_TRACE(s.list.Name());
    EXPECT_THAT(s.list.Items(), ElementsAreArray(kUnits));
    EXPECT_EQ(s.list.ListIndex(), s.index);
  }
}

TEST_F(FirstStart, WindowIsCentredByItsOuterSize) {
  Form1& form = Make();
  form.SetOuterSize(6600, 7905);
  form.Form_Load();
  EXPECT_FLOAT_EQ(form.Left(), (28800.0f - 6600.0f) / 2.0f);
  EXPECT_FLOAT_EQ(form.Top(), (16200.0f - 7905.0f) / 2.0f);
  EXPECT_FLOAT_EQ(form.Width(), 6600);
  EXPECT_FLOAT_EQ(form.Height(), 7905);
}

class SmallScreen : public Form1Test {
 protected:
  SmallScreen() { screen = testing_support::FixedScreen(4800, 3600); }
};

TEST_F(SmallScreen, PositionIsNotClamped) {
  Form1& form = Make();
  form.SetOuterSize(6600, 7900);
  form.Form_Load();
  EXPECT_FLOAT_EQ(form.Left(), -900);
  EXPECT_FLOAT_EQ(form.Top(), -2150);
}

// Every recalculation of the start-up comes from a control's own handler, nested in the step
// that changed the control.
TEST_F(FirstStart, HandlersRunNestedInStepOrder) {
  Form1& form = Make();
  Watch({"optFormat(0)", "optFormat(1)", "chkFF", "txtFPS", "cmbCCESet", "cmbAudio", "cmbSub",
         "cmbCush", "txtCushion", "cmbDest", "txtDiskSpace", "cmbM2VSize", "cmbSampleSize",
         "txtSampleQ", "txtSampleFrame", "txtFrames"});
  form.Form_Load();
  EXPECT_THAT(log, ElementsAre("optFormat(0).Value=1", "txtFPS.Text=29.969875", "calc",
                               "chkFF.Value=1", "txtFPS.Text=23.9759", "calc",  //
                               "cmbCCESet.Text=Single Pass VBR", "calc",        //
                               "cmbAudio.Text=KB", "calc",                      //
                               "cmbSub.Text=MB", "calc",                        //
                               "cmbCush.Text=MB", "calc", "txtCushion.Text=120", "cmbDest.Text=GB",
                               "calc", "txtDiskSpace.Text=4.384",
                               "cmbM2VSize.Text=KB",             //
                               "cmbSampleSize.Text=KB", "calc",  //
                               "txtSampleQ.Text=", "calc",       // restored: nothing stored
                               "txtSampleFrame.Text=", "calc"));
  EXPECT_EQ(form.CalcRuns(), 10);
}

TEST_F(FirstStart, UnitHandlersReReadTheBoxBeforeTheStartingCountIsSet) {
  Form1& form = Make();
  form.txtDiskSpace.SetText("9");
  form.Form_Load();
  // The destination list's own handler read 9 GB; the step then set the fixed count.
  ASSERT_GE(calcs.size(), 7u);
  EXPECT_EQ(calcs[5].bytes_cush, 0);
  EXPECT_EQ(calcs[6].bytes_cush, 125829120);
  EXPECT_EQ(calcs[6].bytes_dest, 9.0 * 1073741824);
  EXPECT_EQ(form.State().bytes_dest, 4707319808);
  EXPECT_EQ(form.txtDiskSpace.Text(), "4.384");
  EXPECT_EQ(calcs.back().bytes_dest, 4707319808);
  EXPECT_EQ(calcs.back().bytes_cush, 125829120);
}

TEST_F(FirstStart, FilmAutoClearedStartsAtZeroWhateverItWas) {
  Form1& form = Make();
  form.State().filmAutoCleared = 1;
  form.Form_Load();
  EXPECT_EQ(form.State().filmAutoCleared, 0);
}

TEST_F(FirstStart, SecondLoadDoesNothing) {
  Form1& form = Make();
  form.Form_Load();
  ClearLogs();
  form.Form_Load();
  EXPECT_EQ(form.Caption(), "Quillbit (Version 1.1.1)");
  EXPECT_TRUE(calcs.empty());
  EXPECT_TRUE(settings.log.empty());
}

class FirstStartCommaLocale : public Form1Test {
 protected:
  FirstStartCommaLocale() : Form1Test(NumberLocale::GermanDE()) {}
};

TEST_F(FirstStartCommaLocale, NumbersUseTheUsersDecimalSymbol) {
  Form1& form = Make();
  form.Form_Load();
  EXPECT_EQ(form.txtFPS.Text(), "23,9759");
  EXPECT_EQ(form.txtDiskSpace.Text(), "4,384");
  EXPECT_EQ(form.txtCushion.Text(), "120");
  form.txtFrames.SetText("100000");
  form.chkFF.SetValue(0);
  EXPECT_EQ(form.txtFPS.Text(), "29,969875");
  EXPECT_EQ(form.txtLength.Text(), "0h, 55m, 36s, 20f");
}

}  // namespace
}  // namespace quillbit
