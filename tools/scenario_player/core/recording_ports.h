#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/ports.h"

namespace quillbit::scenario {

// Keeps each target instead of handing it to the desktop, so that a scenario opens no browser
// or mail program; the open counts as done.
class RecordingOpener : public OpenTargetPort {
 public:
  bool Open(std::string_view target) override {
    targets_.emplace_back(target);
    return true;
  }
  const std::vector<std::string>& Targets() const { return targets_; }

 private:
  std::vector<std::string> targets_;
};

// Starts programs for real, through the platform's own starter, and keeps the path of each one
// that started.
class RecordingPrograms : public StartProgramPort {
 public:
  explicit RecordingPrograms(StartProgramPort& desktop) : desktop_(desktop) {}

  bool Start(std::string_view path) override {
    const bool started = desktop_.Start(path);
    if (started) paths_.emplace_back(path);
    return started;
  }
  const std::vector<std::string>& Paths() const { return paths_; }

 private:
  StartProgramPort& desktop_;
  std::vector<std::string> paths_;
};

// Answers the next file dialog with the files a scenario names, as a person would choose them,
// and cancels any dialog after it.
class ScriptedFileDialog : public OpenFileDialogPort {
 public:
  void Answer(std::vector<std::string> paths) { answer_ = std::move(paths); }
  std::vector<std::string> ChooseFilesToOpen(std::string_view /*title*/,
                                             std::string_view /*filterName*/,
                                             std::string_view /*pattern*/) override {
    if (!answer_) return {};
    std::vector<std::string> answer = std::move(*answer_);
    answer_.reset();
    return answer;
  }

 private:
  std::optional<std::vector<std::string>> answer_;
};

}  // namespace quillbit::scenario
