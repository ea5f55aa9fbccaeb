#include "win32/control_kind.h"

#include <commctrl.h>

#include "core/utf16_text.h"
#include "win32/gdi_cache.h"

namespace quillbit {
namespace {

constexpr UINT_PTR kClickSubclassId = 1;
constexpr UINT_PTR kFillSubclassId = 2;

bool FontIsBold(HWND window) {
  const auto font = reinterpret_cast<HFONT>(::SendMessageW(window, WM_GETFONT, 0, 0));
  LOGFONTW description{};
  if (font == nullptr || ::GetObjectW(font, sizeof description, &description) == 0) return false;
  return description.lfWeight >= FW_BOLD;
}

// A press of the left button captures the mouse; its release over the window is the click.
LRESULT CALLBACK ClickProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR /*id*/,
                           DWORD_PTR data) {
  switch (message) {
    case WM_NCHITTEST:
      return HTCLIENT;
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK:
      ::SetCapture(window);
      if (::GetWindowLongPtrW(window, GWL_STYLE) & WS_TABSTOP) ::SetFocus(window);
      return 0;
    case WM_LBUTTONUP: {
      if (::GetCapture() != window) return 0;
      ::ReleaseCapture();
      RECT client;
      ::GetClientRect(window, &client);
      const POINT at{static_cast<short>(LOWORD(lParam)), static_cast<short>(HIWORD(lParam))};
      // The click may close the window: nothing of it is touched afterwards.
      if (::PtInRect(&client, at)) reinterpret_cast<Control*>(data)->Click();
      return 0;
    }
    case WM_NCDESTROY:
      ::RemoveWindowSubclass(window, ClickProc, kClickSubclassId);
      break;
    default:
      break;
  }
  return ::DefSubclassProc(window, message, wParam, lParam);
}

// The background brush is the one the form gives the control's text (WM_CTLCOLORSTATIC).
LRESULT CALLBACK FillProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR /*id*/,
                          DWORD_PTR /*data*/) {
  if (message == WM_ERASEBKGND) {
    const auto dc = reinterpret_cast<HDC>(wParam);
    auto brush = reinterpret_cast<HBRUSH>(::SendMessageW(::GetParent(window), WM_CTLCOLORSTATIC,
                                                         wParam, reinterpret_cast<LPARAM>(window)));
    if (brush == nullptr) brush = ::GetSysColorBrush(COLOR_BTNFACE);
    RECT client;
    ::GetClientRect(window, &client);
    ::FillRect(dc, &client, brush);
    return TRUE;
  }
  if (message == WM_NCDESTROY) ::RemoveWindowSubclass(window, FillProc, kFillSubclassId);
  return ::DefSubclassProc(window, message, wParam, lParam);
}

}  // namespace

std::string WindowText(HWND window) {
  const int length = ::GetWindowTextLengthW(window);
  if (length <= 0) return {};
  std::wstring text(static_cast<std::size_t>(length) + 1, L'\0');
  const int copied = ::GetWindowTextW(window, text.data(), length + 1);
  text.resize(static_cast<std::size_t>(copied > 0 ? copied : 0));
  return Utf8Text(text);
}

void SetWindowTextIfNew(HWND window, const std::string& text) {
  if (WindowText(window) != text) ::SetWindowTextW(window, WideText(text).c_str());
}

PixelRect WinControlKind::Place(const Binding& b, int dpi) const {
  return TwipsToPixelRect(b.control->Design().rect, b.originLeft, b.originTop, dpi);
}

void WinControlKind::ShowText(const Binding& b) const {
  SetWindowTextIfNew(b.window, b.control->Text());
}

std::string WinControlKind::ShownText(const Binding& b) const {
  return WindowText(b.window);
}

ShownControl WinControlKind::Read(const Binding& b) const {
  ShownControl shown;
  shown.name = b.control->Name();
  if (b.window == nullptr) return shown;
  shown.text = ShownText(b);
  // Shown within its window, whether or not the window itself is on screen yet.
  shown.visible = (::GetWindowLongPtrW(b.window, GWL_STYLE) & WS_VISIBLE) != 0;
  shown.enabled = ::IsWindowEnabled(b.window) != FALSE;
  shown.color = HexColor(shown.enabled ? ColorRefOf(b.fore) : ::GetSysColor(COLOR_GRAYTEXT));
  shown.bold = FontIsBold(b.window);
  ReadOwn(b, shown);
  return shown;
}

void WinControlKind::FillInside(const Binding& b) {
  ::SetWindowSubclass(b.window, FillProc, kFillSubclassId, 0);
}

void WinControlKind::PassClicks(const Binding& b) {
  ::SetWindowSubclass(b.window, ClickProc, kClickSubclassId,
                      reinterpret_cast<DWORD_PTR>(b.control));
}

}  // namespace quillbit
