#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>

#include "core/movie_length.h"

namespace quillbit {

enum class AudioFormat { Ac3, Dts, Lpcm, Mp2 };

// One audio stream of a DVD as it will be encoded. Every format runs at 48 kHz but LPCM, which
// may take 96; bits count for LPCM only.
struct AudioTrack {
  AudioFormat format = AudioFormat::Ac3;
  std::uint32_t bitRate = 448000;  // bit/s: DTS's 754.5 kbit/s is 754500
  int channels = 2;
  std::uint32_t sampleRate = 48000;
  int bits = 16;
  friend bool operator==(const AudioTrack&, const AudioTrack&) = default;
};

// What a format allows, and how it is named.
struct AudioFormatInfo {
  AudioFormat format;
  std::string_view key;   // in the text form and on the command line: "ac3"
  std::string_view name;  // as a person reads it: "AC-3"
  int maxChannels;
  int defaultChannels;
  std::span<const std::uint32_t> bitRates;  // the legal rates in bit/s; none for LPCM
};

// DVD-Video carries at most this many audio streams.
inline constexpr std::size_t kMaxAudioTracks = 8;

inline constexpr std::uint32_t kLpcmSampleRates[] = {48000, 96000};
inline constexpr int kLpcmBits[] = {16, 20, 24};
inline constexpr std::uint32_t kLpcmMaxBitRate = 6144000;

// The four formats in the order a list offers them.
std::span<const AudioFormatInfo> AudioFormats();
const AudioFormatInfo& FormatInfo(AudioFormat format);

// An LPCM track: its bit rate follows from the others.
AudioTrack LpcmTrack(std::uint32_t sampleRate, int bits, int channels);

// Why a track is not one DVD-Video allows, or none when it is.
std::optional<std::string> TrackProblem(const AudioTrack& track);
// The same for a list: too many tracks, or the first bad one (numbered from 1).
std::optional<std::string> TrackListProblem(std::span<const AudioTrack> tracks);

// The exact size in bytes of a legal track covering the movie, as its stream is framed:
// - AC-3: frames of 1536 samples (32 ms), ceil(seconds / 0.032) of them, 4 bytes per kbit/s each;
// - MPEG-1 Layer II: frames of 1152 samples (24 ms), ceil(seconds / 0.024), 3 bytes per kbit/s;
// - LPCM: ceil(seconds x sample rate) samples, each of channels x bits / 8 bytes; a 20-bit stream
//   with an odd number of sample values ends on half a byte, which takes a whole one;
// - DTS: bit rate x seconds / 8, rounded up to a whole byte.
// None for an illegal track.
std::optional<std::uint64_t> TrackBytes(const AudioTrack& track, const MovieLength& length);
// The sum over the tracks; none when any of them is illegal.
std::optional<std::uint64_t> TotalBytes(std::span<const AudioTrack> tracks,
                                        const MovieLength& length);

// The bit rates of all tracks together, in bit/s.
std::uint64_t TotalBitRate(std::span<const AudioTrack> tracks);

// A bit rate in kbit/s, as the formats are named by: 754500 gives 754.5.
inline double Kbps(std::uint64_t bitRate) {
  return static_cast<double>(bitRate) / 1000;
}
// The same as text with "." and no trailing zeros, whatever the locale: "754.5", "448".
std::string KbpsText(std::uint64_t bitRate);

}  // namespace quillbit
