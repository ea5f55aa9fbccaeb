#pragma once

#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "scenario_player/core/front_end.h"
#include "scenario_player/core/scenario_registry.h"

namespace quillbit::scenario {

// What the command line asks of the player.
struct PlayerOptions {
  std::string settings;           // the registry file; empty for a new one, as on a first run
  std::string scenario = "-";     // a file, or - for standard input
  bool systemLocale = false;      // the machine's number conventions instead of English (US)
  bool toolkitMessages = false;   // the toolkit's own warnings on stderr
  bool installedSysInfo = false;  // System Info may fall back on this machine's programs
  bool userRegistry = false;      // the settings in this user's own registry, not in a file
};

// The options, or none when the command line is not understood.
std::optional<PlayerOptions> ReadPlayerOptions(int argc, char** argv);
extern const char* const kPlayerUsage;

// What a front end's main hands the player: the way to set its toolkit up and drive the
// program's windows with it.
class FrontEndMaker {
 public:
  virtual ~FrontEndMaker() = default;
  // The settings the program runs against, kept in the registry file at `path` (created when
  // missing) in the way of the platform; null when that cannot be done.
  virtual std::unique_ptr<ScenarioRegistry> OpenRegistry(const std::string& path) = 0;
  // The settings the program runs against in this user's own part of the platform's registry,
  // where the platform's registry editor imports and exports them; null where there is none.
  virtual std::unique_ptr<ScenarioRegistry> OpenUserRegistry() { return nullptr; }
  // Called once the scenario has been read; `registry` and what the maker makes live until the
  // scenario has been played. Null when the toolkit could not be set up.
  virtual std::unique_ptr<FrontEnd> Make(const PlayerOptions& options, ScenarioRegistry& registry,
                                         std::vector<std::string> installedSysInfo) = 0;
};

// The whole player: reads the command line and the scenario, plays it through the front end
// and returns the exit status (0 played, 1 could not start, 2 a line could not be played).
int PlayerMain(int argc, char** argv, FrontEndMaker& maker);

}  // namespace quillbit::scenario
