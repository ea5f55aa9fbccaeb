#pragma once

#include <array>
#include <optional>
#include <string_view>
#include <vector>

#include "core/audio_tracks.h"
#include "core/control_set.h"
#include "core/form_frame.h"
#include "core/number_locale.h"
#include "core/ports.h"
#include "main_window/audio_track_choices.h"
#include "main_window/audio_tracks_request.h"

namespace quillbit {

// What the Audio Tracks window asks of the view that shows it.
class AudioTracksWindowHost {
 public:
  virtual ~AudioTracksWindowHost() = default;
  virtual void WindowUnloaded() = 0;  // the window is unloaded: its view closes it
};

struct FrmAudioTracksPorts {
  ScreenPort& screen;
  AudioTracksWindowHost& host;
};

// The Audio Tracks window model: up to kMaxAudioTracks rows, each a format ("(none)" first) and
// the choices that format allows, each legal track's exact size for the movie's length, their
// total, OK and Cancel. Shown modal over the main window.
class frmAudioTracks : public FormFrame {
 public:
  frmAudioTracks(NumberLocale locale, AudioTracksRequest request, FrmAudioTracksPorts ports);
  frmAudioTracks(const frmAudioTracks&) = delete;
  frmAudioTracks& operator=(const frmAudioTracks&) = delete;

  ControlSet& Controls() { return controls_; }
  const ControlSet& Controls() const { return controls_; }
  Control& Get(std::string_view name) { return controls_.Get(name); }

  bool Loaded() const { return loaded_; }

  // Lifecycle: the load shows the request's tracks; any close (OK, Cancel, Esc, the close box)
  // unloads it, and only OK hands the tracks on.
  void Form_Load();
  void Unload();

  void cmdOK_Click();
  void cmdCancel_Click();
  void cmbFormat_Click(int row);
  void cmbChannels_Click(int row);
  void cmbBitrate_Click(int row);
  void cmbSampleRate_Click(int row);
  void cmbBits_Click(int row);

  // The tracks as the rows show them now, "(none)" rows left out.
  std::vector<AudioTrack> Tracks() const;

 private:
  // One track's row: its controls, the track it shows (none for "(none)") and the choices its
  // lists offer now.
  struct Row {
    Control* cmbFormat;
    Control* cmbChannels;
    Control* cmbBitrate;
    Control* cmbSampleRate;
    Control* cmbBits;
    Control* txtTrackSize;
    std::optional<AudioTrack> track;
    TrackChoices choices;
  };

  void WireHandlers();
  // The row a list's click is a person's choice in; none while code fills the lists.
  Row* ChosenIn(int row);
  // A person's choice in a row: the row and the sizes follow it.
  void Choose(int row, std::optional<AudioTrack> track);
  void ShowRow(Row& row);
  void ShowSizes();

  NumberLocale locale_;
  AudioTracksRequest request_;
  FrmAudioTracksPorts ports_;
  ControlSet controls_;
  std::array<Row, kMaxAudioTracks> rows_;
  Control& lblLength;
  Control& txtTotal;
  bool loaded_ = false;
  // Set while code fills the controls: the clicks that fires are not a person's choices.
  bool showing_ = false;
};

}  // namespace quillbit
