#include "about/frm_about_layout.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace quillbit {
namespace {

constexpr const char* kDownload = "https://example.test/get";
constexpr const char* kEmail = "someone@example.test";

struct Designed {
  const char* name;
  ControlKind kind;
  std::string text;
  Twips rect;
  int tab;
};

TEST(FrmAboutLayout, EveryControlInOrderWithCaptionPlaceAndTab) {
  const std::vector<ControlDesign> layout = FrmAboutLayout(kDownload, kEmail);
  const Designed expected[] = {
      {"picIcon", ControlKind::Picture, "", {240, 240, 540, 540}, 1},
      {"lblTitle", ControlKind::Label, "Application Title", {1050, 240, 5805, 480}, 5},
      {"lblVersion", ControlKind::Label, "Version", {1050, 780, 5925, 225}, 6},
      {"lblDescription", ControlKind::Label, "", {1050, 1125, 5925, 3450}, 3},
      {"Line1(1)", ControlKind::Line, "", {90, 4725, 6840, 4725}, -1},
      {"Line1(0)", ControlKind::Line, "", {105, 4740, 6840, 4740}, -1},
      {"lblDisclaimer", ControlKind::Label, "", {120, 4920, 5415, 465}, 4},
      {"lblEmailLink", ControlKind::Label, kEmail, {600, 5107, 3375, 255}, 7},
      {"lblDownloadLink", ControlKind::Label, kDownload, {120, 5520, 5175, 255}, 8},
      {"cmdOK", ControlKind::Button, "OK", {5565, 4905, 1260, 345}, 0},
      {"cmdSysInfo", ControlKind::Button, "&System Info...", {5580, 5355, 1245, 345}, 2},
  };
  ASSERT_EQ(layout.size(), std::size(expected));
  for (std::size_t i = 0; i < layout.size(); ++i) {
    const ControlDesign& d = layout[i];
    const Designed& e = expected[i];
    SCOPED_TRACE(e.name);
    EXPECT_EQ(d.name, e.name);
    EXPECT_EQ(d.kind, e.kind);
    EXPECT_EQ(d.text, e.text);
    EXPECT_EQ(d.rect.left, e.rect.left);
    EXPECT_EQ(d.rect.top, e.rect.top);
    EXPECT_EQ(d.rect.width, e.rect.width);
    EXPECT_EQ(d.rect.height, e.rect.height);
    EXPECT_EQ(d.tab, e.tab);
  }
}

TEST(FrmAboutLayout, LinksAreBlueUnderlinedWithThePointingHandAndNothingElseIs) {
  for (const ControlDesign& d : FrmAboutLayout(kDownload, kEmail)) {
    SCOPED_TRACE(d.name);
    const bool link = d.name == "lblEmailLink" || d.name == "lblDownloadLink";
    EXPECT_EQ(d.font.underline, link);
    EXPECT_EQ(d.pointer == MousePointer::PointingHand, link);
    if (link) {
      EXPECT_EQ(d.fore, Color::Rgb(0, 0, 255));
    }
    // Every control keeps the window's default font otherwise.
    EXPECT_EQ(d.font.family, "MS Sans Serif");
    EXPECT_EQ(d.font.points, 8.25);
    EXPECT_FALSE(d.font.bold);
    EXPECT_FALSE(d.font.italic);
  }
}

TEST(FrmAboutLayout, TitleDescriptionAndAuthorLinesAreBlack) {
  for (const char* name : {"lblTitle", "lblDescription", "lblDisclaimer"}) {
    for (const ControlDesign& d : FrmAboutLayout(kDownload, kEmail)) {
      if (d.name == name) {
        EXPECT_EQ(d.fore, Color::Rgb(0, 0, 0)) << name;
      }
    }
  }
}

TEST(FrmAboutLayout, OkIsTheDefaultAndTheCancelButtonSysInfoNeither) {
  for (const ControlDesign& d : FrmAboutLayout(kDownload, kEmail)) {
    SCOPED_TRACE(d.name);
    EXPECT_EQ(d.defaultButton, d.name == "cmdOK");
    EXPECT_EQ(d.cancelButton, d.name == "cmdOK");
  }
}

TEST(FrmAboutLayout, EtchedSeparatorIsAGreyLineOverAWiderWhiteOne) {
  const std::vector<ControlDesign> layout = FrmAboutLayout(kDownload, kEmail);
  const ControlDesign& grey = layout[4];
  const ControlDesign& white = layout[5];
  EXPECT_EQ(grey.index, 1);
  EXPECT_EQ(grey.fore, Color::Rgb(128, 128, 128));
  EXPECT_EQ(grey.lineWidth, 1);
  EXPECT_EQ(white.index, 0);
  EXPECT_EQ(white.fore, Color::Rgb(255, 255, 255));
  EXPECT_EQ(white.lineWidth, 2);
}

TEST(FrmAboutLayout, IconBoxShowsTheIconAndSizesItself) {
  const std::vector<ControlDesign> layout = FrmAboutLayout(kDownload, kEmail);
  const ControlDesign& icon = layout[0];
  EXPECT_EQ(icon.picture, kAboutIconPicture);
  EXPECT_TRUE(icon.autoSize);
}

}  // namespace
}  // namespace quillbit
