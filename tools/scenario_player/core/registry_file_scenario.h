#pragma once

#include <memory>
#include <string>

#include "scenario_player/core/scenario_registry.h"

namespace quillbit::scenario {

// The per-user registry file the program itself uses where the platform has no registry, at a
// path of the scenario's choosing; created empty when missing, null when it cannot be created.
std::unique_ptr<ScenarioRegistry> OpenRegistryFileScenario(const std::string& path);

}  // namespace quillbit::scenario
