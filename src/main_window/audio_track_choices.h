#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "core/audio_tracks.h"
#include "core/movie_length.h"
#include "core/number_locale.h"

namespace quillbit {

// What a track's lists offer for its format, each choice a value of the track. Formats other
// than LPCM offer the one sample rate they run at and no bits; LPCM offers its computed rate.
struct TrackChoices {
  std::vector<int> channels;
  std::vector<std::uint32_t> bitRates;
  std::vector<std::uint32_t> sampleRates;
  std::vector<int> bits;
};

// The legal choices beside the track's other values: for LPCM the channel counts that keep the
// rate in bounds at its sample rate and bits; for Layer II the rates its channel count allows.
TrackChoices ChoicesFor(const AudioTrack& track);

// The track a newly chosen format starts as: its usual channels at a rate commonly used.
AudioTrack DefaultTrack(AudioFormat format);

// The nearest legal track: a choice the others no longer allow gives way to the largest one
// they do allow below it (the smallest when there is none below). LPCM's rate follows.
AudioTrack Legalized(AudioTrack track);

// The texts of the lists' items.
std::string ChannelsItem(int channels);
std::string BitRateItem(std::uint32_t bitRate);
std::string SampleRateItem(std::uint32_t sampleRate);
std::string BitsItem(int bits);

// A byte count with the user's digit grouping: "1,536,000".
std::string GroupedBytes(std::uint64_t bytes, const NumberLocale& locale);

// What length the sizes are for: "Sizes for 1:23:45 of movie (123456 frames)", or how to give
// one when there is none.
std::string SizesForText(const std::optional<MovieLength>& length);

}  // namespace quillbit
