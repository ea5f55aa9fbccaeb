// Opens the main window, fills in a worked example as a person would (keys and clicks through
// the widgets), and saves the window as a PNG; given a second file, also opens "Tools" >
// "Audio Tracks...", chooses a few tracks and saves that window:
// quillbit_screenshot MAIN.png [AUDIO_TRACKS.png]
#include <QApplication>
#include <QComboBox>
#include <QTest>
#include <cstdio>

#include "gui/main_window.h"
#include "gui/memory_settings_store.h"

namespace {

using quillbit::MainWindow;

QWidget* Widget(const quillbit::FormView& view, const char* name) {
  QWidget* widget = view.WidgetFor(name);
  if (widget == nullptr) std::fprintf(stderr, "quillbit_screenshot: no control %s\n", name);
  return widget;
}

QWidget* Widget(MainWindow& window, const char* name) {
  return Widget(window.View(), name);
}

void Type(MainWindow& window, const char* name, const char* text) {
  QWidget* box = Widget(window, name);
  if (box == nullptr) return;
  box->setFocus(Qt::TabFocusReason);
  QTest::keyClick(box, Qt::Key_A, Qt::ControlModifier);
  QTest::keyClicks(box, QString::fromUtf8(text));
}

void Click(MainWindow& window, const char* name) {
  if (QWidget* widget = Widget(window, name)) QTest::mouseClick(widget, Qt::LeftButton);
}

// Picks the first item that starts with `item` with the arrow keys, the way a person does
// without opening the list.
void Pick(const quillbit::FormView& view, const char* name, const char* item) {
  auto* list = qobject_cast<QComboBox*>(Widget(view, name));
  if (list == nullptr) return;
  const int wanted = list->findText(QString::fromUtf8(item), Qt::MatchStartsWith);
  if (wanted < 0) {
    std::fprintf(stderr, "quillbit_screenshot: %s has no item %s\n", name, item);
    return;
  }
  list->setFocus(Qt::TabFocusReason);
  while (list->currentIndex() < wanted) QTest::keyClick(list, Qt::Key_Down);
  while (list->currentIndex() > wanted) QTest::keyClick(list, Qt::Key_Up);
}

void Pick(MainWindow& window, const char* name, const char* item) {
  Pick(window.View(), name, item);
}

bool Save(QWidget& window, const char* path) {
  if (window.grab().save(QString::fromLocal8Bit(path))) return true;
  std::fprintf(stderr, "quillbit_screenshot: cannot write %s\n", path);
  return false;
}

// A feature film's usual audio: 5.1 and a stereo commentary in AC-3, and the stereo original
// uncompressed.
bool SaveAudioTracks(MainWindow& window, const char* path) {
  window.View().ActionFor("mnuAudioTracks")->trigger();
  quillbit::AudioTracksDialog* dialog = window.AudioTracks();
  if (dialog == nullptr || !QTest::qWaitForWindowExposed(dialog)) {
    std::fputs("quillbit_screenshot: the Audio Tracks window was not shown\n", stderr);
    return false;
  }
  const quillbit::FormView& view = dialog->View();
  Pick(view, "cmbFormat(0)", "AC-3");
  Pick(view, "cmbChannels(0)", "6");
  Pick(view, "cmbBitrate(0)", "448");
  Pick(view, "cmbFormat(1)", "AC-3");
  Pick(view, "cmbChannels(1)", "2");
  Pick(view, "cmbBitrate(1)", "192");
  Pick(view, "cmbFormat(2)", "LPCM");
  Widget(view, "cmbFormat(0)")->setFocus(Qt::MouseFocusReason);
  QTest::qWait(50);
  return Save(*dialog, path);
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 2 && argc != 3) {
    std::fputs("usage: quillbit_screenshot MAIN.png [AUDIO_TRACKS.png]\n", stderr);
    return 2;
  }
  QApplication app(argc, argv);
  quillbit::MemorySettingsStore settings;
  MainWindow window(quillbit::NumberLocale::EnglishUS(), quillbit::AppInfo{}, settings);
  window.Start();
  window.activateWindow();
  if (!QTest::qWaitForWindowExposed(&window)) {
    std::fputs("quillbit_screenshot: the window was not shown\n", stderr);
    return 1;
  }
  // A PAL film of an hour, encoded multi-pass to fill a single-layer DVD beside its audio.
  Pick(window, "cmbCCESet", "Multi-Pass VBR");
  Type(window, "txtFrames", "90000");
  Click(window, "optFormat(1)");
  Type(window, "txtAudio", "172800");
  Pick(window, "cmbAudio", "KB");
  Type(window, "txtSub", "12");
  Pick(window, "cmbSub", "MB");
  Pick(window, "cmbM2VSize", "MB");
  Widget(window, "txtFrames")->setFocus(Qt::MouseFocusReason);
  QTest::qWait(50);
  if (!Save(window, argv[1])) return 1;
  if (argc == 3 && !SaveAudioTracks(window, argv[2])) return 1;
  return 0;
}
