#include "core/project_set.h"

#include <algorithm>
#include <limits>

namespace quillbit {
namespace {

bool SameKind(const D2vProject& a, const D2vProject& b) {
  return a.pal == b.pal && a.forcedFilm == b.forcedFilm;
}

std::string KindText(const D2vProject& project) {
  std::string text = project.pal ? "PAL" : "NTSC";
  if (project.forcedFilm) text += " with Forced FILM";
  return text;
}

std::size_t CountOfKind(std::span<const NamedProject> projects, const D2vProject& kind) {
  return static_cast<std::size_t>(std::ranges::count_if(
      projects, [&kind](const NamedProject& p) { return SameKind(p.project, kind); }));
}

}  // namespace

ProjectSetResult CombineProjects(std::span<const NamedProject> projects) {
  if (projects.empty()) return {.project = std::nullopt, .message = "No project was given."};
  // The kind most titles share; of kinds equally common, the earliest.
  const NamedProject* most = &projects[0];
  std::size_t mostCount = CountOfKind(projects, most->project);
  for (const NamedProject& candidate : projects) {
    const std::size_t count = CountOfKind(projects, candidate.project);
    if (count > mostCount) {
      most = &candidate;
      mostCount = count;
    }
  }
  D2vProject combined = most->project;
  combined.frames = 0;
  combined.pictures = 0;
  combined.repeats = 0;
  for (const NamedProject& title : projects) {
    if (!SameKind(title.project, most->project)) {
      return {.project = std::nullopt,
              .message = title.fileName + " is " + KindText(title.project) + ", unlike " +
                         most->fileName + ", which is " + KindText(most->project) +
                         ": titles on one disc must share the TV format and Forced FILM."};
    }
    constexpr auto kMost = std::numeric_limits<std::int64_t>::max();
    if (title.project.frames > kMost - combined.frames) {
      return {.project = std::nullopt, .message = "These titles have too many frames together."};
    }
    combined.frames += title.project.frames;
    combined.pictures += title.project.pictures;
    combined.repeats += title.project.repeats;
  }
  if (projects.size() > 1) combined.filmPercent.reset();  // a share of one title only
  return {.project = std::move(combined), .message = {}};
}

std::string ProjectListText(std::span<const NamedProject> projects) {
  std::string text;
  for (const NamedProject& title : projects) {
    if (!text.empty()) text += '\n';
    text += title.fileName + ": " + std::to_string(title.project.frames) + " frames";
  }
  return text;
}

}  // namespace quillbit
