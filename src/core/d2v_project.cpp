#include "core/d2v_project.h"

#include <charconv>
#include <filesystem>
#include <fstream>
#include <system_error>

#include "core/d2v_lines.h"
#include "core/file_sizes.h"
#include "core/line_reader.h"

namespace quillbit {
namespace {

constexpr std::string_view kMagic = "DGIndexProjectFile";
// DVD2AVI's own projects: an older layout, which this reader does not take.
constexpr std::string_view kOlderMagic = "DVD2AVIProjectFile";
constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";
// The layout described here is that of version 16; DGDecode takes no other version either.
constexpr int kKnownVersion = 16;
// Far longer than any real line: a data line holds one GOP's flags, three characters a picture.
constexpr std::size_t kMaxLine = 64 * 1024;

D2vReadResult Failed(D2vProblem problem) {
  return D2vReadResult{.project = std::nullopt, .problem = problem};
}

// Why reading stopped short of the line wanted: a read error, or else `otherwise` (the file
// ended, or its line was too long).
D2vProblem ProblemOf(LineReader::Status status, D2vProblem otherwise) {
  return status == LineReader::Status::ReadError ? D2vProblem::CannotRead : otherwise;
}

bool IsBlankLine(std::string_view line) {
  return line.find_first_not_of(" \t") == std::string_view::npos;
}

std::optional<std::int64_t> WholeNumber(std::string_view text) {
  const std::size_t first = text.find_first_not_of(" \t");
  text = first == std::string_view::npos ? std::string_view() : text.substr(first);
  while (!text.empty() && (text.back() == ' ' || text.back() == '\t')) text.remove_suffix(1);
  std::int64_t value = 0;
  const char* const end = text.data() + text.size();
  const auto [ptr, error] = std::from_chars(text.data(), end, value);
  if (text.empty() || error != std::errc() || ptr != end || value < 0) return std::nullopt;
  return value;
}

// The first line: "DGIndexProjectFile" and the version's digits.
D2vProblem CheckFirstLine(std::string_view line, int& version) {
  if (line.starts_with(kByteOrderMark)) line.remove_prefix(kByteOrderMark.size());
  if (line.starts_with(kOlderMagic)) return D2vProblem::UnknownVersion;
  if (!line.starts_with(kMagic)) return D2vProblem::NotProject;
  const std::string_view digits = line.substr(kMagic.size());
  const std::optional<std::int64_t> number = WholeNumber(digits);
  if (!number || digits.size() > 8) return D2vProblem::NotProject;
  if (*number != kKnownVersion) return D2vProblem::UnknownVersion;
  version = kKnownVersion;
  return D2vProblem::None;
}

struct Settings {
  bool fieldOperationRead = false;
  FieldOperation fieldOperation = FieldOperation::HonorPulldown;
  std::optional<DvdRate> rate;
};

void TakeSetting(std::string_view key, std::string_view value, Settings& settings) {
  if (key == "Field_Operation") {
    const std::optional<std::int64_t> number = WholeNumber(value);
    settings.fieldOperationRead = number.has_value() && *number <= 2;
    if (number == 0) settings.fieldOperation = FieldOperation::HonorPulldown;
    if (number == 1) settings.fieldOperation = FieldOperation::ForceFilm;
    if (number == 2) settings.fieldOperation = FieldOperation::IgnorePulldown;
  } else if (key == "Frame_Rate") {
    settings.rate = DvdRateOf(value);
  }
}

// Frames served from N pictures of which R repeat their first field. Honoring pulldown, two
// repeated fields make one more frame. Forcing FILM on NTSC rebuilds the film frames from the
// fields, 2.5 fields a frame: (2N + R) / 2.5. Anywhere else forcing FILM has no pulldown to undo,
// so it serves the fields two a frame, as honoring does.
std::int64_t FramesServed(FieldOperation operation, DvdRate rate, std::int64_t pictures,
                          std::int64_t repeats) {
  switch (operation) {
    case FieldOperation::IgnorePulldown:
      return pictures;
    case FieldOperation::ForceFilm:
      if (rate == DvdRate::Film) return (4 * pictures + 2 * repeats) / 5;
      [[fallthrough]];
    case FieldOperation::HonorPulldown:
      break;
  }
  return pictures + repeats / 2;
}

double FramesPerSecond(DvdRate rate) {
  switch (rate) {
    case DvdRate::Ntsc:
      return 30000.0 / 1001.0;
    case DvdRate::Film:
      return 24000.0 / 1001.0;
    case DvdRate::Pal:
      break;
  }
  return 25.0;
}

class ProjectReader {
 public:
  explicit ProjectReader(std::istream& in) : lines_(in, kMaxLine) {}

