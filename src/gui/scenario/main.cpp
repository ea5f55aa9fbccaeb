// quillbit-scenario [--settings FILE] [--system-locale] [--qt-messages] [SCENARIO]: plays a
// scenario of a person's actions on the real windows under the offscreen platform and prints every
// dump.
#include <QApplication>
#include <QLocale>
#include <QTemporaryDir>
#include <cstdio>
#include <cstring>
#include <fstream>
#include <iostream>
#include <iterator>
#include <sstream>
#include <string>

#include "about/sysinfo_launcher.h"
#include "gui/qt_locale.h"
#include "gui/scenario/scenario_player.h"
#include "gui/scenario/scenario_registry.h"
#include "gui/scenario/scenario_script.h"

namespace {

constexpr const char* kUsage =
    "usage: quillbit-scenario [--settings FILE] [--system-locale] [--qt-messages]\n"
    "                         [--installed-sysinfo] [SCENARIO]\n"
    "  SCENARIO  a scenario file; - or nothing reads standard input\n"
    "  --settings FILE  the registry file the program reads and writes (created if missing);\n"
    "                   without it a new empty one in a temporary folder, as on a first run\n"
    "  --system-locale  the machine's number conventions instead of English (United States)\n"
    "  --qt-messages    show Qt's own warnings (the offscreen platform's, say) on stderr\n"
    "  --installed-sysinfo  let System Info fall back on a system information program of this\n"
    "                   machine; without it only the registry file names the tool, so that a\n"
    "                   scenario plays the same on every machine\n";

struct Options {
  std::string settings;
  std::string scenario = "-";
  bool systemLocale = false;
  bool qtMessages = false;
  bool installedSysInfo = false;
};

bool ReadOptions(int argc, char** argv, Options& options) {
  bool haveScenario = false;
  for (int i = 1; i < argc; ++i) {
    const std::string arg = argv[i];
    if (arg == "--settings" && i + 1 < argc) {
      options.settings = argv[++i];
    } else if (arg == "--system-locale") {
      options.systemLocale = true;
    } else if (arg == "--qt-messages") {
      options.qtMessages = true;
    } else if (arg == "--installed-sysinfo") {
      options.installedSysInfo = true;
    } else if ((arg.empty() || arg[0] != '-' || arg == "-") && !haveScenario) {
      options.scenario = arg;
      haveScenario = true;
    } else {
      return false;
    }
  }
  return true;
}

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

// Keeps stderr for the player's own messages: Qt's warnings about what the offscreen platform
// cannot do say nothing about the scenario.
void DropQtWarnings(QtMsgType type, const QMessageLogContext& /*context*/, const QString& message) {
  if (type == QtDebugMsg || type == QtInfoMsg || type == QtWarningMsg) return;
  std::fprintf(stderr, "%s\n", message.toLocal8Bit().constData());
}

}  // namespace

int main(int argc, char** argv) {
  Options options;
  if (!ReadOptions(argc, argv, options)) {
    std::fputs(kUsage, stderr);
    return 1;
  }
  std::string source;
  if (!ReadScenario(options.scenario, source)) {
    std::fprintf(stderr, "quillbit-scenario: cannot read %s\n", options.scenario.c_str());
    return 1;
  }
  const quillbit::scenario::Script script = quillbit::scenario::ParseScript(source);
  if (script.error) {
    std::fprintf(stderr, "line %d: %s\n", script.error->line, script.error->message.c_str());
    return 2;
  }

  // The program runs on the offscreen platform whatever display the player was started from.
  qputenv("QT_QPA_PLATFORM", "offscreen");
  if (!options.qtMessages) qInstallMessageHandler(DropQtWarnings);
  QApplication app(argc, argv);
  QApplication::setApplicationName(QStringLiteral("Quillbit"));
  // The player itself tells when the program has ended: it goes on to the next line.
  QApplication::setQuitOnLastWindowClosed(false);

  QTemporaryDir firstRun;
  std::string settings = options.settings;
  if (settings.empty()) {
    if (!firstRun.isValid()) {
      std::fputs("quillbit-scenario: cannot make a temporary folder\n", stderr);
      return 1;
    }
    settings = firstRun.filePath(QStringLiteral("registry.reg")).toStdString();
  }
  const std::unique_ptr<quillbit::scenario::ScenarioRegistry> registry =
      quillbit::scenario::OpenScenarioRegistry(settings);
  if (registry == nullptr) {
    std::fprintf(stderr, "quillbit-scenario: cannot create the settings file %s\n",
                 settings.c_str());
    return 1;
  }
  const quillbit::NumberLocale locale = options.systemLocale
                                            ? quillbit::NumberLocaleFrom(QLocale::system())
                                            : quillbit::NumberLocale::EnglishUS();
  std::optional<quillbit::scenario::ScriptError> error;
  {
    std::vector<std::string> installed;
    if (options.installedSysInfo) {
      installed.assign(quillbit::kInstalledSysInfoPrograms.begin(),
                       quillbit::kInstalledSysInfoPrograms.end());
    }
    quillbit::scenario::Player player(*registry, locale, std::move(installed), stdout);
    error = player.Run(script.commands);
  }
  if (error) {
    std::fprintf(stderr, "line %d: %s\n", error->line, error->message.c_str());
    return 2;
  }
  return 0;
}
