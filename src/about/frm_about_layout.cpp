#include "about/frm_about_layout.h"

#include <string>
#include <utility>

namespace quillbit {
namespace {

constexpr Color kEtchGrey = Color::Rgb(128, 128, 128);
constexpr Color kWhite = Color::Rgb(255, 255, 255);
const FontSpec kLinkFont{.underline = true};

ControlDesign Label(const char* name, const char* text, Twips rect, int tab, Color fore) {
  return {.name = name,
          .kind = ControlKind::Label,
          .text = text,
          .rect = rect,
          .tab = tab,
          .fore = fore,
          .back = kButtonFace};
}

// Blue, underlined, with the pointing hand: the caption is the address it opens.
ControlDesign Link(const char* name, std::string_view address, Twips rect, int tab) {
  return {.name = name,
          .kind = ControlKind::Label,
          .text = std::string(address),
          .rect = rect,
          .tab = tab,
          .font = kLinkFont,
          .fore = kBlue,
          .back = kButtonFace,
          .pointer = MousePointer::PointingHand};
}

// For a line, the rectangle holds its two end points.
ControlDesign Line(int index, Twips ends, Color color, int width) {
  return {.name = "Line1(" + std::to_string(index) + ")",
          .kind = ControlKind::Line,
          .rect = ends,
          .fore = color,
          .index = index,
          .lineWidth = width};
}

ControlDesign Button(const char* name, const char* text, Twips rect, int tab, bool isDefault,
                     bool isCancel) {
  return {.name = name,
          .kind = ControlKind::Button,
          .text = text,
          .rect = rect,
          .tab = tab,
          .back = kButtonFace,
          .defaultButton = isDefault,
          .cancelButton = isCancel};
}

}  // namespace

std::vector<ControlDesign> FrmAboutLayout(std::string_view downloadAddress,
                                          std::string_view emailAddress) {
  std::vector<ControlDesign> c;
  ControlDesign icon{.name = "picIcon",
                     .kind = ControlKind::Picture,
                     .rect = {240, 240, 540, 540},
                     .tab = 1,
                     .back = kButtonFace,
                     .picture = std::string(kAboutIconPicture),
                     .autoSize = true};
  // The icon takes the focus but has no caption to be named by.
  icon.accessibleName = "Application icon";
  c.push_back(std::move(icon));
  c.push_back(Label("lblTitle", "Application Title", {1050, 240, 5805, 480}, 5, kBlack));
  c.push_back(Label("lblVersion", "Version", {1050, 780, 5925, 225}, 6, kWindowText));
  c.push_back(Label("lblDescription", "", {1050, 1125, 5925, 3450}, 3, kBlack));
  // The etched separator: a grey line with a wider white one just below and right of it.
  c.push_back(Line(1, {90, 4725, 6840, 4725}, kEtchGrey, 1));
  c.push_back(Line(0, {105, 4740, 6840, 4740}, kWhite, 2));
  c.push_back(Label("lblDisclaimer", "", {120, 4920, 5415, 465}, 4, kBlack));
  c.push_back(Link("lblEmailLink", emailAddress, {600, 5107, 3375, 255}, 7));
  c.push_back(Link("lblDownloadLink", downloadAddress, {120, 5520, 5175, 255}, 8));
  c.push_back(Button("cmdOK", "OK", {5565, 4905, 1260, 345}, 0, true, true));
  c.push_back(Button("cmdSysInfo", "&System Info...", {5580, 5355, 1245, 345}, 2, false, false));
  return c;
}

}  // namespace quillbit
