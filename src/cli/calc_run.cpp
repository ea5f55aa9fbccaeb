#include "cli/calc_run.h"

#include "cli/cli_values.h"
#include "core/d2v_project.h"
#include "core/file_sizes.h"
#include "core/number_text.h"
#include "core/presets.h"
#include "core/units.h"

namespace quillbit {
namespace {

// The most DVD-Video allows the video stream, in kbit/s (the CCE's unit).
constexpr double kDvdVideoMaxKbps = 9800;

std::string Plain(double value) {
  return PlainText(value, CliLocale());
}

const CalcWrite* LastWrite(const CalcResult& result, CalcTarget target) {
  const CalcWrite* last = nullptr;
  for (const CalcWrite& write : result) {
    if (write.target == target) last = &write;
  }
  return last;
}

double NumberWritten(const CalcResult& result, CalcTarget target) {
  const CalcWrite* write = LastWrite(result, target);
  return write == nullptr ? 0 : NumOrZero(write->text, CliLocale());
}

// "(0.82%)" as 0.82.
std::optional<double> SharePercent(const CalcResult& result) {
  const CalcWrite* write = LastWrite(result, CalcTarget::lblSampPerc);
  if (write == nullptr || write->text.size() < 3) return std::nullopt;
  return ParseCliNumber(std::string_view(write->text).substr(1, write->text.size() - 3));
}

// Why calc took its failure path, in the order its steps could have failed.
std::string FailureText(const CalcInputs& in, const CalcResult& result) {
  if (NumOrZero(in.txtFrames, CliLocale()) == 0) return "no playing time: the frame count is 0";
  if (in.cmbCCESet == kMethodBach) {
    if (NumOrZero(in.txtSampleFrame, CliLocale()) == 0)
      return "no sample: the Bach method needs the sample's frame count (--sample-frames) above 0";
    if (LastWrite(result, CalcTarget::txtCCEQ) == nullptr)
      return "the sample gives no usable Q (it would lie outside -32768 to 32767): check "
             "--sample-q, --sample-size and --sample-frames";
  }
  return "the numbers are out of range: the calculation overflowed";
}

std::vector<std::string> WarningsFor(const CalcReport& report) {
  std::vector<std::string> warnings;
  if (report.cceMin && *report.cceMin > kDvdVideoMaxKbps) {
    warnings.push_back("the video bitrate of " + Plain(*report.cceMin) + " kbit/s is above " +
                       Plain(kDvdVideoMaxKbps) + " kbit/s, the most DVD-Video allows for video");
  }
  if (report.bytesM2v > report.videoBytes) {
    warnings.push_back("the estimated size of " + Plain(report.bytesM2v) +
                       " bytes is larger than the room for the video, " + Plain(report.videoBytes) +
                       " bytes");
  }
  if (report.videoBytes < 0) {
    warnings.push_back("no room for the video: audio, subtitles and cushion take " +
                       Plain(-report.videoBytes) + " bytes more than the destination holds");
  }
  return warnings;
}

}  // namespace

double WindowFrameRate(bool pal, bool forcedFilm) {
  double rate = pal ? kPalFrameRate : kNtscFrameRate;
  if (forcedFilm) rate *= kForcedFilmFactor;
  return ParseCliNumber(Plain(rate)).value_or(0);
}

std::optional<CalcInputs> InputsFor(const CliOptions& options, std::string& error) {
  std::optional<D2vProject> project;
  if (options.project) {
    D2vReadResult read = ReadD2vProjectFile(*options.project);
    if (!read.project) {
      error = "--project: " + D2vProblemText(read.problem, FileNameOf(*options.project));
      return std::nullopt;
    }
    project = std::move(read.project);
  }
  const bool pal = options.pal.value_or(project && project->pal);
  const bool palChosen = options.pal == true;
  const bool film = options.forcedFilm.value_or(project ? project->forcedFilm && !palChosen : !pal);
  std::string frames;
  if (options.frames) {
    frames = Plain(*options.frames);
  } else if (project) {
    frames = std::to_string(project->frames);
  }
  return CalcInputs{
      .txtFPS = Plain(WindowFrameRate(pal, film)),
      .txtFrames = std::move(frames),
      .cmbCCESet = options.method,
      .ntsc = !pal,
      .txtCCEMax = Plain(options.cceMax),
      .txtSampleFrame = Plain(options.sampleFrames),
      .txtSampleQ = Plain(options.sampleQ),
      .bytes_dest = options.destinationBytes,
      .bytes_cush = options.cushionBytes,
      .bytes_aud = options.audioBytes,
      .bytes_sub = options.subtitleBytes,
      .bytes_sampsize = options.sampleBytes,
  };
}

CalcOutcome RunCalc(const CliOptions& options) {
  std::string error;
  const std::optional<CalcInputs> in = InputsFor(options, error);
  if (!in) return {.report = std::nullopt, .exitStatus = 2, .error = error};
  if (in->txtFrames.empty()) {
    return {.report = std::nullopt,
            .exitStatus = 2,
            .error = "no frame count: give --frames N or --project FILE"};
  }
  const CalcResult result = calc(*in, CliLocale());
  if (result.failed || !result.bytes_m2v || !result.bytes_video) {
    return {.report = std::nullopt, .exitStatus = 1, .error = FailureText(*in, result)};
  }
  const bool bach = in->cmbCCESet == kMethodBach;
  CalcReport report{
      .fps = NumOrZero(in->txtFPS, CliLocale()),
      .frames = NumOrZero(in->txtFrames, CliLocale()),
      .method = in->cmbCCESet,
      .length = LastWrite(result, CalcTarget::txtLength)->text,
      .videoBytes = *result.bytes_video,
      .cceMin = bach ? std::nullopt : std::optional(NumberWritten(result, CalcTarget::txtCCEMin)),
      .cceQ = bach ? std::optional(NumberWritten(result, CalcTarget::txtCCEQ)) : std::nullopt,
      .samplePercent = bach ? SharePercent(result) : std::nullopt,
      .bytesM2v = *result.bytes_m2v,
      .estimatedSize = FromBytes(options.unit, *result.bytes_m2v),
      .unit = options.unit,
      .warnings = {},
  };
  report.warnings = WarningsFor(report);
  return {.report = std::move(report), .exitStatus = 0, .error = {}};
}

}  // namespace quillbit
