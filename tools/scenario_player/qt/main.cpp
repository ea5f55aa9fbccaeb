// quillbit-scenario [--settings FILE] [--system-locale] [--qt-messages] [SCENARIO]: plays a
// scenario of a person's actions on the real Qt windows under the offscreen platform and prints
// every dump.
#include <QApplication>
#include <QLocale>
#include <cstdio>
#include <memory>

#include "gui/qt_locale.h"
#include "scenario_player/core/player_main.h"
#include "scenario_player/core/registry_file_scenario.h"
#include "scenario_player/qt/qt_front_end.h"

namespace {

using quillbit::scenario::FrontEnd;
using quillbit::scenario::PlayerOptions;
using quillbit::scenario::ScenarioRegistry;

// Keeps stderr for the player's own messages: Qt's warnings about what the offscreen platform
// cannot do say nothing about the scenario.
void DropQtWarnings(QtMsgType type, const QMessageLogContext& /*context*/, const QString& message) {
  if (type == QtDebugMsg || type == QtInfoMsg || type == QtWarningMsg) return;
  std::fprintf(stderr, "%s\n", message.toLocal8Bit().constData());
}

// Sets Qt up once the scenario has been read, and keeps the application for the whole play.
class QtMaker : public quillbit::scenario::FrontEndMaker {
 public:
  QtMaker(int& argc, char** argv) : argc_(argc), argv_(argv) {}

  std::unique_ptr<ScenarioRegistry> OpenRegistry(const std::string& path) override {
    return quillbit::scenario::OpenRegistryFileScenario(path);
  }

  std::unique_ptr<FrontEnd> Make(const PlayerOptions& options, ScenarioRegistry& registry,
                                 std::vector<std::string> installedSysInfo) override {
    // The program runs on the offscreen platform whatever display the player was started from.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    if (!options.toolkitMessages) qInstallMessageHandler(DropQtWarnings);
    app_ = std::make_unique<QApplication>(argc_, argv_);
    QApplication::setApplicationName(QStringLiteral("Quillbit"));
    // The player itself tells when the program has ended: it goes on to the next line.
    QApplication::setQuitOnLastWindowClosed(false);
    const quillbit::NumberLocale locale = options.systemLocale
                                              ? quillbit::NumberLocaleFrom(QLocale::system())
                                              : quillbit::NumberLocale::EnglishUS();
    return std::make_unique<quillbit::scenario::QtFrontEnd>(registry, locale,
                                                            std::move(installedSysInfo));
  }

 private:
  int& argc_;
  char** argv_;
  std::unique_ptr<QApplication> app_;
};

}  // namespace

int main(int argc, char** argv) {
  QtMaker maker(argc, argv);
  return quillbit::scenario::PlayerMain(argc, argv, maker);
}
