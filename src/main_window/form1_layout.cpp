#include "main_window/form1_layout.h"

#include <string>

#include "core/disc_presets.h"
#include "core/dvd_limits.h"

namespace quillbit {
namespace {

const FontSpec kDefaultFont{};
const FontSpec kCaptionFont{.points = 12};
const FontSpec kBoxFont{.points = 9.75};
const FontSpec kFrameFont{.points = 9.75, .bold = true, .italic = true};
constexpr Color kFpsGrey = Color::Rgb(224, 224, 224);
constexpr const char* kConvertTip = "Hold down SHIFT to convert";

ControlDesign CaptionLabel(const char* name, const char* text, Twips rect, int tab,
                           const char* container = "") {
  return {.name = name,
          .kind = ControlKind::Label,
          .text = text,
          .rect = rect,
          .tab = tab,
          .container = container,
          .font = kCaptionFont,
          .align = Align::Right,
          .back = kButtonFace};
}

ControlDesign PlainLabel(const char* name, const char* text, Twips rect, int tab,
                         const char* container = "") {
  return {.name = name,
          .kind = ControlKind::Label,
          .text = text,
          .rect = rect,
          .tab = tab,
          .container = container,
          .font = kDefaultFont,
          .back = kButtonFace};
}

// A box that the caption label `label` names.
ControlDesign Box(const char* name, const char* text, Twips rect, int tab, const char* label) {
  return {.name = name,
          .kind = ControlKind::TextBox,
          .text = text,
          .rect = rect,
          .tab = tab,
          .font = kBoxFont,
          .labelledBy = label};
}

// A read-only box that shows a result, on the dialog background.
ControlDesign ResultBox(const char* name, const char* text, Twips rect, int tab,
                        const char* container, const char* label) {
  return {.name = name,
          .kind = ControlKind::TextBox,
          .text = text,
          .rect = rect,
          .tab = tab,
          .container = container,
          .font = kBoxFont,
          .readOnly = true,
          .back = kButtonFace,
          .labelledBy = label};
}

// A list that the caption label `label` names; a size row's unit list is "<caption> unit".
ControlDesign List(const char* name, Twips rect, int tab, const char* tip, const char* label,
                   const char* suffix, const char* container = "") {
  return {.name = name,
          .kind = ControlKind::List,
          .rect = rect,
          .tab = tab,
          .container = container,
          .toolTip = tip,
          .labelledBy = label,
          .nameSuffix = suffix};
}

ControlDesign UnitList(const char* name, Twips rect, int tab, const char* tip, const char* label,
                       const char* container = "") {
  return List(name, rect, tab, tip, label, " unit", container);
}

// A menu of the menu bar (no container) or an item of the menu `container`.
ControlDesign MenuItem(std::string name, std::string text, const char* container) {
  ControlDesign item;
  item.name = std::move(name);
  item.kind = ControlKind::Menu;
  item.text = std::move(text);
  item.container = container;
  return item;
}

std::vector<ControlDesign> Build() {
  std::vector<ControlDesign> c;
  // Top of the window: the modifier indicator and the encoding method.
  c.push_back(PlainLabel("Label12", "", {5400, 0, 375, 255}, 20));
  c.push_back(CaptionLabel("Label8", "CCE Method:", {480, 120, 2505, 315}, 15));
  c.push_back(List("cmbCCESet", {3120, 135, 2235, 315}, 22, "", "Label8", ""));
  // The movie.
  c.push_back(CaptionLabel("Label1", "Total frames in movie:", {480, 480, 2505, 315}, 0));
  c.push_back(Box("txtFrames", "", {3120, 480, 2000, 360}, 1, "Label1"));
  c.push_back({.name = "Label2",
               .kind = ControlKind::Label,
               .text = "DVD2AVI:",
               .rect = {240, 885, 825, 315},
               .tab = 21,
               .font = kDefaultFont,
               .align = Align::Center,
               .back = kButtonFace});
  c.push_back({.name = "optFormat(0)",
               .kind = ControlKind::Option,
               .text = "NTSC",
               .rect = {1080, 855, 855, 255},
               .tab = 2,
               .font = kDefaultFont,
               .back = kButtonFace,
               .index = 0,
               .group = "optFormat"});
  c.push_back({.name = "optFormat(1)",
               .kind = ControlKind::Option,
               .text = "PAL",
               .rect = {1920, 855, 855, 255},
               .tab = 3,
               .font = kDefaultFont,
               .back = kButtonFace,
               .index = 1,
               .group = "optFormat"});
  c.push_back({.name = "chkFF",
               .kind = ControlKind::CheckBox,
               .text = "Forced FILM",
               .rect = {2940, 885, 1215, 255},
               .tab = 4,
               .font = kDefaultFont,
               .back = kButtonFace});
  c.push_back({.name = "txtFPS",
               .kind = ControlKind::TextBox,
               .text = "23.9759",
               .rect = {4200, 840, 915, 360},
               .tab = 5,
               .font = kBoxFont,
               .readOnly = true,
               .back = kFpsGrey,
               .accessibleName = "Frame rate (fps)"});
  c.push_back(PlainLabel("Label11", "fps", {5160, 915, 615, 255}, 18));
  // The sizes.
  c.push_back(CaptionLabel("Label9", "Audio file(s) total size:", {480, 1200, 2505, 315}, 16));
  c.push_back(Box("txtAudio", "0", {3120, 1200, 2000, 360}, 6, "Label9"));
  c.push_back(UnitList("cmbAudio", {5160, 1200, 855, 315}, 7, kConvertTip, "Label9"));
  c.push_back(CaptionLabel("Label10", "Subtitle .bmp files size:", {480, 1560, 2505, 315}, 17));
  c.push_back(Box("txtSub", "0", {3120, 1560, 2000, 360}, 8, "Label10"));
  c.push_back(UnitList("cmbSub", {5160, 1560, 855, 315}, 9, kConvertTip, "Label10"));
  c.push_back(CaptionLabel("Label6", "Cushion (authoring, etc):", {240, 1920, 2745, 315}, 14));
  c.push_back(Box("txtCushion", "0", {3120, 1920, 2000, 360}, 10, "Label6"));
  c.push_back(UnitList("cmbCush", {5160, 1920, 855, 315}, 11, kConvertTip, "Label6"));
  c.push_back(CaptionLabel("Label20", "Destination size:", {480, 2280, 2505, 315}, 19));
  c.push_back(Box("txtDiskSpace", "0", {3120, 2280, 2000, 360}, 12, "Label20"));
  c.push_back(UnitList("cmbDest", {5160, 2280, 855, 315}, 13, kConvertTip, "Label20"));
  // The 1% sample.
  c.push_back(CaptionLabel("lblSampleFrame", "1% Sample # frames:", {480, 2640, 2505, 315}, 28));
  c.push_back(Box("txtSampleFrame", "0", {3120, 2640, 2000, 360}, 27, "lblSampleFrame"));
  c.push_back(PlainLabel("lblSampPerc", "", {5280, 2700, 975, 375}, 47));
  c.push_back(CaptionLabel("lblSampleQ", "1% Sample Q Used: ", {480, 3000, 2505, 315}, 24));
  c.push_back(Box("txtSampleQ", "0", {3120, 3000, 2000, 360}, 23, "lblSampleQ"));
  c.push_back(CaptionLabel("lblSampleSize", "1% Sample Final Size:", {480, 3360, 2505, 315}, 26));
  c.push_back(Box("txtSampleSize", "0", {3120, 3360, 2000, 360}, 25, "lblSampleSize"));
  c.push_back(UnitList("cmbSampleSize", {5160, 3360, 855, 315}, 29, kConvertTip, "lblSampleSize"));
  // The results.
  c.push_back({.name = "Frame1",
               .kind = ControlKind::Frame,
               .text = "Use These Settings",
               .rect = {240, 3840, 5895, 1815},
               .tab = 30,
               .font = kFrameFont,
               .back = kButtonFace});
  c.push_back(CaptionLabel("Label7", "CCE Quality:", {360, 240, 2505, 315}, 37, "Frame1"));
  c.push_back(ResultBox("txtCCEQual", "5", {3000, 240, 2000, 360}, 31, "Frame1", "Label7"));
  c.push_back(CaptionLabel("Label5", "CCE Q:", {360, 600, 2505, 315}, 38, "Frame1"));
  c.push_back(ResultBox("txtCCEQ", "60", {3000, 600, 2000, 360}, 34, "Frame1", "Label5"));
  c.push_back(CaptionLabel("Label3", "CCE Max:", {120, 960, 2745, 315}, 40, "Frame1"));
  c.push_back(ResultBox("txtCCEMax", "8000", {3000, 960, 2000, 360}, 32, "Frame1", "Label3"));
  c.push_back(PlainLabel("Label14", "kbps", {5040, 1035, 375, 255}, 35, "Frame1"));
  c.push_back(CaptionLabel("Label4", "Recommended CCE Min:", {120, 1320, 2745, 315}, 39, "Frame1"));
  ControlDesign min = ResultBox("txtCCEMin", "", {3000, 1320, 2000, 360}, 33, "Frame1", "Label4");
  min.font.bold = true;
  min.fore = kBlue;
  c.push_back(min);
  c.push_back(PlainLabel("Label13", "kbps", {5040, 1395, 375, 255}, 36, "Frame1"));
  // Other results.
  c.push_back({.name = "Frame2",
               .kind = ControlKind::Frame,
               .text = "Other Info",
               .rect = {240, 5880, 5895, 1095},
               .tab = 41,
               .font = kFrameFont,
               .back = kButtonFace});
  c.push_back(CaptionLabel("Label15", "Movie Length:", {720, 240, 1785, 315}, 43, "Frame2"));
  c.push_back(ResultBox("txtLength", "", {2640, 240, 2000, 360}, 42, "Frame2", "Label15"));
  c.push_back(
      CaptionLabel("Label18", "Estimated output size:", {120, 600, 2385, 315}, 46, "Frame2"));
  c.push_back(ResultBox("txtM2VSize", "", {2640, 600, 2000, 360}, 45, "Frame2", "Label18"));
  c.push_back(UnitList("cmbM2VSize", {4680, 600, 855, 315}, 44, "", "Label18", "Frame2"));
  // Below the specified window: what a DVD player would refuse, readable without hovering.
  ControlDesign limits = PlainLabel("lblLimits", "", {240, kForm1LimitsTop, 5895, 255}, 48);
  limits.toolTip = kDvdLimitsNote;
  c.push_back(limits);
  // The menu.
  c.push_back(MenuItem("mnuFile", "File", ""));
  c.push_back(MenuItem("mnuOpen", "Open Project...", "mnuFile"));
  c.push_back(MenuItem("mnuExit", "Exit", "mnuFile"));
  c.push_back(MenuItem("mnuTools", "Tools", ""));
  c.push_back(MenuItem("mnuAudioTracks", "Audio Tracks...", "mnuTools"));
  c.push_back(MenuItem("mnuDestination", "Destination", "mnuTools"));
  for (int i = 0; i < kDiscPresetCount; ++i) {
    ControlDesign disc = MenuItem("mnuDisc(" + std::to_string(i) + ")",
                                  std::string(kDiscPresets[i].name), "mnuDestination");
    disc.index = i;
    disc.checkable = true;
    c.push_back(disc);
  }
  c.push_back(MenuItem("mnuHelp", "Help", ""));
  c.push_back(MenuItem("mnuAbout", "About", "mnuHelp"));
  return c;
}

}  // namespace

const std::vector<ControlDesign>& Form1Layout() {
  static const std::vector<ControlDesign> layout = Build();
  return layout;
}

}  // namespace quillbit
