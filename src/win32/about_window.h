#pragma once

#include <windows.h>

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "about/about_window_slot.h"
#include "about/frm_about.h"
#include "win32/form_window.h"
#include "win32/win32_host.h"

namespace quillbit {

// What every About window of a run shares: the registry it looks the system information tool up
// in, and the desktop's services for the links and the start.
struct AboutServices {
  RegistryPort& registry;
  OpenTargetPort& open;
  FileExistsPort& files;
  StartProgramPort& programs;
};

// The About window on screen: the frmAbout model in a fixed dialog frame (no minimize or
// maximize box, not resizable), modeless and without an owner, so that the main window stays
// usable and may close first.
class Win32AboutWindow : public AboutWindow, public AboutWindowHost {
 public:
  // `closed` is called once, when the window has been closed by any means.
  Win32AboutWindow(HINSTANCE instance, OpenWindows& windows, const AppInfo& app,
                   const AboutLinks& links, const AboutServices& services,
                   std::vector<std::string> installedSysInfo, std::function<void()> closed);

  void Show() override;
  void BringToFront() override;
  void WindowUnloaded() override;

  frmAbout& Model() { return form_; }
  Win32FormView& View() { return window_.View(); }
  Win32FormWindow& Window() { return window_; }
  HWND Handle() const { return window_.Handle(); }

 private:
  Win32MessageBox messages_;
  Win32Screen screen_;
  frmAbout form_;
  Win32FormWindow window_;
};

// Makes the About windows for the run's AboutWindowSlot.
class Win32AboutWindowFactory : public AboutWindowFactory {
 public:
  Win32AboutWindowFactory(HINSTANCE instance, OpenWindows& windows, AppInfo app,
                          AboutServices services, AboutLinks links = {},
                          std::vector<std::string> installedSysInfo = {
                              kInstalledSysInfoPrograms.begin(), kInstalledSysInfoPrograms.end()});

  std::unique_ptr<AboutWindow> Create(std::function<void()> closed) override;

 private:
  HINSTANCE instance_;
  OpenWindows& windows_;
  AppInfo app_;
  AboutServices services_;
  AboutLinks links_;
  std::vector<std::string> installedSysInfo_;
};

}  // namespace quillbit
