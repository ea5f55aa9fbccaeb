#pragma once

#include "gui/widget_kind.h"

namespace quillbit {

// The unit for menus and menu items, which the menu bar and its menus hold as actions.
const WidgetKind& MenuWidgetKind();

}  // namespace quillbit
