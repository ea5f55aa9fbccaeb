#pragma once

#include <QDialog>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "about/about_window_slot.h"
#include "about/frm_about.h"
#include "gui/form_view.h"
#include "gui/form_window.h"
#include "gui/qt_host.h"

namespace quillbit {

// What every About window of a run shares: the registry it looks the system information tool up
// in, and the desktop's services for the links and the start.
struct AboutServices {
  RegistryPort& registry;
  OpenTargetPort& open;
  FileExistsPort& files;
  StartProgramPort& programs;
};

// The About window on screen: the frmAbout model in a fixed dialog frame without minimize and
// maximize boxes, shown modeless and without an owner so that it can outlive the main window.
class AboutDialog : public QDialog, public AboutWindow, public AboutWindowHost {
  Q_OBJECT

 public:
  // `closed` is called once, when the window has been closed by any means.
  AboutDialog(const AppInfo& app, const AboutLinks& links, const AboutServices& services,
              std::vector<std::string> installedSysInfo, std::function<void()> closed);
  ~AboutDialog() override;

  void Show() override;
  void BringToFront() override;
  void WindowUnloaded() override;

  frmAbout& Model() { return form_; }
  FormView& View() { return *view_; }

 protected:
  void closeEvent(QCloseEvent* event) override;
  // Each time code shows the window, the focus starts on the first control of the tab order,
  // the default button.
  void showEvent(QShowEvent* event) override;
  // Esc that reaches the dialog itself closes it like any other close.
  void reject() override;

 private:
  QSize ClientSizePixels() const;

  QtMessageBox messages_;
  QtScreen screen_;
  frmAbout form_;
  std::unique_ptr<FormView> view_;
  FormWindow frameLink_;
  std::function<void()> closed_;
};

// Makes the About windows for the run's AboutWindowSlot.
class AboutDialogFactory : public AboutWindowFactory {
 public:
  AboutDialogFactory(AppInfo app, AboutServices services, AboutLinks links = {},
                     std::vector<std::string> installedSysInfo = {kInstalledSysInfoPrograms.begin(),
                                                                  kInstalledSysInfoPrograms.end()});

  std::unique_ptr<AboutWindow> Create(std::function<void()> closed) override;

 private:
  AppInfo app_;
  AboutServices services_;
  AboutLinks links_;
  std::vector<std::string> installedSysInfo_;
};

}  // namespace quillbit
