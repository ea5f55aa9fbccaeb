#pragma once

#include <array>
#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/app_info.h"
#include "core/audio_tracks.h"
#include "core/calc.h"
#include "core/control_set.h"
#include "core/d2v_project.h"
#include "core/form_frame.h"
#include "core/number_locale.h"
#include "core/ports.h"
#include "core/presets.h"
#include "core/setting_value.h"
#include "core/stored_settings.h"
#include "main_window/audio_tracks_request.h"

namespace quillbit {

// What the main window asks of its host beyond the shared ports.
class MainWindowHost {
 public:
  virtual ~MainWindowHost() = default;
  virtual void ShowAboutWindow() = 0;  // "Help" > "About"
  // "Tools" > "Audio Tracks...": shows the Audio Tracks window, modal over this one.
  virtual void ShowAudioTracksWindow(AudioTracksRequest request) = 0;
  virtual void WindowUnloaded() = 0;  // the window has saved and is gone
};

struct Form1Ports {
  MessageBoxPort& messages;
  ScreenPort& screen;
  SettingsStore& settings;
  MainWindowHost& host;
  OpenFileDialogPort& fileDialog;
};

// The main window state: one byte count per size field, the estimate, and three flags.
struct Form1State {
  double bytes_aud = 0;
  double bytes_sub = 0;
  double bytes_cush = 0;
  double bytes_dest = 0;
  double bytes_sampsize = 0;
  double bytes_m2v = 0;
  bool shiftHeld = false;
  bool palNoteShown = false;
  std::int16_t filmAutoCleared = 0;
  // While there are tracks they stand for the audio: bytes_aud is their total for the length.
  std::vector<AudioTrack> audioTracks;
};

// The main window model: its controls, its state and every handler, with no toolkit.
class Form1 : public FormFrame {
 public:
  Form1(NumberLocale locale, AppInfo app, Form1Ports ports);
  Form1(const Form1&) = delete;
  Form1& operator=(const Form1&) = delete;

  ControlSet& Controls() { return controls_; }
  const ControlSet& Controls() const { return controls_; }
  Control& Get(std::string_view name) { return controls_.Get(name); }
  Form1State& State() { return state_; }
  const Form1State& State() const { return state_; }
  const NumberLocale& Locale() const { return locale_; }
  const AppInfo& App() const { return app_; }

  bool Loaded() const { return loaded_; }

  // Runs of calc since the window was created; tests count recalculations with it.
  int CalcRuns() const { return calcRuns_; }
  // Sees the inputs of every run, before its writes.
  std::function<void(const CalcInputs&)> onCalc;

  // Lifecycle.
  void Form_Load();
  // Any close of the window: saves, then unloads. The close is never refused.
  void Unload();
  void Form_QueryUnload();

  // Key preview: every key press and release anywhere in the window.
  void Form_KeyDown(int keyCode, int shift);
  void Form_KeyUp(int keyCode, int shift);

  void calc();

  // Method and format.
  void cmbCCESet_Click();
  void optFormat_Click(int index);
  void chkFF_Click();

  // Other inputs.
  void txtFrames_Change();
  void txtFPS_Change();
  void txtSampleFrame_Change();
  void txtSampleQ_Change();
  void cmbM2VSize_Click();

  // Size fields.
  void txtAudio_KeyUp(int keyCode, int shift);
  void txtSub_KeyUp(int keyCode, int shift);
  void txtCushion_KeyUp(int keyCode, int shift);
  void txtDiskSpace_KeyUp(int keyCode, int shift);
  void txtSampleSize_KeyUp(int keyCode, int shift);
  void cmbAudio_Click();
  void cmbSub_Click();
  void cmbCush_Click();
  void cmbDest_Click();
  void cmbSampleSize_Click();

  // Menu.
  void mnuOpen_Click();
  void mnuExit_Click();
  void mnuAbout_Click();
  void mnuAudioTracks_Click();
  void mnuDisc_Click(int index);

  // OK in the Audio Tracks window: the tracks stand for the audio from now on; none ends that.
  void AudioTracksChosen(std::vector<AudioTrack> tracks);

