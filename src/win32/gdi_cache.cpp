#include "win32/gdi_cache.h"

#include <algorithm>
#include <cstdio>

#include "core/twips_scale.h"
#include "core/utf16_text.h"
#include "win32/high_contrast.h"

namespace quillbit {
namespace {

int SystemIndex(SystemColor which) {
  switch (which) {
    case SystemColor::WindowText:
      return COLOR_WINDOWTEXT;
    case SystemColor::ButtonFace:
      return COLOR_BTNFACE;
    case SystemColor::Window:
      return COLOR_WINDOW;
    case SystemColor::WarningText:  // no system colour: see DrawnColor
    case SystemColor::None:
      break;
  }
  return -1;
}

// The average character width of `font`, narrowed to `width` percent.
LONG NarrowedCharWidth(HFONT font, int width) {
  const HDC dc = ::GetDC(nullptr);
  if (dc == nullptr) return 0;
  const HGDIOBJ old = ::SelectObject(dc, font);
  TEXTMETRICW metrics{};
  ::GetTextMetricsW(dc, &metrics);
  ::SelectObject(dc, old);
  ::ReleaseDC(nullptr, dc);
  return std::max<LONG>(1, metrics.tmAveCharWidth * width / 100);
}

// Outline fonts close in width to the Windows dialog fonts, best first.
constexpr const wchar_t* kStandIns[] = {L"Microsoft Sans Serif", L"Liberation Sans", L"Arimo",
                                        L"Nimbus Sans",          L"Arial",           L"Tahoma"};

int CALLBACK NoteOutline(const LOGFONTW* /*font*/, const TEXTMETRICW* /*metrics*/, DWORD type,
                         LPARAM found) {
  if ((type & RASTER_FONTTYPE) == 0) *reinterpret_cast<bool*>(found) = true;
  return 1;
}

// Whether the system has the family as an outline font.
bool HasOutlineFamily(const std::wstring& family) {
  if (family.empty() || family.size() >= LF_FACESIZE) return false;
  const HDC dc = ::GetDC(nullptr);
  if (dc == nullptr) return false;
  LOGFONTW wanted{};
  wanted.lfCharSet = DEFAULT_CHARSET;
  ::lstrcpynW(wanted.lfFaceName, family.c_str(), LF_FACESIZE);
  bool found = false;
  ::EnumFontFamiliesExW(dc, &wanted, NoteOutline, reinterpret_cast<LPARAM>(&found), 0);
  ::ReleaseDC(nullptr, dc);
  return found;
}

}  // namespace

COLORREF ColorRefOf(Color color) {
  if (color.system == SystemColor::WarningText)
    color = DrawnColor(color, ColorRole::Text, HighContrastOn());
  const int index = SystemIndex(color.system);
  if (index >= 0) return ::GetSysColor(index);
  return RGB(color.r, color.g, color.b);
}

std::string HexColor(COLORREF color) {
  char text[8];
  std::snprintf(text, sizeof text, "#%02x%02x%02x", GetRValue(color), GetGValue(color),
                GetBValue(color));
  return text;
}

FontCache::~FontCache() {
  for (const Entry& entry : fonts_) ::DeleteObject(entry.font);
}

HFONT FontCache::Get(const FontSpec& design, bool bold, int dpi, int width) {
  for (const Entry& e : fonts_) {
    if (e.family == design.family && e.points == design.points && e.bold == bold &&
        e.italic == design.italic && e.underline == design.underline && e.dpi == dpi &&
        e.width == width) {
      return e.font;
    }
  }
  LOGFONTW font{};
  font.lfHeight = -PointsToPixelHeight(design.points, dpi);
  if (width != 100) font.lfWidth = NarrowedCharWidth(Get(design, bold, dpi), width);
  font.lfWeight = bold ? FW_BOLD : FW_NORMAL;
  font.lfItalic = design.italic ? TRUE : FALSE;
  font.lfUnderline = design.underline ? TRUE : FALSE;
  font.lfCharSet = DEFAULT_CHARSET;
  // Where a family has both, its outline font rather than its bitmap one: it scales with the
  // resolution and can be narrowed.
  font.lfOutPrecision = OUT_TT_PRECIS;
  font.lfClipPrecision = CLIP_DEFAULT_PRECIS;
  font.lfQuality = DEFAULT_QUALITY;
  font.lfPitchAndFamily = DEFAULT_PITCH | FF_SWISS;
  ::lstrcpynW(font.lfFaceName, Family(design.family).c_str(), LF_FACESIZE);
  const HFONT made = ::CreateFontIndirectW(&font);
  if (made == nullptr) return static_cast<HFONT>(::GetStockObject(DEFAULT_GUI_FONT));
  fonts_.push_back(
      {design.family, design.points, bold, design.italic, design.underline, dpi, width, made});
  return made;
}

const std::wstring& FontCache::Family(const std::string& designed) {
  for (const auto& [name, family] : families_) {
    if (name == designed) return family;
  }
  std::wstring family = WideText(designed);
  if (!HasOutlineFamily(family)) {
    for (const wchar_t* standIn : kStandIns) {
      if (HasOutlineFamily(standIn)) {
        family = standIn;
        break;
      }
    }
  }
  return families_.emplace_back(designed, std::move(family)).second;
}

void FontCache::KeepOnly(int dpi) {
  std::erase_if(fonts_, [dpi](const Entry& entry) {
    if (entry.dpi == dpi) return false;
    ::DeleteObject(entry.font);
    return true;
  });
}

BrushCache::~BrushCache() {
  for (const auto& [color, brush] : brushes_) ::DeleteObject(brush);
}

HBRUSH BrushCache::Get(Color color) {
  // The system's brushes follow a change of the colour scheme by themselves.
  const int index = SystemIndex(color.system);
  if (index >= 0) return ::GetSysColorBrush(index);
  const COLORREF rgb = ColorRefOf(color);
  for (const auto& [made, brush] : brushes_) {
    if (made == rgb) return brush;
  }
  const HBRUSH brush = ::CreateSolidBrush(rgb);
  if (brush != nullptr) brushes_.emplace_back(rgb, brush);
  return brush;
}

}  // namespace quillbit
