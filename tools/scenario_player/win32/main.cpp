// quillbit-scenario.exe [--settings FILE | --user-registry] [--system-locale] [--qt-messages]
// [SCENARIO]: plays a
// scenario of a person's actions on the real Win32 windows and prints every dump, as the player
// of the Qt windows does elsewhere.
#include <fcntl.h>
#include <io.h>
#include <windows.h>

#include <cstdio>
#include <memory>

#include "scenario_player/core/player_main.h"
#include "scenario_player/win32/isolated_registry.h"
#include "scenario_player/win32/win32_front_end.h"
#include "win32/private_desktop.h"
#include "win32/win32_host.h"

namespace {

using quillbit::scenario::FrontEnd;
using quillbit::scenario::PlayerOptions;
using quillbit::scenario::ScenarioRegistry;

// Sets the front end up once the scenario has been read.
class Win32Maker : public quillbit::scenario::FrontEndMaker {
 public:
  std::unique_ptr<ScenarioRegistry> OpenRegistry(const std::string& path) override {
    return quillbit::scenario::IsolatedRegistry::Open(path);
  }
  std::unique_ptr<ScenarioRegistry> OpenUserRegistry() override {
    return quillbit::scenario::IsolatedRegistry::OpenUsers();
  }

  // --qt-messages has nothing to show here: Windows' controls print no warnings.
  std::unique_ptr<FrontEnd> Make(const PlayerOptions& options, ScenarioRegistry& registry,
                                 std::vector<std::string> installedSysInfo) override {
    desktop_ = std::make_unique<quillbit::PrivateDesktop>();
    const quillbit::NumberLocale locale =
        options.systemLocale ? quillbit::UserNumberLocale() : quillbit::NumberLocale::EnglishUS();
    return std::make_unique<quillbit::scenario::Win32FrontEnd>(
        ::GetModuleHandleW(nullptr), registry, locale, std::move(installedSysInfo));
  }

 private:
  // Goes after the front end, whose windows are on it.
  std::unique_ptr<quillbit::PrivateDesktop> desktop_;
};

}  // namespace

int main(int argc, char** argv) {
  // The dumps go out byte for byte as elsewhere, each line ending in a line feed alone.
  _setmode(_fileno(stdout), _O_BINARY);
  Win32Maker maker;
  return quillbit::scenario::PlayerMain(argc, argv, maker);
}
