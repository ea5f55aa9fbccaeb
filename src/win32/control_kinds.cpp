// The kinds of controls that show text: labels, text boxes and pick-only lists.
#include "win32/control_kinds.h"

#include <windowsx.h>

#include "core/utf16_text.h"
#include "win32/control_kind.h"

namespace quillbit {
namespace {

DWORD StaticAlign(Align align) {
  switch (align) {
    case Align::Right:
      return SS_RIGHT;
    case Align::Center:
      return SS_CENTER;
    case Align::Left:
      break;
  }
  return SS_LEFT;
}

DWORD EditAlign(Align align) {
  switch (align) {
    case Align::Right:
      return ES_RIGHT;
    case Align::Center:
      return ES_CENTER;
    case Align::Left:
      break;
  }
  return ES_LEFT;
}

// A label: its text as written (an ampersand is no access key), wrapped at words; a click on
// it is passed on.
class LabelKind final : public WinControlKind {
 public:
  const wchar_t* WindowClass() const override { return L"STATIC"; }
  DWORD Style(const ControlDesign& design) const override {
    return StaticAlign(design.align) | SS_NOPREFIX | SS_NOTIFY;
  }
  bool TakesFocus(const ControlDesign&) const override { return false; }
  void Prepare(Binding& b) const override { PassClicks(b); }
  int CaptionRoom(const Binding& b, int dpi) const override { return Place(b, dpi).width; }
  UINT CaptionFormat() const override { return DT_NOPREFIX; }
};

// A text box holds whatever a person pastes into it, not the system's 32,767 characters, so
// that the model and the box always hold the same text.
class TextBoxKind final : public WinControlKind {
 public:
  const wchar_t* WindowClass() const override { return L"EDIT"; }
  DWORD Style(const ControlDesign& design) const override {
    return ES_AUTOHSCROLL | EditAlign(design.align) | (design.readOnly ? ES_READONLY : 0);
  }
  DWORD ExStyle(const ControlDesign&) const override { return WS_EX_CLIENTEDGE; }
  bool TakesFocus(const ControlDesign&) const override { return true; }
  void Prepare(Binding& b) const override { ::SendMessageW(b.window, EM_SETLIMITTEXT, 0, 0); }
  void Notify(const Binding& b, int code) const override {
    if (code == EN_CHANGE) b.control->SetText(WindowText(b.window));
  }

 protected:
  void ReadOwn(const Binding& b, ShownControl& shown) const override {
    shown.readOnly = (::GetWindowLongPtrW(b.window, GWL_STYLE) & ES_READONLY) != 0;
  }
};

std::string ItemText(HWND list, int index) {
  const LRESULT length = ::SendMessageW(list, CB_GETLBTEXTLEN, static_cast<WPARAM>(index), 0);
  if (length == CB_ERR || length <= 0) return {};
  std::wstring text(static_cast<std::size_t>(length) + 1, L'\0');
  const LRESULT copied = ::SendMessageW(list, CB_GETLBTEXT, static_cast<WPARAM>(index),
                                        reinterpret_cast<LPARAM>(text.data()));
  text.resize(copied > 0 ? static_cast<std::size_t>(copied) : 0);
  return Utf8Text(text);
}

int ItemCount(HWND list) {
  const LRESULT count = ::SendMessageW(list, CB_GETCOUNT, 0, 0);
  return count > 0 ? static_cast<int>(count) : 0;
}

// The items a list drops down under its closed part.
constexpr int kDroppedItems = 8;

// A list a person picks from but cannot type into.
class ListKind final : public WinControlKind {
 public:
  const wchar_t* WindowClass() const override { return L"COMBOBOX"; }
  DWORD Style(const ControlDesign&) const override { return CBS_DROPDOWNLIST | WS_VSCROLL; }
  bool TakesFocus(const ControlDesign&) const override { return true; }

  // The window's height includes the part it drops down; the closed part follows the font.
  PixelRect Place(const Binding& b, int dpi) const override {
    PixelRect rect = WinControlKind::Place(b, dpi);
    rect.height += kDroppedItems * ScaleFromDesignDpi(16, dpi);
    return rect;
  }

  void ShowText(const Binding&) const override {}  // the selected item is its text

  void ShowItems(const Binding& b) const override {
    const std::vector<std::string>& items = b.control->Items();
    const int count = ItemCount(b.window);
    int same = 0;
    while (same < count && same < static_cast<int>(items.size()) &&
           ItemText(b.window, same) == items[static_cast<std::size_t>(same)]) {
      ++same;
    }
    // Items usually arrive one AddItem at a time: append when the start already matches.
    if (same < count) {
      ::SendMessageW(b.window, CB_RESETCONTENT, 0, 0);
      same = 0;
    }
    for (std::size_t i = static_cast<std::size_t>(same); i < items.size(); ++i) {
      ::SendMessageW(b.window, CB_ADDSTRING, 0,
                     reinterpret_cast<LPARAM>(WideText(items[i]).c_str()));
    }
    const int index = b.control->ListIndex();
    if (ComboBox_GetCurSel(b.window) != index) ComboBox_SetCurSel(b.window, index);
  }

  void Notify(const Binding& b, int code) const override {
    if (code == CBN_SELCHANGE) b.control->SetListIndex(ComboBox_GetCurSel(b.window));
  }

 protected:
  std::string ShownText(const Binding& b) const override {
    const int index = ComboBox_GetCurSel(b.window);
    return index >= 0 ? ItemText(b.window, index) : std::string();
  }
  void ReadOwn(const Binding& b, ShownControl& shown) const override {
    std::vector<std::string> items;
    for (int i = 0, count = ItemCount(b.window); i < count; ++i)
      items.push_back(ItemText(b.window, i));
    shown.items = std::move(items);
  }
};

constexpr LabelKind kLabelKind;
constexpr TextBoxKind kTextBoxKind;
constexpr ListKind kListKind;

}  // namespace

const WinControlKind& LabelControlKind() {
  return kLabelKind;
}

const WinControlKind& TextBoxControlKind() {
  return kTextBoxKind;
}

const WinControlKind& ListControlKind() {
  return kListKind;
}

const WinControlKind* WinControlKindOf(ControlKind kind) {
  switch (kind) {
    case ControlKind::Label:
      return &LabelControlKind();
    case ControlKind::TextBox:
      return &TextBoxControlKind();
    case ControlKind::List:
      return &ListControlKind();
    case ControlKind::Option:
      return &OptionControlKind();
    case ControlKind::CheckBox:
      return &CheckBoxControlKind();
    case ControlKind::Frame:
      return &FrameControlKind();
    case ControlKind::Button:
      return &ButtonControlKind();
    case ControlKind::Picture:
      return &PictureControlKind();
    case ControlKind::Line:
      return &LineControlKind();
    case ControlKind::Menu:
      break;
  }
  return nullptr;
}

}  // namespace quillbit
