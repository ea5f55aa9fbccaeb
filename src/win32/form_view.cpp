#include "win32/form_view.h"

#include <commctrl.h>

#include <algorithm>
#include <climits>
#include <iterator>
#include <map>
#include <string>
#include <utility>

#include "core/utf16_text.h"
#include "win32/caption_fit.h"
#include "win32/dpi.h"

namespace quillbit {
namespace {

// Control ids start above the dialog manager's own (IDOK, IDCANCEL and the like).
constexpr int kFirstControlId = 100;

// Shows the model's changes while it lives, so that what the windows report meanwhile is known
// not to be a person's action.
class ApplyingScope {
 public:
  explicit ApplyingScope(int& depth) : depth_(depth) { ++depth_; }
  ~ApplyingScope() { --depth_; }
  ApplyingScope(const ApplyingScope&) = delete;
  ApplyingScope& operator=(const ApplyingScope&) = delete;

 private:
  int& depth_;
};

bool HasStyle(HWND window, LONG_PTR bits) {
  return (::GetWindowLongPtrW(window, GWL_STYLE) & bits) == bits;
}

}  // namespace

Win32FormView::Win32FormView(ControlSet& controls, HWND form, HINSTANCE instance)
    : controls_(controls),
      form_(form),
      instance_(instance),
      dpi_(WindowDpi(form)),
      menus_(controls, [this](const Control& control) { return CommandIdFor(control.Name()); }) {
  Build();
  subscription_ = controls_.Subscribe([this](const Control& control, Property property) {
    for (Binding& b : bindings_) {
      if (b.control == &control) {
        Apply(b, property);
        return;
      }
    }
  });
}

Win32FormView::~Win32FormView() {
  controls_.Unsubscribe(subscription_);
  for (const Binding& b : bindings_) {
    if (b.picture != nullptr) ::DestroyIcon(b.picture);
  }
}

void Win32FormView::Build() {
  std::map<std::string, int, std::less<>> frames;
  bindings_.reserve(controls_.All().size());
  for (Control& control : controls_.All()) {
    const ControlDesign& design = control.Design();
    Binding& b = bindings_.emplace_back();
    b.control = &control;
    b.id = kFirstControlId + static_cast<int>(bindings_.size() - 1);
    const WinControlKind* kind = KindOf(b);
    if (kind == nullptr) continue;
    if (const auto frame = frames.find(design.container); frame != frames.end()) {
      const Binding& holder = bindings_[static_cast<std::size_t>(frame->second)];
      b.frame = frame->second;
      b.originLeft = holder.originLeft + holder.control->Design().rect.left;
      b.originTop = holder.originTop + holder.control->Design().rect.top;
    }
    // Siblings clip each other, so that the upper of two overlapping controls is seen whole.
    const DWORD style = WS_CHILD | WS_CLIPSIBLINGS | kind->Style(design) |
                        (kind->TakesFocus(design) ? WS_TABSTOP : 0);
    b.window =
        ::CreateWindowExW(kind->ExStyle(design), kind->WindowClass(), L"", style, 0, 0, 0, 0, form_,
                          reinterpret_cast<HMENU>(static_cast<INT_PTR>(b.id)), instance_, nullptr);
    if (b.window == nullptr) continue;
    if (design.kind == ControlKind::Frame)
      frames[design.name] = static_cast<int>(bindings_.size() - 1);
    if (design.pointer == MousePointer::PointingHand && hand_ == nullptr)
      hand_ = std::make_unique<HandPointer>();
    kind->Prepare(b);
    ShowDrawnColors(b);
    ShowToolTip(b);
    ShowAccessibleDescription(b);
  }
  menus_.Attach(form_);
  ::DragAcceptFiles(form_, controls_.TakesDroppedFiles() ? TRUE : FALSE);
  OrderWindows();
  Layout(dpi_);
  for (Binding& b : bindings_) ApplyAll(b);
  for (const Binding& b : bindings_) ShowAccessibleName(b);
}

TOOLINFOW Win32FormView::ToolFor(const Binding& b) const {
  TOOLINFOW tool{};
  tool.cbSize = sizeof tool;
  tool.uFlags = TTF_IDISHWND | TTF_SUBCLASS;
  tool.hwnd = form_;
  tool.uId = reinterpret_cast<UINT_PTR>(b.window);
  return tool;
}

// One tooltip window for the form; a control's tip is added, changed or taken away as the
// model's changes.
void Win32FormView::ShowToolTip(const Binding& b) {
  const std::string& tip = b.control->ToolTip();
  if (toolTips_ == nullptr) {
    if (tip.empty()) return;
    toolTips_ =
        ::CreateWindowExW(WS_EX_TOPMOST, TOOLTIPS_CLASSW, nullptr,
                          WS_POPUP | TTS_ALWAYSTIP | TTS_NOPREFIX, CW_USEDEFAULT, CW_USEDEFAULT,
                          CW_USEDEFAULT, CW_USEDEFAULT, form_, nullptr, instance_, nullptr);
    if (toolTips_ == nullptr) return;
  }
  TOOLINFOW tool = ToolFor(b);
  const bool known =
      ::SendMessageW(toolTips_, TTM_GETTOOLINFOW, 0, reinterpret_cast<LPARAM>(&tool)) != FALSE;
  tool = ToolFor(b);
  if (tip.empty()) {
    if (known) ::SendMessageW(toolTips_, TTM_DELTOOLW, 0, reinterpret_cast<LPARAM>(&tool));
    return;
  }
  std::wstring text = WideText(tip);
  tool.lpszText = text.data();
  ::SendMessageW(toolTips_, known ? TTM_UPDATETIPTEXTW : TTM_ADDTOOLW, 0,
                 reinterpret_cast<LPARAM>(&tool));
}

std::string Win32FormView::ShownToolTip(const Binding& b) const {
  if (toolTips_ == nullptr || b.window == nullptr) return {};
  TOOLINFOW tool = ToolFor(b);
  if (::SendMessageW(toolTips_, TTM_GETTOOLINFOW, 0, reinterpret_cast<LPARAM>(&tool)) == FALSE)
    return {};
  // Tips are short; the buffer's size goes with the request.
  wchar_t text[1024] = {};
  tool = ToolFor(b);
  tool.lpszText = text;
  ::SendMessageW(toolTips_, TTM_GETTEXTW, std::size(text), reinterpret_cast<LPARAM>(&tool));
  return Utf8Text(text);
}

void Win32FormView::Layout(int dpi) {
  dpi_ = dpi;
  for (Binding& b : bindings_) {
    if (b.window == nullptr) continue;
    // The font first: a list's closed height follows it.
    ApplyFont(b, false);
    const PixelRect r = KindOf(b)->Place(b, dpi);
    ::SetWindowPos(b.window, nullptr, r.left, r.top, r.width, r.height,
                   SWP_NOZORDER | SWP_NOACTIVATE);
    KindOf(b)->Rescale(b, instance_, dpi);
  }
  fonts_.KeepOnly(dpi);
  ::InvalidateRect(form_, nullptr, TRUE);
}

void Win32FormView::WindowGone() {
  for (Binding& b : bindings_) b.window = nullptr;
  annotations_.Forget();
  menus_.Detach();
  toolTips_ = nullptr;
}

void Win32FormView::ApplyFont(const Binding& b, bool redraw) {
  const WinControlKind& kind = *KindOf(b);
  const FontSpec& design = b.control->Design().font;
  const int room = kind.CaptionRoom(b, dpi_);
  const HFONT font = room > 0 ? FittingFont(b.window, b.control->Text(), design, b.control->Bold(),
                                            dpi_, room, kind.CaptionFormat(), fonts_)
                              : fonts_.Get(design, b.control->Bold(), dpi_);
  if (::SendMessageW(b.window, WM_GETFONT, 0, 0) == reinterpret_cast<LRESULT>(font)) return;
  ::SendMessageW(b.window, WM_SETFONT, reinterpret_cast<WPARAM>(font), redraw ? TRUE : FALSE);
}

void Win32FormView::ApplyAll(Binding& b) {
  for (Property p : {Property::Text, Property::ForeColor, Property::Bold, Property::Items,
                     Property::Value, Property::Enabled, Property::Visible}) {
    Apply(b, p);
  }
}

void Win32FormView::Apply(Binding& b, Property property) {
  const ApplyingScope applying(applying_);
  if (b.control->Kind() == ControlKind::Menu) {
    menus_.Show(*b.control, property);
    return;
  }
  if (b.window == nullptr) return;
  const WinControlKind& kind = *KindOf(b);
  switch (property) {
    case Property::Text:
      kind.ShowText(b);
      ApplyFont(b, true);  // a longer caption may need a narrower font
      RenameControlsNamedBy(b);
      break;
    case Property::Visible:
      ApplyVisible(b);
      break;
    case Property::Enabled:
      ApplyEnabled(b);
      break;
    case Property::ForeColor:
    case Property::BackColor:
      ShowDrawnColors(b);
      ::InvalidateRect(b.window, nullptr, TRUE);
      break;
    case Property::Bold:
      ApplyFont(b, true);
      break;
    case Property::Items:
    case Property::ListIndex:
      kind.ShowItems(b);
      break;
    case Property::Value:
      kind.ShowValue(b);
      if (b.control->Kind() == ControlKind::Option) RefreshGroupTabStops();
      break;
    case Property::ToolTip:
      ShowToolTip(b);
      ShowAccessibleDescription(b);
      break;
  }
}

// A control inside a frame is shown (and enabled) only while its frame is.
bool Win32FormView::ShownByFrames(const Binding& b, bool enabledToo) const {
  for (int f = b.frame; f >= 0; f = bindings_[static_cast<std::size_t>(f)].frame) {
    const Control& frame = *bindings_[static_cast<std::size_t>(f)].control;
    if (!(enabledToo ? frame.Enabled() : frame.Visible())) return false;
  }
  return true;
}

void Win32FormView::ApplyVisible(Binding& b) {
  const bool visible = b.control->Visible() && ShownByFrames(b, false);
  if (HasStyle(b.window, WS_VISIBLE) != visible) {
    ::ShowWindow(b.window, visible ? SW_SHOWNA : SW_HIDE);
    if (!visible) MoveFocusFrom(b.window);
  }
  if (b.control->Kind() != ControlKind::Frame) return;
  const int self = static_cast<int>(&b - bindings_.data());
  for (Binding& inner : bindings_) {
    if (inner.frame == self && inner.window != nullptr) ApplyVisible(inner);
  }
}

void Win32FormView::ApplyEnabled(Binding& b) {
  const bool enabled = b.control->Enabled() && ShownByFrames(b, true);
  if ((::IsWindowEnabled(b.window) != FALSE) != enabled) {
    ::EnableWindow(b.window, enabled ? TRUE : FALSE);
    if (!enabled) MoveFocusFrom(b.window);
  }
  if (b.control->Kind() != ControlKind::Frame) return;
  const int self = static_cast<int>(&b - bindings_.data());
  for (Binding& inner : bindings_) {
    if (inner.frame == self && inner.window != nullptr) ApplyEnabled(inner);
  }
}

}  // namespace quillbit
