#pragma once

// What a screen reader is told of a window, read as it reads it: through the accessibility
// layer, as another process would.
#include <windows.h>
// After windows.h, which it needs.
#include <oleacc.h>

#include <string>

#include "core/utf16_text.h"

namespace quillbit {

enum class Field { Name, Description };

// What the accessibility layer says of a window's client area.
inline std::string Said(HWND window, Field field) {
  IAccessible* accessible = nullptr;
  if (FAILED(::AccessibleObjectFromWindow(window, static_cast<DWORD>(OBJID_CLIENT),
                                          __uuidof(IAccessible),
                                          reinterpret_cast<void**>(&accessible))))
    return "(no accessible object)";
  VARIANT self{};
  self.vt = VT_I4;
  self.lVal = CHILDID_SELF;
  BSTR text = nullptr;
  const HRESULT got = field == Field::Name ? accessible->get_accName(self, &text)
                                           : accessible->get_accDescription(self, &text);
  accessible->Release();
  std::string said = SUCCEEDED(got) && text != nullptr ? Utf8Text(text) : std::string();
  ::SysFreeString(text);
  return said;
}

}  // namespace quillbit
