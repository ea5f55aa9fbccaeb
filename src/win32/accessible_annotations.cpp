#include "win32/accessible_annotations.h"

// After windows.h, which they need.
#include <oleacc.h>

#include "core/utf16_text.h"

namespace quillbit {

AccessibleAnnotations::AccessibleAnnotations() {
  // Each start is matched by an end, whatever apartment the thread already has.
  const HRESULT started = ::CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
  comStarted_ = SUCCEEDED(started);
  void* services = nullptr;
  if (SUCCEEDED(::CoCreateInstance(CLSID_AccPropServices, nullptr, CLSCTX_INPROC_SERVER,
                                   IID_IAccPropServices, &services)))
    services_ = static_cast<IAccPropServices*>(services);
}

AccessibleAnnotations::~AccessibleAnnotations() {
  if (services_ != nullptr) {
    const MSAAPROPID props[] = {PROPID_ACC_NAME, PROPID_ACC_DESCRIPTION};
    for (const auto& [window, given] : given_) {
      if (::IsWindow(window))
        services_->ClearHwndProps(window, static_cast<DWORD>(OBJID_CLIENT), CHILDID_SELF, props, 2);
    }
    services_->Release();
  }
  if (comStarted_) ::CoUninitialize();
}

void AccessibleAnnotations::Annotate(HWND window, bool name, const std::string& text) {
  if (window == nullptr) return;
  Given& given = given_[window];
  std::string& kept = name ? given.name : given.description;
  if (kept == text) return;
  kept = text;
  if (services_ == nullptr) return;
  const MSAAPROPID prop = name ? PROPID_ACC_NAME : PROPID_ACC_DESCRIPTION;
  if (text.empty()) {
    services_->ClearHwndProps(window, static_cast<DWORD>(OBJID_CLIENT), CHILDID_SELF, &prop, 1);
  } else {
    services_->SetHwndPropStr(window, static_cast<DWORD>(OBJID_CLIENT), CHILDID_SELF, prop,
                              WideText(text).c_str());
  }
  // A screen reader reading the control now hears the new text.
  ::NotifyWinEvent(name ? EVENT_OBJECT_NAMECHANGE : EVENT_OBJECT_DESCRIPTIONCHANGE, window,
                   OBJID_CLIENT, CHILDID_SELF);
}

void AccessibleAnnotations::SetName(HWND window, const std::string& name) {
  Annotate(window, true, name);
}

void AccessibleAnnotations::SetDescription(HWND window, const std::string& description) {
  Annotate(window, false, description);
}

std::string AccessibleAnnotations::Name(HWND window) const {
  const auto it = given_.find(window);
  return it == given_.end() ? std::string() : it->second.name;
}

std::string AccessibleAnnotations::Description(HWND window) const {
  const auto it = given_.find(window);
  return it == given_.end() ? std::string() : it->second.description;
}

void AccessibleAnnotations::Forget() {
  given_.clear();
}

}  // namespace quillbit
