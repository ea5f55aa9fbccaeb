#pragma once

#include <optional>
#include <span>
#include <string>

#include "core/d2v_project.h"

namespace quillbit {

// A project read from a file, known by the file's name (no folder) in messages and tooltips.
struct NamedProject {
  std::string fileName;
  D2vProject project;
};

// Several titles for one disc, as one project: their frames summed, the TV format and Forced
// FILM they share. One project comes back as it is.
struct ProjectSetResult {
  std::optional<D2vProject> project;
  std::string message;  // when there is none: the one message a person sees
};

// Titles that do not share the TV format and Forced FILM give no project and a message naming
// the odd one out: the first title unlike most of them (unlike the first, when no kind has most).
ProjectSetResult CombineProjects(std::span<const NamedProject> projects);

// Each title on a line with its frames, for the frame count's tooltip: "ep1.d2v: 1500 frames".
std::string ProjectListText(std::span<const NamedProject> projects);

}  // namespace quillbit
