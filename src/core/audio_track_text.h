#pragma once

#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "core/audio_tracks.h"

namespace quillbit {

// The compact text form of a track, FORMAT:KBPS:CHANNELS with "." as the decimal symbol whatever
// the locale: "ac3:448:6", "dts:1509.75:6", "lpcm:1536:2", "mp2:224:2". An LPCM track's sample
// rate and bits follow from its rate per channel, which is different for each of their six
// combinations.
std::string TrackText(const AudioTrack& track);
// Tracks in that form, separated by ","; "" for none.
std::string TrackListText(std::span<const AudioTrack> tracks);

// A legal track read strictly from its compact form, or why there is none. The channel count
// may be left out (":CHANNELS"): then it is the format's usual one (2, and 6 for DTS). The
// format's name is read in any case; nothing else, no blanks, is allowed.
struct TrackRead {
  std::optional<AudioTrack> track;
  std::string error;  // when there is no track: one line naming what is wrong
};
TrackRead ReadTrack(std::string_view text);

// A list as TrackListText writes it, at most kMaxAudioTracks of legal tracks; "" is no tracks.
// Anything else fails as a whole, with the first thing wrong; long text is never quoted whole.
struct TrackListRead {
  std::optional<std::vector<AudioTrack>> tracks;
  std::string error;
};
TrackListRead ReadTrackList(std::string_view text);

// A track as a person reads it: "AC-3, 6 channels, 448 kbit/s",
// "LPCM, 2 channels, 48 kHz, 16 bits, 1536 kbit/s".
std::string TrackDescription(const AudioTrack& track);

}  // namespace quillbit
