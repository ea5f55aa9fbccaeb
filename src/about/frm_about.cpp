#include "about/frm_about.h"

#include "about/frm_about_layout.h"

namespace quillbit {
namespace {

constexpr std::string_view kDescription = "Test version including new \"Bach\" Method";
constexpr std::string_view kAuthorLine = "Author: Tormelund";
constexpr std::string_view kEmailLine = "Email:";
constexpr std::string_view kLineBreak = "\r\n";
constexpr std::string_view kMailto = "mailto:";

}  // namespace

frmAbout::frmAbout(AppInfo app, AboutLinks links, FrmAboutPorts ports,
                   std::vector<std::string> installedSysInfo)
    : FormFrame(std::string(kFrmAboutDesignCaption), kFrmAboutClientWidth + kDialogFrameWidthTwips,
                kFrmAboutClientHeight + kDialogFrameHeightTwips),
      app_(std::move(app)),
      ports_(ports),
      installedSysInfo_(std::move(installedSysInfo)),
      controls_(FrmAboutLayout(links.download, links.email)),
      picIcon(controls_.Get("picIcon")),
      lblTitle(controls_.Get("lblTitle")),
      lblVersion(controls_.Get("lblVersion")),
      lblDescription(controls_.Get("lblDescription")),
      Line1{&controls_.Get("Line1(0)"), &controls_.Get("Line1(1)")},
      lblDisclaimer(controls_.Get("lblDisclaimer")),
      lblEmailLink(controls_.Get("lblEmailLink")),
      lblDownloadLink(controls_.Get("lblDownloadLink")),
      cmdOK(controls_.Get("cmdOK")),
      cmdSysInfo(controls_.Get("cmdSysInfo")) {
  WireHandlers();
}

void frmAbout::WireHandlers() {
  cmdOK.onClick = [this] { cmdOK_Click(); };
  cmdSysInfo.onClick = [this] { cmdSysInfo_Click(); };
  lblDownloadLink.onClick = [this] { lblDownloadLink_Click(); };
  lblEmailLink.onClick = [this] { lblEmailLink_Click(); };
}

// Bringing an open window to the front does not come here again: the texts stay as they are.
void frmAbout::Form_Load() {
  if (loaded_) return;
  SetCaption("About " + app_.title);
  CenterOn(ports_.screen);
  lblVersion.SetText("Version " + app_.VersionText());
  lblTitle.SetText(app_.title);
  lblDescription.SetText("");
  lblDescription.SetText(lblDescription.Text() + std::string(kDescription) +
                         std::string(kLineBreak));
  lblDisclaimer.SetText("");
  lblDisclaimer.SetText(lblDisclaimer.Text() + std::string(kAuthorLine) + std::string(kLineBreak));
  lblDisclaimer.SetText(lblDisclaimer.Text() + std::string(kEmailLine) + std::string(kLineBreak));
  loaded_ = true;
}

void frmAbout::Unload() {
  if (!loaded_) return;
  loaded_ = false;
  ports_.host.WindowUnloaded();
}

void frmAbout::cmdOK_Click() {
  Unload();
}

void frmAbout::cmdSysInfo_Click() {
  StartSysInfo();
}

// The link's caption is its target; whether a handler took it is not looked at.
void frmAbout::lblDownloadLink_Click() {
  ports_.open.Open(lblDownloadLink.Text());
}

void frmAbout::lblEmailLink_Click() {
  ports_.open.Open(std::string(kMailto) + lblEmailLink.Text());
}

void frmAbout::StartSysInfo() {
  quillbit::StartSysInfo(SysInfoPorts{.registry = ports_.registry,
                                      .files = ports_.files,
                                      .programs = ports_.programs,
                                      .messages = ports_.messages},
                         app_.title, installedSysInfo_);
}

}  // namespace quillbit
