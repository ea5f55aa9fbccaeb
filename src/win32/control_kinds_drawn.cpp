// The kinds of controls that show a picture or a line rather than text.
#include <algorithm>

#include "win32/control_kind.h"
#include "win32/control_kinds.h"
#include "win32/design_images.h"
#include "win32/dpi.h"
#include "win32/gdi_cache.h"

namespace quillbit {
namespace {

// The design's images are icons of 32 x 32 pixels at 96 dpi.
constexpr int kPictureSize = 32;

// A picture box showing one of the program's images; one with a tab place takes the focus as a
// button does, and a click on it is passed on.
class PictureKind final : public WinControlKind {
 public:
  const wchar_t* WindowClass() const override { return L"STATIC"; }
  DWORD Style(const ControlDesign& design) const override {
    return SS_ICON | SS_NOTIFY | (design.autoSize ? 0 : SS_REALSIZECONTROL | SS_CENTERIMAGE);
  }
  bool TakesFocus(const ControlDesign& design) const override { return design.tab >= 0; }
  void Prepare(Binding& b) const override { PassClicks(b); }

  // One that sizes itself to its picture is as large as the picture.
  PixelRect Place(const Binding& b, int dpi) const override {
    PixelRect rect = WinControlKind::Place(b, dpi);
    if (b.control->Design().autoSize && DesignPictureResource(b.control->Design().picture) != 0)
      rect.width = rect.height = ScaleFromDesignDpi(kPictureSize, dpi);
    return rect;
  }

  void Rescale(Binding& b, HINSTANCE instance, int dpi) const override {
    const int resource = DesignPictureResource(b.control->Design().picture);
    const HICON icon = LoadIconResource(instance, resource, ScaleFromDesignDpi(kPictureSize, dpi));
    if (icon == nullptr) return;
    ::SendMessageW(b.window, STM_SETICON, reinterpret_cast<WPARAM>(icon), 0);
    if (b.picture != nullptr) ::DestroyIcon(b.picture);
    b.picture = icon;
  }

  void ShowText(const Binding&) const override {}

 protected:
  std::string ShownText(const Binding&) const override { return {}; }
};

// A line drawn on the window's background; it takes no mouse clicks.
class LineKind final : public WinControlKind {
 public:
  const wchar_t* WindowClass() const override { return L"STATIC"; }
  DWORD Style(const ControlDesign&) const override { return SS_OWNERDRAW; }
  bool TakesFocus(const ControlDesign&) const override { return false; }

  PixelRect Place(const Binding& b, int dpi) const override { return Geometry(b, dpi).box; }

  void ShowText(const Binding&) const override {}

  bool Draw(const Binding& b, const DRAWITEMSTRUCT& item) const override {
    const HDC dc = item.hDC;
    ::FillRect(dc, &item.rcItem, ::GetSysColorBrush(COLOR_BTNFACE));
    const LineBox line = Geometry(b, ItemDpi(item));
    const int pen = PenWidth(b, ItemDpi(item));
    const COLORREF color = ColorRefOf(b.fore);
    if (line.y1 == line.y2 || line.x1 == line.x2) {
      // Straight across or down: exactly the pen's width of pixels.
      const RECT rect{std::min(line.x1, line.x2), std::min(line.y1, line.y2),
                      std::max(line.x1, line.x2) + pen, std::max(line.y1, line.y2) + pen};
      const HBRUSH brush = ::CreateSolidBrush(color);
      ::FillRect(dc, &rect, brush);
      ::DeleteObject(brush);
      return true;
    }
    const HPEN gdiPen = ::CreatePen(PS_SOLID, pen, color);
    const HGDIOBJ old = ::SelectObject(dc, gdiPen);
    ::MoveToEx(dc, line.x1 + pen / 2, line.y1 + pen / 2, nullptr);
    ::LineTo(dc, line.x2 + pen / 2, line.y2 + pen / 2);
    ::SelectObject(dc, old);
    ::DeleteObject(gdiPen);
    return true;
  }

 protected:
  std::string ShownText(const Binding&) const override { return {}; }

 private:
  static int ItemDpi(const DRAWITEMSTRUCT& item) { return WindowDpi(item.hwndItem); }
  static int PenWidth(const Binding& b, int dpi) {
    return std::max(1, ScaleFromDesignDpi(b.control->Design().lineWidth, dpi));
  }
  static LineBox Geometry(const Binding& b, int dpi) {
    return LineToPixels(b.control->Design().rect, b.originLeft, b.originTop, PenWidth(b, dpi), dpi);
  }
};

constexpr PictureKind kPictureKind;
constexpr LineKind kLineKind;

}  // namespace

const WinControlKind& PictureControlKind() {
  return kPictureKind;
}

const WinControlKind& LineControlKind() {
  return kLineKind;
}

}  // namespace quillbit
