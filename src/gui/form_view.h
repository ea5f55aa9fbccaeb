#pragma once

#include <QHash>
#include <QMenuBar>
#include <QPixmap>
#include <QWidget>
#include <optional>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "core/control_set.h"
#include "core/shown_control.h"
#include "gui/widget_binding.h"

namespace quillbit {

// The widgets of one window, built from its control list by kind and kept in step with it.
// Nothing here knows a particular window: a handler added to a model needs no view code.
class FormView {
 public:
  // Widgets go onto `surface` (or into their frame); menus into `menuBar`, which may be null
  // for a window without a menu.
  FormView(ControlSet& controls, QWidget& surface, QMenuBar* menuBar);
  ~FormView();
  FormView(const FormView&) = delete;
  FormView& operator=(const FormView&) = delete;

  QWidget* WidgetFor(std::string_view name) const;
  QAction* ActionFor(std::string_view name) const;
  // The control a widget shows, looking through a widget's inner parts (a list's popup, say).
  Control* ControlFor(const QWidget* widget) const;
  // The first control in tab order that can take the focus and is shown, or null.
  QWidget* FirstFocusable() const;
  void SetPicture(std::string_view name, const QPixmap& pixmap);
  // What every control that has a widget or menu item shows now, in the order of the list.
  std::vector<ShownControl> ShownControls() const;
  // What one control shows now; none when it has no widget or menu item.
  std::optional<ShownControl> Shown(std::string_view name) const;
  ControlSet& Controls() { return controls_; }

 private:
  void Build(QWidget& surface, QMenuBar* menuBar);
  void ChainTabOrder();
  void SetBuddies();
  // The control's own name and description, and the names of the controls its caption names.
  void Rename(const Control& control);

  ControlSet& controls_;
  std::unordered_map<const Control*, Binding> bindings_;
  QHash<const QObject*, Control*> controlOf_;
  std::vector<QWidget*> tabOrder_;
  int subscription_ = 0;
};

}  // namespace quillbit
