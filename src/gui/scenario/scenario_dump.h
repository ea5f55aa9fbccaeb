#pragma once

#include <optional>
#include <string>
#include <vector>

#include "core/setting_value.h"
#include "main_window/form1.h"

namespace quillbit::scenario {

// One control as its widget shows it.
struct ControlView {
  std::string name;
  std::string text;
  bool visible = false;
  bool enabled = false;
  std::string color;  // "#rrggbb"
  bool bold = false;
  std::optional<bool> readOnly;                   // text boxes
  std::optional<int> value;                       // the check box
  std::optional<bool> selected;                   // option buttons
  std::optional<std::vector<std::string>> items;  // lists
};

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
  std::optional<WindowView> main;   // none once closed, or before the start
  std::optional<WindowView> about;  // none unless open
  std::optional<Form1State> state;  // none before the first start
  int calcRuns = 0;
  std::vector<MessageView> messages;
  std::vector<std::string> opened;
  std::vector<std::string> started;
  std::vector<StoredView> store;  // missing values are left out
};

// The snapshot as one line of JSON, without the line break.
std::string DumpLine(const Snapshot& snapshot);

}  // namespace quillbit::scenario
