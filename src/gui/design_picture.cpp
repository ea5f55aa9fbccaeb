#include "gui/design_picture.h"

#include <QString>
#include <utility>

#include "about/frm_about_layout.h"

// The images live in a static library; its resources must be registered by hand.
static void RegisterPictureResources() {
  Q_INIT_RESOURCE(quillbit);
}

namespace quillbit {
namespace {

constexpr const char* kIconResource = ":/icons/quillbit.png";

constexpr std::pair<std::string_view, const char*> kPictures[] = {
    {kAboutIconPicture, kIconResource},
};

}  // namespace

QPixmap DesignPicture(std::string_view name) {
  RegisterPictureResources();
  for (const auto& [picture, resource] : kPictures) {
    if (picture == name) return QPixmap(QString::fromLatin1(resource));
  }
  return {};
}

QIcon ApplicationIcon() {
  RegisterPictureResources();
  return QIcon(QString::fromLatin1(kIconResource));
}

}  // namespace quillbit
