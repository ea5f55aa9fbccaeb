#include "win32/about_window.h"

#include "about/frm_about_layout.h"

namespace quillbit {
Win32AboutWindow::Win32AboutWindow(HINSTANCE instance, OpenWindows& windows, const AppInfo& app,
                                   const AboutLinks& links, const AboutServices& services,
                                   std::vector<std::string> installedSysInfo,
                                   std::function<void()> closed)
    // Messages are modal to the window once it is on screen.
    : messages_([this] { return window_.Visible() ? window_.Handle() : nullptr; }),
      form_(app, links,
            FrmAboutPorts{.messages = messages_,
                          .screen = screen_,
                          .open = services.open,
                          .files = services.files,
                          .programs = services.programs,
                          .registry = services.registry,
                          .host = *this},
            std::move(installedSysInfo)),
      window_(instance, windows, form_, form_.Controls(),
              FormStyle{.style = kDialogFrame,
                        .exStyle = kDialogFrameEx,
                        .clientWidthTwips = kFrmAboutClientWidth,
                        .clientHeightTwips = kFrmAboutClientHeight},
              [this] { form_.Unload(); }) {
  window_.onDestroyed = std::move(closed);
  // The dialog frame shows no icon unless the window has one of its own.
  if (const HWND hwnd = window_.Handle()) {
    const auto big = ::GetClassLongPtrW(hwnd, GCLP_HICON);
    const auto small = ::GetClassLongPtrW(hwnd, GCLP_HICONSM);
    ::SendMessageW(hwnd, WM_SETICON, ICON_BIG, static_cast<LPARAM>(big));
    ::SendMessageW(hwnd, WM_SETICON, ICON_SMALL, static_cast<LPARAM>(small));
  }
}

void Win32AboutWindow::Show() {
  window_.ReportOuterSize();
  if (!window_.Load([this] { form_.Form_Load(); })) return;
  window_.Show(SW_SHOWNORMAL);
}

void Win32AboutWindow::BringToFront() {
  window_.BringToFront();
}

void Win32AboutWindow::WindowUnloaded() {
  window_.ModelUnloaded();
}

Win32AboutWindowFactory::Win32AboutWindowFactory(HINSTANCE instance, OpenWindows& windows,
                                                 AppInfo app, AboutServices services,
                                                 AboutLinks links,
                                                 std::vector<std::string> installedSysInfo)
    : instance_(instance),
      windows_(windows),
      app_(std::move(app)),
      services_(services),
      links_(std::move(links)),
      installedSysInfo_(std::move(installedSysInfo)) {}

std::unique_ptr<AboutWindow> Win32AboutWindowFactory::Create(std::function<void()> closed) {
  return std::make_unique<Win32AboutWindow>(instance_, windows_, app_, links_, services_,
                                            installedSysInfo_, std::move(closed));
}

}  // namespace quillbit
