#include "scenario_player/win32/window_reader.h"

#include <algorithm>
#include <cwchar>
#include <iterator>

#include "core/utf16_text.h"
#include "win32/gdi_cache.h"

namespace quillbit::scenario {
namespace {

bool HasClass(HWND window, const wchar_t* wanted) {
  wchar_t name[32] = {};
  return ::GetClassNameW(window, name, static_cast<int>(std::size(name))) > 0 &&
         ::_wcsicmp(name, wanted) == 0;
}

bool FindIn(HMENU menu, UINT id, MenuPath& path) {
  const int count = ::GetMenuItemCount(menu);
  for (int position = 0; position < count; ++position) {
    MENUITEMINFOW info{};
    info.cbSize = sizeof info;
    info.fMask = MIIM_ID | MIIM_SUBMENU;
    if (!::GetMenuItemInfoW(menu, static_cast<UINT>(position), TRUE, &info)) continue;
    path.steps.push_back({menu, position});
    if (info.wID == id) return true;
    if (info.hSubMenu != nullptr && FindIn(info.hSubMenu, id, path)) return true;
    path.steps.pop_back();
  }
  return false;
}

bool IsSeparator(HMENU menu, int position) {
  MENUITEMINFOW info{};
  info.cbSize = sizeof info;
  info.fMask = MIIM_FTYPE;
  return ::GetMenuItemInfoW(menu, static_cast<UINT>(position), TRUE, &info) &&
         (info.fType & MFT_SEPARATOR) != 0;
}

// The WM_CTLCOLOR* message a control of the system's classes sends its parent before it paints
// its text; none for one whose text the system draws in its own colour (a push button).
std::optional<UINT> ColorQuestion(HWND control) {
  const LONG_PTR style = ::GetWindowLongPtrW(control, GWL_STYLE);
  if (HasClass(control, L"Edit"))
    return (style & ES_READONLY) != 0 ? WM_CTLCOLORSTATIC : WM_CTLCOLOREDIT;
  if (HasClass(control, L"ComboBox")) return WM_CTLCOLOREDIT;
  if (HasClass(control, L"Button")) {
    switch (style & BS_TYPEMASK) {
      case BS_PUSHBUTTON:
      case BS_DEFPUSHBUTTON:
      case BS_OWNERDRAW:
        return std::nullopt;
      default:
        return WM_CTLCOLORSTATIC;
    }
  }
  return WM_CTLCOLORSTATIC;
}

}  // namespace

std::optional<MenuPath> FindMenuItem(HWND window, UINT id) {
  const HMENU bar = ::GetMenu(window);
  MenuPath path;
  if (bar == nullptr || !FindIn(bar, id, path)) return std::nullopt;
  return path;
}

ShownControl ReadMenuItem(HWND window, UINT id, std::string name, bool checkable) {
  ShownControl shown;
  shown.name = std::move(name);
  const std::optional<MenuPath> path = FindMenuItem(window, id);
  if (!path) return shown;
  const MenuPath::Step& item = path->steps.back();
  const auto position = static_cast<UINT>(item.position);
  shown.visible = true;
  const int length = ::GetMenuStringW(item.menu, position, nullptr, 0, MF_BYPOSITION);
  std::wstring text(static_cast<std::size_t>(std::max(length, 0)) + 1, L'\0');
  const int copied = ::GetMenuStringW(item.menu, position, text.data(), length + 1, MF_BYPOSITION);
  text.resize(static_cast<std::size_t>(std::max(copied, 0)));
  shown.text = Utf8Text(text);
  const UINT state = ::GetMenuState(item.menu, position, MF_BYPOSITION);
  shown.enabled = state != static_cast<UINT>(-1) && (state & (MF_GRAYED | MF_DISABLED)) == 0;
  shown.color = HexColor(::GetSysColor(shown.enabled ? COLOR_MENUTEXT : COLOR_GRAYTEXT));
  if (checkable) shown.value = state != static_cast<UINT>(-1) && (state & MF_CHECKED) != 0 ? 1 : 0;
  return shown;
}

std::string DrawnTextColor(HWND control) {
  // The system draws a disabled control's text grayed, whatever its window answers.
  if (!::IsWindowEnabled(control)) return HexColor(::GetSysColor(COLOR_GRAYTEXT));
  const std::optional<UINT> question = ColorQuestion(control);
  const HWND parent = ::GetParent(control);
  if (!question || parent == nullptr) return HexColor(::GetSysColor(COLOR_BTNTEXT));
  const HDC dc = ::CreateCompatibleDC(nullptr);
  if (dc == nullptr) return HexColor(::GetSysColor(COLOR_WINDOWTEXT));
  ::SetTextColor(dc, ::GetSysColor(COLOR_WINDOWTEXT));
  ::SendMessageW(parent, *question, reinterpret_cast<WPARAM>(dc),
                 reinterpret_cast<LPARAM>(control));
  const COLORREF color = ::GetTextColor(dc);
  ::DeleteDC(dc);
  return HexColor(color);
}

bool TakesFocus(HWND control) {
  const LONG_PTR style = ::GetWindowLongPtrW(control, GWL_STYLE);
  if ((style & WS_TABSTOP) != 0) return true;
  const LONG_PTR type = style & BS_TYPEMASK;
  return HasClass(control, L"Button") && (type == BS_RADIOBUTTON || type == BS_AUTORADIOBUTTON);
}

int MovesTo(HMENU menu, int position) {
  int moves = 0;
  for (int before = 0; before < position; ++before) {
    if (!IsSeparator(menu, before)) ++moves;
  }
  return moves;
}

}  // namespace quillbit::scenario
