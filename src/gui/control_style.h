#pragma once

#include <QColor>
#include <QFont>
#include <QPalette>
#include <QWidget>
#include <map>
#include <string>

#include "core/control.h"

namespace quillbit {

// Which font stands for a family the designer named. A family the desktop does not have
// ("MS Sans Serif" on Linux) is replaced by a sans font of similar width when there is one,
// else by the desktop's general font. Asking the font database is slow, so a view keeps one
// of these for all its controls.
class FontFamilies {
 public:
  QFont Find(const std::string& family);

 private:
  std::map<std::string, QFont, std::less<>> found_;
};

// The font a control asks for, at the point size given.
QFont ControlFont(const FontSpec& design, bool bold, FontFamilies& families);

// Stand-in fonts run wider than the one the layout was drawn for; a caption that would be cut
// off is narrowed (same height, at most to 70 %) until it fits its control's fixed width.
void FitCaption(QWidget& widget);

// A control colour on this desktop: system colours come from the palette, RGB as given.
QColor ToQColor(Color color, const QPalette& palette);

}  // namespace quillbit
