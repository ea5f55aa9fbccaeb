#include "main_window/audio_track_choices.h"

#include <algorithm>

#include "core/number_text.h"

namespace quillbit {
namespace {

constexpr std::uint32_t kDvdSampleRate = 48000;
constexpr int kCompressedBits = 16;  // what a track of a compressed format carries as its bits

bool Legal(const AudioTrack& track) {
  return !TrackProblem(track).has_value();
}

AudioTrack Compressed(AudioFormat format, std::uint32_t bitRate, int channels) {
  return {.format = format,
          .bitRate = bitRate,
          .channels = channels,
          .sampleRate = kDvdSampleRate,
          .bits = kCompressedBits};
}

std::vector<std::uint32_t> CompressedRates(AudioFormat format, int channels) {
  std::vector<std::uint32_t> rates;
  for (const std::uint32_t rate : FormatInfo(format).bitRates) {
    if (Legal(Compressed(format, rate, channels))) rates.push_back(rate);
  }
  return rates;
}

// Minutes or seconds, below 60.
void AppendTwoDigits(std::string& out, std::uint64_t value) {
  out += static_cast<char>('0' + value / 10 % 10);
  out += static_cast<char>('0' + value % 10);
}

}  // namespace

TrackChoices ChoicesFor(const AudioTrack& track) {
  const AudioFormatInfo& info = FormatInfo(track.format);
  TrackChoices choices;
  if (track.format == AudioFormat::Lpcm) {
    choices.sampleRates.assign(std::begin(kLpcmSampleRates), std::end(kLpcmSampleRates));
    choices.bits.assign(std::begin(kLpcmBits), std::end(kLpcmBits));
    for (int channels = 1; channels <= info.maxChannels; ++channels) {
      if (Legal(LpcmTrack(track.sampleRate, track.bits, channels)))
        choices.channels.push_back(channels);
    }
    choices.bitRates.push_back(LpcmTrack(track.sampleRate, track.bits, track.channels).bitRate);
    return choices;
  }
  for (int channels = 1; channels <= info.maxChannels; ++channels) {
    if (!CompressedRates(track.format, channels).empty()) choices.channels.push_back(channels);
  }
  choices.bitRates = CompressedRates(track.format, track.channels);
  choices.sampleRates.push_back(kDvdSampleRate);
  return choices;
}

AudioTrack DefaultTrack(AudioFormat format) {
  const int channels = FormatInfo(format).defaultChannels;
  switch (format) {
    case AudioFormat::Ac3:
      return Compressed(format, channels >= 6 ? 448000 : 192000, channels);
    case AudioFormat::Dts:
      return Compressed(format, 1509750, channels);
    case AudioFormat::Mp2:
      return Compressed(format, 224000, channels);
    case AudioFormat::Lpcm:
      break;
  }
  return LpcmTrack(kLpcmSampleRates[0], kLpcmBits[0], channels);
}

AudioTrack Legalized(AudioTrack track) {
  const AudioFormatInfo& info = FormatInfo(track.format);
  track.channels = std::clamp(track.channels, 1, info.maxChannels);
  if (track.format == AudioFormat::Lpcm) {
    if (std::ranges::find(kLpcmSampleRates, track.sampleRate) == std::end(kLpcmSampleRates))
      track.sampleRate = kLpcmSampleRates[0];
    if (std::ranges::find(kLpcmBits, track.bits) == std::end(kLpcmBits)) track.bits = kLpcmBits[0];
    const std::vector<int> channels = ChoicesFor(track).channels;
    if (std::ranges::find(channels, track.channels) == channels.end())
      track.channels = channels.empty() ? 1 : channels.back();
    return LpcmTrack(track.sampleRate, track.bits, track.channels);
  }
  const std::vector<int> channels = ChoicesFor(track).channels;
  if (std::ranges::find(channels, track.channels) == channels.end() && !channels.empty())
    track.channels = channels.back();
  const std::vector<std::uint32_t> rates = CompressedRates(track.format, track.channels);
  std::uint32_t rate = track.bitRate;
  if (!rates.empty() && std::ranges::find(rates, rate) == rates.end()) {
    const auto above = std::ranges::upper_bound(rates, rate);
    rate = above == rates.begin() ? rates.front() : *(above - 1);
  }
  return Compressed(track.format, rate, track.channels);
}

std::string ChannelsItem(int channels) {
  return std::to_string(channels);
}

std::string BitRateItem(std::uint32_t bitRate) {
  return KbpsText(bitRate);
}

std::string SampleRateItem(std::uint32_t sampleRate) {
  return std::to_string(sampleRate / 1000) + " kHz";
}

std::string BitsItem(int bits) {
  return std::to_string(bits);
}

std::string GroupedBytes(std::uint64_t bytes, const NumberLocale& locale) {
  NumberLocale whole = locale;
  whole.decimals = 0;
  // Every size a movie's audio reaches is far below 2^53, where a double is still exact.
  return StandardNumber(static_cast<double>(bytes), whole);
}

std::string SizesForText(const std::optional<MovieLength>& length) {
  if (!length || length->rate.num == 0) return "No frame count: set the frames to size the tracks";
  const std::uint64_t seconds = length->frames * length->rate.den / length->rate.num;
  // Built by appending: GCC 12 misreads a literal added to a temporary string as an overlap.
  std::string text = "Sizes for ";
  text += std::to_string(seconds / 3600);
  text += ':';
  AppendTwoDigits(text, seconds / 60 % 60);
  text += ':';
  AppendTwoDigits(text, seconds % 60);
  text += " of movie (";
  text += std::to_string(length->frames);
  text += length->frames == 1 ? " frame)" : " frames)";
  return text;
}

}  // namespace quillbit
