#pragma once

#include <windows.h>

#include <functional>
#include <optional>
#include <string>

#include "core/number_locale.h"
#include "core/ports.h"

namespace quillbit {

// The modal message box: the text, an OK button only, no icon, the caption given; modal to the
// window `owner` names when it is shown (none: to nothing).
class Win32MessageBox : public MessageBoxPort {
 public:
  explicit Win32MessageBox(std::function<HWND()> owner = {}) : owner_(std::move(owner)) {}
  void ShowMessage(std::string_view caption, std::string_view text) override;

 private:
  std::function<HWND()> owner_;
};

// The primary screen's size in twips at the system's dpi.
class Win32Screen : public ScreenPort {
 public:
  float ScreenWidthTwips() const override;
  float ScreenHeightTwips() const override;
};

// Hands the target to the shell's "open" verb (the browser, the mail program).
class ShellOpener : public OpenTargetPort {
 public:
  bool Open(std::string_view target) override;
};

// True for a file; a folder or a missing path is no file.
class Win32Files : public FileExistsPort {
 public:
  bool FileExists(std::string_view path) const override;
};

// Starts the program at the path as a process of its own, by that path alone: no shell, no
// search, no arguments; its window shown normally.
class Win32Programs : public StartProgramPort {
 public:
  bool Start(std::string_view path) override;
};

// The desktop's file dialog for opening one existing file, modal to the window `owner` names.
class Win32OpenFileDialog : public OpenFileDialogPort {
 public:
  explicit Win32OpenFileDialog(std::function<HWND()> owner = {}) : owner_(std::move(owner)) {}
  std::vector<std::string> ChooseFilesToOpen(std::string_view title, std::string_view filterName,
                                             std::string_view pattern) override;

 private:
  std::function<HWND()> owner_;
};

// The user's number conventions, as the locale settings of this user give them.
NumberLocale UserNumberLocale();

}  // namespace quillbit
