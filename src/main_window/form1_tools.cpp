// The "Tools" menu: the audio tracks that stand for the audio, and the recordable discs.
#include "core/audio_track_text.h"
#include "core/disc_presets.h"
#include "core/number_text.h"
#include "main_window/form1.h"

namespace quillbit {
namespace {

// One track a line. The designer's tip (none) stays out: while the tracks stand for the audio
// the box's number is their total, and the list is what that number is made of.
std::string TrackListTip(std::span<const AudioTrack> tracks) {
  std::string tip;
  for (const AudioTrack& track : tracks) {
    if (!tip.empty()) tip += '\n';
    tip += TrackDescription(track);
  }
  return tip;
}

}  // namespace

void Form1::mnuAudioTracks_Click() {
  ports_.host.ShowAudioTracksWindow(AudioTracksRequest{
      .tracks = state_.audioTracks,
      .length = CurrentLength(),
      .accepted = [this](std::vector<AudioTrack> tracks) { AudioTracksChosen(std::move(tracks)); },
  });
}

// The length the audio plays for: the frame count at the true rate of the format chosen.
std::optional<MovieLength> Form1::CurrentLength() const {
  return MovieLengthOf(NumOrZero(txtFrames.Text(), locale_),
                       PlayingRate(optFormat[1]->Value() == 1, chkFF.Value() == 1));
}

// One recalculation either way: with tracks, calc sizes them for the length before it reads
// the audio bytes; with none, the bytes stay, but the limits line's audio rate comes from them.
void Form1::AudioTracksChosen(std::vector<AudioTrack> tracks) {
  if (TrackListProblem(tracks)) return;  // the window offers none such; nothing to stand for
  if (tracks.empty()) {
    EndAudioLink();
  } else {
    LinkAudioTracks(std::move(tracks));
  }
  calc();
}

void Form1::LinkAudioTracks(std::vector<AudioTrack> tracks) {
  state_.audioTracks = std::move(tracks);
  txtAudio.SetToolTip(TrackListTip(state_.audioTracks));
  audioLinkText_ = txtAudio.Text();
}

void Form1::EndAudioLink() {
  if (state_.audioTracks.empty()) return;
  state_.audioTracks.clear();
  audioLinkText_.clear();
  txtAudio.SetToolTip(txtAudio.Design().toolTip);
}

// The tracks' bytes for the length as it stands now; none when the frame count is no movie.
void Form1::FollowAudioTracks() {
  const std::optional<MovieLength> length = CurrentLength();
  const std::optional<std::uint64_t> bytes =
      length ? TotalBytes(state_.audioTracks, *length) : std::nullopt;
  state_.bytes_aud = static_cast<double>(bytes.value_or(0));
  ShowBytes(sizeFields_[kAudio]);
}

void Form1::mnuDisc_Click(int index) {
  if (index < 0 || index >= kDiscPresetCount) return;
  state_.bytes_dest = kDiscPresets[index].bytes;
  ShowBytes(sizeFields_[kDestination]);
  calc();
}

void Form1::ShowDiscChecks() {
  const DiscPreset* disc = DiscPresetOfBytes(state_.bytes_dest);
  for (int i = 0; i < kDiscPresetCount; ++i) mnuDisc[i]->SetValue(disc == &kDiscPresets[i] ? 1 : 0);
}

}  // namespace quillbit
