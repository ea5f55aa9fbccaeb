#include "win32/dpi.h"

#include "core/twips_scale.h"

namespace quillbit {
namespace {

// Looked up at run time: the functions came with Windows 10, and the program also starts on
// systems without them.
template <typename Function>
Function User32Function(const char* name) {
  const HMODULE user32 = ::GetModuleHandleW(L"user32.dll");
  if (user32 == nullptr) return nullptr;
  return reinterpret_cast<Function>(reinterpret_cast<void*>(::GetProcAddress(user32, name)));
}

using SetAwarenessContext = BOOL(WINAPI*)(HANDLE);
using GetDpiForWindowFunction = UINT(WINAPI*)(HWND);
using AdjustForDpi = BOOL(WINAPI*)(RECT*, DWORD, BOOL, DWORD, UINT);
using SetProcessAware = BOOL(WINAPI*)();

// The awareness contexts are fixed pseudo-handles.
const auto kPerMonitorV2 = reinterpret_cast<HANDLE>(static_cast<INT_PTR>(-4));
const auto kPerMonitor = reinterpret_cast<HANDLE>(static_cast<INT_PTR>(-3));

int DeviceDpi(HWND window) {
  const HDC dc = ::GetDC(window);
  const int dpi = dc != nullptr ? ::GetDeviceCaps(dc, LOGPIXELSY) : kDesignDpi;
  if (dc != nullptr) ::ReleaseDC(window, dc);
  return dpi > 0 ? dpi : kDesignDpi;
}

}  // namespace

void DeclareDpiAwareness() {
  if (const auto set = User32Function<SetAwarenessContext>("SetProcessDpiAwarenessContext")) {
    if (set(kPerMonitorV2) || set(kPerMonitor)) return;
    // Already set by the manifest, which is what was asked for.
    if (::GetLastError() == ERROR_ACCESS_DENIED) return;
  }
  if (const auto aware = User32Function<SetProcessAware>("SetProcessDPIAware")) aware();
}

int WindowDpi(HWND window) {
  if (const auto get = User32Function<GetDpiForWindowFunction>("GetDpiForWindow")) {
    const UINT dpi = get(window);
    if (dpi > 0) return static_cast<int>(dpi);
  }
  return DeviceDpi(window);
}

SIZE OuterSizeForClient(int clientWidth, int clientHeight, DWORD style, DWORD exStyle, bool menu,
                        int dpi) {
  RECT rect{0, 0, clientWidth, clientHeight};
  const auto adjust = User32Function<AdjustForDpi>("AdjustWindowRectExForDpi");
  if (adjust == nullptr || !adjust(&rect, style, menu, exStyle, static_cast<UINT>(dpi)))
    ::AdjustWindowRectEx(&rect, style, menu, exStyle);
  return {rect.right - rect.left, rect.bottom - rect.top};
}

}  // namespace quillbit
