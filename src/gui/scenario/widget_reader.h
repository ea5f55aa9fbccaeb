#pragma once

#include <QAction>
#include <QWidget>
#include <string>

#include "gui/form_view.h"
#include "gui/scenario/scenario_dump.h"

namespace quillbit::scenario {

// What a person sees of a control, read from its widget (or a menu item's action), never from
// the model behind it, so that a widget that does not show what the model holds is caught.
ControlView ReadWidget(std::string name, const QWidget& widget);
ControlView ReadAction(std::string name, const QAction& action);

// Every control of a shown window, in the order its model lists them, and the window's title.
WindowView ReadWindow(const QWidget& window, FormView& view);

}  // namespace quillbit::scenario
