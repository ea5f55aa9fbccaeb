#include "about/frm_about.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <memory>
#include <ostream>
#include <string>
#include <vector>

#include "tests/about/about_fakes.h"

namespace quillbit {
namespace {

using testing::ElementsAre;
using testing::IsEmpty;
using testing_support::AboutPorts;

constexpr const char* kDescriptionText = "Test version including new \"Bach\" Method\r\n";
constexpr const char* kAuthorText = "Author: Tormelund\r\nEmail:\r\n";

class FrmAboutTest : public testing::Test {
 protected:
  frmAbout& Make(AppInfo app = {},
                 AboutLinks links = {.download = "https://example.test/q.zip",
                                     .email = "author@example.test"},
                 std::vector<std::string> installed = {}) {
    form_ = std::make_unique<frmAbout>(std::move(app), std::move(links), p.Ports(),
                                       std::move(installed));
    form_->Controls().Subscribe([this](const Control& control, Property property) {
      if (property == Property::Text) log.push_back(control.Name() + "=" + control.Text());
    });
    return *form_;
  }
  frmAbout& Loaded() {
    Make().Form_Load();
    log.clear();
    return *form_;
  }

  AboutPorts p;
  std::unique_ptr<frmAbout> form_;
  std::vector<std::string> log;
};

TEST_F(FrmAboutTest, AsCreatedShowsTheDesignedTexts) {
  frmAbout& form = Make();
  EXPECT_EQ(form.Caption(), "About MyApp");
  EXPECT_EQ(form.lblTitle.Text(), "Application Title");
  EXPECT_EQ(form.lblVersion.Text(), "Version");
  EXPECT_EQ(form.lblDescription.Text(), "");
  EXPECT_EQ(form.lblDisclaimer.Text(), "");
  EXPECT_EQ(form.lblEmailLink.Text(), "author@example.test");
  EXPECT_EQ(form.lblDownloadLink.Text(), "https://example.test/q.zip");
  EXPECT_FALSE(form.Loaded());
}

TEST_F(FrmAboutTest, LoadFillsCaptionVersionTitleDescriptionAndAuthorLines) {
  frmAbout& form = Make();
  form.Form_Load();
  EXPECT_EQ(form.Caption(), "About Quillbit");
  EXPECT_EQ(form.lblVersion.Text(), "Version 1.1.1");
  EXPECT_EQ(form.lblTitle.Text(), "Quillbit");
  EXPECT_EQ(form.lblDescription.Text(), kDescriptionText);
  EXPECT_EQ(form.lblDisclaimer.Text(), kAuthorText);
  EXPECT_TRUE(form.Loaded());
}

TEST_F(FrmAboutTest, LoadRunsItsStepsInOrder) {
  frmAbout& form = Make();
  std::string captionWhenCentred;
  std::string versionWhenCentred;
  p.screen.onQuery = [&] {
    captionWhenCentred = form.Caption();
    versionWhenCentred = form.lblVersion.Text();
  };
  form.Form_Load();
  EXPECT_EQ(captionWhenCentred, "About Quillbit");
  EXPECT_EQ(versionWhenCentred, "Version");
  // The two labels designed empty are cleared first, which changes nothing, then appended to.
  EXPECT_THAT(log, ElementsAre("lblVersion=Version 1.1.1", "lblTitle=Quillbit",
                               std::string("lblDescription=") + kDescriptionText,
                               "lblDisclaimer=Author: Tormelund\r\n",
                               std::string("lblDisclaimer=") + kAuthorText));
}

struct VersionCase {
  int major, minor, revision;
  const char* line;
};

void PrintTo(const VersionCase& c, std::ostream* os) {
  *os << c.line;
}

class FrmAboutVersion : public FrmAboutTest, public testing::WithParamInterface<VersionCase> {};

TEST_P(FrmAboutVersion, NumbersHaveNoLeadingZeros) {
  const VersionCase& c = GetParam();
  frmAbout& form = Make(
      AppInfo{.title = "Quillbit", .major = c.major, .minor = c.minor, .revision = c.revision});
  form.Form_Load();
  EXPECT_EQ(form.lblVersion.Text(), c.line);
}

INSTANTIATE_TEST_SUITE_P(Numbers, FrmAboutVersion,
                         testing::Values(VersionCase{1, 1, 1, "Version 1.1.1"},
                                         VersionCase{2, 0, 10, "Version 2.0.10"},
                                         VersionCase{10, 7, 0, "Version 10.7.0"}));

TEST_F(FrmAboutTest, TheTitleComesFromTheApplication) {
  frmAbout& form = Make(AppInfo{.title = "Other"});
  form.Form_Load();
  EXPECT_EQ(form.Caption(), "About Other");
  EXPECT_EQ(form.lblTitle.Text(), "Other");
}

struct CentreCase {
  float screenWidth, screenHeight, outerWidth, outerHeight, left, top;
};

void PrintTo(const CentreCase& c, std::ostream* os) {
  *os << c.screenWidth << "x" << c.screenHeight;
}

class FrmAboutCentre : public FrmAboutTest, public testing::WithParamInterface<CentreCase> {};

TEST_P(FrmAboutCentre, CentresByTheOuterSizeWhichStays) {
  const CentreCase& c = GetParam();
  p.screen.width = c.screenWidth;
  p.screen.height = c.screenHeight;
  frmAbout& form = Make();
  form.SetOuterSize(c.outerWidth, c.outerHeight);
  form.Form_Load();
  EXPECT_FLOAT_EQ(form.Left(), c.left);
  EXPECT_FLOAT_EQ(form.Top(), c.top);
  EXPECT_FLOAT_EQ(form.Width(), c.outerWidth);
  EXPECT_FLOAT_EQ(form.Height(), c.outerHeight);
}

INSTANTIATE_TEST_SUITE_P(
    Screens, FrmAboutCentre,
    testing::Values(CentreCase{28800, 16200, 7200, 6300, 10800, 4950},
                    CentreCase{28800, 16200, 7141, 6301, 10829.5f, 4949.5f},
                    // A screen smaller than the window: the negative place is kept.
                    CentreCase{6000, 4000, 7200, 6300, -600, -1150}));

TEST_F(FrmAboutTest, ASecondLoadChangesNothing) {
  frmAbout& form = Loaded();
  form.Form_Load();
  EXPECT_THAT(log, IsEmpty());
  EXPECT_EQ(form.lblDescription.Text(), kDescriptionText);
  EXPECT_EQ(form.lblDisclaimer.Text(), kAuthorText);
}

TEST_F(FrmAboutTest, OkUnloadsTheWindowOnce) {
  frmAbout& form = Loaded();
  form.cmdOK.Click();
  EXPECT_EQ(p.host.unloaded, 1);
  EXPECT_FALSE(form.Loaded());
  form.cmdOK_Click();
  form.Unload();
  EXPECT_EQ(p.host.unloaded, 1);
}

TEST_F(FrmAboutTest, CloseBoxUnloadsLikeOk) {
  frmAbout& form = Loaded();
  form.Unload();
  EXPECT_EQ(p.host.unloaded, 1);
  EXPECT_FALSE(form.Loaded());
}

struct LinkCase {
  const char* name;
  const char* address;
};

void PrintTo(const LinkCase& c, std::ostream* os) {
  *os << c.name;
}

class FrmAboutLinks : public FrmAboutTest, public testing::WithParamInterface<LinkCase> {};

TEST_P(FrmAboutLinks, DownloadOpensExactlyTheCaptionAndEmailAddsOnlyMailto) {
  const char* address = GetParam().address;
  frmAbout& form = Make(AppInfo{}, AboutLinks{.download = address, .email = address});
  form.Form_Load();
  form.lblDownloadLink.Click();
  form.lblEmailLink.Click();
  EXPECT_THAT(p.opener.targets,
              ElementsAre(std::string(address), std::string("mailto:") + address));
}

INSTANTIATE_TEST_SUITE_P(Addresses, FrmAboutLinks,
                         testing::Values(LinkCase{"Web", "https://quillbit.example.org/download"},
                                         LinkCase{"Mail", "quillbit@example.org"},
                                         LinkCase{"WithBlanks",
                                                  " a b "},  // nothing trimmed, nothing escaped
                                         LinkCase{"Empty", ""}),
                         [](const auto& test) { return std::string(test.param.name); });

TEST_F(FrmAboutTest, LinksOpenTheCurrentCaption) {
  frmAbout& form = Loaded();
  form.lblDownloadLink.SetText("https://example.test/other");
  form.lblEmailLink.SetText("other@example.test");
  form.lblDownloadLink_Click();
  form.lblEmailLink_Click();
  EXPECT_THAT(p.opener.targets,
              ElementsAre("https://example.test/other", "mailto:other@example.test"));
}

TEST_F(FrmAboutTest, AFailedOpenIsIgnored) {
  frmAbout& form = Loaded();
  p.opener.result = false;
  form.lblEmailLink_Click();
  form.lblDownloadLink_Click();
  EXPECT_EQ(p.opener.targets.size(), 2u);
  EXPECT_THAT(p.messages.shown, IsEmpty());
  EXPECT_THAT(log, IsEmpty());
  EXPECT_TRUE(form.Loaded());
  EXPECT_EQ(p.host.unloaded, 0);
}

TEST_F(FrmAboutTest, TheBuildsLinksAreAddressesWithoutAScheme) {
  const AboutLinks links;
  EXPECT_FALSE(links.download.empty());
  EXPECT_FALSE(links.email.empty());
  EXPECT_EQ(links.email.find("mailto:"), std::string::npos);
}

TEST_F(FrmAboutTest, SysInfoWithNothingFoundShowsTheMessageAndTheWindowStays) {
  frmAbout& form = Loaded();
  form.cmdSysInfo.Click();
  ASSERT_EQ(p.messages.shown.size(), 1u);
  EXPECT_EQ(p.messages.shown[0].caption, "Quillbit");
  EXPECT_EQ(p.messages.shown[0].text, "System Information Is Unavailable At This Time");
  EXPECT_THAT(log, IsEmpty());
  EXPECT_TRUE(form.Loaded());
}

TEST_F(FrmAboutTest, SysInfoStartsTheRegisteredTool) {
  p.registry.SetText(Hive::LocalMachine, kSysInfoPathKey, "PATH", "/opt/sysinfo");
  p.programs.programs = {"/opt/sysinfo"};
  frmAbout& form = Loaded();
  form.cmdSysInfo_Click();
  EXPECT_THAT(p.programs.started, ElementsAre("/opt/sysinfo"));
  EXPECT_THAT(p.messages.shown, IsEmpty());
}

TEST_F(FrmAboutTest, SysInfoFallsBackToTheInstalledProgramsItWasGiven) {
  p.files.files = {"/usr/bin/kinfocenter"};
  p.programs.programs = {"/usr/bin/kinfocenter"};
  frmAbout& form = Make(AppInfo{}, AboutLinks{}, {"/usr/bin/hardinfo", "/usr/bin/kinfocenter"});
  form.Form_Load();
  form.cmdSysInfo_Click();
  EXPECT_THAT(p.programs.started, ElementsAre("/usr/bin/kinfocenter"));
}

TEST_F(FrmAboutTest, ByDefaultTheDesktopsKnownProgramsStandInExceptOnWindows) {
  p.files.files = {"/usr/bin/hardinfo"};
  p.programs.programs = {"/usr/bin/hardinfo"};
  frmAbout form(AppInfo{}, AboutLinks{}, p.Ports());
  form.Form_Load();
  form.cmdSysInfo_Click();
#ifdef _WIN32
  // Windows would read the path as one on the current drive; it has only its own lookups.
  EXPECT_THAT(p.programs.started, IsEmpty());
  EXPECT_THAT(p.files.checked, IsEmpty());
  EXPECT_EQ(p.messages.shown.size(), 1u);
#else
  EXPECT_THAT(p.programs.started, ElementsAre("/usr/bin/hardinfo"));
#endif
}

}  // namespace
}  // namespace quillbit
