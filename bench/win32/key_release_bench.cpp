// From a key release in a size box to every output updated, on the real Win32 window: the
// press is delivered first (the box's text changes), then only the release is timed, through
// the program's own delivery (key preview, the box's handler, calc, the windows).
//
//   quillbit_win32_key_bench [RELEASES]
#include <windows.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <vector>

#include "about/about_window_slot.h"
#include "win32/app.h"
#include "win32/main_window.h"

namespace {

// Nothing is kept: the benchmark must not touch the person's settings.
class NoSettings : public quillbit::SettingsStore {
 public:
  void CreateKey() override {}
  void Write(std::string_view, std::string_view) override {}
  quillbit::SettingValue Read(std::string_view) override {
    return quillbit::SettingValue::Missing();
  }
};

void Deliver(HWND box, UINT message, WPARAM key) {
  ::PostMessageW(box, message, key, 1);
  MSG msg{};
  while (::PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) quillbit::DeliverMessage(msg);
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
  const int releases = argc > 1 ? std::max(2, _wtoi(argv[1])) : 2000;
  NoSettings settings;
  quillbit::OpenWindows windows;
  quillbit::Win32MainWindow window(::GetModuleHandleW(nullptr), windows,
                                   quillbit::NumberLocale::EnglishUS(), quillbit::AppInfo{},
                                   settings);
  window.Start(SW_SHOWNOACTIVATE);
  window.Model().txtFrames.SetText("90000");
  window.Model().txtAudio.SetText("448");
  const HWND box = window.View().HwndFor("txtAudio");
  ::SetFocus(box);
  const int runsBefore = window.Model().CalcRuns();
  std::vector<double> micros;
  for (int i = 0; i < releases; ++i) {
    // Alternately "4481" and back to "448": typed 1, then Backspace.
    const WPARAM key = i % 2 == 0 ? '1' : VK_BACK;
    Deliver(box, WM_KEYDOWN, key);
    if (key == '1') Deliver(box, WM_CHAR, '1');
    const auto start = std::chrono::steady_clock::now();
    Deliver(box, WM_KEYUP, key);
    micros.push_back(
        std::chrono::duration<double, std::micro>(std::chrono::steady_clock::now() - start)
            .count());
  }
  std::sort(micros.begin(), micros.end());
  std::printf(
      "key release to outputs updated, %d releases: median %.1f us, 99th %.1f us; %.2f "
      "recalculations per release; estimated size %s\n",
      releases, micros[micros.size() / 2], micros[micros.size() * 99 / 100],
      static_cast<double>(window.Model().CalcRuns() - runsBefore) / releases,
      window.Model().txtM2VSize.Text().c_str());
  return 0;
}
