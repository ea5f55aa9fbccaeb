#pragma once

#include <functional>
#include <optional>
#include <vector>

#include "core/audio_tracks.h"
#include "core/movie_length.h"

namespace quillbit {

// What the main window hands the Audio Tracks window it asks for: the tracks that stand for its
// audio now (none when the audio is a plain byte count), the movie's length to size them by
// (none when the frame count is no movie), and what to do with the tracks chosen on OK. Cancel
// and the close box call nothing.
struct AudioTracksRequest {
  std::vector<AudioTrack> tracks;
  std::optional<MovieLength> length;
  std::function<void(std::vector<AudioTrack>)> accepted;
};

}  // namespace quillbit
