#pragma once

#include <array>
#include <span>
#include <string_view>

#include "core/calc.h"
#include "core/control.h"
#include "core/disc_presets.h"

namespace quillbit {

// The encoding methods, in the order the method list holds them.
inline constexpr std::string_view kMethodNames[] = {kMethodSinglePass, kMethodBach,
                                                    kMethodMultiPass};

// Frame rates of the two TV formats, and the factor "Forced FILM" applies to either. The NTSC
// rate is this exact double, not 29.97 and not 30000/1001.
inline constexpr double kNtscFrameRate = 29.969875;
inline constexpr double kPalFrameRate = 25;
inline constexpr double kForcedFilmFactor = 0.8;

inline constexpr std::string_view kPalNote =
    "Note: \"Single Pass VBR\" does not work well with PAL";

// The value to act on is shown blue and bold; the others in the window-text colour.
inline constexpr Color kHighlightColor = kBlue;
inline constexpr Color kPlainColor = kWindowText;

// What one step of a method's layout does to its controls.
enum class LayoutAction {
  Show,
  Hide,
  Highlight,  // highlight colour, bold
  MakePlain,  // plain colour, not bold
  SetText,    // text or caption
  SetForeColor,
  ShowPalNoteIfDue,  // the note, when PAL is selected and it has not been shown yet
  ResetPalNote,      // the note may be shown again
};

inline constexpr std::size_t kMaxLayoutControls = 8;

struct LayoutStep {
  LayoutAction action;
  std::array<std::string_view, kMaxLayoutControls> controls{};  // in order; empty names unused
  std::string_view text{};
  Color color{};
};

// The 1% sample controls, shown only for the Bach method.
inline constexpr std::array<std::string_view, kMaxLayoutControls> kSampleControls = {
    "txtSampleFrame", "lblSampleFrame", "lblSampPerc",   "txtSampleQ",
    "lblSampleQ",     "txtSampleSize",  "lblSampleSize", "cmbSampleSize"};

// The steps that reshape the results frame for a method text, in order. The comparison is
// exact; any text but the two single-pass names (an empty one too) gets the multi-pass layout.
std::span<const LayoutStep> MethodLayout(std::string_view methodText);

// Starting sizes: a 120 MB cushion and a single-layer DVD-R of 4489.25 MB (not 4.7 billion bytes).
inline constexpr double kStartCushionBytes = 125829120;
inline constexpr double kStartDestinationBytes = kDiscPresets[0].bytes;

// A unit list as start-up fills it: the unit it selects, and the byte count it then sets, if any.
struct StartingUnit {
  std::string_view list;
  std::string_view unit;
  bool setsBytes = false;
  double bytes = 0;
  bool showsBytes = false;  // writes the count into its text box in that unit
};

// In the order start-up fills the lists, after the method list.
inline constexpr StartingUnit kStartingUnits[] = {
    {"cmbAudio", "KB", true, 0, false},
    {"cmbSub", "MB", true, 0, false},
    {"cmbCush", "MB", true, kStartCushionBytes, true},
    {"cmbDest", "GB", true, kStartDestinationBytes, true},
    {"cmbM2VSize", "KB"},
    {"cmbSampleSize", "KB"},
};

}  // namespace quillbit
