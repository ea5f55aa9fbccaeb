#include "win32/private_desktop.h"

#include <string>

namespace quillbit {

PrivateDesktop::PrivateDesktop() {
  const std::wstring name = L"Quillbit private desktop " + std::to_wstring(::GetCurrentProcessId());
  desktop_ = ::CreateDesktopW(name.c_str(), nullptr, nullptr, 0, GENERIC_ALL, nullptr);
  if (desktop_ != nullptr && !::SetThreadDesktop(desktop_)) {
    ::CloseDesktop(desktop_);
    desktop_ = nullptr;
  }
}

PrivateDesktop::~PrivateDesktop() {
  if (desktop_ != nullptr) ::CloseDesktop(desktop_);
}

}  // namespace quillbit
