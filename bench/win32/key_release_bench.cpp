// From a key release in a box to every output updated, on the real Win32 window: the press is
// delivered first (the box's text changes), then only the release is timed, through the
// program's own delivery (key preview, the box's handler, calc, the windows). The audio size
// typed; the frame count typed, alone and while eight audio tracks stand for the audio (each
// release then sizes them all for the new length before calc runs).
//
//   quillbit_win32_key_bench [RELEASES]
#include <windows.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <string>
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

// Eight tracks, one of each format and more, every one legal.
std::vector<quillbit::AudioTrack> EightTracks() {
  using quillbit::AudioFormat;
  return {
      {.format = AudioFormat::Ac3, .bitRate = 448000, .channels = 6},
      {.format = AudioFormat::Ac3, .bitRate = 192000, .channels = 2},
      {.format = AudioFormat::Dts, .bitRate = 1509750, .channels = 6},
      {.format = AudioFormat::Dts, .bitRate = 754500, .channels = 6},
      {.format = AudioFormat::Lpcm, .bitRate = 1536000, .channels = 2},
      {.format = AudioFormat::Mp2, .bitRate = 224000, .channels = 2},
      {.format = AudioFormat::Mp2, .bitRate = 384000, .channels = 2},
      {.format = AudioFormat::Ac3, .bitRate = 64000, .channels = 1},
  };
}

struct BenchCase {
  const char* what;
  const char* box;
  const char* text;  // typed 1 after it, then Backspace
  bool eightTracks;
};

constexpr BenchCase kCases[] = {
    {"audio size typed", "txtAudio", "448", false},
    {"frame count typed", "txtFrames", "90000", false},
    {"frame count typed, 8 audio tracks linked", "txtFrames", "90000", true},
};

void Run(const BenchCase& bench, int releases) {
  NoSettings settings;
  quillbit::OpenWindows windows;
  quillbit::Win32MainWindow window(::GetModuleHandleW(nullptr), windows,
                                   quillbit::NumberLocale::EnglishUS(), quillbit::AppInfo{},
                                   settings);
  window.Start(SW_SHOWNOACTIVATE);
  window.Model().txtFrames.SetText("90000");
  window.Model().txtAudio.SetText("448");
  if (bench.eightTracks) window.Model().AudioTracksChosen(EightTracks());
  window.Model().Get(bench.box).SetText(bench.text);
  const HWND box = window.View().HwndFor(bench.box);
  ::SetFocus(box);
  const std::string audioBefore = window.Model().txtAudio.Text();
  const int runsBefore = window.Model().CalcRuns();
  std::vector<double> micros;
  std::vector<double> presses;
  for (int i = 0; i < releases; ++i) {
    // The frame count recalculates on its character (translated from the press by the message
    // loop), a size box on the release: both are timed, the press to its character handled and
    // the release to the outputs updated.
    const WPARAM key = i % 2 == 0 ? '1' : VK_BACK;
    const auto pressed = std::chrono::steady_clock::now();
    Deliver(box, WM_KEYDOWN, key);
    const auto released = std::chrono::steady_clock::now();
    Deliver(box, WM_KEYUP, key);
    const auto done = std::chrono::steady_clock::now();
    presses.push_back(std::chrono::duration<double, std::micro>(released - pressed).count());
    micros.push_back(std::chrono::duration<double, std::micro>(done - released).count());
  }
  std::sort(micros.begin(), micros.end());
  std::sort(presses.begin(), presses.end());
  std::printf(
      "%s, %d keys: release to outputs updated median %.1f us, 99th %.1f us; press to its "
      "character handled median %.1f us, 99th %.1f us; %.2f recalculations per key; estimated "
      "size %s; audio %s\n",
      bench.what, releases, micros[micros.size() / 2], micros[micros.size() * 99 / 100],
      presses[presses.size() / 2], presses[presses.size() * 99 / 100],
      static_cast<double>(window.Model().CalcRuns() - runsBefore) / releases,
      window.Model().txtM2VSize.Text().c_str(), audioBefore.c_str());
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
  const int releases = argc > 1 ? std::max(2, _wtoi(argv[1])) : 2000;
  for (const BenchCase& bench : kCases) Run(bench, releases);
  return 0;
}
