// The "Tools" menu: the audio tracks that stand for the audio, and the recordable discs.
#include "main_window/form1.h"

namespace quillbit {

void Form1::mnuAudioTracks_Click() {
  ports_.host.ShowAudioTracksWindow(AudioTracksRequest{
      .tracks = state_.audioTracks,
      .length = std::nullopt,
      .accepted = [this](std::vector<AudioTrack> tracks) { AudioTracksChosen(std::move(tracks)); },
  });
}

void Form1::mnuDisc_Click(int /*index*/) {}

void Form1::AudioTracksChosen(std::vector<AudioTrack> tracks) {
  state_.audioTracks = std::move(tracks);
}

void Form1::OpenProjects(const std::vector<std::string>& paths) {
  if (!paths.empty()) OpenProject(paths.front());
}

}  // namespace quillbit
