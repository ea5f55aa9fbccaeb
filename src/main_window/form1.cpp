#include "main_window/form1.h"

#include "main_window/form1_layout.h"

namespace quillbit {
namespace {

// A sizable window with a caption bar and a menu bar, at 96 dpi, until the host says otherwise.
constexpr float kFrameWidthTwips = 2 * 4 * 15;
constexpr float kFrameHeightTwips = (2 * 4 + 19 + 19) * 15;

}  // namespace

Form1::Form1(NumberLocale locale, AppInfo app, Form1Ports ports)
    : FormFrame(app.title, kForm1ClientWidth + kFrameWidthTwips,
                kForm1ClientHeight + kFrameHeightTwips),
      locale_(std::move(locale)),
      app_(std::move(app)),
      ports_(ports),
      controls_(Form1Layout()),
      Label12(controls_.Get("Label12")),
      cmbCCESet(controls_.Get("cmbCCESet")),
      txtFrames(controls_.Get("txtFrames")),
      optFormat{&controls_.Get("optFormat(0)"), &controls_.Get("optFormat(1)")},
      chkFF(controls_.Get("chkFF")),
      txtFPS(controls_.Get("txtFPS")),
      txtAudio(controls_.Get("txtAudio")),
      cmbAudio(controls_.Get("cmbAudio")),
      txtSub(controls_.Get("txtSub")),
      cmbSub(controls_.Get("cmbSub")),
      txtCushion(controls_.Get("txtCushion")),
      cmbCush(controls_.Get("cmbCush")),
      txtDiskSpace(controls_.Get("txtDiskSpace")),
      cmbDest(controls_.Get("cmbDest")),
      lblSampleFrame(controls_.Get("lblSampleFrame")),
      txtSampleFrame(controls_.Get("txtSampleFrame")),
      lblSampPerc(controls_.Get("lblSampPerc")),
      lblSampleQ(controls_.Get("lblSampleQ")),
      txtSampleQ(controls_.Get("txtSampleQ")),
      lblSampleSize(controls_.Get("lblSampleSize")),
      txtSampleSize(controls_.Get("txtSampleSize")),
      cmbSampleSize(controls_.Get("cmbSampleSize")),
      Label7(controls_.Get("Label7")),
      txtCCEQual(controls_.Get("txtCCEQual")),
      Label5(controls_.Get("Label5")),
      txtCCEQ(controls_.Get("txtCCEQ")),
      Label3(controls_.Get("Label3")),
      txtCCEMax(controls_.Get("txtCCEMax")),
      Label14(controls_.Get("Label14")),
      Label4(controls_.Get("Label4")),
      txtCCEMin(controls_.Get("txtCCEMin")),
      Label13(controls_.Get("Label13")),
      txtLength(controls_.Get("txtLength")),
      txtM2VSize(controls_.Get("txtM2VSize")),
      cmbM2VSize(controls_.Get("cmbM2VSize")),
      mnuOpen(controls_.Get("mnuOpen")),
      mnuExit(controls_.Get("mnuExit")),
      mnuAbout(controls_.Get("mnuAbout")),
      mnuTools(controls_.Get("mnuTools")),
      mnuAudioTracks(controls_.Get("mnuAudioTracks")),
      mnuDestination(controls_.Get("mnuDestination")),
      mnuDisc{&controls_.Get("mnuDisc(0)"), &controls_.Get("mnuDisc(1)"),
              &controls_.Get("mnuDisc(2)"), &controls_.Get("mnuDisc(3)")},
      lblLimits(controls_.Get("lblLimits")),
      sizeFields_{{
          {"bytes_aud", controls_.Get("Label9"), txtAudio, cmbAudio, &Form1State::bytes_aud},
          {"bytes_sub", controls_.Get("Label10"), txtSub, cmbSub, &Form1State::bytes_sub},
          {"bytes_cush", controls_.Get("Label6"), txtCushion, cmbCush, &Form1State::bytes_cush},
          {"bytes_dest", controls_.Get("Label20"), txtDiskSpace, cmbDest, &Form1State::bytes_dest},
          {"bytes_sampsize", controls_.Get("lblSampleSize"), txtSampleSize, cmbSampleSize,
           &Form1State::bytes_sampsize},
      }} {
  WireHandlers();
}

void Form1::WireHandlers() {
  controls_.onFormKeyDown = [this](int key, int shift) { Form_KeyDown(key, shift); };
  controls_.onFormKeyUp = [this](int key, int shift) { Form_KeyUp(key, shift); };
  txtFrames.onChange = [this] { txtFrames_Change(); };
  txtFPS.onChange = [this] { txtFPS_Change(); };
  txtSampleFrame.onChange = [this] { txtSampleFrame_Change(); };
  txtSampleQ.onChange = [this] { txtSampleQ_Change(); };
  txtAudio.onKeyUp = [this](int key, int shift) { txtAudio_KeyUp(key, shift); };
  txtSub.onKeyUp = [this](int key, int shift) { txtSub_KeyUp(key, shift); };
  txtCushion.onKeyUp = [this](int key, int shift) { txtCushion_KeyUp(key, shift); };
  txtDiskSpace.onKeyUp = [this](int key, int shift) { txtDiskSpace_KeyUp(key, shift); };
  txtSampleSize.onKeyUp = [this](int key, int shift) { txtSampleSize_KeyUp(key, shift); };
  cmbAudio.onClick = [this] { cmbAudio_Click(); };
  cmbSub.onClick = [this] { cmbSub_Click(); };
  cmbCush.onClick = [this] { cmbCush_Click(); };
  cmbDest.onClick = [this] { cmbDest_Click(); };
  cmbSampleSize.onClick = [this] { cmbSampleSize_Click(); };
  cmbM2VSize.onClick = [this] { cmbM2VSize_Click(); };
  cmbCCESet.onClick = [this] { cmbCCESet_Click(); };
  optFormat[0]->onClick = [this] { optFormat_Click(0); };
  optFormat[1]->onClick = [this] { optFormat_Click(1); };
  chkFF.onClick = [this] { chkFF_Click(); };
  mnuOpen.onClick = [this] { mnuOpen_Click(); };
  mnuExit.onClick = [this] { mnuExit_Click(); };
  controls_.onFilesDropped = [this](const Control* control, const std::vector<std::string>& paths) {
    FilesDropped(control, paths);
  };
  mnuAbout.onClick = [this] { mnuAbout_Click(); };
  mnuAudioTracks.onClick = [this] { mnuAudioTracks_Click(); };
  for (int i = 0; i < 4; ++i) mnuDisc[i]->onClick = [this, i] { mnuDisc_Click(i); };
}

void Form1::calc() {
  ++calcRuns_;
  if (!state_.audioTracks.empty()) FollowAudioTracks();
  CalcInputs in{
      .txtFPS = txtFPS.Text(),
      .txtFrames = txtFrames.Text(),
      .cmbCCESet = cmbCCESet.Text(),
      .ntsc = optFormat[0]->Value() == 1,
      .txtCCEMax = txtCCEMax.Text(),
      .txtSampleFrame = txtSampleFrame.Text(),
      .txtSampleQ = txtSampleQ.Text(),
      .bytes_dest = state_.bytes_dest,
      .bytes_cush = state_.bytes_cush,
      .bytes_aud = state_.bytes_aud,
      .bytes_sub = state_.bytes_sub,
      .bytes_sampsize = state_.bytes_sampsize,
  };
  if (onCalc) onCalc(in);
  const CalcResult result = quillbit::calc(in, locale_);
  for (const CalcWrite& write : result) {
    switch (write.target) {
      case CalcTarget::txtLength:
        txtLength.SetText(write.text);
        break;
      case CalcTarget::txtCCEMin:
        txtCCEMin.SetText(write.text);
        break;
      case CalcTarget::txtCCEQ:
        txtCCEQ.SetText(write.text);
        break;
      case CalcTarget::lblSampPerc:
        lblSampPerc.SetText(write.text);
        break;
      case CalcTarget::txtM2VSize:
        txtM2VSize.SetText(write.text);
        break;
    }
  }
  if (result.bytes_m2v) state_.bytes_m2v = *result.bytes_m2v;
  if (result.refreshDisplay) cmbM2VSize_Click();
  lastCalc_ = LastCalc{.in = std::move(in), .result = result};
  ShowLimits();
  ShowDiscChecks();
}

}  // namespace quillbit
