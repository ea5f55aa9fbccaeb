#pragma once

#include <windows.h>

#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "about/about_window_slot.h"
#include "core/number_locale.h"
#include "scenario_player/core/front_end.h"
#include "scenario_player/core/recording_ports.h"
#include "scenario_player/core/scenario_registry.h"
#include "scenario_player/win32/menu_mode_guard.h"
#include "scenario_player/win32/message_watcher.h"
#include "scenario_player/win32/person.h"
#include "win32/about_window.h"
#include "win32/main_window.h"
#include "win32/win32_host.h"

namespace quillbit::scenario {

// The program's real Win32 windows, driven with the messages a keyboard and mouse produce and
// read back from the controls' own windows.
class Win32FrontEnd : public FrontEnd {
 public:
  // `installedSysInfo` are the system information programs the About window may fall back on.
  Win32FrontEnd(HINSTANCE instance, ScenarioRegistry& registry, NumberLocale locale,
                std::vector<std::string> installedSysInfo);
  ~Win32FrontEnd() override;

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
    WindowId id = WindowId::Main;
    HWND hwnd = nullptr;
    Win32FormView* view = nullptr;
  };
  // A control found in a shown window: its window, or none for a menu item.
  struct Target {
    Window window;
    const Control* control = nullptr;
    HWND hwnd = nullptr;
  };

  std::optional<Window> WindowShown(WindowId window) const;
  ControlView Read(const Window& window, const quillbit::Control& control) const;
  // The control; the player has found it already.
  Target Known(std::string_view name) const;
  // Where a key goes that is pressed without choosing a control; null when no window is open.
  HWND KeyTarget() const;
  void Activate(HWND window);

  HINSTANCE instance_;
  ScenarioRegistry& registry_;
  NumberLocale locale_;
  MessageWatcher messages_;
  MenuModeGuard menuMode_;
  Person person_;
  RecordingOpener opener_;
  ScriptedFileDialog fileDialog_;
  Win32Files files_;
  Win32Programs desktop_;
  RecordingPrograms programs_{desktop_};
  OpenWindows windows_;
  Win32AboutWindowFactory aboutWindows_;
  // One per run of the program, like the main window; declared first so that it goes last.
  std::unique_ptr<AboutWindowSlot> about_;
  std::unique_ptr<Win32MainWindow> main_;
};

}  // namespace quillbit::scenario
