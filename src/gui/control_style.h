#pragma once

#include <QColor>
#include <QFont>
#include <QPalette>
#include <QWidget>

#include "core/control.h"

namespace quillbit {

// The font a control asks for. A family the desktop does not have ("MS Sans Serif" on Linux)
// is replaced at the same point size by a sans font of similar width when there is one, else
// by the desktop's general font.
QFont ControlFont(const FontSpec& spec, bool bold);

// Stand-in fonts run wider than the one the layout was drawn for; a caption that would be cut
// off is narrowed (same height, at most to 70 %) until it fits its control's fixed width.
void FitCaption(QWidget& widget);

// A control colour on this desktop: system colours come from the palette, RGB as given.
QColor ToQColor(Color color, const QPalette& palette);

}  // namespace quillbit
