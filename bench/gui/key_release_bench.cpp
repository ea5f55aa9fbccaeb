// From a key release in a size box to every output widget updated: the key goes through the
// application's event delivery (key preview, the box's own handler, calc, the widgets).
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QLineEdit>
#include <QTest>
#include <memory>

#include "gui/main_window.h"
#include "gui/memory_settings_store.h"

namespace {

using quillbit::MainWindow;

struct Fixture {
  Fixture() {
    if (QApplication::instance() == nullptr) {
      if (qEnvironmentVariableIsEmpty("DISPLAY") &&
          qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
      }
      app = std::make_unique<QApplication>(argc, argv);
    }
    window = std::make_unique<MainWindow>(quillbit::NumberLocale::EnglishUS(), quillbit::AppInfo{},
                                          settings);
    window->Start();
    QTest::keyClicks(window->View().WidgetFor("txtFrames"), "90000");
    box = window->View().WidgetFor("txtAudio");
    box->setFocus();
    QApplication::processEvents();
  }

  int argc = 1;
  char name[16] = "bench";
  char* argv[2] = {name, nullptr};
  std::unique_ptr<QApplication> app;
  quillbit::MemorySettingsStore settings;
  std::unique_ptr<MainWindow> window;
  QWidget* box = nullptr;
};

Fixture& Shared() {
  static Fixture fixture;
  return fixture;
}

// Each release re-reads the box: alternately "4481" and "448" (typed 1, then Backspace).
void Release(QWidget* box, int key) {
  QKeyEvent release(QEvent::KeyRelease, key, Qt::NoModifier);
  QApplication::sendEvent(box, &release);
}

void BM_SizeBoxKeyReleaseUpdatesOutputs(benchmark::State& state) {
  Fixture& f = Shared();
  auto& model = f.window->Model();
  model.txtAudio.SetText("448");
  int round = 0;
  const int runsBefore = model.CalcRuns();
  for (auto _ : state) {
    state.PauseTiming();
    const bool grow = (round++ % 2) == 0;
    QTest::keyPress(f.box, grow ? Qt::Key_1 : Qt::Key_Backspace);
    state.ResumeTiming();
    Release(f.box, grow ? Qt::Key_1 : Qt::Key_Backspace);
  }
  // One recalculation per release shows that the release reached the box's handler.
  state.counters["calc_per_release"] = static_cast<double>(model.CalcRuns() - runsBefore) / round;
}
BENCHMARK(BM_SizeBoxKeyReleaseUpdatesOutputs)->Unit(benchmark::kMicrosecond);

// The same, with the repaint of the changed widgets that follows.
void BM_SizeBoxKeyReleaseAndRepaint(benchmark::State& state) {
  Fixture& f = Shared();
  int round = 0;
  for (auto _ : state) {
    state.PauseTiming();
    const bool grow = (round++ % 2) == 0;
    QTest::keyPress(f.box, grow ? Qt::Key_1 : Qt::Key_Backspace);
    QApplication::processEvents();
    state.ResumeTiming();
    Release(f.box, grow ? Qt::Key_1 : Qt::Key_Backspace);
    QApplication::processEvents();
  }
}
BENCHMARK(BM_SizeBoxKeyReleaseAndRepaint)->Unit(benchmark::kMicrosecond);

}  // namespace
