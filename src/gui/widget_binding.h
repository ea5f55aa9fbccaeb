#pragma once

#include <QAction>
#include <QWidget>

#include "core/control.h"
#include "core/control_set.h"
#include "core/shown_control.h"
#include "gui/control_style.h"

namespace quillbit {

// One control and what shows it on screen: a widget, or an action for a menu item or menu.
struct Binding {
  Control* control = nullptr;
  QWidget* widget = nullptr;
  QAction* action = nullptr;
};

// Each kind of control does these its own way: see widget_kind.h.

// Creates the widget for a control of any kind but Menu, placed at its twips rectangle under
// `parent` and styled from its design. Properties are applied afterwards with ApplyAll.
QWidget* CreateControlWidget(const Control& control, QWidget* parent, double logicalDpi,
                             FontFamilies& families);

// Shows one property of the model on the widget, with the widget's signals blocked, and only
// when the widget does not already show it (so a person's typing keeps its cursor).
void ApplyProperty(const Binding& binding, Property property);
void ApplyAll(const Binding& binding);

// Gives the widget the name and description a screen reader announces for the control, from
// the model: the caption that stands for it and its tooltip. Menu items keep their own text.
void ApplyAccessibleName(const ControlSet& controls, const Binding& binding);

// Passes a person's actions on the widget to the model. Changes made by code are not passed:
// they come back from the model through ApplyProperty with signals blocked.
void ConnectPersonActions(const Binding& binding);

// What the widget or action shows now, read back from it rather than from the model, so that a
// widget that does not show what the model holds is caught.
ShownControl ReadShown(const Binding& binding);

}  // namespace quillbit
