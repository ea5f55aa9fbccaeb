#include "win32/accessible_annotations.h"

// After windows.h, which they need.
#include <commctrl.h>
#include <oleacc.h>

#include "core/utf16_text.h"
#include "win32/named_accessible.h"

namespace quillbit {
namespace {

constexpr UINT_PTR kServerSubclass = 0x5142;

LRESULT CALLBACK ServeAccessible(HWND window, UINT message, WPARAM wParam, LPARAM lParam,
                                 UINT_PTR /*id*/, DWORD_PTR data) {
  // The object id comes as a 32-bit value, whatever the width of lParam.
  if (message == WM_GETOBJECT && static_cast<LONG>(lParam) == OBJID_CLIENT) {
    const auto* annotations = reinterpret_cast<const AccessibleAnnotations*>(data);
    if (const LRESULT served = annotations->Serve(window, wParam)) return served;
  } else if (message == WM_NCDESTROY) {
    ::RemoveWindowSubclass(window, ServeAccessible, kServerSubclass);
  }
  return ::DefSubclassProc(window, message, wParam, lParam);
}

}  // namespace

AccessibleAnnotations::AccessibleAnnotations() {
  // Handing an object to a screen reader's process goes through COM; each start is matched by
  // an end, whatever apartment the thread already has.
  comStarted_ = SUCCEEDED(::CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED));
}

AccessibleAnnotations::~AccessibleAnnotations() {
  for (const auto& [window, given] : given_) {
    if (::IsWindow(window)) ::RemoveWindowSubclass(window, ServeAccessible, kServerSubclass);
  }
  if (comStarted_) ::CoUninitialize();
}

void AccessibleAnnotations::Give(HWND window, bool name, const std::string& text) {
  if (window == nullptr) return;
  const bool known = given_.contains(window);
  Given& given = given_[window];
  std::string& kept = name ? given.name : given.description;
  if (known && kept == text) return;
  kept = text;
  if (!known)
    ::SetWindowSubclass(window, ServeAccessible, kServerSubclass,
                        reinterpret_cast<DWORD_PTR>(this));
  // A screen reader reading the control now hears the new text.
  ::NotifyWinEvent(name ? EVENT_OBJECT_NAMECHANGE : EVENT_OBJECT_DESCRIPTIONCHANGE, window,
                   OBJID_CLIENT, CHILDID_SELF);
}

void AccessibleAnnotations::SetName(HWND window, const std::string& name) {
  Give(window, true, name);
}

void AccessibleAnnotations::SetDescription(HWND window, const std::string& description) {
  Give(window, false, description);
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

LRESULT AccessibleAnnotations::Serve(HWND window, WPARAM wParam) const {
  const auto it = given_.find(window);
  if (it == given_.end() || (it->second.name.empty() && it->second.description.empty())) return 0;
  IAccessible* platforms = nullptr;
  if (FAILED(::CreateStdAccessibleObject(window, OBJID_CLIENT, __uuidof(IAccessible),
                                         reinterpret_cast<void**>(&platforms))))
    return 0;
  IAccessible* named =
      NewNamedAccessible(platforms, WideText(it->second.name), WideText(it->second.description));
  platforms->Release();
  const LRESULT served = ::LresultFromObject(__uuidof(IAccessible), wParam, named);
  named->Release();
  return served < 0 ? 0 : served;
}

}  // namespace quillbit
