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

constexpr std::pair<std::string_view, const char*> kPictures[] = {
    {kAboutIconPicture, ":/icons/quillbit.png"},
};

}  // namespace

QPixmap DesignPicture(std::string_view name) {
  RegisterPictureResources();
  for (const auto& [picture, resource] : kPictures) {
    if (picture == name) return QPixmap(QString::fromLatin1(resource));
  }
  return {};
}

}  // namespace quillbit