  // The encode's own files. A project (from the menu, a drop or the command line) sets the
  // format, "Forced FILM" and the frame count as a person would; dropped files set a size row
  // to their total size, and the sample's stream sets the sample's size and frame count. A file
  // that cannot be taken gets one message and changes nothing.
  void OpenProject(std::string_view path);
  // Several titles for one disc: their frames summed when they share the TV format and Forced
  // FILM; one project is OpenProject.
  void OpenProjects(const std::vector<std::string>& paths);
  void FilesDropped(const Control* control, const std::vector<std::string>& paths);

 private:
  // A size field: its text box, its unit list and the byte count it shows.
  struct SizeField {
    std::string_view bytesName;
    Control& label;
    Control& box;
    Control& list;
    double Form1State::*bytes;
  };
  enum SizeFieldId : std::size_t { kAudio, kSubtitles, kCushion, kDestination, kSample };

  void WireHandlers();
  void ShowPalNote();
  void ApplyLayoutStep(const LayoutStep& step);

  double& BytesOf(const SizeField& field) { return state_.*field.bytes; }
  void SizeKeyUp(const SizeField& field);
  void UnitClick(const SizeField& field);
  // Writes the field's byte count into its box in the list's unit.
  void ShowBytes(const SizeField& field);
  const SizeField* FieldByList(std::string_view listName) const;
  const SizeField* FieldByBytes(std::string_view bytesName) const;

  const SizeField* FieldOfRow(const Control& control) const;
  bool OnSampleRows(const Control& control) const;
  void DropSizes(const SizeField& field, const std::vector<std::string>& paths);
  void ShowDroppedBytes(const SizeField& field, std::uint64_t bytes);
  void DropSample(std::string_view path);
  void ShowFileMessage(const std::string& text);
  // A project's format, "Forced FILM" and frame count, each through its control.
  void SetProject(const D2vProject& project);

  // The tracks that stand for the audio.
  std::optional<MovieLength> CurrentLength() const;
  void LinkAudioTracks(std::vector<AudioTrack> tracks);
  void EndAudioLink();
  void FollowAudioTracks();
  // The lines that follow every calc: the limits line and the disc presets' check marks.
  void ShowLimits();
  void ShowDiscChecks();
  void RestoreAudioTracks();

  void RestoreSettings();
  void RestoreSetting(const StoredSetting& setting);
  std::string StoredText(const StoredSetting& setting);

  NumberLocale locale_;
  AppInfo app_;
  Form1Ports ports_;
  ControlSet controls_;
  Form1State state_;
  bool loaded_ = false;
  int calcRuns_ = 0;
  // The last run of calc, which the limits line is made from.
  struct LastCalc {
    CalcInputs in;
    CalcResult result;
  };
  std::optional<LastCalc> lastCalc_;
  // What the audio link last showed in txtAudio: a key up that leaves it so keeps the link.
  std::string audioLinkText_;
  // The frame count whose projects txtFrames' tooltip lists; "" when it lists none.
  std::string projectListFrames_;

 public:
  // The controls by their designer names; references into controls_.
  Control& Label12;
  Control& cmbCCESet;
  Control& txtFrames;
  Control* optFormat[2];
  Control& chkFF;
  Control& txtFPS;
  Control& txtAudio;
  Control& cmbAudio;
  Control& txtSub;
  Control& cmbSub;
  Control& txtCushion;
  Control& cmbCush;
  Control& txtDiskSpace;
  Control& cmbDest;
  Control& lblSampleFrame;
  Control& txtSampleFrame;
  Control& lblSampPerc;
  Control& lblSampleQ;
  Control& txtSampleQ;
  Control& lblSampleSize;
  Control& txtSampleSize;
  Control& cmbSampleSize;
  Control& Label7;
  Control& txtCCEQual;
  Control& Label5;
  Control& txtCCEQ;
  Control& Label3;
  Control& txtCCEMax;
  Control& Label14;
  Control& Label4;
  Control& txtCCEMin;
  Control& Label13;
  Control& txtLength;
  Control& txtM2VSize;
  Control& cmbM2VSize;
  Control& mnuOpen;
  Control& mnuExit;
  Control& mnuAbout;
  Control& mnuTools;
  Control& mnuAudioTracks;
  Control& mnuDestination;
  Control* mnuDisc[4];
  Control& lblLimits;

 private:
  // After the control references, which it refers to.
  std::array<SizeField, 5> sizeFields_;
};

}  // namespace quillbit
