#pragma once

#include <optional>
#include <span>
#include <string>
#include <string_view>

#include "core/audio_tracks.h"
#include "core/calc.h"
#include "core/number_locale.h"

namespace quillbit {

// What a DVD player reads: the video stream alone, and all streams together (kbit/s).
inline constexpr double kDvdMaxVideoKbps = 9800;
inline constexpr double kDvdMaxMuxKbps = 10080;

inline constexpr std::string_view kDvdLimitsWithin = "Within DVD-Video limits";
// Why the check leaves subtitles out, for the line's tooltip.
inline constexpr std::string_view kDvdLimitsNote =
    "Subtitle streams are left out: they are small, and their bitmaps' sizes say nothing of "
    "their bitrate.";

// The numbers of one calculation the check reads.
struct DvdLimitInputs {
  std::string_view method;  // the method list's text
  double encoderKbps = 0;   // the single-pass minimum or the multi-pass average; not for Bach
  double cceMaxKbps = 0;    // "CCE Max", shown for both single-pass methods
  double audioKbps = 0;     // every audio track together
  double estimatedBytes = 0;
  double roomBytes = 0;  // the room for the video
};

enum class DvdLimit { None, VideoBitrate, PeakBitrate, NoRoom, EstimateTooLarge };

// The first limit broken, and by how much (kbit/s for the bitrates, bytes for the sizes).
struct DvdLimitCheck {
  DvdLimit broken = DvdLimit::None;
  double excess = 0;
  friend bool operator==(const DvdLimitCheck&, const DvdLimitCheck&) = default;
};

// Checks, in this order: the bitrate the window tells the encoder (the multi-pass average, the
// single-pass minimum, or "CCE Max" for the Bach method) against kDvdMaxVideoKbps; the video's
// peak ("CCE Max", or the multi-pass average, which has none) plus the audio against
// kDvdMaxMuxKbps; no room for the video (none or less); an estimate larger than the room. No room
// comes before the estimate, which is larger than any room below zero. A value at a limit is
// within it.
DvdLimitCheck CheckDvdLimits(const DvdLimitInputs& in);

// The line for a check: kDvdLimitsWithin, or the limit broken and by how much, such as
// "Video bitrate above DVD-Video's 9800 kbit/s by 200 kbit/s". Bitrates are given to two
// decimals (never "by 0"), bytes whole, rounded up.
std::string DvdLimitText(const DvdLimitCheck& check, const NumberLocale& locale);

// The bitrate of audio known only by its bytes, over a playing time in seconds; 0 for no time.
double AudioKbpsOver(double audioBytes, double seconds);

// What the check reads from one run of calc, as both the window and quillbit-calc see it: the
// method and "CCE Max" from the inputs, the encoder value calc wrote (not for Bach), the audio's
// rate from the tracks when they stand for the audio (or its bytes over the frames at the frame
// rate), the estimate and the room. None when the run gave no estimate or no room. `method`
// points into `in`.
std::optional<DvdLimitInputs> LimitInputsOf(const CalcInputs& in, const CalcResult& result,
                                            std::span<const AudioTrack> tracks,
                                            const NumberLocale& locale);

}  // namespace quillbit