  D2vReadResult Read() {
    D2vProject project;
    if (!Next()) return Failed(ProblemOf(status_, D2vProblem::NotProject));
    if (const D2vProblem problem = CheckFirstLine(line_, project.version);
        problem != D2vProblem::None) {
      return Failed(problem);
    }
    std::int64_t files = 0;
    if (!ReadFileList(files)) return Failed(ProblemOf(status_, D2vProblem::Incomplete));
    Settings settings;
    if (!ReadSettings(settings)) return Failed(ProblemOf(status_, D2vProblem::Incomplete));
    if (!settings.rate) return Failed(D2vProblem::NotDvdRate);
    if (!ReadData(files, project)) return Failed(ProblemOf(status_, D2vProblem::Incomplete));
    if (!ReadLastLine(project)) return Failed(ProblemOf(status_, D2vProblem::Incomplete));
    if (project.pictures == 0) return Failed(D2vProblem::NoPictures);

    project.fieldOperation = settings.fieldOperation;
    project.frameRate = FramesPerSecond(*settings.rate);
    project.pal = settings.rate == DvdRate::Pal;
    project.forcedFilm = settings.rate == DvdRate::Film;
    project.frames =
        FramesServed(project.fieldOperation, *settings.rate, project.pictures, project.repeats);
    return D2vReadResult{.project = std::move(project), .problem = D2vProblem::None};
  }

 private:
  bool Next() {
    status_ = lines_.Next(line_);
    return status_ == LineReader::Status::Line;
  }

  // The number of video files, their names, then a blank line.
  bool ReadFileList(std::int64_t& files) {
    if (!Next()) return false;
    const std::optional<std::int64_t> count = WholeNumber(line_);
    if (!count || *count == 0) return false;
    files = *count;
    for (std::int64_t i = 0; i < files; ++i) {
      if (!Next() || IsBlankLine(line_)) return false;
    }
    return Next() && IsBlankLine(line_);
  }

  // "Key=Value" lines up to a blank line; the field operation must be one of the three.
  bool ReadSettings(Settings& settings) {
    while (Next() && !IsBlankLine(line_)) {
      const std::size_t equals = line_.find('=');
      if (equals == 0 || equals == std::string_view::npos) return false;
      TakeSetting(line_.substr(0, equals), line_.substr(equals + 1), settings);
    }
    return status_ == LineReader::Status::Line && settings.fieldOperationRead;
  }

  // Data lines up to the one that ends the stream; blank lines between them do no harm.
  bool ReadData(std::int64_t files, D2vProject& project) {
    while (Next()) {
      if (IsBlankLine(line_)) continue;
      const std::optional<D2vDataLine> data = ParseD2vDataLine(line_, files);
      if (!data) return false;
      project.pictures += data->pictures;
      project.repeats += data->repeats;
      if (data->endOfStream) return true;
    }
    return false;
  }

  // Whatever follows the end of the stream; its last line may tell how much of it was FILM.
  bool ReadLastLine(D2vProject& project) {
    std::string last;
    while (Next()) {
      if (!IsBlankLine(line_)) last.assign(line_);
    }
    if (status_ != LineReader::Status::End) return false;
    project.filmPercent = FilmPercentOf(last);
    return true;
  }

  LineReader lines_;
  std::string_view line_;
  LineReader::Status status_ = LineReader::Status::End;
};

}  // namespace

D2vReadResult ReadD2vProject(std::istream& in) {
  return ProjectReader(in).Read();
}

D2vReadResult ReadD2vProjectFile(std::string_view utf8Path) {
  const std::filesystem::path path = PathFromUtf8(utf8Path);
  std::error_code error;
  if (std::filesystem::is_directory(path, error)) return Failed(D2vProblem::CannotRead);
  std::ifstream in(path, std::ios::binary);
  if (!in) return Failed(D2vProblem::CannotRead);
  return ReadD2vProject(in);
}

std::string D2vProblemText(D2vProblem problem, std::string_view fileName) {
  std::string_view text;
  switch (problem) {
    case D2vProblem::None:
      return {};
    case D2vProblem::CannotRead:
      text = " could not be read.";
      break;
    case D2vProblem::NotProject:
      text = " is not a DGIndex project file.";
      break;
    case D2vProblem::UnknownVersion:
      text = " is a DGIndex project file of a version Quillbit does not know.";
      break;
    case D2vProblem::Incomplete:
      text = " is not a complete DGIndex project file.";
      break;
    case D2vProblem::NotDvdRate:
      text = " is not a DVD project: its frame rate is neither NTSC nor PAL.";
      break;
    case D2vProblem::NoPictures:
      text = " is a DGIndex project file without pictures.";
      break;
  }
  std::string message(fileName);
  message += text;
  return message;
}

}  // namespace quillbit
