#pragma once

#include <gtest/gtest.h>
#include <windows.h>

#include <map>
#include <string>
#include <string_view>

#include "win32/app.h"
#include "win32/main_window.h"
#include "win32/private_desktop.h"

namespace quillbit {

// Delivers every waiting message as the program's loop does; the quit message a closed window
// posts is dropped, since the test decides when it ends.
inline void Pump() {
  MSG msg{};
  while (::PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
    if (msg.message != WM_QUIT) DeliverMessage(msg);
  }
}

// Settings that start empty and live as long as the test.
class EmptySettings : public SettingsStore {
 public:
  void CreateKey() override {}
  void Write(std::string_view name, std::string_view text) override {
    values_[std::string(name)] = std::string(text);
  }
  SettingValue Read(std::string_view name) override {
    const auto it = values_.find(std::string(name));
    return it == values_.end() ? SettingValue::Missing() : SettingValue::Text(it->second);
  }

 private:
  std::map<std::string, std::string, std::less<>> values_;
};

// The main window started as the program starts it, on fresh settings.
class MainWindowTest : public testing::Test {
 protected:
  MainWindowTest()
      : window(::GetModuleHandleW(nullptr), windows, NumberLocale::EnglishUS(), AppInfo{},
               settings) {
    window.Start();
    Pump();
  }

  HWND Hwnd(const char* name) { return window.View().HwndFor(name); }
  // The focused control's name; empty for none of the window's.
  std::string Focused() {
    const Control* control = window.View().ControlFor(::GetFocus());
    return control != nullptr ? control->Name() : std::string();
  }
  // A press and release of Tab, delivered as the program's loop delivers keys.
  void PressTab() {
    for (UINT message : {WM_KEYDOWN, WM_KEYUP}) {
      MSG msg{.hwnd = ::GetFocus(), .message = message, .wParam = VK_TAB, .lParam = 0};
      DeliverMessage(msg);
      Pump();
    }
  }

  // First, before the window: tests run side by side must not take its focus.
  PrivateDesktop desktop;
  EmptySettings settings;
  OpenWindows windows;
  Win32MainWindow window;
};

}  // namespace quillbit
