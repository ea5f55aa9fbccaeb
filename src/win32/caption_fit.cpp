#include "win32/caption_fit.h"

#include <algorithm>
#include <string_view>

#include "core/utf16_text.h"

namespace quillbit {
namespace {

// The width of the text's widest line in `font`.
int TextWidth(HDC dc, HFONT font, const std::wstring& text, UINT format) {
  const HGDIOBJ old = ::SelectObject(dc, font);
  int widest = 0;
  std::size_t start = 0;
  while (start <= text.size()) {
    std::size_t end = text.find_first_of(L"\r\n", start);
    if (end == std::wstring::npos) end = text.size();
    RECT rect{0, 0, 0, 0};
    const std::wstring_view line(text.data() + start, end - start);
    if (!line.empty()) {
      ::DrawTextW(dc, line.data(), static_cast<int>(line.size()), &rect,
                  DT_CALCRECT | DT_SINGLELINE | format);
      widest = std::max(widest, static_cast<int>(rect.right - rect.left));
    }
    start = end + 1;
  }
  ::SelectObject(dc, old);
  return widest;
}

}  // namespace

int NarrowerWidth(int width, int needed, int room) {
  return std::max(kNarrowestWidth,
                  std::min(width - 2, width * std::max(room, 0) / std::max(1, needed)));
}

HFONT FittingFont(HWND window, const std::string& text, const FontSpec& design, bool bold, int dpi,
                  int room, UINT format, FontCache& fonts) {
  HFONT font = fonts.Get(design, bold, dpi);
  if (text.empty() || room <= 0) return font;
  const HDC dc = ::GetDC(window);
  if (dc == nullptr) return font;
  const std::wstring wide = WideText(text);
  int width = kFullWidth;
  int needed = TextWidth(dc, font, wide, format);
  while (needed > room && width > kNarrowestWidth) {
    width = NarrowerWidth(width, needed, room);
    font = fonts.Get(design, bold, dpi, width);
    needed = TextWidth(dc, font, wide, format);
  }
  ::ReleaseDC(window, dc);
  return font;
}

}  // namespace quillbit
