#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <functional>
#include <ostream>
#include <string>

#include "tests/main_window/form1_fixture.h"

namespace quillbit {
namespace {

using namespace testing_support;

// One of the five size fields, by its names, its byte count and its handlers.
struct FieldCase {
  const char* box;
  const char* list;
  double Form1State::*bytes;
  double CalcInputs::*calcBytes;
  void (Form1::*keyUp)(int, int);
  void (Form1::*click)();
};

void PrintTo(const FieldCase& c, std::ostream* os) {
  *os << c.box;
}

const FieldCase kFields[] = {
    {"txtAudio", "cmbAudio", &Form1State::bytes_aud, &CalcInputs::bytes_aud, &Form1::txtAudio_KeyUp,
     &Form1::cmbAudio_Click},
    {"txtSub", "cmbSub", &Form1State::bytes_sub, &CalcInputs::bytes_sub, &Form1::txtSub_KeyUp,
     &Form1::cmbSub_Click},
    {"txtCushion", "cmbCush", &Form1State::bytes_cush, &CalcInputs::bytes_cush,
     &Form1::txtCushion_KeyUp, &Form1::cmbCush_Click},
    {"txtDiskSpace", "cmbDest", &Form1State::bytes_dest, &CalcInputs::bytes_dest,
     &Form1::txtDiskSpace_KeyUp, &Form1::cmbDest_Click},
    // Hidden while "Single Pass VBR" is chosen, and working all the same.
    {"txtSampleSize", "cmbSampleSize", &Form1State::bytes_sampsize, &CalcInputs::bytes_sampsize,
     &Form1::txtSampleSize_KeyUp, &Form1::cmbSampleSize_Click},
};

class SizeField : public Form1Test, public testing::WithParamInterface<FieldCase> {
 protected:
  void SetUp() override {
    form = &Loaded();
    box = &form->Get(GetParam().box);
    list = &form->Get(GetParam().list);
  }
  double Bytes() const { return form->State().*GetParam().bytes; }
  // Shows a byte count in "Bytes" as a person would: pick the unit, type the number.
  void Enter(const char* unit, const char* text) {
    list->SetText(unit);
    Type(*box, text);
    ClearLogs();
  }

