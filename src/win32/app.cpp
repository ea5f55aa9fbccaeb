#include "win32/app.h"

#include <commctrl.h>

#include <string>

#include "settings/registry_settings_store.h"
#include "settings/windows_registry.h"
#include "win32/about_window.h"
#include "win32/dpi.h"
#include "win32/main_window.h"
#include "win32/win32_host.h"

namespace quillbit {

void DeliverMessage(MSG& msg) {
  Win32FormWindow* form = Win32FormWindow::ForMessage(msg);
  if (form != nullptr && form->PreTranslate(msg)) return;
  ::TranslateMessage(&msg);
  ::DispatchMessageW(&msg);
}

int RunMessageLoop() {
  MSG msg{};
  for (;;) {
    const BOOL got = ::GetMessageW(&msg, nullptr, 0, 0);
    if (got == 0) return static_cast<int>(msg.wParam);
    if (got == -1) return 1;
    DeliverMessage(msg);
  }
}

namespace {

void ReportShown() {
  const HANDLE out = ::GetStdHandle(STD_OUTPUT_HANDLE);
  if (out == nullptr || out == INVALID_HANDLE_VALUE) return;
  DWORD written = 0;
  ::WriteFile(out, "shown\n", 6, &written, nullptr);
}

}  // namespace

int RunApplication(HINSTANCE instance, int showCommand, bool quitWhenShown,
                   std::vector<std::string> projects) {
  DeclareDpiAwareness();
  INITCOMMONCONTROLSEX controls{};
  controls.dwSize = sizeof controls;
  controls.dwICC = ICC_STANDARD_CLASSES | ICC_WIN95_CLASSES;
  ::InitCommonControlsEx(&controls);

  WindowsRegistry registry({std::string(kSettingsKeyPath)});
  RegistrySettingsStore settings(registry);
  ShellOpener opener;
  Win32Files files;
  Win32Programs programs;
  // The program ends when neither of its windows is open.
  OpenWindows windows;
  Win32AboutWindowFactory aboutWindows(
      instance, windows, AppInfo{},
      AboutServices{.registry = registry, .open = opener, .files = files, .programs = programs});
  AboutWindowSlot about(aboutWindows);
  Win32MainWindow window(instance, windows, UserNumberLocale(), AppInfo{}, settings, &about);
  if (window.Handle() == nullptr) return 1;
  window.Start(showCommand);
  if (windows.Count() == 0) return 0;
  if (quitWhenShown) {
    ::UpdateWindow(window.Handle());
    ReportShown();
    return 0;
  }
  if (!projects.empty()) window.Model().OpenProjects(projects);
  return RunMessageLoop();
}

}  // namespace quillbit
