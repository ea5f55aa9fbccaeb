#include "cli/calc_output.h"

#include <cmath>
#include <cstdint>
#include <nlohmann/json.hpp>
#include <string_view>

#include "cli/cli_values.h"
#include "core/number_text.h"
#include "core/presets.h"

namespace quillbit {
namespace {

using Json = nlohmann::ordered_json;

constexpr std::size_t kCaptionWidth = 25;

void Line(std::string& out, std::string_view caption, std::string_view value) {
  out += caption;
  out.append(caption.size() < kCaptionWidth ? kCaptionWidth - caption.size() : 1, ' ');
  out += value;
  out += '\n';
}

std::string Plain(double value) {
  return PlainText(value, CliLocale());
}

// The caption the window gives a label for the method.
std::string_view WindowCaption(std::string_view method, std::string_view label) {
  for (const LayoutStep& step : MethodLayout(method)) {
    if (step.action == LayoutAction::SetText && step.controls[0] == label) return step.text;
  }
  return {};
}

// Whole numbers as JSON integers (90000 rather than 90000.0); the rest with up to 17
// significant digits, enough to give the same double back.
Json Number(double value) {
  constexpr double kExactIntegers = 9007199254740992.0;  // 2^53
  if (std::floor(value) == value && std::fabs(value) < kExactIntegers)
    return static_cast<std::int64_t>(value);
  return value;
}

Json OptionalNumber(const std::optional<double>& value) {
  return value ? Number(*value) : Json(nullptr);
}

}  // namespace

std::string ReportText(const CalcReport& report) {
  std::string out;
  Line(out, "Frame rate:", Plain(report.fps) + " fps");
  Line(out, "Frames:", Plain(report.frames));
  Line(out, "CCE Method:", report.method);
  Line(out, "Movie Length:", report.length);
  Line(out, "Room for the video:", Plain(report.videoBytes) + " Bytes");
  if (report.method == kMethodBach) {
    Line(out, WindowCaption(report.method, "Label5"), Plain(report.cceQ.value_or(0)));
    Line(out, "Sample share:", Plain(report.samplePercent.value_or(0)) + "%");
  } else {
    Line(out, WindowCaption(report.method, "Label4"), Plain(report.cceMin.value_or(0)) + " kbps");
  }
  Line(out, "Estimated output size:", Plain(report.estimatedSize) + " " + report.unit);
  for (std::size_t i = 0; i < report.audioTracks.size(); ++i) {
    const TrackReport& track = report.audioTracks[i];
    Line(out, "Audio track " + std::to_string(i + 1) + ":",
         track.description + ", " + Plain(static_cast<double>(track.bytes)) + " Bytes");
  }
  Line(out, "Audio:", Plain(report.audioBytes) + " Bytes");
  Line(out, "DVD-Video limits:", report.limitsText);
  return out;
}

std::string ReportJson(const CalcReport& report) {
  Json json;
  json["fps"] = Number(report.fps);
  json["frames"] = Number(report.frames);
  json["method"] = report.method;
  json["length"] = report.length;
  json["video_bytes"] = Number(report.videoBytes);
  json["cce_min"] = OptionalNumber(report.cceMin);
  json["cce_q"] = OptionalNumber(report.cceQ);
  json["sample_percent"] = OptionalNumber(report.samplePercent);
  json["bytes_m2v"] = Number(report.bytesM2v);
  json["estimated_size"] = Number(report.estimatedSize);
  json["unit"] = report.unit;
  json["audio_bytes"] = Number(report.audioBytes);
  Json tracks = Json::array();
  for (const TrackReport& track : report.audioTracks) {
    tracks.push_back(
        {{"track", track.text}, {"description", track.description}, {"bytes", track.bytes}});
  }
  json["audio_tracks"] = std::move(tracks);
  const bool ok = report.limits.broken == DvdLimit::None;
  json["dvd_limits"] = {{"ok", ok}, {"broken", ok ? Json(nullptr) : Json(report.limitsText)}};
  json["warnings"] = report.warnings;
  return json.dump(2) + "\n";
}

}  // namespace quillbit
