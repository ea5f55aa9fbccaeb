#include "gui/app.h"

#include <QApplication>
#include <QLocale>
#include <QTimer>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <optional>
#include <string>
#include <vector>

#include "core/command_line.h"
#include "gui/about_window.h"
#include "gui/desktop_services.h"
#include "gui/main_window.h"
#include "gui/qt_locale.h"
#include "gui/settings_factory.h"
#include "gui/termination.h"

namespace quillbit {
namespace {

bool Set(const char* value) {
  return value != nullptr && value[0] != '\0';
}

// Used by the start-up benchmark: reports on stdout once the window has been painted, then quits.
class QuitWhenShown : public QObject {
 public:
  explicit QuitWhenShown(QWidget& window) : QObject(&window) { window.installEventFilter(this); }

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (event->type() == QEvent::Paint && !reported_) {
      reported_ = true;
      QTimer::singleShot(0, watched, [] {
        std::fputs("shown\n", stdout);
        std::fflush(stdout);
        QCoreApplication::quit();
      });
    }
    return false;
  }

 private:
  bool reported_ = false;
};

bool HasArgument(int argc, char** argv, const char* wanted) {
  for (int i = 1; i < argc; ++i) {
    if (std::strcmp(argv[i], wanted) == 0) return true;
  }
  return false;
}

std::vector<std::string> Utf8Arguments() {
  std::vector<std::string> arguments;
  for (const QString& argument : QCoreApplication::arguments())
    arguments.push_back(argument.toStdString());
  return arguments;
}

}  // namespace

bool DisplayAvailable(const char* display, const char* waylandDisplay, const char* qpaPlatform) {
  return Set(display) || Set(waylandDisplay) || Set(qpaPlatform);
}

int RunApplication(int argc, char** argv) {
  if (!DisplayAvailable(std::getenv("DISPLAY"), std::getenv("WAYLAND_DISPLAY"),
                        std::getenv("QT_QPA_PLATFORM"))) {
    std::fputs("quillbit: no display found (DISPLAY and WAYLAND_DISPLAY are not set)\n", stderr);
    return 1;
  }
  QApplication app(argc, argv);
  QApplication::setApplicationName(QStringLiteral("Quillbit"));
  // The desktop entry's id; under Wayland it is the window's app id, by which docks find the
  // entry, its name and its icon.
  QApplication::setDesktopFileName(QStringLiteral("org.example.quillbit.Quillbit"));
  // The program ends when neither of its windows is open.
  QApplication::setQuitOnLastWindowClosed(true);

  const std::unique_ptr<SettingsBackend> settings =
      MakeSettingsBackend(std::getenv("XDG_CONFIG_HOME"), std::getenv("HOME"));
  DesktopOpener opener;
  DesktopFiles files;
  DesktopPrograms programs;
  AboutDialogFactory aboutWindows(
      AppInfo{},
      AboutServices{
          .registry = settings->registry, .open = opener, .files = files, .programs = programs});
  AboutWindowSlot about(aboutWindows);
  MainWindow window(NumberLocaleFrom(QLocale::system()), AppInfo{}, settings->store, &about);
  QApplication::setWindowIcon(window.windowIcon());
  if (HasArgument(argc, argv, "--quit-when-shown")) new QuitWhenShown(window);
  // Logging out closes the windows like any other close, and so saves.
  const CloseOnTermination termination(window);
  QObject::connect(&app, &QGuiApplication::commitDataRequest, &window,
                   [&window] { CloseAllWindows(window); });
  window.Start();
  if (!window.isVisible()) return 0;
  if (const std::vector<std::string> projects = ProjectArguments(Utf8Arguments());
      !projects.empty())
    window.Model().OpenProjects(projects);
  return QApplication::exec();
}

}  // namespace quillbit
