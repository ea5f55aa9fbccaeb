// The kinds of controls drawn as buttons: option buttons, check boxes, frames and push buttons.
#include "win32/control_kind.h"
#include "win32/control_kinds.h"

namespace quillbit {
namespace {

// The part of a button's width its caption cannot use: an option's circle or a check box's box
// and the gap after it, a frame's corners, a push button's edges; in pixels at 96 dpi.
constexpr int kMarkAndGap = 13 + 6;
constexpr int kFrameCorners = 16;
constexpr int kButtonEdges = 8;

int RoomBeside(const WinControlKind& kind, const Binding& b, int dpi, int taken) {
  return kind.Place(b, dpi).width - ScaleFromDesignDpi(taken, dpi);
}

bool Checked(HWND button) {
  return ::SendMessageW(button, BM_GETCHECK, 0, 0) == BST_CHECKED;
}

// One of a group of option buttons; the system clears the others of its group as the model does.
class OptionKind final : public WinControlKind {
 public:
  const wchar_t* WindowClass() const override { return L"BUTTON"; }
  DWORD Style(const ControlDesign&) const override { return BS_AUTORADIOBUTTON; }
  bool TakesFocus(const ControlDesign&) const override { return true; }
  int CaptionRoom(const Binding& b, int dpi) const override {
    return RoomBeside(*this, b, dpi, kMarkAndGap);
  }

  void ShowValue(const Binding& b) const override {
    const bool on = b.control->Value() != 0;
    if (Checked(b.window) != on)
      ::SendMessageW(b.window, BM_SETCHECK, on ? BST_CHECKED : BST_UNCHECKED, 0);
  }

  // A click, or an arrow key within the group, selects it.
  void Notify(const Binding& b, int code) const override {
    if (code == BN_CLICKED && Checked(b.window)) b.control->SetValue(1);
  }

 protected:
  void ReadOwn(const Binding& b, ShownControl& shown) const override {
    shown.selected = Checked(b.window);
  }
};

int CheckValue(HWND box) {
  switch (::SendMessageW(box, BM_GETCHECK, 0, 0)) {
    case BST_CHECKED:
      return 1;
    case BST_INDETERMINATE:
      return 2;
    default:
      return 0;
  }
}

// A check box; the greyed value 2 is shown only when the model sets it.
class CheckBoxKind final : public WinControlKind {
 public:
  const wchar_t* WindowClass() const override { return L"BUTTON"; }
  DWORD Style(const ControlDesign&) const override { return BS_AUTOCHECKBOX; }
  bool TakesFocus(const ControlDesign&) const override { return true; }
  int CaptionRoom(const Binding& b, int dpi) const override {
    return RoomBeside(*this, b, dpi, kMarkAndGap);
  }

  void ShowValue(const Binding& b) const override {
    const int value = b.control->Value();
    if (CheckValue(b.window) == value) return;
    // Only a three-state box can show the greyed check.
    const auto type = static_cast<DWORD>(::GetWindowLongPtrW(b.window, GWL_STYLE) & BS_TYPEMASK);
    const DWORD wanted = value == 2 ? BS_3STATE : BS_AUTOCHECKBOX;
    if (type != wanted) ::SendMessageW(b.window, BM_SETSTYLE, wanted, TRUE);
    const WPARAM state = value == 0 ? BST_UNCHECKED : value == 1 ? BST_CHECKED : BST_INDETERMINATE;
    ::SendMessageW(b.window, BM_SETCHECK, state, 0);
  }

  void Notify(const Binding& b, int code) const override {
    if (code == BN_CLICKED) b.control->SetValue(CheckValue(b.window));
  }

 protected:
  void ReadOwn(const Binding& b, ShownControl& shown) const override {
    shown.value = CheckValue(b.window);
  }
};

// A frame around other controls, which the view places relative to it; a click on it is passed on.
class FrameKind final : public WinControlKind {
 public:
  const wchar_t* WindowClass() const override { return L"BUTTON"; }
  DWORD Style(const ControlDesign&) const override { return BS_GROUPBOX; }
  bool TakesFocus(const ControlDesign&) const override { return false; }
  void Prepare(Binding& b) const override {
    FillInside(b);
    PassClicks(b);
  }
  int CaptionRoom(const Binding& b, int dpi) const override {
    return RoomBeside(*this, b, dpi, kFrameCorners);
  }
};

// A push button. Enter presses the default one unless another button has the focus, Esc the
// cancel one; the view tells it where the focus is (BS_NOTIFY).
class ButtonKind final : public WinControlKind {
 public:
  const wchar_t* WindowClass() const override { return L"BUTTON"; }
  DWORD Style(const ControlDesign& design) const override {
    return (design.defaultButton ? BS_DEFPUSHBUTTON : BS_PUSHBUTTON) | BS_NOTIFY;
  }
  bool TakesFocus(const ControlDesign&) const override { return true; }
  int CaptionRoom(const Binding& b, int dpi) const override {
    return RoomBeside(*this, b, dpi, kButtonEdges);
  }
  void Notify(const Binding& b, int code) const override {
    if (code == BN_CLICKED) b.control->Click();
  }
};

constexpr OptionKind kOptionKind;
constexpr CheckBoxKind kCheckBoxKind;
constexpr FrameKind kFrameKind;
constexpr ButtonKind kButtonKind;

}  // namespace

const WinControlKind& OptionControlKind() {
  return kOptionKind;
}

const WinControlKind& CheckBoxControlKind() {
  return kCheckBoxKind;
}

const WinControlKind& FrameControlKind() {
  return kFrameKind;
}

const WinControlKind& ButtonControlKind() {
  return kButtonKind;
}

}  // namespace quillbit
