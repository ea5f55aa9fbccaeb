// From a key release in a size box to every output widget updated: the key goes through the
// application's event delivery (key preview, the box's own handler, calc, the widgets).
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QLineEdit>
#include <QTest>
#include <memory>
#include <string>
#include <vector>

#include "core/audio_tracks.h"
#include "gui/main_window.h"
#include "gui/memory_settings_store.h"

namespace {

using quillbit::MainWindow;

// Eight tracks, DVD-Video's most, of every format.
std::vector<quillbit::AudioTrack> EightTracks() {
  using quillbit::AudioFormat;
  using quillbit::AudioTrack;
  return {AudioTrack{.format = AudioFormat::Ac3, .bitRate = 448000, .channels = 6},
          AudioTrack{.format = AudioFormat::Ac3, .bitRate = 192000, .channels = 2},
          AudioTrack{.format = AudioFormat::Dts, .bitRate = 754500, .channels = 6},
          quillbit::LpcmTrack(48000, 16, 2),
          AudioTrack{.format = AudioFormat::Mp2, .bitRate = 224000, .channels = 2},
          AudioTrack{.format = AudioFormat::Ac3, .bitRate = 384000, .channels = 6},
          AudioTrack{.format = AudioFormat::Ac3, .bitRate = 96000, .channels = 1},
          AudioTrack{.format = AudioFormat::Mp2, .bitRate = 192000, .channels = 2}};
}

// Without a display the windows are drawn offscreen; decided before the application starts.
bool ChoosePlatform() {
  if (!qEnvironmentVariableIsEmpty("DISPLAY") || !qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY"))
    return false;
  qputenv("QT_QPA_PLATFORM", "offscreen");
  return true;
}

// The application, made before the windows and gone after them.
struct App {
  bool offscreen = ChoosePlatform();
  int argc = 1;
  char name[16] = "bench";
  char* argv[2] = {name, nullptr};
  QApplication app{argc, argv};
};

struct Fixture {
  // `tracks`: the audio is eight tracks that follow the length, as OK in the Audio Tracks window
  // leaves it; the size box is then the subtitles' (typing in the audio box would end the link).
  explicit Fixture(bool tracks)
      : window(std::make_unique<MainWindow>(quillbit::NumberLocale::EnglishUS(),
                                            quillbit::AppInfo{}, settings)) {
    window->Start();
    QTest::keyClicks(window->View().WidgetFor("txtFrames"), "90000");
    if (tracks) window->Model().AudioTracksChosen(EightTracks());
    box = window->View().WidgetFor(tracks ? "txtSub" : "txtAudio");
    box->setFocus();
    QApplication::processEvents();
  }

  quillbit::MemorySettingsStore settings;
  std::unique_ptr<MainWindow> window;
  QWidget* box = nullptr;
};

// Both windows in one object, so that they go in a known order, before the application.
struct Windows {
  App app;
  Fixture plain{false};
  Fixture tracks{true};
};

Windows& Shared() {
  static Windows windows;
  return windows;
}

// Each release re-reads the box: alternately "4481" and "448" (typed 1, then Backspace).
void Release(QWidget* box, int key) {
  QKeyEvent release(QEvent::KeyRelease, key, Qt::NoModifier);
  QApplication::sendEvent(box, &release);
}

// Times the releases alone, each after an untimed press: alternately 1 typed and Backspace, so
// that the box reads "4481" and "448" in turn. `repaint` lets the changed widgets paint after
// each. Gives the number of releases.
int TimeReleases(benchmark::State& state, QWidget* box, bool repaint) {
  int round = 0;
  for (auto _ : state) {
    state.PauseTiming();
    const int key = (round++ % 2) == 0 ? Qt::Key_1 : Qt::Key_Backspace;
    QTest::keyPress(box, static_cast<Qt::Key>(key));
    if (repaint) QApplication::processEvents();
    state.ResumeTiming();
    Release(box, key);
    if (repaint) QApplication::processEvents();
  }
  return round;
}

void BM_SizeBoxKeyReleaseUpdatesOutputs(benchmark::State& state) {
  Fixture& f = Shared().plain;
  auto& model = f.window->Model();
  model.txtAudio.SetText("448");
  const int runsBefore = model.CalcRuns();
  const int round = TimeReleases(state, f.box, false);
  // One recalculation per release shows that the release reached the box's handler.
  state.counters["calc_per_release"] = static_cast<double>(model.CalcRuns() - runsBefore) / round;
}
BENCHMARK(BM_SizeBoxKeyReleaseUpdatesOutputs)->Unit(benchmark::kMicrosecond);

// The same, with the repaint of the changed widgets that follows.
void BM_SizeBoxKeyReleaseAndRepaint(benchmark::State& state) {
  TimeReleases(state, Shared().plain.box, true);
}
BENCHMARK(BM_SizeBoxKeyReleaseAndRepaint)->Unit(benchmark::kMicrosecond);

// A size box's release with eight tracks standing for the audio: calc sums their bitrates for
// the limits line besides everything else.
void BM_SizeBoxKeyReleaseWithEightTracks(benchmark::State& state) {
  Fixture& f = Shared().tracks;
  auto& model = f.window->Model();
  model.txtSub.SetText("12");
  const int runsBefore = model.CalcRuns();
  const int round = TimeReleases(state, f.box, false);
  state.counters["calc_per_release"] = static_cast<double>(model.CalcRuns() - runsBefore) / round;
  state.counters["tracks"] = static_cast<double>(model.State().audioTracks.size());
}
BENCHMARK(BM_SizeBoxKeyReleaseWithEightTracks)->Unit(benchmark::kMicrosecond);

// A key in the frame count with eight tracks linked: the eight tracks are sized again for the
// new length before calc runs. The count acts on the key itself, so the press and release are
// both timed.
void BM_FrameCountKeyResizesEightTracks(benchmark::State& state) {
  Fixture& f = Shared().tracks;
  auto& model = f.window->Model();
  QWidget* frames = f.window->View().WidgetFor("txtFrames");
  frames->setFocus();
  int round = 0;
  const int runsBefore = model.CalcRuns();
  const std::string audioBefore = model.txtAudio.Text();
  bool audioFollowed = true;
  for (auto _ : state) {
    const bool grow = (round++ % 2) == 0;
    QTest::keyClick(frames, grow ? Qt::Key_1 : Qt::Key_Backspace);
    state.PauseTiming();
    if (grow && model.txtAudio.Text() == audioBefore) audioFollowed = false;
    state.ResumeTiming();
  }
  state.counters["calc_per_key"] = static_cast<double>(model.CalcRuns() - runsBefore) / round;
  state.counters["audio_followed"] = audioFollowed ? 1 : 0;
}
BENCHMARK(BM_FrameCountKeyResizesEightTracks)->Unit(benchmark::kMicrosecond);

}  // namespace
