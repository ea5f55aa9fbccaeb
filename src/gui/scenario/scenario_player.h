#pragma once

#include <QPointer>
#include <QWidget>
#include <cstdio>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "about/about_window_slot.h"
#include "core/number_locale.h"
#include "gui/about_window.h"
#include "gui/form_view.h"
#include "gui/main_window.h"
#include "gui/scenario/message_watcher.h"
#include "gui/scenario/person.h"
#include "gui/scenario/recording_ports.h"
#include "gui/scenario/scenario_registry.h"
#include "gui/scenario/scenario_script.h"

namespace quillbit::scenario {

// Plays a scenario on the real windows of the program, on whatever Qt platform is running
// (offscreen for the player), and prints a line of JSON for every dump.
class Player {
 public:
  // `installedSysInfo` are the system information programs the About window may fall back on.
  Player(ScenarioRegistry& registry, NumberLocale locale, std::vector<std::string> installedSysInfo,
         std::FILE* out);
  ~Player();
  Player(const Player&) = delete;
  Player& operator=(const Player&) = delete;

  // Runs the commands in order and stops at the first that cannot be done.
  std::optional<ScriptError> Run(const std::vector<Command>& commands);

 private:
  // A shown window and the view of its controls.
  struct Window {
    QWidget* widget = nullptr;
    FormView* view = nullptr;
  };
  // A control found in a shown window: its widget, or the action of a menu item.
  struct Target {
    Window window;
    const Control* control = nullptr;
    QWidget* widget = nullptr;
    QAction* action = nullptr;
  };

  void Execute(const Command& command);
  void Start();
  void Store(const Command& command);
  void Type(const Command& command);
  void Clear(const Command& command);
  void Key(const Command& command);
  void Modifiers(const Command& command, bool press);
  void Pick(const Command& command);
  void Click(const Command& command);
  void ClickMenuItem(const Target& target);
  void Close(const Command& command);
  void Dump();

  std::optional<Window> MainShown() const;
  std::optional<Window> AboutShown() const;
  bool Running() const { return MainShown() || AboutShown(); }
  Target Find(const std::string& name) const;
  // The widget, when a person can reach it: shown, enabled, in a shown window.
  QWidget& Reachable(const Target& target, const std::string& name) const;
  QWidget& Focus(const Target& target, const std::string& name);
  QWidget& KeyTarget() const;

  ScenarioRegistry& registry_;
  NumberLocale locale_;
  std::FILE* out_;
  MessageWatcher messages_;
  Person person_;
  RecordingOpener opener_;
  DesktopFiles files_;
  RecordingPrograms programs_;
  AboutDialogFactory aboutWindows_;
  // One per run of the program, like the main window; declared first so that it goes last.
  std::unique_ptr<AboutWindowSlot> about_;
  std::unique_ptr<MainWindow> main_;
  bool started_ = false;
};

}  // namespace quillbit::scenario
