#pragma once

#include <cstdio>
#include <optional>
#include <string>
#include <vector>

#include "scenario_player/core/front_end.h"
#include "scenario_player/core/scenario_registry.h"
#include "scenario_player/core/scenario_script.h"

namespace quillbit::scenario {

// Plays a scenario through a front end and prints a line of JSON for every dump. What a line
// may do is decided here, whatever the toolkit: a person cannot type into a hidden control,
// release a key that is not held, or pick an item a list does not have.
class Player {
 public:
  // Files the scenario names are relative to `folder` (the scenario's own).
  Player(ScenarioRegistry& registry, FrontEnd& frontEnd, std::FILE* out, std::string folder = ".");
  Player(const Player&) = delete;
  Player& operator=(const Player&) = delete;

  // Runs the commands in order and stops at the first that cannot be done.
  std::optional<ScriptError> Run(const std::vector<Command>& commands);

 private:
  void Execute(const Command& command);
  void Start();
  void Store(const Command& command);
  void Type(const Command& command);
  void Clear(const Command& command);
  void Key(const Command& command);
  void Modifiers(const Command& command, bool press);
  void Pick(const Command& command);
  void Click(const Command& command);
  void ClickMenuItem(const FoundControl& item);
  void Close(const Command& command);
  void Drop(const Command& command);
  void Open(const std::vector<std::string>& files);
  std::string Resolve(const std::string& file) const;
  void Dump();

  bool Running() const;
  FoundControl Find(const std::string& name) const;
  // Fails when a modal window over the control's window keeps it from input.
  void CheckUnblocked(const FoundControl& control) const;
  // Fails unless a person can reach the control: a widget, shown and enabled, in a window that
  // takes input.
  void CheckReachable(const FoundControl& control) const;
  void Focus(const FoundControl& control);

  ScenarioRegistry& registry_;
  FrontEnd& frontEnd_;
  std::FILE* out_;
  std::string folder_;
  bool started_ = false;
};

}  // namespace quillbit::scenario
