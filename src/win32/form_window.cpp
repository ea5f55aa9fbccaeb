#include "win32/form_window.h"

#include <cwchar>
#include <iterator>
#include <utility>

#include "core/utf16_text.h"
#include "win32/design_images.h"
#include "win32/dpi.h"
#include "win32/high_contrast.h"
#include "win32/key_modifiers.h"

namespace quillbit {
namespace {

constexpr wchar_t kFormClass[] = L"QuillbitForm";

void RegisterFormClass(HINSTANCE instance, WNDPROC procedure) {
  WNDCLASSEXW existing{};
  existing.cbSize = sizeof existing;
  if (::GetClassInfoExW(instance, kFormClass, &existing)) return;
  WNDCLASSEXW form{};
  form.cbSize = sizeof form;
  form.lpfnWndProc = procedure;
  form.hInstance = instance;
  // Shared: the system keeps the icons as long as the program runs.
  form.hIcon = static_cast<HICON>(::LoadImageW(instance, MAKEINTRESOURCEW(kAppIconResource),
                                               IMAGE_ICON, ::GetSystemMetrics(SM_CXICON),
                                               ::GetSystemMetrics(SM_CYICON), LR_SHARED));
  form.hIconSm = static_cast<HICON>(::LoadImageW(instance, MAKEINTRESOURCEW(kAppIconResource),
                                                 IMAGE_ICON, ::GetSystemMetrics(SM_CXSMICON),
                                                 ::GetSystemMetrics(SM_CYSMICON), LR_SHARED));
  form.hCursor = ::LoadCursorW(nullptr, reinterpret_cast<LPCWSTR>(IDC_ARROW));
  form.hbrBackground = reinterpret_cast<HBRUSH>(static_cast<INT_PTR>(COLOR_BTNFACE + 1));
  form.lpszClassName = kFormClass;
  ::RegisterClassExW(&form);
}

}  // namespace

Win32FormWindow::Win32FormWindow(HINSTANCE instance, OpenWindows& windows, FormFrame& frame,
                                 ControlSet& controls, FormStyle style,
                                 std::function<void()> unload)
    : instance_(instance),
      windows_(windows),
      frame_(frame),
      style_(style),
      unload_(std::move(unload)) {
  RegisterFormClass(instance, &Procedure);
  // WS_CLIPCHILDREN: the window's background is never painted over its controls.
  if (::CreateWindowExW(style_.exStyle, kFormClass, WideText(frame_.Caption()).c_str(),
                        style_.style | WS_CLIPCHILDREN, 0, 0, 0, 0, style_.modalTo, nullptr,
                        instance_, this) == nullptr) {
    hwnd_ = nullptr;
    return;
  }
  windows_.Opened();
  view_ = std::make_unique<Win32FormView>(controls, hwnd_, instance_);
  SizeClientArea(view_->Dpi());
}

Win32FormWindow::~Win32FormWindow() {
  Destroy();
}

// The outer size comes from the frame's metrics; a menu bar that wraps is made up for.
void Win32FormWindow::SizeClientArea(int dpi) {
  const int width = TwipsToPixels(style_.clientWidthTwips, dpi);
  const int height = TwipsToPixels(style_.clientHeightTwips, dpi);
  const bool menu = ::GetMenu(hwnd_) != nullptr;
  const SIZE outer = OuterSizeForClient(width, height, style_.style, style_.exStyle, menu, dpi);
  const UINT flags = SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE;
  ::SetWindowPos(hwnd_, nullptr, 0, 0, outer.cx, outer.cy, flags);
  RECT client;
  ::GetClientRect(hwnd_, &client);
  const int missingWidth = width - (client.right - client.left);
  const int missingHeight = height - (client.bottom - client.top);
  if (missingWidth != 0 || missingHeight != 0)
    ::SetWindowPos(hwnd_, nullptr, 0, 0, outer.cx + missingWidth, outer.cy + missingHeight, flags);
}

void Win32FormWindow::ReportOuterSize() {
  if (hwnd_ == nullptr) return;
  RECT outer;
  ::GetWindowRect(hwnd_, &outer);
  const int dpi = view_->Dpi();
  frame_.SetOuterSize(static_cast<float>(PixelsToTwips(outer.right - outer.left, dpi)),
                      static_cast<float>(PixelsToTwips(outer.bottom - outer.top, dpi)));
}

bool Win32FormWindow::Load(const std::function<void()>& load) {
  load();
  if (unloaded_ || hwnd_ == nullptr) return false;
  ::SetWindowTextW(hwnd_, WideText(frame_.Caption()).c_str());
  // The model's place is on the primary screen, whose upper left corner is the origin.
  const int dpi = view_->Dpi();
  ::SetWindowPos(hwnd_, nullptr, TwipsToPixels(frame_.Left(), dpi),
                 TwipsToPixels(frame_.Top(), dpi), 0, 0,
                 SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
  return true;
}

void Win32FormWindow::Show(int showCommand) {
  if (hwnd_ == nullptr) return;
  lastFocus_ = view_->FirstFocusable();
  // Disabled before this window is shown, so that the activation goes nowhere but here.
  if (style_.modalTo != nullptr && !ownerDisabled_) {
    ::EnableWindow(style_.modalTo, FALSE);
    ownerDisabled_ = true;
  }
  ::ShowWindow(hwnd_, showCommand);
  ::UpdateWindow(hwnd_);
  if (::GetActiveWindow() == hwnd_) RestoreFocus();
}

void Win32FormWindow::BringToFront() {
  if (hwnd_ == nullptr) return;
  if (::IsIconic(hwnd_)) ::ShowWindow(hwnd_, SW_RESTORE);
  ::SetForegroundWindow(hwnd_);
}

void Win32FormWindow::ModelUnloaded() {
  unloaded_ = true;
  if (!closing_) Destroy();
}

void Win32FormWindow::Close() {
  Closing();
  Destroy();
}

void Win32FormWindow::Destroy() {
  if (hwnd_ == nullptr) return;
  ReleaseOwner();
  ::DestroyWindow(hwnd_);
}

// The owner is enabled, and takes the activation, while this window still exists: destroyed
// first, it would leave the activation to whatever window the system found next.
void Win32FormWindow::ReleaseOwner() {
  if (!std::exchange(ownerDisabled_, false)) return;
  ::EnableWindow(style_.modalTo, TRUE);
  if (hwnd_ == nullptr || ::GetActiveWindow() != hwnd_) return;
  ::ShowWindow(hwnd_, SW_HIDE);
  ::SetActiveWindow(style_.modalTo);
}

void Win32FormWindow::Closing() {
  if (unloaded_ || closing_) return;
  closing_ = true;
  unload_();
  closing_ = false;
  unloaded_ = true;
}

void Win32FormWindow::Destroyed() {
  // Taken with its owner, or destroyed by other means than Destroy.
  ReleaseOwner();
  view_->WindowGone();
  ::SetWindowLongPtrW(hwnd_, GWLP_USERDATA, 0);
  hwnd_ = nullptr;
  lastFocus_ = nullptr;
  if (onDestroyed) std::exchange(onDestroyed, nullptr)();
  windows_.Closed();
}

Win32FormWindow* Win32FormWindow::ForMessage(const MSG& msg) {
  if (msg.hwnd == nullptr) return nullptr;
  const HWND root = ::GetAncestor(msg.hwnd, GA_ROOT);
  wchar_t name[std::size(kFormClass) + 1] = {};
  if (root == nullptr || ::GetClassNameW(root, name, static_cast<int>(std::size(name))) == 0 ||
      std::wcscmp(name, kFormClass) != 0)
    return nullptr;
  return reinterpret_cast<Win32FormWindow*>(::GetWindowLongPtrW(root, GWLP_USERDATA));
}

bool Win32FormWindow::PreTranslate(MSG& msg) {
  const HWND self = hwnd_;
  if (self == nullptr) return false;
  switch (msg.message) {
    case WM_KEYDOWN:
    case WM_SYSKEYDOWN:
      PreviewKey(msg, true);
      break;
    case WM_KEYUP:
    case WM_SYSKEYUP:
      PreviewKey(msg, false);
      break;
    default:
      break;
  }
  // A handler may have closed the window and taken the control with it.
  if (hwnd_ != self) return true;
  if (menuKeys_.Take(msg, self)) return true;
  const bool dialogKey = ::IsDialogMessageW(self, &msg) != FALSE;
  if (dialogKey && msg.message == WM_KEYDOWN && hwnd_ == self) view_->UpdateDefaultLook();
  return dialogKey;
}

// Key codes are Windows' virtual-key codes, which the models take as they are.
void Win32FormWindow::PreviewKey(const MSG& msg, bool press) {
  const int key = static_cast<int>(msg.wParam);
  const int mask = KeyModifierMask(key, press, ::GetKeyState(VK_SHIFT) < 0,
                                   ::GetKeyState(VK_CONTROL) < 0, ::GetKeyState(VK_MENU) < 0);
  Control* focused = view_->ControlFor(msg.hwnd);
  if (press) {
    view_->Controls().KeyDown(focused, key, mask);
  } else {
    view_->Controls().KeyUp(focused, key, mask);
  }
}

// The control that had the focus last, while a person can still reach it; else the first of the
// tab order. False when there is none.
bool Win32FormWindow::RestoreFocus() {
  HWND target = lastFocus_;
  if (target == nullptr || !::IsChild(hwnd_, target) || !Win32FormView::Reachable(target))
    target = view_->FirstFocusable();
  if (target == nullptr) return false;
  lastFocus_ = target;
  ::SetFocus(target);
  return true;
}

// Tab and Shift+Tab, or a control named: the dialog manager's way of moving the focus. A text
// box reached this way has its text selected.
void Win32FormWindow::NextControl(WPARAM wParam, LPARAM lParam) {
  const HWND target = LOWORD(lParam) != 0 ? reinterpret_cast<HWND>(wParam)
                                          : ::GetNextDlgTabItem(hwnd_, ::GetFocus(), wParam != 0);
  if (target == nullptr) return;
  ::SetFocus(target);
  if (::SendMessageW(target, WM_GETDLGCODE, 0, 0) & DLGC_HASSETSEL)
    ::SendMessageW(target, EM_SETSEL, 0, -1);
}

LRESULT CALLBACK Win32FormWindow::Procedure(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_NCCREATE) {
    auto* created = static_cast<Win32FormWindow*>(
        reinterpret_cast<const CREATESTRUCTW*>(lParam)->lpCreateParams);
    created->hwnd_ = hwnd;
    ::SetWindowLongPtrW(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(created));
  }
  auto* window = reinterpret_cast<Win32FormWindow*>(::GetWindowLongPtrW(hwnd, GWLP_USERDATA));
  // Until its controls exist the window is like any other.
  if (window == nullptr || window->view_ == nullptr)
    return ::DefWindowProcW(hwnd, message, wParam, lParam);
  return window->OnMessage(message, wParam, lParam);
}

LRESULT Win32FormWindow::OnMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  const HWND hwnd = hwnd_;
  switch (message) {
    case WM_CLOSE:
      Close();
      return 0;
    case WM_QUERYENDSESSION:
      return TRUE;  // a session's end is never refused; the close comes with WM_ENDSESSION
    case WM_ENDSESSION:
      // The session ends once this returns: the close, and its save, happen now.
      if (wParam) Close();
      return 0;
    case WM_COMMAND:
      if (view_->OnCommand(wParam, lParam)) return 0;
      break;
    case WM_CTLCOLORSTATIC:
    case WM_CTLCOLOREDIT:
    case WM_CTLCOLORLISTBOX:
    case WM_CTLCOLORBTN:
      if (const HBRUSH brush =
              view_->OnControlColor(reinterpret_cast<HDC>(wParam), reinterpret_cast<HWND>(lParam)))
        return reinterpret_cast<LRESULT>(brush);
      break;
    case WM_SETCURSOR:
      if (view_->OnSetCursor(reinterpret_cast<HWND>(wParam), LOWORD(lParam))) return TRUE;
      break;
    case WM_DROPFILES:
      view_->OnDropFiles(reinterpret_cast<HDROP>(wParam));
      return 0;
    case WM_DRAWITEM:
      if (view_->OnDrawItem(*reinterpret_cast<const DRAWITEMSTRUCT*>(lParam))) return TRUE;
      break;
    case DM_GETDEFID:
      if (const int id = view_->DefaultButtonId()) return MAKELRESULT(id, DC_HASDEFID);
      return 0;
    case WM_NEXTDLGCTL:
      NextControl(wParam, lParam);
      return 0;
    case WM_ACTIVATE:
      // As in a dialog box, the focus comes back to the control that had it when the window was
      // left.
      if (LOWORD(wParam) == WA_INACTIVE) {
        const HWND focus = ::GetFocus();
        if (focus != nullptr && ::IsChild(hwnd, focus)) lastFocus_ = focus;
        break;
      }
      if (HIWORD(wParam) == 0 && RestoreFocus()) return 0;
      break;
    case WM_SETFOCUS: {
      // The window itself takes no keys: the focus it is given goes back to the control that
      // just had it, or on to the one last focused.
      const auto previous = reinterpret_cast<HWND>(wParam);
      if (previous != nullptr && ::IsChild(hwnd, previous)) lastFocus_ = previous;
      RestoreFocus();
      return 0;
    }
    case WM_SYSCOLORCHANGE:
      view_->ColorsChanged(HighContrastOn());
      break;
    case WM_SETTINGCHANGE:
      // Other settings change the colours of none of the controls.
      if (wParam == SPI_SETHIGHCONTRAST) view_->ColorsChanged(HighContrastOn());
      break;
    case WM_DPICHANGED: {
      const RECT* suggested = reinterpret_cast<const RECT*>(lParam);
      ::SetWindowPos(hwnd, nullptr, suggested->left, suggested->top,
                     suggested->right - suggested->left, suggested->bottom - suggested->top,
                     SWP_NOZORDER | SWP_NOACTIVATE);
      view_->Layout(HIWORD(wParam));
      return 0;
    }
    case WM_NCDESTROY:
      Destroyed();
      return ::DefWindowProcW(hwnd, message, wParam, lParam);
    default:
      break;
  }
  return ::DefWindowProcW(hwnd, message, wParam, lParam);
}

}  // namespace quillbit
