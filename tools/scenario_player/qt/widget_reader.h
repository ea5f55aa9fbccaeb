#pragma once

#include <QWidget>

#include "gui/form_view.h"
#include "scenario_player/core/scenario_dump.h"

namespace quillbit::scenario {

// Every control of a shown window as its widget (or menu item) shows it, never as the model
// behind it holds it, in the order its model lists them; and the window's title.
WindowView ReadWindow(const QWidget& window, const FormView& view);

}  // namespace quillbit::scenario
