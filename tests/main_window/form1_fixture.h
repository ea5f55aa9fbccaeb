#pragma once

#include <gtest/gtest.h>

#include <functional>
#include <initializer_list>
#include <map>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "main_window/form1.h"
#include "tests/support/port_fakes.h"

namespace quillbit::testing_support {

// Windows virtual-key codes, as the view passes them.
inline constexpr int kKeyReturn = 13;
inline constexpr int kKeyShift = 16;
inline constexpr int kKeyCtrl = 17;
inline constexpr int kKeyAlt = 18;
inline constexpr int kKeyLeft = 37;
inline constexpr int kKeyUp = 38;
inline constexpr int kKeyRight = 39;
inline constexpr int kKeyDown = 40;
inline constexpr int kKeyDelete = 46;

// The settings key as a map. Like the registry, a write before the key exists is lost.
class MapSettings : public SettingsStore {
 public:
  void CreateKey() override {
    if (!createFails) keyExists = true;
    log.push_back("CreateKey");
  }
  void Write(std::string_view name, std::string_view text) override {
    log.push_back("Write " + std::string(name) + "=" + std::string(text));
    if (keyExists) values[std::string(name)] = SettingValue::Text(std::string(text));
  }
  SettingValue Read(std::string_view name) override {
    ++reads[std::string(name)];
    log.push_back("Read " + std::string(name));
    const auto it = values.find(std::string(name));
    return it == values.end() ? SettingValue::Missing() : it->second;
  }
  void Store(std::string_view name, std::string_view text) {
    keyExists = true;
    values[std::string(name)] = SettingValue::Text(std::string(text));
  }

  bool keyExists = false;
  bool createFails = false;  // a user who may not create the key
  std::map<std::string, SettingValue, std::less<>> values;
  std::map<std::string, int, std::less<>> reads;
  std::vector<std::string> log;
};

class RecordingHost : public MainWindowHost {
 public:
  void ShowAboutWindow() override { ++aboutShown; }
  void ShowAudioTracksWindow(AudioTracksRequest request) override {
    audioTracksAsked.push_back(std::move(request));
  }
  std::vector<AudioTracksRequest> audioTracksAsked;
  void WindowUnloaded() override { ++unloaded; }
  int aboutShown = 0;
  int unloaded = 0;
};

// The file dialog, answered with the next of `answers` (none when they are used up: cancelled).
class ScriptedFileDialog : public OpenFileDialogPort {
 public:
  std::vector<std::string> ChooseFilesToOpen(std::string_view title, std::string_view filterName,
                                             std::string_view pattern) override {
    asked.push_back(std::string(title) + "|" + std::string(filterName) + "|" +
                    std::string(pattern));
    if (answers.empty()) return {};
    std::vector<std::string> answer = answers.front();
    answers.erase(answers.begin());
    return answer;
  }
  // One answer per dialog: the files chosen, none for a cancel.
  std::vector<std::vector<std::string>> answers;
  std::vector<std::string> asked;
};

// A main window on fake ports, with a log of what happens in it, in order: recalculations
// ("calc"; `calcs` keeps what each run read), messages ("note") and property changes
// ("txtFPS.Text=25") of the controls being watched.
class Form1Test : public ::testing::Test {
 protected:
  explicit Form1Test(NumberLocale locale = NumberLocale::EnglishUS()) : locale_(locale) {}

  Form1& Make() {
    form_ = std::make_unique<Form1>(locale_, AppInfo{},
                                    Form1Ports{messages, screen, settings, host, fileDialog});
    form_->onCalc = [this](const CalcInputs& in) {
      calcs.push_back(in);
      log.push_back("calc");
    };
    messages.onShow = [this] { log.push_back("note"); };
    form_->Controls().Subscribe([this](const Control& control, Property property) {
      if (!Watched(control.Name())) return;
      switch (property) {
        case Property::Text:
          log.push_back(control.Name() + ".Text=" + control.Text());
          break;
        case Property::Value:
          log.push_back(control.Name() + ".Value=" + std::to_string(control.Value()));
          break;
        case Property::ListIndex:
          log.push_back(control.Name() + ".Text=" + control.Text());
          break;
        default:
          break;
      }
    });
    return *form_;
  }
  Form1& Loaded() {
    Make().Form_Load();
    ClearLogs();
    return *form_;
  }
  void ClearLogs() {
    calcs.clear();
    log.clear();
    messages.shown.clear();
    settings.log.clear();
    settings.reads.clear();
  }
  void Watch(std::initializer_list<std::string_view> names) {
    for (std::string_view name : names) watched_.emplace_back(name);
  }
  bool Watched(const std::string& name) const {
    for (const std::string& w : watched_) {
      if (w == name) return true;
    }
    return false;
  }
  int Notes() const {
    int n = 0;
    for (const auto& m : messages.shown) n += m.text == kPalNote ? 1 : 0;
    return n;
  }

  // A key typed into a focused control: key down, the new text, key up.
  void Type(Control& box, std::string_view text, int key = 'X') {
    Form1& form = *form_;
    form.Controls().KeyDown(&box, key, 0);
    box.SetText(text);
    form.Controls().KeyUp(&box, key, 0);
  }
  void Press(Control* focused, int key, int mask) {
    form_->Controls().KeyDown(focused, key, mask);
    form_->Controls().KeyUp(focused, key, mask);
  }

  NumberLocale locale_;
  MapSettings settings;
  RecordingMessages messages;
  FixedScreen screen{1920 * 15, 1080 * 15};
  RecordingHost host;
  ScriptedFileDialog fileDialog;
  std::unique_ptr<Form1> form_;
  std::vector<CalcInputs> calcs;
  std::vector<std::string> log;
  std::vector<std::string> watched_;
};

}  // namespace quillbit::testing_support
