// The encode's own files handed to the window: the project, the sizes of what shares the disc
// and the 1% sample's stream.
#include <algorithm>
#include <array>
#include <cstdio>
#include <string>

#include "core/d2v_project.h"
#include "core/file_sizes.h"
#include "core/mpeg_pictures.h"
#include "core/project_set.h"
#include "core/unicode_text.h"
#include "main_window/form1.h"

namespace quillbit {
namespace {

constexpr std::array<std::string_view, 2> kSampleFrameRow = {"lblSampleFrame", "txtSampleFrame"};

// The extension of a path's file name, without its dot; empty for none.
std::string ExtensionOf(std::string_view path) {
  const std::string name = FileNameOf(path);
  const std::size_t dot = name.rfind('.');
  return dot == std::string::npos ? std::string() : name.substr(dot + 1);
}

bool IsProjectFile(std::string_view path) {
  return SameIgnoringAsciiCase(ExtensionOf(path), "d2v");
}

bool IsVideoStream(std::string_view path) {
  const std::string extension = ExtensionOf(path);
  return SameIgnoringAsciiCase(extension, "m2v") || SameIgnoringAsciiCase(extension, "mpv");
}

// "Project: 97.85% FILM", with the window's decimal symbol.
std::string FilmTip(double percent, const NumberLocale& locale) {
  char digits[32];
  std::snprintf(digits, sizeof digits, "%.2f", percent);
  std::string text = digits;
  if (const std::size_t point = text.find('.'); point != std::string::npos)
    text.replace(point, 1, locale.decimal);
  return "Project: " + text + "% FILM";
}

std::string CannotReadText(std::string_view path) {
  return D2vProblemText(D2vProblem::CannotRead, FileNameOf(path));
}

}  // namespace

void Form1::mnuOpen_Click() {
  const std::vector<std::string> paths =
      ports_.fileDialog.ChooseFilesToOpen("Open Project", "DGIndex project files", "*.d2v");
  if (!paths.empty()) OpenProjects(paths);
}

// The option first, then the box, then the frame count: each change runs its handlers as the
// same click or typing would, the PAL note and the frame rate included.
void Form1::OpenProject(std::string_view path) {
  const D2vReadResult read = ReadD2vProjectFile(path);
  if (!read.project) {
    ShowFileMessage(D2vProblemText(read.problem, FileNameOf(path)));
    return;
  }
  SetProject(*read.project);
  projectListFrames_.clear();
  txtFrames.SetToolTip(txtFrames.Design().toolTip);
}

void Form1::SetProject(const D2vProject& project) {
  optFormat[project.pal ? 1 : 0]->SetValue(1);
  chkFF.SetValue(project.forcedFilm ? 1 : 0);
  txtFrames.SetText(std::to_string(project.frames));
  chkFF.SetToolTip(project.filmPercent ? FilmTip(*project.filmPercent, locale_)
                                       : chkFF.Design().toolTip);
}

// Every title is read before anything changes: one that cannot be read, or one unlike the
// others, gets the one message.
void Form1::OpenProjects(const std::vector<std::string>& paths) {
  if (paths.empty()) return;
  if (paths.size() == 1) {
    OpenProject(paths.front());
    return;
  }
  std::vector<NamedProject> titles;
  for (const std::string& path : paths) {
    D2vReadResult read = ReadD2vProjectFile(path);
    if (!read.project) {
      ShowFileMessage(D2vProblemText(read.problem, FileNameOf(path)));
      return;
    }
    titles.push_back({.fileName = FileNameOf(path), .project = std::move(*read.project)});
  }
  const ProjectSetResult set = CombineProjects(titles);
  if (!set.project) {
    ShowFileMessage(set.message);
    return;
  }
  SetProject(*set.project);
  txtFrames.SetToolTip(ProjectListText(titles));
  projectListFrames_ = txtFrames.Text();
}

// A project goes anywhere; other files go to the row they were dropped on.
void Form1::FilesDropped(const Control* control, const std::vector<std::string>& paths) {
  if (paths.empty()) return;
  if (std::all_of(paths.begin(), paths.end(), IsProjectFile)) {
    OpenProjects(paths);
    return;
  }
  if (control != nullptr && OnSampleRows(*control) && paths.size() == 1 &&
      IsVideoStream(paths.front())) {
    DropSample(paths.front());
    return;
  }
  if (control != nullptr) {
    if (const SizeField* field = FieldOfRow(*control)) {
      DropSizes(*field, paths);
      return;
    }
  }
  OpenProject(paths.front());
}

const Form1::SizeField* Form1::FieldOfRow(const Control& control) const {
  for (const SizeField& field : sizeFields_) {
    if (&control == &field.label || &control == &field.box || &control == &field.list)
      return &field;
  }
  return nullptr;
}

bool Form1::OnSampleRows(const Control& control) const {
  const SizeField& sample = sizeFields_[kSample];
  return FieldOfRow(control) == &sample || std::find(kSampleFrameRow.begin(), kSampleFrameRow.end(),
                                                     control.Name()) != kSampleFrameRow.end();
}

// As a conversion shows a byte count, then one recalculation, as a plain change makes.
void Form1::DropSizes(const SizeField& field, const std::vector<std::string>& paths) {
  const DroppedSize total = TotalSizeOf(paths);
  if (total.unreadable) {
    ShowFileMessage(CannotReadText(*total.unreadable));
    return;
  }
  // Files dropped on the audio row are the audio now, not the tracks.
  if (&field == &sizeFields_[kAudio]) EndAudioLink();
  ShowDroppedBytes(field, total.bytes);
}

void Form1::ShowDroppedBytes(const SizeField& field, std::uint64_t bytes) {
  BytesOf(field) = static_cast<double>(bytes);
  ShowBytes(field);
  calc();
}

// The size first, then the frame count, each as a person's change.
void Form1::DropSample(std::string_view path) {
  const MpegPictureCount count = CountMpegPicturesInFile(path);
  const DroppedSize size = TotalSizeOf({std::string(path)});
  if (!count.readable || size.unreadable) {
    ShowFileMessage(CannotReadText(path));
    return;
  }
  if (!count.frames) {
    ShowFileMessage(FileNameOf(path) + " is not an MPEG-2 video stream.");
    return;
  }
  ShowDroppedBytes(sizeFields_[kSample], size.bytes);
  txtSampleFrame.SetText(std::to_string(*count.frames));
}

void Form1::ShowFileMessage(const std::string& text) {
  ports_.messages.ShowMessage(app_.title, text);
}

}  // namespace quillbit
