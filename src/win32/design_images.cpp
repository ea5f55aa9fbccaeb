#include "win32/design_images.h"

#include <utility>

#include "about/frm_about_layout.h"

namespace quillbit {
namespace {

constexpr std::pair<std::string_view, int> kPictures[] = {
    {kAboutIconPicture, kAppIconResource},
};

}  // namespace

int DesignPictureResource(std::string_view picture) {
  for (const auto& [name, resource] : kPictures) {
    if (name == picture) return resource;
  }
  return 0;
}

HICON LoadIconResource(HINSTANCE instance, int resource, int size) {
  if (resource == 0) return nullptr;
  return static_cast<HICON>(
      ::LoadImageW(instance, MAKEINTRESOURCEW(resource), IMAGE_ICON, size, size, LR_DEFAULTCOLOR));
}

}  // namespace quillbit
