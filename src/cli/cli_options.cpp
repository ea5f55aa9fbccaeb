#include "cli/cli_options.h"

#include <initializer_list>

#include "cli/cli_values.h"
#include "core/audio_track_text.h"

namespace quillbit {
namespace {

// Reads one option's value into the options; false when the text does not fit.
using ValueReader = bool (*)(std::string_view, CliOptions&);

// Why a text does not fit, for options whose reader knows better than "is not ...".
using Explainer = std::string (*)(std::string_view);

struct ValueOption {
  std::string_view name;
  std::string_view expected;  // what the text should have been, after "is not "
  ValueReader read;
  Explainer explain = nullptr;
};

template <std::optional<double> (*Parse)(std::string_view), double CliOptions::*Field>
bool Into(std::string_view text, CliOptions& options) {
  const std::optional<double> value = Parse(text);
  if (value) options.*Field = *value;
  return value.has_value();
}

constexpr std::string_view kSizeExamples = "a size (examples: 448000KB, 1.5GB, 1610612736)";

constexpr ValueOption kValueOptions[] = {
    {"--frames", "a frame count (a whole number, 0 or more)",
     [](std::string_view text, CliOptions& options) {
       options.frames = ParseWholeCount(text);
       return options.frames.has_value();
     }},
    {"--project", "a file name",
     [](std::string_view text, CliOptions& options) {
       if (text.empty()) return false;
       options.projects.emplace_back(text);
       return true;
     }},
    {"--format", "a TV format (ntsc or pal)",
     [](std::string_view text, CliOptions& options) {
       options.pal = ParsePal(text);
       return options.pal.has_value();
     }},
    {"--method", "a method (single-pass, bach or multi-pass)",
     [](std::string_view text, CliOptions& options) {
       const auto method = ParseMethod(text);
       if (method) options.method = std::string(*method);
       return method.has_value();
     }},
    {"--audio", kSizeExamples,
     [](std::string_view text, CliOptions& options) {
       options.audioBytes = ParseSize(text);
       return options.audioBytes.has_value();
     }},
    {"--audio-track", "",
     [](std::string_view text, CliOptions& options) {
       const TrackRead read = ReadTrack(text);
       if (read.track) options.audioTracks.push_back(*read.track);
       return read.track.has_value();
     },
     [](std::string_view text) { return ReadTrack(text).error; }},
    {"--subtitles", kSizeExamples, Into<ParseSize, &CliOptions::subtitleBytes>},
    {"--cushion", kSizeExamples, Into<ParseSize, &CliOptions::cushionBytes>},
    {"--destination", "a size or a disc (examples: 4.38GB, 4707319808, dvd-r, dvd+r-dl)",
     Into<ParseDestination, &CliOptions::destinationBytes>},
    {"--sample-size", kSizeExamples, Into<ParseSize, &CliOptions::sampleBytes>},
    {"--sample-frames", "a frame count (a whole number, 0 or more)",
     Into<ParseWholeCount, &CliOptions::sampleFrames>},
    {"--sample-q", "a number", Into<ParseCliNumber, &CliOptions::sampleQ>},
    {"--cce-max", "a number", Into<ParseCliNumber, &CliOptions::cceMax>},
    {"--unit", "a unit (Bytes, KB, MB or GB)",
     [](std::string_view text, CliOptions& options) {
       const auto unit = ParseUnit(text);
       if (unit) options.unit = std::string(*unit);
       return unit.has_value();
     }},
};

const ValueOption* FindValueOption(std::string_view name) {
  for (const ValueOption& option : kValueOptions) {
    if (option.name == name) return &option;
  }
  return nullptr;
}

// Sets a switch; false for a name that is no switch.
bool ApplySwitch(std::string_view name, ParsedArguments& parsed) {
  if (name == "--film") {
    parsed.options.forcedFilm = true;
  } else if (name == "--no-film") {
    parsed.options.forcedFilm = false;
  } else if (name == "--json") {
    parsed.options.json = true;
  } else if (name == "--help") {
    parsed.action = CliAction::Help;
  } else if (name == "--version") {
    parsed.action = CliAction::Version;
  } else {
    return false;
  }
  return true;
}

// The message is put together by appending; GCC 12 at -O3 misreads "..." + std::string(...).
ParsedArguments Error(std::initializer_list<std::string_view> parts) {
  ParsedArguments parsed{.action = CliAction::Error, .options = {}, .error = {}};
  for (std::string_view part : parts) parsed.error += part;
  return parsed;
}

}  // namespace

ParsedArguments ParseCliArguments(const std::vector<std::string>& arguments) {
  ParsedArguments parsed;
  for (std::size_t i = 0; i < arguments.size(); ++i) {
    const std::string_view argument = arguments[i];
    if (!argument.starts_with("--")) {
      return Error({"'", argument, "': unexpected argument (see --help)"});
    }
    const std::size_t equals = argument.find('=');
    const std::string_view name = argument.substr(0, equals);
    const ValueOption* option = FindValueOption(name);
    if (option == nullptr) {
      if (equals != std::string_view::npos && ApplySwitch(name, parsed)) {
        return Error({name, ": takes no value"});
      }
      if (!ApplySwitch(name, parsed)) return Error({name, ": unknown option (see --help)"});
      if (parsed.action != CliAction::Run) return parsed;
      continue;
    }
    std::string_view value;
    if (equals != std::string_view::npos) {
      value = argument.substr(equals + 1);
    } else if (i + 1 < arguments.size() && !arguments[i + 1].starts_with("--")) {
      value = arguments[++i];
    } else {
      return Error({name, ": needs a value"});
    }
    if (!option->read(value, parsed.options)) {
      if (option->explain != nullptr) return Error({name, ": ", option->explain(value)});
      return Error({name, ": '", value, "' is not ", option->expected});
    }
  }
  if (std::optional<std::string> problem = TrackListProblem(parsed.options.audioTracks)) {
    return Error({"--audio-track: ", *problem});
  }
  if (parsed.options.audioBytes && !parsed.options.audioTracks.empty()) {
    return Error({"--audio and --audio-track: give the audio's size or its tracks, not both"});
  }
  return parsed;
}

}  // namespace quillbit
