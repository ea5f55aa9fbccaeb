#include "core/presets.h"

namespace quillbit {
namespace {

using A = LayoutAction;

constexpr LayoutStep kSinglePassLayout[] = {
    {A::Show, {"txtCCEQual", "txtCCEQ", "txtCCEMax"}},
    {A::Highlight, {"txtCCEMin"}},
    {A::MakePlain, {"txtCCEQ"}},
    {A::SetText, {"txtCCEQ"}, "60"},
    {A::Show, {"Label7", "Label5"}},
    {A::SetForeColor, {"Label5"}, {}, kPlainColor},
    {A::SetText, {"Label5"}, "CCE Q"},  // no colon, unlike the designed caption
    {A::Show, {"Label3", "Label14"}},
    {A::SetText, {"Label4"}, "Recommended CCE Min:"},
    {A::SetForeColor, {"Label4"}, {}, kHighlightColor},
    {A::Hide, kSampleControls},
    {A::ShowPalNoteIfDue},
};

constexpr LayoutStep kBachLayout[] = {
    {A::Show, {"txtCCEQual", "txtCCEQ", "txtCCEMax"}},
    {A::MakePlain, {"txtCCEMin"}},
    {A::Highlight, {"txtCCEQ"}},  // its text is left to the calculation
    {A::Show, {"Label7", "Label5"}},
    {A::SetForeColor, {"Label5"}, {}, kHighlightColor},
    {A::SetText, {"Label5"}, "Recommended CCE Q:"},
    {A::Show, {"Label3", "Label14"}},
    {A::SetText, {"Label4"}, "CCE Min:"},
    {A::SetForeColor, {"Label4"}, {}, kPlainColor},
    {A::Show, kSampleControls},
    {A::ResetPalNote},
};

constexpr LayoutStep kMultiPassLayout[] = {
    {A::Hide, {"txtCCEQual", "txtCCEQ", "txtCCEMax"}},
    {A::Highlight, {"txtCCEMin"}},
    {A::MakePlain, {"txtCCEQ"}},
    {A::Hide, {"Label7", "Label5", "Label3", "Label14"}},  // Label5 keeps caption and colour
    {A::SetText, {"Label4"}, "CCE Avg bitrate to use:"},
    {A::SetForeColor, {"Label4"}, {}, kHighlightColor},
    {A::Hide, kSampleControls},
    {A::ResetPalNote},
};

}  // namespace

std::span<const LayoutStep> MethodLayout(std::string_view methodText) {
  if (methodText == kMethodSinglePass) return kSinglePassLayout;
  if (methodText == kMethodBach) return kBachLayout;
  return kMultiPassLayout;
}

}  // namespace quillbit
