#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "tests/main_window/form1_fixture.h"

namespace quillbit {
namespace {

using testing::ElementsAre;
using namespace testing_support;

class Shutdown : public Form1Test {};

const std::vector<std::string> kFirstRunSave = {
    "CreateKey",
    "Write txtFrames=",
    "Write optFormat=False",
    "Write chkFF=ch",
    "Write bytes_aud=0",
    "Write cmbAudio=KB",
    "Write bytes_sub=0",
    "Write cmbSub=MB",
    "Write bytes_cush=125829120",
    "Write cmbCush=MB",
    "Write bytes_dest=4707319808",
    "Write cmbDest=GB",
    "Write cmbCCESet=Single Pass VBR",
    "Write cmbM2VSize=KB",
    "Write cmbSampleSize=KB",
    "Write bytes_sampsize=0",
    "Write txtSampleQ=",
    "Write txtSampleFrame=",
    "Write audioTracks=",
};

TEST_F(Shutdown, ClosingAfterAFirstRunWritesTheSeventeenValuesInOrderThenTheTracks) {
  Form1& form = Loaded();
  form.Unload();
  EXPECT_EQ(settings.log, kFirstRunSave);
  EXPECT_EQ(host.unloaded, 1);
  EXPECT_FALSE(form.Loaded());
  EXPECT_TRUE(messages.shown.empty());
  EXPECT_TRUE(calcs.empty());
}

TEST_F(Shutdown, FileExitSavesAndClosesLikeTheCloseBox) {
  Form1& form = Loaded();
  form.mnuExit.Click();
  EXPECT_EQ(settings.log, kFirstRunSave);
  EXPECT_EQ(host.unloaded, 1);
  EXPECT_FALSE(form.Loaded());
}

TEST_F(Shutdown, SecondUnloadDoesNothing) {
  Form1& form = Loaded();
  form.Unload();
  settings.log.clear();
  form.Unload();
  form.mnuExit_Click();
  EXPECT_TRUE(settings.log.empty());
  EXPECT_EQ(host.unloaded, 1);
}

TEST_F(Shutdown, PalWithForcedFilmClearIsStoredAsTrueAndUn) {
  Form1& form = Loaded();
  form.optFormat[1]->SetValue(1);
  settings.log.clear();
  form.Form_QueryUnload();
  EXPECT_EQ(settings.log[2], "Write optFormat=True");
  EXPECT_EQ(settings.log[3], "Write chkFF=un");
}

TEST_F(Shutdown, ByteCountsComeFromTheStateNotTheBoxes) {
  Form1& form = Loaded();
  form.cmbAudio.SetText("Bytes");
  Type(form.txtAudio, "1000000");
  form.Controls().KeyDown(&form.cmbAudio, kKeyShift, kShiftMask);
  form.cmbAudio.SetText("MB");
  ASSERT_EQ(form.txtAudio.Text(), "0.9537");
  settings.log.clear();
  form.Unload();
  EXPECT_EQ(settings.log[4], "Write bytes_aud=1000000");
  EXPECT_EQ(settings.log[5], "Write cmbAudio=MB");
}

TEST_F(Shutdown, TypedTextsAreWrittenAsTyped) {
  Form1& form = Loaded();
  form.txtFrames.SetText(" 12,000 frames");
  form.txtSampleQ.SetText("4O");
  form.txtSampleFrame.SetText("1500");
  settings.log.clear();
  form.Unload();
  EXPECT_EQ(settings.log[1], "Write txtFrames= 12,000 frames");
  EXPECT_EQ(settings.log[16], "Write txtSampleQ=4O");
  EXPECT_EQ(settings.log[17], "Write txtSampleFrame=1500");
}

TEST_F(Shutdown, KeyThatCannotBeCreatedLosesTheWritesAndTheWindowStillCloses) {
  settings.createFails = true;
  Form1& form = Loaded();
  form.Unload();
  EXPECT_TRUE(settings.values.empty());
  EXPECT_EQ(host.unloaded, 1);
  EXPECT_TRUE(messages.shown.empty());
}

TEST_F(Shutdown, AboutMenuAsksTheHost) {
  Form1& form = Loaded();
  form.mnuAbout.Click();
  EXPECT_EQ(host.aboutShown, 1);
  EXPECT_TRUE(form.Loaded());
}

// Save, then start a new window on the same store.
class SaveAndRestore : public Form1Test {
 protected:
  Form1& Restart() {
    form_->Unload();
    ClearLogs();
    Form1& next = Make();
    next.Form_Load();
    return next;
  }
};

TEST_F(SaveAndRestore, FractionalByteCountSurvivesExactly) {
  Form1& form = Loaded();
  form.cmbAudio.SetText("MB");
  Type(form.txtAudio, "0.1");
  ASSERT_EQ(form.State().bytes_aud, 104857.6);
  Form1& next = Restart();
  EXPECT_EQ(settings.values["bytes_aud"].AsText(), "104857.6");
  EXPECT_EQ(next.State().bytes_aud, 104857.6);
  EXPECT_EQ(next.cmbAudio.Text(), "MB");
  EXPECT_EQ(next.txtAudio.Text(), "0.1");
}

TEST_F(SaveAndRestore, ChangedDestinationIsWrittenButStartsFixed) {
  Form1& form = Loaded();
  Type(form.txtDiskSpace, "8.5");
  ASSERT_EQ(form.State().bytes_dest, 9126805504);
  Form1& next = Restart();
  EXPECT_EQ(settings.values["bytes_dest"].AsText(), "9126805504");
  EXPECT_EQ(next.State().bytes_dest, 4707319808);
  EXPECT_EQ(next.txtDiskSpace.Text(), "4.384");
}

TEST_F(SaveAndRestore, WholeWindowComesBack) {
  Form1& form = Loaded();
  form.optFormat[1]->SetValue(1);  // clears "Forced FILM", once per run
  form.chkFF.SetValue(1);          // and now it stays
  form.cmbCCESet.SetText("Single Pass (Bach Method)");
  form.txtFrames.SetText("150000");
  form.txtSampleQ.SetText("40");
  form.txtSampleFrame.SetText("1500");
  form.cmbSampleSize.SetText("MB");
  Type(form.txtSampleSize, "40");
  form.cmbM2VSize.SetText("GB");
  form.cmbSub.SetText("KB");
  Type(form.txtSub, "0.3");
  const std::string length = form.txtLength.Text();
  const std::string q = form.txtCCEQ.Text();
  const std::string m2v = form.txtM2VSize.Text();
  Form1& next = Restart();
  EXPECT_EQ(next.optFormat[1]->Value(), 1);
  EXPECT_EQ(next.chkFF.Value(), 1);
  EXPECT_EQ(next.txtFPS.Text(), "20");
  EXPECT_EQ(next.cmbCCESet.Text(), "Single Pass (Bach Method)");
  EXPECT_EQ(next.txtSampleSize.Text(), "40");
  EXPECT_EQ(next.txtSub.Text(), "0.3");
  EXPECT_EQ(next.State().bytes_sub, 307.2);
  EXPECT_EQ(next.txtLength.Text(), length);
  EXPECT_EQ(next.txtCCEQ.Text(), q);
  EXPECT_EQ(next.txtM2VSize.Text(), m2v);
  EXPECT_EQ(Notes(), 1);  // PAL restored while "Single Pass VBR" was still the method
}

class SaveAndRestoreCommaLocale : public SaveAndRestore {
 protected:
  SaveAndRestoreCommaLocale() { locale_ = NumberLocale::GermanDE(); }
};

TEST_F(SaveAndRestoreCommaLocale, FractionalByteCountSurvivesExactly) {
  Form1& form = Loaded();
  form.cmbAudio.SetText("MB");
  Type(form.txtAudio, "0,1");
  Form1& next = Restart();
  EXPECT_EQ(settings.values["bytes_aud"].AsText(), "104857,6");
  EXPECT_EQ(next.State().bytes_aud, 104857.6);
  EXPECT_EQ(next.txtAudio.Text(), "0,1");
}

}  // namespace
}  // namespace quillbit
