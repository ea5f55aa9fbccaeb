#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <ostream>
#include <string>
#include <vector>

#include "tests/main_window/form1_fixture.h"

namespace quillbit {
namespace {

using testing::ElementsAre;
using testing::ElementsAreArray;
using namespace testing_support;

class Restore : public Form1Test {
 protected:
  Form1& Start() {
    Form1& form = Make();
    form.Form_Load();
    return form;
  }
};

TEST_F(Restore, FirstRunReadsEveryValueButTheDestinationInOrderThenTheTracks) {
  Start();
  EXPECT_THAT(settings.log,
              ElementsAre("Read txtFrames", "Read optFormat", "Read chkFF", "Read cmbAudio",
                          "Read bytes_aud", "Read cmbSub", "Read bytes_sub", "Read cmbCush",
                          "Read bytes_cush", "Read cmbDest", "Read cmbCCESet", "Read cmbM2VSize",
                          "Read cmbSampleSize", "Read bytes_sampsize", "Read txtSampleQ",
                          "Read txtSampleFrame", "Read audioTracks"));
}

TEST_F(Restore, StoredListTextIsReadAgainToSelectIt) {
  settings.Store("cmbAudio", "MB");
  Start();
  EXPECT_EQ(settings.reads["cmbAudio"], 2);
  EXPECT_EQ(settings.reads["cmbSub"], 1);
  EXPECT_EQ(settings.reads["bytes_dest"], 0);
}

TEST_F(Restore, EveryStoredValueGoesBackIntoItsControl) {
  const std::pair<const char*, const char*> stored[] = {
      {"txtFrames", "150000"},
      {"optFormat", "True"},
      {"chkFF", "un"},
      {"bytes_aud", "1610612736"},
      {"cmbAudio", "GB"},
      {"bytes_sub", "307.2"},
      {"cmbSub", "KB"},
      {"bytes_cush", "0"},
      {"cmbCush", "GB"},
      {"bytes_dest", "9126805504"},
      {"cmbDest", "MB"},
      {"cmbCCESet", "Multi-Pass VBR"},
      {"cmbM2VSize", "MB"},
      {"cmbSampleSize", "MB"},
      {"bytes_sampsize", "41943040"},
      {"txtSampleQ", "40"},
      {"txtSampleFrame", "1500"},
  };
  for (const auto& [name, text] : stored) settings.Store(name, text);
  Form1& form = Start();
  EXPECT_EQ(form.txtFrames.Text(), "150000");
  EXPECT_EQ(form.optFormat[1]->Value(), 1);
  EXPECT_EQ(form.optFormat[0]->Value(), 0);
  EXPECT_EQ(form.chkFF.Value(), 0);
  EXPECT_EQ(form.txtFPS.Text(), "25");
  EXPECT_EQ(form.cmbAudio.Text(), "GB");
  EXPECT_EQ(form.txtAudio.Text(), "1.5");
  EXPECT_EQ(form.State().bytes_aud, 1610612736);
  EXPECT_EQ(form.cmbSub.Text(), "KB");
  EXPECT_EQ(form.txtSub.Text(), "0.3");
  EXPECT_EQ(form.State().bytes_sub, 307.2);
  EXPECT_EQ(form.cmbCush.Text(), "GB");
  EXPECT_EQ(form.txtCushion.Text(), "0.1172");
  EXPECT_EQ(form.State().bytes_cush, 125829120);
  EXPECT_EQ(form.cmbDest.Text(), "MB");
  EXPECT_EQ(form.txtDiskSpace.Text(), "4489.25");
  EXPECT_EQ(form.State().bytes_dest, 4707319808);
  EXPECT_EQ(form.cmbCCESet.Text(), "Multi-Pass VBR");
  EXPECT_FALSE(form.txtCCEQual.Visible());
  EXPECT_EQ(form.cmbM2VSize.Text(), "MB");
  EXPECT_EQ(form.cmbSampleSize.Text(), "MB");
  EXPECT_EQ(form.txtSampleSize.Text(), "40");
  EXPECT_EQ(form.State().bytes_sampsize, 41943040);
  EXPECT_EQ(form.txtSampleQ.Text(), "40");
  EXPECT_EQ(form.txtSampleFrame.Text(), "1500");
  // The last recalculation saw everything restored.
  ASSERT_FALSE(calcs.empty());
  EXPECT_EQ(calcs.back().txtFrames, "150000");
  EXPECT_EQ(calcs.back().bytes_aud, 1610612736);
  EXPECT_EQ(calcs.back().bytes_sampsize, 41943040);
  EXPECT_EQ(Notes(), 1);  // PAL came back while "Single Pass VBR" was still the method
}

struct FormatCase {
  const char* optFormat;
  const char* chkFF;  // nullptr: not stored
  bool pal;
  int film;
  const char* fps;
  int notes;
};

void PrintTo(const FormatCase& c, std::ostream* os) {
  *os << (c.optFormat ? c.optFormat : "(missing)") << "/" << (c.chkFF ? c.chkFF : "(missing)");
}

class RestoreFormat : public Form1Test, public testing::WithParamInterface<FormatCase> {};

TEST_P(RestoreFormat, FormatAndForcedFilmComeBackAsStored) {
  const FormatCase& c = GetParam();
  if (c.optFormat != nullptr) settings.Store("optFormat", c.optFormat);
  if (c.chkFF != nullptr) settings.Store("chkFF", c.chkFF);
  Form1& form = Make();
  form.Form_Load();
  EXPECT_EQ(form.optFormat[1]->Value(), c.pal ? 1 : 0);
  EXPECT_EQ(form.optFormat[0]->Value(), c.pal ? 0 : 1);
  EXPECT_EQ(form.chkFF.Value(), c.film);
  EXPECT_EQ(form.txtFPS.Text(), c.fps);
  EXPECT_EQ(Notes(), c.notes);
  for (const auto& m : messages.shown) EXPECT_EQ(m.caption, "Quillbit");
  EXPECT_EQ(form.State().filmAutoCleared, c.pal ? 1 : 0);
}

INSTANTIATE_TEST_SUITE_P(Form1, RestoreFormat,
                         testing::Values(FormatCase{"True", "ch", true, 1, "20", 1},
                                         FormatCase{"True", "un", true, 0, "25", 1},
                                         FormatCase{"True", "CHECKED", true, 1, "20", 1},
                                         FormatCase{"True", "Unchecked", true, 0, "25", 1},
                                         FormatCase{"True", nullptr, true, 0, "25",
                                                    1},  // cleared by PAL, kept
                                         FormatCase{"True", "", true, 0, "25", 1},
                                         FormatCase{"True", "x", true, 0, "25", 1},
                                         FormatCase{"False", "un", false, 0, "29.969875", 0},
                                         FormatCase{"False", "U", false, 0, "29.969875", 0},
                                         FormatCase{"False", "ch", false, 1, "23.9759", 0},
                                         FormatCase{"False", "", false, 1, "23.9759", 0},
                                         FormatCase{"False", "yes", false, 1, "23.9759", 0},
                                         FormatCase{nullptr, nullptr, false, 1, "23.9759", 0},
                                         // Anything but "True" keeps NTSC.
                                         FormatCase{"true", nullptr, false, 1, "23.9759", 0},
                                         FormatCase{"1", nullptr, false, 1, "23.9759", 0},
                                         FormatCase{"Yes", nullptr, false, 1, "23.9759", 0},
                                         FormatCase{"", nullptr, false, 1, "23.9759", 0}));

TEST_F(Restore, PalIsRestoredInsideTheFormatHandlerInOrder) {
  settings.Store("optFormat", "True");
  settings.Store("chkFF", "ch");
  Watch({"optFormat(1)", "chkFF", "txtFPS"});
  Start();
  // The start-up half comes first; the restore begins where PAL is selected.
  const auto from = std::find(log.begin(), log.end(), "optFormat(1).Value=1");
  ASSERT_NE(from, log.end());
  const std::vector<std::string> restore(from, log.end());
  EXPECT_THAT(restore, ElementsAre("optFormat(1).Value=1", "chkFF.Value=0", "note",
                                   "txtFPS.Text=25", "calc", "chkFF.Value=1", "txtFPS.Text=20",
                                   "calc", "calc", "calc"));  // sample Q and frames emptied
}

TEST_F(Restore, RestoredPalUsesUpTheOnceOnlyClearing) {
  settings.Store("optFormat", "True");
  settings.Store("chkFF", "ch");
  Form1& form = Start();
  form.optFormat[0]->SetValue(1);
  EXPECT_EQ(form.txtFPS.Text(), "23.9759");
  form.optFormat[1]->SetValue(1);
  EXPECT_EQ(form.chkFF.Value(), 1);
  EXPECT_EQ(form.txtFPS.Text(), "20");
}

TEST_F(Restore, PalNoteIsShownWhateverMethodIsStored) {
  settings.Store("optFormat", "True");
  settings.Store("cmbCCESet", "Multi-Pass VBR");
  Form1& form = Start();
  EXPECT_EQ(Notes(), 1);
  EXPECT_EQ(form.cmbCCESet.Text(), "Multi-Pass VBR");
  EXPECT_FALSE(form.State().palNoteShown);
}

struct CushionCase {
  const char* stored;  // nullptr: missing
  const char* unit;
  const char* shown;
};

void PrintTo(const CushionCase& c, std::ostream* os) {
  *os << (c.stored ? c.stored : "(missing)") << " " << c.unit;
}

class RestoreCushion : public Form1Test, public testing::WithParamInterface<CushionCase> {};

TEST_P(RestoreCushion, NothingPositiveGivesTheStartingCushion) {
  if (GetParam().stored != nullptr) settings.Store("bytes_cush", GetParam().stored);
  settings.Store("cmbCush", GetParam().unit);
  Form1& form = Make();
  form.Form_Load();
  EXPECT_EQ(form.State().bytes_cush, 125829120);
  EXPECT_EQ(form.txtCushion.Text(), GetParam().shown);
}

INSTANTIATE_TEST_SUITE_P(
    Form1, RestoreCushion,
    testing::Values(CushionCase{"0", "MB", "120"}, CushionCase{"0", "GB", "0.1172"},
                    CushionCase{"-5", "MB", "120"}, CushionCase{"-1E300", "KB", "122880"},
                    CushionCase{"lots", "MB", "120"}, CushionCase{"", "MB", "120"},
                    CushionCase{nullptr, "Bytes", "125829120"}));

TEST_F(Restore, UnreadableByteCountsRestoreAsZero) {
  settings.Store("bytes_aud", "lots");
  settings.Store("bytes_sub", "1E400");
  settings.Store("bytes_sampsize", "");
  Form1& form = Start();
  EXPECT_EQ(form.State().bytes_aud, 0);
  EXPECT_EQ(form.State().bytes_sub, 0);
  EXPECT_EQ(form.State().bytes_sampsize, 0);
  EXPECT_EQ(form.txtAudio.Text(), "0");
}

TEST_F(Restore, StoredDestinationHasNoEffect) {
  settings.Store("bytes_dest", "9126805504");
  Form1& form = Start();
  EXPECT_EQ(form.State().bytes_dest, 4707319808);
  EXPECT_EQ(form.txtDiskSpace.Text(), "4.384");
}

// A stored list text that is empty or not one of the list's items keeps the start-up choice.
struct ListCase {
  const char* list;
  const char* startUp;
};

void PrintTo(const ListCase& c, std::ostream* os) {
  *os << c.list;
}

class RestoreList : public Form1Test, public testing::WithParamInterface<ListCase> {};

TEST_P(RestoreList, EmptyOrUnknownTextKeepsTheStartUpChoice) {
  for (const char* stored : {"", "Furlongs", "Foo", "mb", " MB"}) {
    SCOPED_TRACE(stored);
    ClearLogs();
    settings.Store(GetParam().list, stored);
    Form1& form = Make();
    form.Form_Load();
    EXPECT_EQ(form.Get(GetParam().list).Text(), GetParam().startUp);
  }
}

INSTANTIATE_TEST_SUITE_P(Form1, RestoreList,
                         testing::Values(ListCase{"cmbAudio", "KB"}, ListCase{"cmbSub", "MB"},
                                         ListCase{"cmbCush", "MB"}, ListCase{"cmbDest", "GB"},
                                         ListCase{"cmbCCESet", "Single Pass VBR"},
                                         ListCase{"cmbM2VSize", "KB"},
                                         ListCase{"cmbSampleSize", "KB"}),
                         [](const auto& test) { return std::string(test.param.list); });

TEST_F(Restore, UnknownMethodKeepsTheSinglePassLayout) {
  settings.Store("cmbCCESet", "Foo");
  Form1& form = Start();
  EXPECT_EQ(form.Label4.Text(), "Recommended CCE Min:");
  EXPECT_FALSE(form.txtSampleQ.Visible());
}

TEST_F(Restore, IntegerValuesReadAsTheirDigits) {
  settings.values["txtFrames"] = SettingValue::Integer(5);
  settings.values["txtSampleQ"] = SettingValue::Integer(-40);
  settings.values["bytes_aud"] = SettingValue::Integer(5);
  settings.values["chkFF"] = SettingValue::Integer(5);
  Form1& form = Start();
  EXPECT_EQ(form.txtFrames.Text(), "5");
  EXPECT_EQ(form.txtSampleQ.Text(), "-40");
  EXPECT_EQ(form.State().bytes_aud, 5);
  EXPECT_EQ(form.chkFF.Value(), 1);
}

TEST_F(Restore, FrameCountBeyondADoubleStillOpensTheWindow) {
  settings.Store("txtFrames", "1E400");
  Form1& form = Start();
  EXPECT_TRUE(form.Loaded());
  EXPECT_EQ(form.txtFrames.Text(), "1E400");
  EXPECT_EQ(form.txtCCEMin.Text(), "0");
}

TEST_F(Restore, HiddenSampleFieldTakesItsUnit) {
  settings.Store("cmbSampleSize", "MB");
  settings.Store("bytes_sampsize", "41943040");
  Form1& form = Start();
  EXPECT_FALSE(form.txtSampleSize.Visible());
  EXPECT_EQ(form.txtSampleSize.Text(), "40");
}

TEST_F(Restore, BachMethodRecalculatesWithTheRestoredSample) {
  const std::pair<const char*, const char*> stored[] = {
      {"txtFrames", "150000"},
      {"optFormat", "True"},
      {"chkFF", "un"},
      {"bytes_aud", "400000000"},
      {"cmbCCESet", "Single Pass (Bach Method)"},
      {"bytes_sampsize", "41943040"},
      {"txtSampleQ", "40"},
      {"txtSampleFrame", "1500"},
  };
  for (const auto& [name, text] : stored) settings.Store(name, text);
  Form1& form = Start();
  // Cushion 120 MB and destination 4489.25 MB leave 4181490688 bytes for the video.
  EXPECT_EQ(form.lblSampPerc.Text(), "(1%)");
  EXPECT_TRUE(form.txtSampleQ.Visible());
  EXPECT_EQ(calcs.back().bytes_dest, 4707319808);
  EXPECT_EQ(calcs.back().txtSampleFrame, "1500");
  EXPECT_EQ(form.txtCCEQ.Text(), "41");
}

class RestoreCommaLocale : public Form1Test {
 protected:
  RestoreCommaLocale() : Form1Test(NumberLocale::GermanDE()) {}
};

TEST_F(RestoreCommaLocale, ByteCountsAreReadInTheUsersFormat) {
  settings.Store("bytes_aud", "307,2");
  settings.Store("cmbAudio", "KB");
  Form1& form = Make();
  form.Form_Load();
  EXPECT_EQ(form.State().bytes_aud, 307.2);
  EXPECT_EQ(form.txtAudio.Text(), "0,3");
}

}  // namespace
}  // namespace quillbit
