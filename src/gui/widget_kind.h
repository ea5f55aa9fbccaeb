#pragma once

#include <QColor>
#include <QString>
#include <QWidget>

#include "core/control.h"
#include "core/shown_control.h"
#include "gui/widget_binding.h"

namespace quillbit {

// Everything the view does with one kind of control: making its widget, showing each property
// of the model on it, passing a person's actions back, and reading back what it shows. Kept
// together so that what is read back cannot drift from how it is shown.
//
// The defaults here suit a widget of any kind; each kind overrides what it does its own way.
class WidgetKind {
 public:
  // The widget under `parent`, before the common styling; null for a menu, which its menu holds
  // as an action.
  virtual QWidget* Create(const ControlDesign& design, QWidget* parent, double dpi) const = 0;

  // Each shows the model's property with the widget's signals blocked, and only when the widget
  // does not already show it (so that a person's typing keeps its cursor).
  virtual void ShowText(const Binding& b) const;
  virtual void ShowVisible(const Binding& b) const;
  virtual void ShowEnabled(const Binding& b) const;
  virtual void ShowColors(const Binding& b) const;
  virtual void ShowBold(const Binding& b) const;
  virtual void ShowItems(const Binding& /*b*/) const {}
  virtual void ShowValue(const Binding& /*b*/) const {}

  // Passes a person's actions on the widget to the model. Changes made by code are not passed:
  // they come back from the model with signals blocked.
  virtual void Connect(const Binding& b) const = 0;

  // What the widget shows now, never what the model holds.
  virtual ShownControl Read(const Binding& b) const;

 protected:
  ~WidgetKind() = default;

  // The text or caption the widget shows, and how it is set.
  virtual QString WidgetText(const QWidget& /*w*/) const { return {}; }
  virtual void SetWidgetText(QWidget& /*w*/, const QString& /*text*/) const {}
  // The colour the widget draws its text in now (enabled or disabled).
  virtual QColor TextColor(const QWidget& w) const;
  // The fields only this kind has (read-only, value, selected, items).
  virtual void ReadOwn(const QWidget& /*w*/, ShownControl& /*shown*/) const {}

  // Makes a press and release of the left button on the widget the control's click.
  static void PassClicks(QWidget& widget, Control& control);
};

// The unit for one kind of control.
const WidgetKind& WidgetKindOf(ControlKind kind);

}  // namespace quillbit
