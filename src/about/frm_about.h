#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "about/about_links.h"
#include "about/sysinfo_launcher.h"
#include "core/app_info.h"
#include "core/control_set.h"
#include "core/form_frame.h"
#include "core/ports.h"
#include "settings/registry_port.h"

namespace quillbit {

// What the About window asks of the view that shows it.
class AboutWindowHost {
 public:
  virtual ~AboutWindowHost() = default;
  virtual void WindowUnloaded() = 0;  // the window is unloaded: its view closes it
};

struct FrmAboutPorts {
  MessageBoxPort& messages;
  ScreenPort& screen;
  OpenTargetPort& open;
  FileExistsPort& files;
  StartProgramPort& programs;
  RegistryPort& registry;
  AboutWindowHost& host;
};

// The two link targets, which are also the link labels' captions; the build sets them.
struct AboutLinks {
  std::string download = kBuildDownloadAddress;
  std::string email = kBuildAuthorEmail;
};

// The About window model: its controls and handlers, with no toolkit.
class frmAbout : public FormFrame {
 public:
  frmAbout(AppInfo app, AboutLinks links, FrmAboutPorts ports,
           std::vector<std::string> installedSysInfo = {kInstalledSysInfoPrograms.begin(),
                                                        kInstalledSysInfoPrograms.end()});
  frmAbout(const frmAbout&) = delete;
  frmAbout& operator=(const frmAbout&) = delete;

  ControlSet& Controls() { return controls_; }
  const ControlSet& Controls() const { return controls_; }
  Control& Get(std::string_view name) { return controls_.Get(name); }
  const AppInfo& App() const { return app_; }

  bool Loaded() const { return loaded_; }

  // Lifecycle: the load runs once per window; any close (cmdOK, the close box) unloads it.
  void Form_Load();
  void Unload();

  void cmdOK_Click();
  void cmdSysInfo_Click();
  void lblDownloadLink_Click();
  void lblEmailLink_Click();

  void StartSysInfo();

 private:
  void WireHandlers();

  AppInfo app_;
  FrmAboutPorts ports_;
  std::vector<std::string> installedSysInfo_;
  ControlSet controls_;
  bool loaded_ = false;

 public:
  // The controls by their designer names; references into controls_.
  Control& picIcon;
  Control& lblTitle;
  Control& lblVersion;
  Control& lblDescription;
  Control* Line1[2];
  Control& lblDisclaimer;
  Control& lblEmailLink;
  Control& lblDownloadLink;
  Control& cmdOK;
  Control& cmdSysInfo;
};

}  // namespace quillbit
