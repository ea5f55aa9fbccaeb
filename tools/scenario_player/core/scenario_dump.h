#pragma once

#include <optional>
#include <string>
#include <vector>

#include "core/setting_value.h"
#include "core/shown_control.h"
#include "main_window/form1.h"
#include "scenario_player/core/json_line.h"

namespace quillbit::scenario {

// One control as its widget shows it, read from the widget by the front end.
using ControlView = ShownControl;

struct WindowView {
  std::string title;
  std::vector<ControlView> controls;
};

struct MessageView {
  std::string caption;
  std::string text;
};

struct StoredView {
  std::string name;
  SettingValue value;
};

// Everything one `dump` line reports.
struct Snapshot {
  std::optional<WindowView> main;         // none once closed, or before the start
  std::optional<WindowView> about;        // none unless open
  std::optional<WindowView> audioTracks;  // none unless open
  std::optional<Form1State> state;        // none before the first start
  int calcRuns = 0;
  std::vector<MessageView> messages;
  std::vector<std::string> opened;
  std::vector<std::string> started;
  std::vector<StoredView> store;     // missing values are left out
  std::optional<std::string> focus;  // the control with the keyboard focus; none for none
};

// The snapshot as JSON, and as the one line a dump prints (without the line break).
Json DumpJson(const Snapshot& snapshot);
std::string DumpLine(const Snapshot& snapshot);

}  // namespace quillbit::scenario
