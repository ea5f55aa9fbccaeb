#pragma once

#include <optional>
#include <string>
#include <vector>

#include "cli/cli_options.h"
#include "core/calc.h"
#include "core/dvd_limits.h"
#include "core/movie_length.h"

namespace quillbit {

// One audio track as it was sized.
struct TrackReport {
  std::string text;         // "ac3:448:6"
  std::string description;  // "AC-3, 6 channels, 448 kbit/s"
  std::uint64_t bytes = 0;
};

// What one run found, as numbers, with the window's texts where the window shows texts.
struct CalcReport {
  double fps = 0;
  double frames = 0;
  std::string method;
  std::string length;  // "1h, 40m, 0s, 0f"
  double videoBytes = 0;
  std::optional<double> cceMin;  // the Single Pass minimum or the Multi-Pass average; not Bach
  std::optional<double> cceQ;    // Bach only
  std::optional<double> samplePercent;  // Bach only
  double bytesM2v = 0;
  double estimatedSize = 0;  // bytesM2v in unit
  std::string unit;
  double audioBytes = 0;
  std::vector<TrackReport> audioTracks;  // when tracks stand for the audio
  DvdLimitCheck limits;
  std::string limitsText;  // the window's line: "Within DVD-Video limits" or what is broken
  std::vector<std::string> warnings;
};

// A report, or why there is none: exit status 2 for an input that cannot be used (an unreadable
// project, no frame count at all), 1 where the calculation itself fails.
struct CalcOutcome {
  std::optional<CalcReport> report;
  int exitStatus = 0;
  std::string error;  // one line without the program's name
};

// The frame rate the window gives a format, with or without Forced FILM, as the number it reads
// back from its own box.
double WindowFrameRate(bool pal, bool forcedFilm);

// The window's inputs for the options, and the rate its movie plays at.
struct RunInputs {
  CalcInputs calc;
  FrameRate playingRate;
};

// The projects' frame count (summed over several titles), format and Forced FILM unless the
// options say otherwise; an NTSC start has Forced FILM checked, choosing PAL clears it, and so
// does choosing PAL for a project with Forced FILM, as the window's first switch to PAL does.
// Audio tracks, when given, are sized for the movie and stand for the audio.
std::optional<RunInputs> InputsFor(const CliOptions& options, std::string& error);

// Runs the window's calculation and checks the result as a DVD author would.
CalcOutcome RunCalc(const CliOptions& options);

}  // namespace quillbit
