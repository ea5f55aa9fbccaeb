// Arbitrary text as a track list, as a hand-edited setting or a paste would come: it is read
// whole or refused whole, and what is read writes back to itself and has a size for any length.
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>

#include "core/audio_track_text.h"
#include "core/audio_tracks.h"
#include "core/movie_length.h"
#include "fuzz/fuzz_require.h"

namespace quillbit {
namespace {

void CheckTrackList(std::string_view text, std::uint64_t frames) {
  const TrackListRead read = ReadTrackList(text);
  Require(read.tracks.has_value() == read.error.empty(), "tracks exactly without an error");
  Require(read.error.size() < 400, "an error never quotes the text whole");
  if (!read.tracks) return;
  Require(!TrackListProblem(*read.tracks), "what is read is legal");
  const std::string written = TrackListText(*read.tracks);
  Require(ReadTrackList(written).tracks == read.tracks, "the written form reads back the same");
  for (const bool pal : {false, true}) {
    for (const bool film : {false, true}) {
      const MovieLength length{.frames = frames, .rate = PlayingRate(pal, film)};
      const std::optional<std::uint64_t> total = TotalBytes(*read.tracks, length);
      Require(total.has_value(), "legal tracks have a size");
      Require(frames > 0 || *total == 0, "no frames, no audio");
    }
  }
}

}  // namespace
}  // namespace quillbit

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  // The first four bytes, when there are so many, choose the movie's length.
  std::uint64_t frames = 0;
  std::size_t skip = 0;
  for (; skip < 4 && skip < size; ++skip) frames = frames * 256 + data[skip];
  frames %= quillbit::kMaxMovieFrames + 1;
  const std::string_view text(reinterpret_cast<const char*>(data) + skip, size - skip);
  quillbit::CheckTrackList(text, frames);
  return 0;
}
