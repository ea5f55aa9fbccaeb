#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/audio_tracks.h"
#include "core/calc.h"
#include "core/presets.h"

namespace quillbit {

// What the command line asks for. Every input starts at the value a freshly started window
// shows; an unset optional means "as the project says, or the window's start".
struct CliOptions {
  std::optional<double> frames;
  std::vector<std::string> projects;  // titles for one disc, in order
  std::optional<bool> pal;
  std::optional<bool> forcedFilm;
  std::string method = kMethodSinglePass;
  std::optional<double> audioBytes;
  std::vector<AudioTrack> audioTracks;  // stand for the audio instead of its size
  double subtitleBytes = 0;
  double cushionBytes = kStartCushionBytes;
  double destinationBytes = kStartDestinationBytes;
  double sampleBytes = 0;
  double sampleFrames = 0;
  double sampleQ = 0;
  double cceMax = 8000;
  std::string unit = "KB";
  bool json = false;
};

enum class CliAction { Run, Help, Version, Error };

struct ParsedArguments {
  CliAction action = CliAction::Run;
  CliOptions options;
  std::string error;  // for CliAction::Error: one line without the program's name
};

// The arguments after the program's name. Both "--opt value" and "--opt=value" are read; the
// last of a repeated option counts, but --project and --audio-track add one more each time. --help
// and --version win over everything after them.
ParsedArguments ParseCliArguments(const std::vector<std::string>& arguments);

}  // namespace quillbit
