#pragma once

#include <windows.h>

#include <map>
#include <string>

namespace quillbit {

// The names and descriptions screen readers give a form's controls where the platform's own rule
// (the caption of the static text before a control, without its colon on Windows, with it on
// Wine; a list's selected item) does not give the right one. Each such control answers a screen
// reader's WM_GETOBJECT with the platform's own accessible object, its name and description
// replaced: the documented way for a window to serve its accessible object, which every MSAA
// client and UI Automation's MSAA proxy reads, on Windows and on Wine alike.
class AccessibleAnnotations {
 public:
  AccessibleAnnotations();
  ~AccessibleAnnotations();
  AccessibleAnnotations(const AccessibleAnnotations&) = delete;
  AccessibleAnnotations& operator=(const AccessibleAnnotations&) = delete;

  // An empty text gives the platform's own back.
  void SetName(HWND window, const std::string& name);
  void SetDescription(HWND window, const std::string& description);

  // What was given for the window.
  std::string Name(HWND window) const;
  std::string Description(HWND window) const;

  // The windows are gone; nothing of theirs is touched any more.
  void Forget();

  // The answer to a screen reader's WM_GETOBJECT for the window's client area; 0 for a window
  // given nothing, which then answers as the platform does.
  LRESULT Serve(HWND window, WPARAM wParam) const;

 private:
  struct Given {
    std::string name;
    std::string description;
  };
  void Give(HWND window, bool name, const std::string& text);

  bool comStarted_ = false;
  std::map<HWND, Given> given_;
};

}  // namespace quillbit
