#pragma once

#include <QAction>
#include <QWidget>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "about/about_window_slot.h"
#include "core/number_locale.h"
#include "gui/about_window.h"
#include "gui/audio_tracks_window.h"
#include "gui/desktop_services.h"
#include "gui/form_view.h"
#include "gui/main_window.h"
#include "scenario_player/core/front_end.h"
#include "scenario_player/core/recording_ports.h"
#include "scenario_player/core/scenario_registry.h"
#include "scenario_player/qt/message_watcher.h"
#include "scenario_player/qt/person.h"

namespace quillbit::scenario {

// The program's real Qt windows, driven with QTest as a person would on whatever Qt platform is
// running (offscreen for the player).
class QtFrontEnd : public FrontEnd {
 public:
  // `installedSysInfo` are the system information programs the About window may fall back on.
  QtFrontEnd(ScenarioRegistry& registry, NumberLocale locale,
             std::vector<std::string> installedSysInfo);
  ~QtFrontEnd() override;

  void Start() override;
  void Settle() override;
  void Close(WindowId window) override;
  bool Blocked(WindowId window) const override;
  void Focus(std::string_view name) override;
  bool KnowsKey(std::string_view key) const override;
  void Type(std::string_view name, std::string_view text) override;
  void SelectAll(std::string_view name) override;
  void Click(std::string_view name) override;
  bool Pick(std::string_view name, int index) override;
  MenuChoice ChooseMenuItem(std::string_view name) override;
  bool Drop(std::string_view name, const std::vector<std::string>& paths) override;
  void AnswerFileDialog(std::vector<std::string> paths) override {
    fileDialog_.Answer(std::move(paths));
  }
  std::optional<WindowView> ReadWindow(WindowId window) const override;
  std::optional<MainModelView> MainModel() const override;
  std::vector<MessageView> Messages() const override { return messages_.Messages(); }
  std::vector<std::string> Opened() const override { return opener_.Targets(); }
  std::vector<std::string> Started() const override { return programs_.Paths(); }

 protected:
  ControlSet* ControlsShown(WindowId window) const override;
  ControlSet* MainControls() const override;
  std::optional<Showing> Show(WindowId window, const Control& control) const override;
  const Control* FocusIn(WindowId window) const override;
  bool KeyEvent(std::string_view key, bool press, int heldBefore) override;

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

  std::optional<Window> WindowShown(WindowId window) const;
  // The control's widget, or its menu item's action; the player has found it already.
  Target Widget(std::string_view name) const;
  // Where a key goes that is pressed without choosing a control; null when no window is open.
  QWidget* KeyTarget() const;

  ScenarioRegistry& registry_;
  NumberLocale locale_;
  MessageWatcher messages_;
  Person person_;
  RecordingOpener opener_;
  ScriptedFileDialog fileDialog_;
  DesktopFiles files_;
  DesktopPrograms desktop_;
  RecordingPrograms programs_{desktop_};
  AboutDialogFactory aboutWindows_;
  // One per run of the program, like the main window; declared first so that it goes last.
  std::unique_ptr<AboutWindowSlot> about_;
  std::unique_ptr<MainWindow> main_;
};

}  // namespace quillbit::scenario
