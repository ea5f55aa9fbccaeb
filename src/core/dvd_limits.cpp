#include "core/dvd_limits.h"

#include <cmath>

#include "core/calc.h"
#include "core/number_text.h"
#include "core/units.h"

namespace quillbit {
namespace {

std::string KbpsExcess(double excess, const NumberLocale& locale) {
  double shown = RoundHalfEven(excess, 2);
  if (shown <= 0) shown = 0.01;  // over, if only just
  return PlainText(shown, locale) + " kbit/s";
}

std::string BytesExcess(double excess, const NumberLocale& locale) {
  const double bytes = std::ceil(excess);
  return PlainText(bytes, locale) + (bytes == 1 ? " byte" : " bytes");
}

}  // namespace

DvdLimitCheck CheckDvdLimits(const DvdLimitInputs& in) {
  const bool bach = in.method == kMethodBach;
  const bool multiPass = !bach && in.method != kMethodSinglePass;
  const double video = bach ? in.cceMaxKbps : in.encoderKbps;
  if (video > kDvdMaxVideoKbps) return {DvdLimit::VideoBitrate, video - kDvdMaxVideoKbps};
  const double peak = (multiPass ? in.encoderKbps : in.cceMaxKbps) + in.audioKbps;
  if (peak > kDvdMaxMuxKbps) return {DvdLimit::PeakBitrate, peak - kDvdMaxMuxKbps};
  if (in.roomBytes <= 0) return {DvdLimit::NoRoom, -in.roomBytes};
  if (in.estimatedBytes > in.roomBytes)
    return {DvdLimit::EstimateTooLarge, in.estimatedBytes - in.roomBytes};
  return {};
}

std::string DvdLimitText(const DvdLimitCheck& check, const NumberLocale& locale) {
  switch (check.broken) {
    case DvdLimit::None:
      break;
    case DvdLimit::VideoBitrate:
      return "Video bitrate above DVD-Video's " + PlainText(kDvdMaxVideoKbps, locale) +
             " kbit/s by " + KbpsExcess(check.excess, locale);
    case DvdLimit::PeakBitrate:
      return "Video peak plus audio above the " + PlainText(kDvdMaxMuxKbps, locale) +
             " kbit/s a player reads by " + KbpsExcess(check.excess, locale);
    case DvdLimit::NoRoom:
      if (check.excess <= 0) return "No room for the video";
      return "No room for the video: the rest takes " + BytesExcess(check.excess, locale) +
             " more than the destination";
    case DvdLimit::EstimateTooLarge:
      return "Estimated size larger than the room for the video by " +
             BytesExcess(check.excess, locale);
  }
  return std::string(kDvdLimitsWithin);
}

double AudioKbpsOver(double audioBytes, double seconds) {
  if (!(seconds > 0)) return 0;
  const double kbps = audioBytes * 8 / 1000 / seconds;
  return std::isfinite(kbps) ? kbps : 0;
}

std::optional<DvdLimitInputs> LimitInputsOf(const CalcInputs& in, const CalcResult& result,
                                            std::span<const AudioTrack> tracks,
                                            const NumberLocale& locale) {
  if (result.failed || !result.bytes_m2v || !result.bytes_video) return std::nullopt;
  double encoderKbps = 0;
  if (in.cmbCCESet != kMethodBach) {
    for (const CalcWrite& write : result) {
      if (write.target == CalcTarget::txtCCEMin) encoderKbps = NumOrZero(write.text, locale);
    }
  }
  const double fps = NumOrZero(in.txtFPS, locale);
  const double seconds = fps > 0 ? NumOrZero(in.txtFrames, locale) / fps : 0;
  return DvdLimitInputs{
      .method = in.cmbCCESet,
      .encoderKbps = encoderKbps,
      .cceMaxKbps = NumOrZero(in.txtCCEMax, locale),
      .audioKbps =
          tracks.empty() ? AudioKbpsOver(in.bytes_aud, seconds) : Kbps(TotalBitRate(tracks)),
      .estimatedBytes = *result.bytes_m2v,
      .roomBytes = *result.bytes_video,
  };
}

}  // namespace quillbit
