#pragma once

#include <windows.h>

#include <string_view>

namespace quillbit {

// The program's icon in its resources (see data/windows/quillbit.rc.in).
inline constexpr int kAppIconResource = 1;

// The icon resource a picture box shows for the image its design names; 0 for none.
int DesignPictureResource(std::string_view picture);

// An icon resource at `size` x `size` pixels, scaled from the nearest size it holds; the caller
// destroys it. Null when there is no such resource.
HICON LoadIconResource(HINSTANCE instance, int resource, int size);

}  // namespace quillbit
