#include "win32/menu_bar.h"

#include <algorithm>
#include <string>

#include "core/utf16_text.h"
#include "win32/gdi_cache.h"

namespace quillbit {
namespace {

bool IsMenu(const Control& control) {
  return control.Kind() == ControlKind::Menu;
}

bool HasItems(const ControlSet& controls, const Control& menu) {
  return std::any_of(controls.All().begin(), controls.All().end(), [&](const Control& c) {
    return IsMenu(c) && c.Design().container == menu.Name();
  });
}

// A caption of a single dash is a separator line, as in the designs' menus.
bool IsSeparator(const Control& control) {
  return control.Text() == "-";
}

// A checkable item shows its mark while its value is 1.
UINT CheckFlag(const Control& control) {
  return control.Design().checkable && control.Value() == 1 ? MF_CHECKED : MF_UNCHECKED;
}

}  // namespace

Win32MenuBar::Win32MenuBar(ControlSet& controls, std::function<int(const Control&)> commandId)
    : controls_(controls), commandId_(std::move(commandId)) {
  present_ = std::any_of(controls_.All().begin(), controls_.All().end(), [](const Control& c) {
    return IsMenu(c) && c.Design().container.empty();
  });
  if (present_) bar_ = Build("", true);
}

Win32MenuBar::~Win32MenuBar() {
  // A bar put on a window that still exists goes with the window.
  if (bar_ != nullptr && (window_ == nullptr || ::GetMenu(window_) != bar_)) ::DestroyMenu(bar_);
}

void Win32MenuBar::Attach(HWND window) {
  window_ = window;
  if (bar_ != nullptr) ::SetMenu(window, bar_);
}

void Win32MenuBar::Detach() {
  // Its handle may already name another menu.
  if (window_ != nullptr) bar_ = nullptr;
  window_ = nullptr;
}

HMENU Win32MenuBar::Build(std::string_view container, bool bar) const {
  const HMENU menu = bar ? ::CreateMenu() : ::CreatePopupMenu();
  if (menu == nullptr) return nullptr;
  for (const Control& c : controls_.All()) {
    if (!IsMenu(c) || c.Design().container != container || !c.Visible()) continue;
    const std::wstring text = WideText(c.Text());
    const UINT enabled = c.Enabled() ? MF_ENABLED : MF_GRAYED;
    // Every item carries its control's id, a menu and a separator too, so that what a menu
    // shows can be told apart by item, from outside as well.
    const auto id = static_cast<UINT>(commandId_(c));
    if (IsSeparator(c)) {
      ::AppendMenuW(menu, MF_SEPARATOR, id, nullptr);
    } else if (HasItems(controls_, c)) {
      const HMENU items = Build(c.Name(), false);
      ::AppendMenuW(menu, MF_POPUP | MF_STRING | enabled, reinterpret_cast<UINT_PTR>(items),
                    text.c_str());
      MENUITEMINFOW info{};
      info.cbSize = sizeof info;
      info.fMask = MIIM_ID;
      info.wID = id;
      ::SetMenuItemInfoW(menu, static_cast<UINT>(::GetMenuItemCount(menu) - 1), TRUE, &info);
    } else {
      ::AppendMenuW(menu, MF_STRING | enabled | CheckFlag(c), static_cast<UINT_PTR>(id),
                    text.c_str());
    }
  }
  return menu;
}

void Win32MenuBar::Rebuild() {
  if (!present_) return;
  const HMENU old = bar_;
  bar_ = Build("", true);
  if (window_ != nullptr) {
    ::SetMenu(window_, bar_);
    ::DrawMenuBar(window_);
  }
  if (old != nullptr) ::DestroyMenu(old);
}

void Win32MenuBar::Show(const Control& control, Property property) {
  if (!IsMenu(control)) return;
  switch (property) {
    case Property::Text:
    case Property::Visible:
    case Property::Enabled:
      Rebuild();
      break;
    case Property::Value:
      // Only the mark changes: the item keeps its place, and an open menu stays open.
      if (const std::optional<Place> place = Find(control.Name());
          place && control.Design().checkable)
        ::CheckMenuItem(place->menu, static_cast<UINT>(place->position),
                        MF_BYPOSITION | CheckFlag(control));
      break;
    default:
      break;
  }
}

Control* Win32MenuBar::ControlForCommand(int id) const {
  for (Control& c : controls_.All()) {
    if (IsMenu(c) && !HasItems(controls_, c) && commandId_(c) == id) return &c;
  }
  return nullptr;
}

std::optional<Win32MenuBar::Place> Win32MenuBar::Find(std::string_view name) const {
  const Control* wanted = controls_.Find(name);
  if (wanted == nullptr || !IsMenu(*wanted) || bar_ == nullptr) return std::nullopt;
  // The chain of menus from the bar down to the item.
  std::vector<const Control*> chain{wanted};
  while (!chain.back()->Design().container.empty()) {
    const Control* parent = controls_.Find(chain.back()->Design().container);
    if (parent == nullptr) return std::nullopt;
    chain.push_back(parent);
  }
  HMENU menu = bar_;
  Place place;
  for (auto it = chain.rbegin(); it != chain.rend(); ++it) {
    if (!(*it)->Visible() || menu == nullptr) return std::nullopt;
    // Its place among the shown items of the same menu.
    int position = 0;
    for (const Control& c : controls_.All()) {
      if (&c == *it) break;
      if (IsMenu(c) && c.Visible() && c.Design().container == (*it)->Design().container) ++position;
    }
    place = {menu, position};
    menu = ::GetSubMenu(menu, position);
  }
  return place;
}

ShownControl Win32MenuBar::Read(const Control& control) const {
  ShownControl shown;
  shown.name = control.Name();
  const std::optional<Place> place = Find(control.Name());
  if (!place) return shown;
  shown.visible = true;
  const UINT position = static_cast<UINT>(place->position);
  const int length = ::GetMenuStringW(place->menu, position, nullptr, 0, MF_BYPOSITION);
  std::wstring text(static_cast<std::size_t>(std::max(length, 0)) + 1, L'\0');
  const int copied =
      ::GetMenuStringW(place->menu, position, text.data(), length + 1, MF_BYPOSITION);
  text.resize(static_cast<std::size_t>(std::max(copied, 0)));
  shown.text = Utf8Text(text);
  const UINT state = ::GetMenuState(place->menu, position, MF_BYPOSITION);
  shown.enabled = state != static_cast<UINT>(-1) && (state & (MF_GRAYED | MF_DISABLED)) == 0;
  shown.color = HexColor(::GetSysColor(shown.enabled ? COLOR_MENUTEXT : COLOR_GRAYTEXT));
  if (control.Design().checkable && state != static_cast<UINT>(-1))
    shown.value = (state & MF_CHECKED) != 0 ? 1 : 0;
  return shown;
}

}  // namespace quillbit
