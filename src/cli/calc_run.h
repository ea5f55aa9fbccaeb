#pragma once

#include <optional>
#include <string>
#include <vector>

#include "cli/cli_options.h"
#include "core/calc.h"

namespace quillbit {

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

// The window's inputs for the options: the project's frame count, format and Forced FILM unless
// the options say otherwise; an NTSC start has Forced FILM checked, choosing PAL clears it, and
// so does choosing PAL for a project with Forced FILM, as the window's first switch to PAL does.
std::optional<CalcInputs> InputsFor(const CliOptions& options, std::string& error);

// Runs the window's calculation and checks the result as a DVD author would.
CalcOutcome RunCalc(const CliOptions& options);

}  // namespace quillbit
