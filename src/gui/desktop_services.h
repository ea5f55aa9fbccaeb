#pragma once

#include "core/ports.h"

namespace quillbit {

// Hands the target to the desktop's default handler (the browser, the mail program).
class DesktopOpener : public OpenTargetPort {
 public:
  bool Open(std::string_view target) override;
};

// True for a regular file (or a link to one); a directory or a missing path is no file.
class DesktopFiles : public FileExistsPort {
 public:
  bool FileExists(std::string_view path) const override;
};

// Starts the program at the path as a process of its own: no shell, no arguments, so that
// whatever the path holds is never read as a command line.
class DesktopPrograms : public StartProgramPort {
 public:
  bool Start(std::string_view path) override;
};

}  // namespace quillbit
