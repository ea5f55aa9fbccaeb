#pragma once

#include <cstdint>
#include <istream>
#include <optional>
#include <string>
#include <string_view>

namespace quillbit {

// How a project serves its pictures to the encoder (DGIndex's "Field Operation").
enum class FieldOperation { HonorPulldown, ForceFilm, IgnorePulldown };

// What a DGIndex project file says about the encode that the window asks for.
struct D2vProject {
  int version = 0;          // 16 for "DGIndexProjectFile16"
  double frameRate = 0;     // frames per second as served (its Frame_Rate)
  bool pal = false;         // 25 fps
  bool forcedFilm = false;  // 23.976 fps: NTSC with FILM forced
  FieldOperation fieldOperation = FieldOperation::HonorPulldown;
  std::int64_t pictures = 0;          // coded pictures (N)
  std::int64_t repeats = 0;           // of them with the repeat-first-field flag (R)
  std::int64_t frames = 0;            // frames served by the field operation
  std::optional<double> filmPercent;  // from its last line ("FINISHED  97.85% FILM")
};

// Why a file is no project the window can take.
enum class D2vProblem {
  None,
  CannotRead,      // the file could not be opened or read
  NotProject,      // not a DGIndex project at all (a video, a text file, empty)
  UnknownVersion,  // a version other than 16, or an older DVD2AVI project
  // A project that ends before its pictures end (no data section, no end-of-stream flag), or with
  // a damaged line: a header or settings line out of place, a Field_Operation other than 0, 1, 2,
  // a data line that does not read as one, any line longer than 64 KiB.
  Incomplete,
  NotDvdRate,  // a frame rate that is neither NTSC nor PAL, or none
  NoPictures,  // a project without pictures
};

struct D2vReadResult {
  std::optional<D2vProject> project;  // set exactly when problem is None
  D2vProblem problem = D2vProblem::None;
};

// Reads a project as a stream, line by line, with memory that does not grow with the file.
D2vReadResult ReadD2vProject(std::istream& in);
// The same for the file at a UTF-8 path.
D2vReadResult ReadD2vProjectFile(std::string_view utf8Path);

// The message a person sees for a problem with the file named `fileName` (no folder).
std::string D2vProblemText(D2vProblem problem, std::string_view fileName);

}  // namespace quillbit
