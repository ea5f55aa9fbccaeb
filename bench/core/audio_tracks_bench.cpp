#include <benchmark/benchmark.h>

#include <vector>

#include "core/audio_track_text.h"
#include "core/audio_tracks.h"
#include "core/dvd_limits.h"

namespace quillbit {
namespace {

// What a change of frames costs while eight tracks stand for the audio: their sizes, and the
// limits line that follows.
void BM_EightTracksFollowTheLength(benchmark::State& state) {
  const std::vector<AudioTrack> tracks =
      *ReadTrackList(
           "ac3:448:6,ac3:192:2,dts:1509.75,lpcm:1536:2,mp2:224,mp2:192:1,"
           "ac3:384:6,lpcm:4608:2")
           .tracks;
  const NumberLocale locale = NumberLocale::EnglishUS();
  std::uint64_t frames = 215784;
  for (auto _ : state) {
    const MovieLength length{.frames = ++frames, .rate = PlayingRate(false, true)};
    const auto bytes = TotalBytes(tracks, length);
    const DvdLimitCheck check = CheckDvdLimits({.method = "Multi-Pass VBR",
                                                .encoderKbps = 4000,
                                                .audioKbps = Kbps(TotalBitRate(tracks)),
                                                .estimatedBytes = 1,
                                                .roomBytes = 2});
    std::string line = DvdLimitText(check, locale);
    benchmark::DoNotOptimize(bytes);
    benchmark::DoNotOptimize(line);
  }
}
BENCHMARK(BM_EightTracksFollowTheLength);

void BM_TrackListRead(benchmark::State& state) {
  for (auto _ : state) {
    TrackListRead read = ReadTrackList(
        "ac3:448:6,ac3:192:2,dts:1509.75,lpcm:1536:2,mp2:224,mp2:192:1,ac3:384:6,lpcm:4608:2");
    benchmark::DoNotOptimize(read);
  }
}
BENCHMARK(BM_TrackListRead);

}  // namespace
}  // namespace quillbit
