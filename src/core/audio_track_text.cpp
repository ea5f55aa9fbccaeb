#include "core/audio_track_text.h"

#include "core/unicode_text.h"

namespace quillbit {
namespace {

// Quoted in a message, cut short so that a pasted novel does not come back whole. Built by
// appending: GCC 12 at -O3 misreads "..." + std::string(...).
std::string Quoted(std::string_view text) {
  constexpr std::size_t kMaxQuoted = 40;
  std::string quoted = "'";
  quoted += text.substr(0, kMaxQuoted);
  if (text.size() > kMaxQuoted) quoted += "...";
  quoted += '\'';
  return quoted;
}

// "1509.75" as 1509750 bit/s: up to 7 digits, then up to 3 decimals.
std::optional<std::uint32_t> ReadBitRate(std::string_view text) {
  const std::size_t point = text.find('.');
  const std::string_view whole = text.substr(0, point);
  const std::string_view decimals =
      point == std::string_view::npos ? std::string_view{} : text.substr(point + 1);
  if (whole.empty() || whole.size() > 7) return std::nullopt;
  if (point != std::string_view::npos && (decimals.empty() || decimals.size() > 3))
    return std::nullopt;
  std::uint64_t value = 0;
  for (const char c : whole) {
    if (c < '0' || c > '9') return std::nullopt;
    value = value * 10 + static_cast<std::uint64_t>(c - '0');
  }
  std::uint64_t scale = 1000;
  value *= scale;
  for (const char c : decimals) {
    if (c < '0' || c > '9') return std::nullopt;
    scale /= 10;
    value += static_cast<std::uint64_t>(c - '0') * scale;
  }
  if (value > UINT32_MAX) return std::nullopt;
  return static_cast<std::uint32_t>(value);
}

std::optional<int> ReadChannels(std::string_view text) {
  if (text.empty() || text.size() > 2) return std::nullopt;
  int value = 0;
  for (const char c : text) {
    if (c < '0' || c > '9') return std::nullopt;
    value = value * 10 + (c - '0');
  }
  return value;
}

const AudioFormatInfo* FormatNamed(std::string_view key) {
  for (const AudioFormatInfo& info : AudioFormats()) {
    if (SameIgnoringAsciiCase(key, info.key)) return &info;
  }
  return nullptr;
}

// The LPCM track whose sample rate and bits give this rate for the channels.
std::optional<AudioTrack> LpcmFor(std::uint32_t bitRate, int channels) {
  for (const std::uint32_t rate : kLpcmSampleRates) {
    for (const int bits : kLpcmBits) {
      const AudioTrack track = LpcmTrack(rate, bits, channels);
      if (track.bitRate == bitRate) return track;
    }
  }
  return std::nullopt;
}

TrackRead Failed(std::string error) {
  return {.track = std::nullopt, .error = std::move(error)};
}

}  // namespace

std::string TrackText(const AudioTrack& track) {
  return std::string(FormatInfo(track.format).key) + ":" + KbpsText(track.bitRate) + ":" +
         std::to_string(track.channels);
}

std::string TrackListText(std::span<const AudioTrack> tracks) {
  std::string text;
  for (const AudioTrack& track : tracks) {
    if (!text.empty()) text += ',';
    text += TrackText(track);
  }
  return text;
}

TrackRead ReadTrack(std::string_view text) {
  const std::size_t first = text.find(':');
  if (first == std::string_view::npos)
    return Failed(Quoted(text) + " is not FORMAT:KBPS[:CHANNELS], such as ac3:448:6");
  const AudioFormatInfo* info = FormatNamed(text.substr(0, first));
  if (info == nullptr)
    return Failed(Quoted(text.substr(0, first)) + " is no audio format (ac3, dts, lpcm or mp2)");
  const std::string_view rest = text.substr(first + 1);
  const std::size_t second = rest.find(':');
  const std::optional<std::uint32_t> bitRate = ReadBitRate(rest.substr(0, second));
  if (!bitRate) return Failed(Quoted(rest.substr(0, second)) + " is no bit rate in kbit/s");
  int channels = info->defaultChannels;
  if (second != std::string_view::npos) {
    const std::optional<int> read = ReadChannels(rest.substr(second + 1));
    if (!read) return Failed(Quoted(rest.substr(second + 1)) + " is no channel count");
    channels = *read;
  }
  AudioTrack track{.format = info->format, .bitRate = *bitRate, .channels = channels};
  if (info->format == AudioFormat::Lpcm && channels >= 1 && channels <= info->maxChannels) {
    const std::optional<AudioTrack> lpcm = LpcmFor(*bitRate, channels);
    if (!lpcm) {
      return Failed("LPCM at " + KbpsText(*bitRate) + " kbit/s with " + std::to_string(channels) +
                    " channels matches no sample rate (48 or 96 kHz) and bits (16, 20 or 24)");
    }
    track = *lpcm;
  }
  if (std::optional<std::string> problem = TrackProblem(track)) return Failed(*problem);
  return {.track = track, .error = {}};
}

TrackListRead ReadTrackList(std::string_view text) {
  std::vector<AudioTrack> tracks;
  if (text.empty()) return {.tracks = std::move(tracks), .error = {}};
  while (true) {
    if (tracks.size() == kMaxAudioTracks) {
      return {.tracks = std::nullopt,
              .error = "a DVD holds at most " + std::to_string(kMaxAudioTracks) + " audio tracks"};
    }
    const std::size_t comma = text.find(',');
    TrackRead read = ReadTrack(text.substr(0, comma));
    if (!read.track) {
      return {.tracks = std::nullopt,
              .error = "track " + std::to_string(tracks.size() + 1) + ": " + read.error};
    }
    tracks.push_back(*read.track);
    if (comma == std::string_view::npos) break;
    text.remove_prefix(comma + 1);
  }
  return {.tracks = std::move(tracks), .error = {}};
}

std::string TrackDescription(const AudioTrack& track) {
  std::string text(FormatInfo(track.format).name);
  text += ", " + std::to_string(track.channels) + (track.channels == 1 ? " channel" : " channels");
  if (track.format == AudioFormat::Lpcm) {
    text += ", " + std::to_string(track.sampleRate / 1000) + " kHz, " + std::to_string(track.bits) +
            " bits";
  }
  return text + ", " + KbpsText(track.bitRate) + " kbit/s";
}

}  // namespace quillbit
