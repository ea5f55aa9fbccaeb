#include "scenario_player/core/player_main.h"

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <iterator>
#include <sstream>

#include "about/sysinfo_launcher.h"
#include "scenario_player/core/scenario_player.h"
#include "scenario_player/core/scenario_script.h"
#include "scenario_player/core/temporary_folder.h"

namespace quillbit::scenario {
namespace {

bool ReadScenario(const std::string& path, std::string& text) {
  if (path == "-") {
    text.assign(std::istreambuf_iterator<char>(std::cin), std::istreambuf_iterator<char>());
    return true;
  }
  std::ifstream file(path, std::ios::binary);
  if (!file) return false;
  std::ostringstream content;
  content << file.rdbuf();
  text = content.str();
  return true;
}

void ReportLine(const ScriptError& error) {
  std::fprintf(stderr, "line %d: %s\n", error.line, error.message.c_str());
}

}  // namespace

const char* const kPlayerUsage =
    "usage: quillbit-scenario [--settings FILE] [--system-locale] [--qt-messages]\n"
    "                         [--installed-sysinfo] [--user-registry] [SCENARIO]\n"
    "  SCENARIO  a scenario file; - or nothing reads standard input\n"
    "  --settings FILE  the registry file the program reads and writes (created if missing);\n"
    "                   without it a new empty one in a temporary folder, as on a first run\n"
    "  --system-locale  the machine's number conventions instead of English (United States)\n"
    "  --qt-messages    show the toolkit's own warnings (the offscreen platform's, say)\n"
    "  --installed-sysinfo  let System Info fall back on a system information program of this\n"
    "                   machine; without it only the registry file names the tool, so that a\n"
    "                   scenario plays the same on every machine\n"
    "  --user-registry  (Windows) the settings key in this user's own registry, as the\n"
    "                   registry editor imports and exports it, instead of a registry file\n";

std::optional<PlayerOptions> ReadPlayerOptions(int argc, char** argv) {
  PlayerOptions options;
  bool haveScenario = false;
  for (int i = 1; i < argc; ++i) {
    const std::string arg = argv[i];
    if (arg == "--settings" && i + 1 < argc) {
      options.settings = argv[++i];
    } else if (arg == "--system-locale") {
      options.systemLocale = true;
    } else if (arg == "--qt-messages") {
      options.toolkitMessages = true;
    } else if (arg == "--installed-sysinfo") {
      options.installedSysInfo = true;
    } else if (arg == "--user-registry") {
      options.userRegistry = true;
    } else if ((arg.empty() || arg[0] != '-' || arg == "-") && !haveScenario) {
      options.scenario = arg;
      haveScenario = true;
    } else {
      return std::nullopt;
    }
  }
  if (options.userRegistry && !options.settings.empty()) return std::nullopt;
  return options;
}

int PlayerMain(int argc, char** argv, FrontEndMaker& maker) {
  const std::optional<PlayerOptions> options = ReadPlayerOptions(argc, argv);
  if (!options) {
    std::fputs(kPlayerUsage, stderr);
    return 1;
  }
  std::string source;
  if (!ReadScenario(options->scenario, source)) {
    std::fprintf(stderr, "quillbit-scenario: cannot read %s\n", options->scenario.c_str());
    return 1;
  }
  const Script script = ParseScript(source);
  if (script.error) {
    ReportLine(*script.error);
    return 2;
  }

  std::optional<TemporaryFolder> firstRun;
  std::unique_ptr<ScenarioRegistry> registry;
  if (options->userRegistry) {
    registry = maker.OpenUserRegistry();
    if (registry == nullptr) {
      std::fputs("quillbit-scenario: no registry of this user to play on\n", stderr);
      return 1;
    }
  } else {
    std::string settings = options->settings;
    if (settings.empty()) {
      if (firstRun.emplace().Path().empty()) {
        std::fputs("quillbit-scenario: cannot make a temporary folder\n", stderr);
        return 1;
      }
      settings = (firstRun->Path() / "registry.reg").string();
    }
    registry = maker.OpenRegistry(settings);
    if (registry == nullptr) {
      std::fprintf(stderr, "quillbit-scenario: cannot create the settings file %s\n",
                   settings.c_str());
      return 1;
    }
  }
  std::vector<std::string> installed;
  if (options->installedSysInfo)
    installed.assign(kInstalledSysInfoPrograms.begin(), kInstalledSysInfoPrograms.end());
  const std::unique_ptr<FrontEnd> frontEnd = maker.Make(*options, *registry, std::move(installed));
  if (frontEnd == nullptr) return 1;
  // Files a scenario names are found beside it; a scenario on standard input names them from
  // the working folder.
  std::string folder = ".";
  if (options->scenario != "-") {
    const std::string parent = std::filesystem::path(options->scenario).parent_path().string();
    if (!parent.empty()) folder = parent;
  }
  const std::optional<ScriptError> error =
      Player(*registry, *frontEnd, stdout, folder).Run(script.commands);
  if (error) {
    ReportLine(*error);
    return 2;
  }
  return 0;
}

}  // namespace quillbit::scenario
