#include "core/audio_tracks.h"

#include <algorithm>

namespace quillbit {
namespace {

constexpr std::uint32_t kAc3BitRates[] = {64000,  80000,  96000,  112000, 128000, 160000,
                                          192000, 224000, 256000, 320000, 384000, 448000};
constexpr std::uint32_t kDtsBitRates[] = {754500, 1509750};
constexpr std::uint32_t kMp2BitRates[] = {64000,  80000,  96000,  112000, 128000, 160000,
                                          192000, 224000, 256000, 320000, 384000};

constexpr AudioFormatInfo kFormats[] = {
    {AudioFormat::Ac3, "ac3", "AC-3", 6, 2, kAc3BitRates},
    {AudioFormat::Dts, "dts", "DTS", 6, 6, kDtsBitRates},
    {AudioFormat::Lpcm, "lpcm", "LPCM", 8, 2, {}},
    {AudioFormat::Mp2, "mp2", "MPEG-1 Layer II", 2, 2, kMp2BitRates},
};

// Every format but LPCM runs at this rate on a DVD.
constexpr std::uint64_t kDvdSampleRate = 48000;

// Layer II allows a rate only with some channel modes: 80 kbit/s and less is too little for
// two channels but 64, and 224 and more are for two channels only.
bool Mp2ModeAllows(std::uint32_t bitRate, int channels) {
  if (channels == 1) return bitRate <= 192000;
  return bitRate != 80000;
}

std::uint64_t CeilDiv(std::uint64_t a, std::uint64_t b) {
  return a / b + (a % b != 0 ? 1 : 0);
}

std::string ChannelsText(int channels) {
  return std::to_string(channels) + (channels == 1 ? " channel" : " channels");
}

// Frames of `samplesPerFrame` samples at 48 kHz that cover the movie, times their size in bytes.
std::uint64_t FramedBytes(const AudioTrack& track, const MovieLength& length,
                          std::uint64_t samplesPerFrame) {
  // seconds = frames x den / num; frames of audio = ceil(seconds x 48000 / samplesPerFrame).
  const std::uint64_t audioFrames =
      CeilDiv(length.frames * length.rate.den * kDvdSampleRate, length.rate.num * samplesPerFrame);
  // bytes per frame = bitRate x samplesPerFrame / 48000 / 8, whole for every legal rate.
  return audioFrames * (track.bitRate * samplesPerFrame / (kDvdSampleRate * 8));
}

}  // namespace

std::span<const AudioFormatInfo> AudioFormats() {
  return kFormats;
}

const AudioFormatInfo& FormatInfo(AudioFormat format) {
  for (const AudioFormatInfo& info : kFormats) {
    if (info.format == format) return info;
  }
  return kFormats[0];
}

AudioTrack LpcmTrack(std::uint32_t sampleRate, int bits, int channels) {
  const std::uint64_t bitRate = std::uint64_t{sampleRate} * static_cast<std::uint64_t>(bits) *
                                static_cast<std::uint64_t>(std::max(channels, 0));
  return {.format = AudioFormat::Lpcm,
          .bitRate = static_cast<std::uint32_t>(std::min<std::uint64_t>(bitRate, UINT32_MAX)),
          .channels = channels,
          .sampleRate = sampleRate,
          .bits = bits};
}

std::string KbpsText(std::uint64_t bitRate) {
  std::string text = std::to_string(bitRate / 1000);
  std::uint64_t fraction = bitRate % 1000;
  if (fraction == 0) return text;
  std::string digits = std::to_string(1000 + fraction).substr(1);
  while (digits.back() == '0') digits.pop_back();
  return text + "." + digits;
}

std::optional<std::string> TrackProblem(const AudioTrack& track) {
  const AudioFormatInfo& info = FormatInfo(track.format);
  const std::string name(info.name);
  if (track.channels < 1 || track.channels > info.maxChannels) {
    return name + " takes 1 to " + std::to_string(info.maxChannels) + " channels, not " +
           std::to_string(track.channels);
  }
  if (track.format == AudioFormat::Lpcm) {
    if (std::ranges::find(kLpcmSampleRates, track.sampleRate) == std::end(kLpcmSampleRates))
      return "LPCM runs at 48 or 96 kHz, not " + std::to_string(track.sampleRate) + " Hz";
    if (std::ranges::find(kLpcmBits, track.bits) == std::end(kLpcmBits))
      return "LPCM takes 16, 20 or 24 bits, not " + std::to_string(track.bits);
    if (track.bitRate != LpcmTrack(track.sampleRate, track.bits, track.channels).bitRate)
      return "LPCM's bit rate is sample rate x bits x channels";
    if (track.bitRate > kLpcmMaxBitRate) {
      return "LPCM takes at most " + KbpsText(kLpcmMaxBitRate) + " kbit/s, not " +
             KbpsText(track.bitRate);
    }
    return std::nullopt;
  }
  if (track.sampleRate != kDvdSampleRate || track.bits != 16)
    return name + " runs at 48 kHz on a DVD";
  if (std::ranges::find(info.bitRates, track.bitRate) == info.bitRates.end()) {
    std::string rates;
    for (const std::uint32_t rate : info.bitRates) {
      rates += rates.empty() ? "" : ", ";
      rates += KbpsText(rate);
    }
    return name + " takes " + rates + " kbit/s, not " + KbpsText(track.bitRate);
  }
  if (track.format == AudioFormat::Mp2 && !Mp2ModeAllows(track.bitRate, track.channels)) {
    return name + " at " + KbpsText(track.bitRate) + " kbit/s is not made with " +
           ChannelsText(track.channels);
  }
  return std::nullopt;
}

std::optional<std::string> TrackListProblem(std::span<const AudioTrack> tracks) {
  if (tracks.size() > kMaxAudioTracks) {
    return "a DVD holds at most " + std::to_string(kMaxAudioTracks) + " audio tracks, not " +
           std::to_string(tracks.size());
  }
  for (std::size_t i = 0; i < tracks.size(); ++i) {
    if (auto problem = TrackProblem(tracks[i]))
      return "track " + std::to_string(i + 1) + ": " + *problem;
  }
  return std::nullopt;
}

std::optional<std::uint64_t> TrackBytes(const AudioTrack& track, const MovieLength& length) {
  if (TrackProblem(track) || length.frames > kMaxMovieFrames || length.rate.num == 0 ||
      length.rate.den == 0) {
    return std::nullopt;
  }
  // The movie lasts ticks / num seconds. With at most 1e9 frames, a denominator of 1001 and
  // factors below 1e7, every product stays below 2^64.
  const std::uint64_t ticks = length.frames * length.rate.den;
  const std::uint64_t num = length.rate.num;
  switch (track.format) {
    case AudioFormat::Ac3:
      return FramedBytes(track, length, 1536);
    case AudioFormat::Mp2:
      return FramedBytes(track, length, 1152);
    case AudioFormat::Lpcm: {
      const std::uint64_t samples = CeilDiv(ticks * track.sampleRate, num);
      const auto bitsPerSample = static_cast<std::uint64_t>(track.channels * track.bits);
      return CeilDiv(samples * bitsPerSample, 8);
    }
    case AudioFormat::Dts:
      return CeilDiv(ticks * track.bitRate, num * 8);
  }
  return std::nullopt;
}

std::optional<std::uint64_t> TotalBytes(std::span<const AudioTrack> tracks,
                                        const MovieLength& length) {
  std::uint64_t total = 0;
  for (const AudioTrack& track : tracks) {
    const std::optional<std::uint64_t> bytes = TrackBytes(track, length);
    if (!bytes) return std::nullopt;
    total += *bytes;
  }
  return total;
}

std::uint64_t TotalBitRate(std::span<const AudioTrack> tracks) {
  std::uint64_t total = 0;
  for (const AudioTrack& track : tracks) total += track.bitRate;
  return total;
}

}  // namespace quillbit
