#include "cli/calc_run.h"

#include "cli/cli_values.h"
#include "core/audio_track_text.h"
#include "core/audio_tracks.h"
#include "core/d2v_project.h"
#include "core/file_sizes.h"
#include "core/number_text.h"
#include "core/presets.h"
#include "core/project_set.h"
#include "core/units.h"

namespace quillbit {
namespace {

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
  if (report.cceMin && *report.cceMin > kDvdMaxVideoKbps) {
    warnings.push_back("the video bitrate of " + Plain(*report.cceMin) + " kbit/s is above " +
                       Plain(kDvdMaxVideoKbps) + " kbit/s, the most DVD-Video allows for video");
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

// The titles as one project; none when no project is named. Sets `error` when one cannot be read
// (naming it) or when they do not share the TV format and Forced FILM (naming the odd one out).
std::optional<D2vProject> ProjectOf(const std::vector<std::string>& paths, std::string& error) {
  if (paths.empty()) return std::nullopt;
  std::vector<NamedProject> titles;
  for (const std::string& path : paths) {
    D2vReadResult read = ReadD2vProjectFile(path);
    if (!read.project) {
      error = "--project: " + D2vProblemText(read.problem, FileNameOf(path));
      return std::nullopt;
    }
    titles.push_back({.fileName = FileNameOf(path), .project = std::move(*read.project)});
  }
  ProjectSetResult set = CombineProjects(titles);
  if (!set.project) error = "--project: " + set.message;
  return std::move(set.project);
}

// Each track's size for the frame count of the inputs; none when the movie is too long to size.
std::optional<std::vector<TrackReport>> TrackReports(const std::vector<AudioTrack>& tracks,
                                                     const RunInputs& in) {
  const std::optional<MovieLength> length =
      MovieLengthOf(NumOrZero(in.calc.txtFrames, CliLocale()), in.playingRate);
  if (!length) return std::nullopt;
  std::vector<TrackReport> reports;
  for (const AudioTrack& track : tracks) {
    const std::optional<std::uint64_t> bytes = TrackBytes(track, *length);
    if (!bytes) return std::nullopt;
    reports.push_back(
        {.text = TrackText(track), .description = TrackDescription(track), .bytes = *bytes});
  }
  return reports;
}

}  // namespace

double WindowFrameRate(bool pal, bool forcedFilm) {
  double rate = pal ? kPalFrameRate : kNtscFrameRate;
  if (forcedFilm) rate *= kForcedFilmFactor;
  return ParseCliNumber(Plain(rate)).value_or(0);
}

std::optional<RunInputs> InputsFor(const CliOptions& options, std::string& error) {
  const std::optional<D2vProject> project = ProjectOf(options.projects, error);
  if (!error.empty()) return std::nullopt;
  const bool pal = options.pal.value_or(project && project->pal);
  const bool palChosen = options.pal == true;
  const bool film = options.forcedFilm.value_or(project ? project->forcedFilm && !palChosen : !pal);
  std::string frames;
  if (options.frames) {
    frames = Plain(*options.frames);
  } else if (project) {
    frames = std::to_string(project->frames);
  }
  RunInputs in{.calc =
                   {
                       .txtFPS = Plain(WindowFrameRate(pal, film)),
                       .txtFrames = std::move(frames),
                       .cmbCCESet = options.method,
                       .ntsc = !pal,
                       .txtCCEMax = Plain(options.cceMax),
                       .txtSampleFrame = Plain(options.sampleFrames),
                       .txtSampleQ = Plain(options.sampleQ),
                       .bytes_dest = options.destinationBytes,
                       .bytes_cush = options.cushionBytes,
                       .bytes_aud = options.audioBytes.value_or(0),
                       .bytes_sub = options.subtitleBytes,
                       .bytes_sampsize = options.sampleBytes,
                   },
               .playingRate = PlayingRate(pal, film)};
  if (!options.audioTracks.empty()) {
    const std::optional<std::vector<TrackReport>> tracks = TrackReports(options.audioTracks, in);
    if (!tracks) {
      error = "--audio-track: the movie is too long to size its audio (at most " +
              Plain(static_cast<double>(kMaxMovieFrames)) + " frames)";
      return std::nullopt;
    }
    in.calc.bytes_aud = 0;
    for (const TrackReport& track : *tracks) in.calc.bytes_aud += static_cast<double>(track.bytes);
  }
  return in;
}

CalcOutcome RunCalc(const CliOptions& options) {
  std::string error;
  const std::optional<RunInputs> run = InputsFor(options, error);
  if (!run) return {.report = std::nullopt, .exitStatus = 2, .error = error};
  const CalcInputs* in = &run->calc;
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
      .audioBytes = in->bytes_aud,
      .audioTracks = TrackReports(options.audioTracks, *run).value_or(std::vector<TrackReport>{}),
      .limits = {},
      .limitsText = {},
      .warnings = {},
  };
  report.limits = CheckDvdLimits(*LimitInputsOf(*in, result, options.audioTracks, CliLocale()));
  report.limitsText = DvdLimitText(report.limits, CliLocale());
  report.warnings = WarningsFor(report);
  return {.report = std::move(report), .exitStatus = 0, .error = {}};
}

}  // namespace quillbit
