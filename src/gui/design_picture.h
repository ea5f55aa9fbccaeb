#pragma once

#include <QIcon>
#include <QPixmap>
#include <string_view>

namespace quillbit {

// The image a picture box's design names, from the program's resources; a null pixmap for a
// name this program has no image for.
QPixmap DesignPicture(std::string_view name);

// The program's own icon, for its windows.
QIcon ApplicationIcon();

}  // namespace quillbit
