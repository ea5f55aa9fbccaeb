#pragma once

#include <windows.h>

#include <map>
#include <string>

struct IAccPropServices;

namespace quillbit {

// The names and descriptions screen readers give a form's controls where the platform's own rule
// (the caption of the static text just before a control) does not find the right one: given to
// the accessibility layer as annotations of the control's window (IAccPropServices), which
// every MSAA and UI Automation client reads. Annotations live as long as this object or the
// window, whichever goes first.
class AccessibleAnnotations {
 public:
  AccessibleAnnotations();
  ~AccessibleAnnotations();
  AccessibleAnnotations(const AccessibleAnnotations&) = delete;
  AccessibleAnnotations& operator=(const AccessibleAnnotations&) = delete;

  // An empty text takes the annotation away, so that the platform's own rule applies again.
  void SetName(HWND window, const std::string& name);
  void SetDescription(HWND window, const std::string& description);

  // What was given for the window, as the accessibility layer was told it.
  std::string Name(HWND window) const;
  std::string Description(HWND window) const;

  // The windows are gone; nothing of theirs is cleared any more.
  void Forget();

 private:
  struct Given {
    std::string name;
    std::string description;
  };
  void Annotate(HWND window, bool name, const std::string& text);

  IAccPropServices* services_ = nullptr;
  bool comStarted_ = false;
  std::map<HWND, Given> given_;
};

}  // namespace quillbit
