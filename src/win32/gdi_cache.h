#pragma once

#include <windows.h>

#include <string>
#include <vector>

#include "core/control.h"

namespace quillbit {

// A control colour on this desktop: system colours from the user's scheme, RGB as given.
COLORREF ColorRefOf(Color color);
// "#rrggbb", as the views report colours.
std::string HexColor(COLORREF color);

// The fonts of one window's controls, made once per family, size, style and resolution and
// deleted with the cache. A family the system has only as a bitmap font, or not at all ("MS Sans
// Serif" is a bitmap font), is replaced by an outline font of similar width, which scales with
// the resolution: its own outline twin "Microsoft Sans Serif" where there is one.
class FontCache {
 public:
  FontCache() = default;
  ~FontCache();
  FontCache(const FontCache&) = delete;
  FontCache& operator=(const FontCache&) = delete;

  // `width` narrows the characters, in percent of their designed width.
  HFONT Get(const FontSpec& design, bool bold, int dpi, int width = 100);
  // Deletes the fonts made for any other resolution; none of them may be in use any more.
  void KeepOnly(int dpi);

 private:
  struct Entry {
    std::string family;
    double points;
    bool bold, italic, underline;
    int dpi;
    int width;
    HFONT font;
  };
  // The family that stands for a designed one.
  const std::wstring& Family(const std::string& designed);

  std::vector<Entry> fonts_;
  std::vector<std::pair<std::string, std::wstring>> families_;
};

// Solid brushes for control backgrounds: the system's own for system colours, made once for
// the others and deleted with the cache.
class BrushCache {
 public:
  BrushCache() = default;
  ~BrushCache();
  BrushCache(const BrushCache&) = delete;
  BrushCache& operator=(const BrushCache&) = delete;

  HBRUSH Get(Color color);

 private:
  std::vector<std::pair<COLORREF, HBRUSH>> brushes_;
};

}  // namespace quillbit
