#include "scenario_player/win32/win32_front_end.h"

#include <commctrl.h>
#include <shlobj.h>

#include <algorithm>
#include <cstring>
#include <utility>

#include "core/utf16_text.h"
#include "scenario_player/core/key_names.h"
#include "scenario_player/win32/message_pump.h"
#include "scenario_player/win32/window_reader.h"
#include "win32/control_kind.h"
#include "win32/dpi.h"

namespace quillbit::scenario {

Win32FrontEnd::Win32FrontEnd(HINSTANCE instance, ScenarioRegistry& registry, NumberLocale locale,
                             std::vector<std::string> installedSysInfo)
    : instance_(instance),
      registry_(registry),
      locale_(std::move(locale)),
      aboutWindows_(instance, windows_, AppInfo{},
                    AboutServices{.registry = registry.Registry(),
                                  .open = opener_,
                                  .files = files_,
                                  .programs = programs_},
                    AboutLinks{}, std::move(installedSysInfo)) {
  // As the program's own start does, before its first window.
  DeclareDpiAwareness();
  INITCOMMONCONTROLSEX controls{};
  controls.dwSize = sizeof controls;
  controls.dwICC = ICC_STANDARD_CLASSES | ICC_WIN95_CLASSES;
  ::InitCommonControlsEx(&controls);
}

Win32FrontEnd::~Win32FrontEnd() {
  // The main window refers to the About slot; it goes first.
  main_.reset();
  about_.reset();
  Settle();
}

void Win32FrontEnd::Settle() {
  DeliverPendingMessages();
}

void Win32FrontEnd::Start() {
  main_.reset();
  about_ = std::make_unique<AboutWindowSlot>(aboutWindows_);
  main_ = std::make_unique<Win32MainWindow>(instance_, windows_, locale_, AppInfo{},
                                            registry_.Store(), about_.get(), &fileDialog_);
  if (main_->Handle() != nullptr) main_->Start(SW_SHOWNORMAL);
  Settle();
  if (const std::optional<Window> window = WindowShown(WindowId::Main)) Activate(window->hwnd);
}

std::optional<Win32FrontEnd::Window> Win32FrontEnd::WindowShown(WindowId window) const {
  if (window == WindowId::Main) {
    if (main_ == nullptr || !main_->Window().Visible()) return std::nullopt;
    return Window{WindowId::Main, main_->Handle(), &main_->View()};
  }
  if (window == WindowId::AudioTracks) {
    Win32AudioTracksWindow* tracks = main_ != nullptr ? main_->AudioTracks() : nullptr;
    if (tracks == nullptr || tracks->Handle() == nullptr || !tracks->Window().Visible())
      return std::nullopt;
    return Window{WindowId::AudioTracks, tracks->Handle(), &tracks->View()};
  }
  if (about_ == nullptr) return std::nullopt;
  auto* about = dynamic_cast<Win32AboutWindow*>(about_->Current());
  if (about == nullptr || !about->Window().Visible()) return std::nullopt;
  return Window{WindowId::About, about->Handle(), &about->View()};
}

// What the title bar's close box sends.
void Win32FrontEnd::Close(WindowId which) {
  const std::optional<Window> window = WindowShown(which);
  if (!window) return;
  ::PostMessageW(window->hwnd, WM_SYSCOMMAND, SC_CLOSE, 0);
  Settle();
}

// A window a modal one is shown over is disabled, as its owner.
bool Win32FrontEnd::Blocked(WindowId id) const {
  const std::optional<Window> window = WindowShown(id);
  return window && !::IsWindowEnabled(window->hwnd);
}

Win32FrontEnd::Target Win32FrontEnd::Known(std::string_view name) const {
  const Window window = WindowShown(WindowWith(name).value()).value();
  return Target{window, window.view->Controls().Find(name), window.view->HwndFor(name)};
}

ControlSet* Win32FrontEnd::ControlsShown(WindowId id) const {
  const std::optional<Window> window = WindowShown(id);
  return window ? &window->view->Controls() : nullptr;
}

ControlSet* Win32FrontEnd::MainControls() const {
  return main_ != nullptr ? &main_->View().Controls() : nullptr;
}

// A menu item is found in the model's list and read from the menu bar, which may not show it;
// any other control needs a window.
std::optional<FrontEnd::Showing> Win32FrontEnd::Show(WindowId id, const Control& control) const {
  const Window window = WindowShown(id).value();
  const bool menu = control.Kind() == ControlKind::Menu;
  const HWND hwnd = window.view->HwndFor(control.Name());
  if (!menu && hwnd == nullptr) return std::nullopt;
  const auto& all = window.view->Controls().All();
  const bool hasItems = std::any_of(all.begin(), all.end(), [&control](const quillbit::Control& c) {
    return c.Kind() == ControlKind::Menu && c.Design().container == control.Name();
  });
  return Showing{
      .shown = Read(window, control),
      .opensMenu = menu && hasItems,
      .takesFocus = hwnd != nullptr && TakesFocus(hwnd),
  };
}

// What the control's window shows; a menu item from the menu bar, and the colour from what its
// window paints it with.
ControlView Win32FrontEnd::Read(const Window& window, const quillbit::Control& control) const {
  const std::string& name = control.Name();
  if (control.Kind() == ControlKind::Menu)
    return ReadMenuItem(window.hwnd, static_cast<UINT>(window.view->CommandIdFor(name)), name,
                        control.Design().checkable);
  ControlView shown = window.view->Shown(name).value_or(ControlView{.name = name});
  if (const HWND hwnd = window.view->HwndFor(name)) shown.color = DrawnTextColor(hwnd);
  return shown;
}

// As a click on the window's title bar would, when it is not the active one.
void Win32FrontEnd::Activate(HWND window) {
  if (::GetActiveWindow() != window) {
    ::SetForegroundWindow(window);
    if (::GetActiveWindow() != window) ::SetActiveWindow(window);
  }
  Settle();
}

void Win32FrontEnd::Focus(std::string_view name) {
  const Target target = Known(name);
  Activate(target.window.hwnd);
  ::SetFocus(target.hwnd);
  Settle();
}

bool Win32FrontEnd::KnowsKey(std::string_view key) const {
  return VirtualKeyByName(key).has_value();
}

void Win32FrontEnd::Type(std::string_view name, std::string_view text) {
  person_.Type(Known(name).hwnd, WideText(text));
}

void Win32FrontEnd::SelectAll(std::string_view name) {
  ::SendMessageW(Known(name).hwnd, EM_SETSEL, 0, -1);
}

// Where a key goes: the focus, else the active window, else a shown window.
HWND Win32FrontEnd::KeyTarget() const {
  if (const HWND focus = ::GetFocus()) return focus;
  if (const HWND active = ::GetActiveWindow()) return active;
  const std::optional<WindowId> shown = AnyShown();
  return shown ? WindowShown(*shown)->hwnd : nullptr;
}

bool Win32FrontEnd::KeyEvent(std::string_view key, bool press, int /*heldBefore*/) {
  const HWND target = KeyTarget();
  if (target == nullptr) return false;
  // The thread's keyboard state, which each key's message marks, tells what is held.
  person_.KeyEvent(target, VirtualKeyByName(key).value(), press);
  return true;
}

void Win32FrontEnd::Click(std::string_view name) {
  const Target target = Known(name);
  Activate(target.window.hwnd);
  person_.Click(target.hwnd, HeldModifiers());
}

// A pick as the mouse makes it: a click opens the list, a click on the item chooses it, and the
// list itself tells the window of the new selection as it closes.
bool Win32FrontEnd::Pick(std::string_view name, int index) {
  const Target target = Known(name);
  Activate(target.window.hwnd);
  person_.Click(target.hwnd, HeldModifiers());
  COMBOBOXINFO info{};
  info.cbSize = sizeof info;
  if (!::IsWindow(target.hwnd) || !::GetComboBoxInfo(target.hwnd, &info) ||
      !::IsWindowVisible(info.hwndList))
    return false;
  // A long list scrolls the item into view first, as the wheel would.
  RECT item{};
  RECT shown{};
  ::GetClientRect(info.hwndList, &shown);
  if (::SendMessageW(info.hwndList, LB_GETITEMRECT, static_cast<WPARAM>(index),
                     reinterpret_cast<LPARAM>(&item)) == LB_ERR)
    return false;
  if (item.top < shown.top || item.bottom > shown.bottom) {
    ::SendMessageW(info.hwndList, LB_SETTOPINDEX, static_cast<WPARAM>(index), 0);
    ::SendMessageW(info.hwndList, LB_GETITEMRECT, static_cast<WPARAM>(index),
                   reinterpret_cast<LPARAM>(&item));
  }
  person_.ClickAt(info.hwndList, POINT{(item.left + item.right) / 2, (item.top + item.bottom) / 2},
                  HeldModifiers());
  return !::IsWindowVisible(info.hwndList);
}

// What the shell does with files dropped at a point of the screen, here the control's centre:
// the window under it that accepts files (WS_EX_ACCEPTFILES), or the nearest one around it that
// does, is handed the files and the point in its client area. It frees them.
bool Win32FrontEnd::Drop(std::string_view name, const std::vector<std::string>& paths) {
  const Target target = Known(name);
  RECT rect{};
  ::GetWindowRect(target.hwnd, &rect);
  const POINT at{(rect.left + rect.right) / 2, (rect.top + rect.bottom) / 2};
  HWND receiver = ::WindowFromPoint(at);
  const HWND desktop = ::GetDesktopWindow();
  while (receiver != nullptr && receiver != desktop &&
         (::GetWindowLongPtrW(receiver, GWL_EXSTYLE) & WS_EX_ACCEPTFILES) == 0)
    receiver = ::GetAncestor(receiver, GA_PARENT);
  if (receiver == nullptr || receiver == desktop) return false;
  std::wstring list;
  for (const std::string& path : paths) list += WideText(path) + L'\0';
  list += L'\0';
  const HGLOBAL memory =
      ::GlobalAlloc(GHND | GMEM_SHARE, sizeof(DROPFILES) + list.size() * sizeof(wchar_t));
  if (memory == nullptr) return true;
  auto* header = static_cast<DROPFILES*>(::GlobalLock(memory));
  header->pFiles = sizeof(DROPFILES);
  header->fWide = TRUE;
  header->pt = at;
  ::ScreenToClient(receiver, &header->pt);
  std::memcpy(reinterpret_cast<char*>(header) + sizeof(DROPFILES), list.data(),
              list.size() * sizeof(wchar_t));
  ::GlobalUnlock(memory);
  if (!::PostMessageW(receiver, WM_DROPFILES, reinterpret_cast<WPARAM>(memory), 0)) {
    ::GlobalFree(memory);
    return true;
  }
  Settle();
  return true;
}

// As a person chooses it with the keyboard: F10 selects the menu bar's first item, Right moves
// along the bar, Down opens the menu (WM_INITMENUPOPUP) on its first item and moves down it,
// Right opens a menu within, Return chooses. The system's menu loop reads the keys, skips
// separators, opens no grayed menu and chooses no grayed item; the item was chosen when its
// command comes.
FrontEnd::MenuChoice Win32FrontEnd::ChooseMenuItem(std::string_view name) {
  const Target target = Known(name);
  const auto id = static_cast<UINT>(target.window.view->CommandIdFor(name));
  const std::optional<MenuPath> path = FindMenuItem(target.window.hwnd, id);
  if (!path) return MenuChoice::NotInMenuBar;
  std::vector<int> keys{VK_F10};
  for (std::size_t level = 0; level < path->steps.size(); ++level) {
    const MenuPath::Step& step = path->steps[level];
    if (level == 1) keys.push_back(VK_DOWN);
    if (level > 1) keys.push_back(VK_RIGHT);
    const int moves = MovesTo(step.menu, step.position);
    keys.insert(keys.end(), static_cast<std::size_t>(moves), level == 0 ? VK_RIGHT : VK_DOWN);
  }
  keys.push_back(VK_RETURN);
  Activate(target.window.hwnd);
  person_.TypeAhead(KeyTarget(), keys);
  bool chosen = false;
  const HWND window = target.window.hwnd;
  DeliverPendingMessages([&chosen, window, id](const MSG& msg) {
    if (msg.hwnd == window && msg.message == WM_COMMAND && HIWORD(msg.wParam) == 0 &&
        LOWORD(msg.wParam) == id && msg.lParam == 0)
      chosen = true;
  });
  Settle();
  return chosen ? MenuChoice::Chosen : MenuChoice::NotChosen;
}

std::optional<WindowView> Win32FrontEnd::ReadWindow(WindowId id) const {
  const std::optional<Window> window = WindowShown(id);
  if (!window) return std::nullopt;
  WindowView view{.title = WindowText(window->hwnd), .controls = {}};
  for (const quillbit::Control& control : window->view->Controls().All()) {
    if (control.Kind() != ControlKind::Menu && window->view->HwndFor(control.Name()) == nullptr)
      continue;
    view.controls.push_back(Read(*window, control));
  }
  return view;
}

// The control whose window, or a window inside it, has this thread's keyboard focus, as the
// system reports it to any process.
const Control* Win32FrontEnd::FocusIn(WindowId id) const {
  GUITHREADINFO info{};
  info.cbSize = sizeof info;
  const Window window = WindowShown(id).value();
  if (!::GetGUIThreadInfo(::GetCurrentThreadId(), &info) || info.hwndFocus == nullptr ||
      !::IsChild(window.hwnd, info.hwndFocus))
    return nullptr;
  return window.view->ControlFor(info.hwndFocus);
}

std::optional<MainModelView> Win32FrontEnd::MainModel() const {
  if (main_ == nullptr) return std::nullopt;
  return MainModelView{main_->Model().State(), main_->Model().CalcRuns()};
}

}  // namespace quillbit::scenario
