#pragma once

#include <windows.h>

#include <string>

#include "core/control.h"
#include "core/shown_control.h"
#include "core/twips_scale.h"

namespace quillbit {

// One control and the window that shows it.
struct Binding {
  Control* control = nullptr;
  HWND window = nullptr;  // none once the window is gone
  int id = 0;             // the id its notifications (WM_COMMAND) carry
  // The frame it sits in (an index into the view's bindings), or -1; its place is measured from
  // the frame's upper left corner.
  int frame = -1;
  int originLeft = 0, originTop = 0;
  // What the window draws now; the control asks for it at every paint.
  Color fore, back;
  HICON picture = nullptr;  // a picture box's image at the window's resolution, owned here
};

// Everything the view does with one kind of control that differs from kind to kind: the window
// it is shown in, showing the model's texts, items and values on it, passing a person's actions
// on to the model, and reading back what it shows. Visibility, enabling, colours and fonts are
// the same for every kind and stay with the view.
class WinControlKind {
 public:
  virtual const wchar_t* WindowClass() const = 0;
  virtual DWORD Style(const ControlDesign& design) const = 0;
  virtual DWORD ExStyle(const ControlDesign& /*design*/) const { return 0; }
  // Whether a person can move the focus to it (with a place in the tab order).
  virtual bool TakesFocus(const ControlDesign& design) const = 0;
  // Once the window exists: its limits, and the clicks it passes on.
  virtual void Prepare(Binding& /*b*/) const {}

  // Where the window goes in the client area at `dpi`.
  virtual PixelRect Place(const Binding& b, int dpi) const;
  // Images made for the resolution, after the window has been placed.
  virtual void Rescale(Binding& /*b*/, HINSTANCE /*instance*/, int /*dpi*/) const {}

  // The width a caption has in the window at `dpi`, for narrowing a stand-in font that runs
  // too wide; 0 for a kind whose text is not fitted. `CaptionFormat` tells how the caption is
  // read (DrawText's DT_NOPREFIX where an ampersand is a plain character).
  virtual int CaptionRoom(const Binding& /*b*/, int /*dpi*/) const { return 0; }
  virtual UINT CaptionFormat() const { return 0; }

  // Each shows the model's property, only when the window does not already show it (so that a
  // person's typing keeps its caret). The view keeps the window's notifications from coming
  // back to the model meanwhile.
  virtual void ShowText(const Binding& b) const;
  virtual void ShowItems(const Binding& /*b*/) const {}
  virtual void ShowValue(const Binding& /*b*/) const {}

  // A notification code from the window (WM_COMMAND): a person's action, passed on.
  virtual void Notify(const Binding& /*b*/, int /*code*/) const {}
  // Owner-drawn windows draw themselves.
  virtual bool Draw(const Binding& /*b*/, const DRAWITEMSTRUCT& /*item*/) const { return false; }

  // What the window shows now, never what the model holds.
  ShownControl Read(const Binding& b) const;

 protected:
  ~WinControlKind() = default;

  // The text or caption a person reads on it.
  virtual std::string ShownText(const Binding& b) const;
  // The fields only this kind has (read-only, value, selected, items).
  virtual void ReadOwn(const Binding& /*b*/, ShownControl& /*shown*/) const {}

  // Makes a press and release of the left button on the window the control's click; the window
  // is hit by the mouse even where it draws nothing (a frame's inside).
  static void PassClicks(const Binding& b);
  // Paints the window's inside in its background colour first (a frame draws only its edge).
  static void FillInside(const Binding& b);
};

// The unit for one kind of control; null for a menu item, which the menu bar shows.
const WinControlKind* WinControlKindOf(ControlKind kind);

// A window's text as UTF-8, and setting it only when it differs.
std::string WindowText(HWND window);
void SetWindowTextIfNew(HWND window, const std::string& text);

}  // namespace quillbit