  Form1* form = nullptr;
  Control* box = nullptr;
  Control* list = nullptr;
};

TEST_P(SizeField, KeyReleaseReadsTheBoxInItsUnitAndRecalculates) {
  list->SetText("MB");
  ClearLogs();
  form->Controls().KeyDown(box, '1', 0);
  box->SetText("1");
  EXPECT_TRUE(calcs.empty()) << "the text alone changes nothing";
  form->Controls().KeyUp(box, '1', 0);
  Type(*box, "1.5");
  Type(*box, "1.5");  // the same text again: still a release, still a re-reading
  EXPECT_EQ(Bytes(), 1572864);
  ASSERT_EQ(calcs.size(), 3u);
  EXPECT_EQ(calcs[0].*GetParam().calcBytes, 1048576);
  EXPECT_EQ(calcs[2].*GetParam().calcBytes, 1572864);
}

TEST_P(SizeField, FractionalCountsAreKept) {
  Enter("KB", "0.5");
  EXPECT_EQ(Bytes(), 512);
  Enter("KB", "0.3");
  EXPECT_EQ(Bytes(), 0.3 * 1024);
}

TEST_P(SizeField, ShiftHeldConvertsWithoutRecalculating) {
  Enter("Bytes", "1000000");
  form->Controls().KeyDown(list, kKeyShift, kShiftMask);
  EXPECT_EQ(form->Label12.Text(), "Shift");
  list->SetText("MB");
  EXPECT_EQ(box->Text(), "0.9537");
  EXPECT_EQ(Bytes(), 1000000);
  list->SetText("Bytes");
  EXPECT_EQ(box->Text(), "1000000");
  EXPECT_EQ(Bytes(), 1000000);
  EXPECT_TRUE(calcs.empty());
  form->Controls().KeyUp(list, kKeyShift, 0);
  EXPECT_EQ(form->Label12.Text(), "");
}

TEST_P(SizeField, PlainChangeRereadsTheNumberInTheNewUnit) {
  Enter("Bytes", "1000000");
  list->SetText("MB");
  EXPECT_EQ(box->Text(), "1000000");
  EXPECT_EQ(Bytes(), 1048576000000);
  EXPECT_EQ(calcs.size(), 1u);
}

TEST_P(SizeField, AnyKeyReleaseInBetweenTurnsTheConversionIntoAPlainChange) {
  Enter("Bytes", "1000000");
  form->Controls().KeyDown(list, kKeyShift, kShiftMask);
  form->Controls().KeyDown(list, 'A', kShiftMask);
  form->Controls().KeyUp(list, 'A', kShiftMask);  // Shift itself is still down
  EXPECT_EQ(form->Label12.Text(), "");
  list->SetText("MB");
  EXPECT_EQ(Bytes(), 1048576000000);
  EXPECT_EQ(calcs.size(), 1u);
}

TEST_P(SizeField, ArrowKeyReleaseRereadsTheRoundedText) {
  Enter("Bytes", "1000000");
  form->Controls().KeyDown(list, kKeyShift, kShiftMask);
  list->SetText("MB");
  form->Controls().KeyUp(list, kKeyShift, 0);
  ASSERT_EQ(box->Text(), "0.9537");
  Press(box, kKeyLeft, 0);
  EXPECT_EQ(Bytes(), 0.9537 * 1048576);
  EXPECT_DOUBLE_EQ(Bytes(), 1000026.9312);
  EXPECT_EQ(calcs.size(), 1u);
}

TEST_P(SizeField, EveryKeyIsARereading) {
  Enter("KB", "2");
  for (int key : {kKeyReturn, kKeyShift, kKeyUp, kKeyDown, kKeyRight, kKeyDelete, kKeyCtrl}) {
    form->State().*GetParam().bytes = 1;
    Press(box, key, key == kKeyShift ? kShiftMask : 0);
    EXPECT_EQ(Bytes(), 2048) << key;
  }
  EXPECT_EQ(calcs.size(), 7u);
}

TEST_P(SizeField, TextPutInWithoutAKeyReleaseChangesNothing) {
  Enter("KB", "2");
  box->SetText("5");  // a paste with the mouse
  EXPECT_EQ(Bytes(), 2048);
  EXPECT_TRUE(calcs.empty());
}

TEST_P(SizeField, UnreadableTextCountsAsNoBytes) {
  for (const char* text : {"", "abc", "12abc", "1.5.", "--1"}) {
    Enter("MB", "7");
    Type(*box, text);
    EXPECT_EQ(Bytes(), 0) << text;
  }
}

TEST_P(SizeField, CountBeyondADoubleIsNoBytes) {
  Enter("GB", "1E300");
  EXPECT_EQ(Bytes(), 0);
  Enter("GB", "-1E300");
  EXPECT_EQ(Bytes(), 0);
  form->Controls().KeyDown(list, kKeyShift, kShiftMask);
  list->SetText("MB");
  EXPECT_EQ(box->Text(), "0");
}

TEST_P(SizeField, ListWithoutAUnitGivesNoBytes) {
  Enter("MB", "7");
  list->SetListIndex(-1);  // the click handler runs: a plain change to no unit
  EXPECT_EQ(Bytes(), 0);
  EXPECT_EQ(calcs.size(), 1u);
  Enter("MB", "7");
  form->Controls().KeyDown(list, kKeyShift, kShiftMask);
  list->SetListIndex(-1);
  EXPECT_EQ(box->Text(), "0");
  EXPECT_EQ(Bytes(), 7340032);
}

TEST_P(SizeField, HandlersByNameActOnTheirOwnField) {
  Enter("KB", "3");
  box->SetText("4");
  std::invoke(GetParam().keyUp, *form, 0, 0);
  EXPECT_EQ(Bytes(), 4096);
  list->SetText("MB");
  box->SetText("1");
  std::invoke(GetParam().click, *form);
  EXPECT_EQ(Bytes(), 1048576);
}

INSTANTIATE_TEST_SUITE_P(Form1, SizeField, testing::ValuesIn(kFields),
                         [](const auto& test) { return std::string(test.param.box); });

// The three modifier keys behave alike.
struct ModifierCase {
  int key;
  int mask;
};

class Modifier : public Form1Test, public testing::WithParamInterface<ModifierCase> {};

TEST_P(Modifier, HeldWhilePickingAUnitConverts) {
  Form1& form = Loaded();
  form.cmbAudio.SetText("Bytes");
  Type(form.txtAudio, "1000000");
  ClearLogs();
  form.Controls().KeyDown(&form.cmbAudio, GetParam().key, GetParam().mask);
  EXPECT_TRUE(form.State().shiftHeld);
  EXPECT_EQ(form.Label12.Text(), "Shift");
  form.cmbAudio.SetText("MB");
  EXPECT_EQ(form.txtAudio.Text(), "0.9537");
  form.cmbAudio.SetText("Bytes");
  EXPECT_EQ(form.txtAudio.Text(), "1000000");
  EXPECT_EQ(form.State().bytes_aud, 1000000);
  EXPECT_TRUE(calcs.empty());
}

INSTANTIATE_TEST_SUITE_P(Form1, Modifier,
                         testing::Values(ModifierCase{kKeyShift, kShiftMask},
                                         ModifierCase{kKeyCtrl, kCtrlMask},
                                         ModifierCase{kKeyAlt, kAltMask},
                                         ModifierCase{'A', kShiftMask | kCtrlMask}));

class KeyTracking : public Form1Test {};

TEST_F(KeyTracking, KeyDownWithoutModifierKeepsTheFlag) {
  Form1& form = Loaded();
  form.Controls().KeyDown(nullptr, kKeyShift, kShiftMask);
  form.Controls().KeyDown(nullptr, 'A', 0);
  EXPECT_TRUE(form.State().shiftHeld);
  EXPECT_EQ(form.Label12.Text(), "Shift");
}

TEST_F(KeyTracking, KeyDownWithoutModifierDoesNotSetTheFlag) {
  Form1& form = Loaded();
  form.Controls().KeyDown(nullptr, kKeyShift, 0);
  EXPECT_FALSE(form.State().shiftHeld);
  EXPECT_EQ(form.Label12.Text(), "");
}

TEST_F(KeyTracking, PreviewRunsBeforeTheBoxSoTheFlagIsClearWhenTheBoxRereads) {
  Form1& form = Loaded();
  form.Controls().KeyDown(&form.txtSub, kKeyShift, kShiftMask);
  bool heldDuringCalc = true;
  form.onCalc = [&](const CalcInputs&) { heldDuringCalc = form.State().shiftHeld; };
  form.Controls().KeyUp(&form.txtSub, kKeyShift, 0);
  EXPECT_FALSE(heldDuringCalc);
}

TEST_F(KeyTracking, ConversionShowsThePlainTextForm) {
  Form1& form = Loaded();
  form.cmbAudio.SetText("Bytes");
  Type(form.txtAudio, "448000000");
  form.Controls().KeyDown(&form.cmbAudio, kKeyShift, kShiftMask);
  form.cmbAudio.SetText("MB");
  EXPECT_EQ(form.txtAudio.Text(), "427.2461");
  form.cmbAudio.SetText("GB");
  EXPECT_EQ(form.txtAudio.Text(), "0.4172");
  form.cmbAudio.SetText("KB");
  EXPECT_EQ(form.txtAudio.Text(), "437500");
}

TEST_F(KeyTracking, EstimateUnitListIgnoresTheFlag) {
  Form1& form = Loaded();
  form.State().bytes_m2v = 1048576;
  form.Controls().KeyDown(&form.cmbM2VSize, kKeyShift, kShiftMask);
  form.cmbM2VSize.SetText("MB");
  EXPECT_EQ(form.txtM2VSize.Text(), "1.00");
  EXPECT_TRUE(calcs.empty());
}

class SizeFieldCommaLocale : public Form1Test {
 protected:
  SizeFieldCommaLocale() : Form1Test(NumberLocale::GermanDE()) {}
};

TEST_F(SizeFieldCommaLocale, ReadsAndWritesTheUsersDecimalSymbol) {
  Form1& form = Loaded();
  form.cmbAudio.SetText("MB");
  Type(form.txtAudio, "1,5");
  EXPECT_EQ(form.State().bytes_aud, 1572864);
  form.Controls().KeyDown(&form.cmbAudio, kKeyShift, kShiftMask);
  form.cmbAudio.SetText("GB");
  EXPECT_EQ(form.txtAudio.Text(), "0,0015");
}

}  // namespace
}  // namespace quillbit
