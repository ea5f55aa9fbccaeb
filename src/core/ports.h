#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace quillbit {

// The modal message box: the text, an OK button only, no icon, the caption given.
class MessageBoxPort {
 public:
  virtual ~MessageBoxPort() = default;
  virtual void ShowMessage(std::string_view caption, std::string_view text) = 0;
};

// The screen size in twips, for centring a window.
class ScreenPort {
 public:
  virtual ~ScreenPort() = default;
  virtual float ScreenWidthTwips() const = 0;
  virtual float ScreenHeightTwips() const = 0;
};

// Hands a target (an address, "mailto:...") to the desktop's default handler.
class OpenTargetPort {
 public:
  virtual ~OpenTargetPort() = default;
  virtual bool Open(std::string_view target) = 0;
};

// Whether a normal file exists at a path.
class FileExistsPort {
 public:
  virtual ~FileExistsPort() = default;
  virtual bool FileExists(std::string_view path) const = 0;
};

// Starts a program by its path, no shell and no arguments; false when it could not be started.
class StartProgramPort {
 public:
  virtual ~StartProgramPort() = default;
  virtual bool Start(std::string_view path) = 0;
};

// A dialog in which a person picks one or more existing files to open, offered the files that
// match `pattern` ("*.d2v") under `filterName` and any file besides; none when they cancel.
class OpenFileDialogPort {
 public:
  virtual ~OpenFileDialogPort() = default;
  virtual std::vector<std::string> ChooseFilesToOpen(std::string_view title,
                                                     std::string_view filterName,
                                                     std::string_view pattern) = 0;
};

}  // namespace quillbit
