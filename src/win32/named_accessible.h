#pragma once

#include <windows.h>
// After windows.h, which it needs.
#include <oleacc.h>

#include <string>

namespace quillbit {

// A control's accessible object as the platform makes it (role, state, value, place...), with
// the name and description given here in place of the ones the platform would find. Served to
// screen readers from the control's WM_GETOBJECT.
IAccessible* NewNamedAccessible(IAccessible* platforms, std::wstring name,
                                std::wstring description);

}  // namespace quillbit
