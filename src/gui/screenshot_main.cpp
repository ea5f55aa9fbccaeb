// Opens the main window, fills in a worked example as a person would (keys and clicks through
// the widgets), and saves the window as a PNG: quillbit_screenshot OUT.png
#include <QApplication>
#include <QComboBox>
#include <QTest>
#include <cstdio>

#include "gui/main_window.h"
#include "gui/memory_settings_store.h"

namespace {

using quillbit::MainWindow;

QWidget* Widget(MainWindow& window, const char* name) {
  QWidget* widget = window.View().WidgetFor(name);
  if (widget == nullptr) std::fprintf(stderr, "quillbit_screenshot: no control %s\n", name);
  return widget;
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

// Picks an item with the arrow keys, the way a person does without opening the list.
void Pick(MainWindow& window, const char* name, const char* item) {
  auto* list = qobject_cast<QComboBox*>(Widget(window, name));
  if (list == nullptr) return;
  const int wanted = list->findText(QString::fromUtf8(item));
  if (wanted < 0) {
    std::fprintf(stderr, "quillbit_screenshot: %s has no item %s\n", name, item);
    return;
  }
  list->setFocus(Qt::TabFocusReason);
  while (list->currentIndex() < wanted) QTest::keyClick(list, Qt::Key_Down);
  while (list->currentIndex() > wanted) QTest::keyClick(list, Qt::Key_Up);
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fputs("usage: quillbit_screenshot OUT.png\n", stderr);
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
  if (!window.grab().save(QString::fromLocal8Bit(argv[1]))) {
    std::fprintf(stderr, "quillbit_screenshot: cannot write %s\n", argv[1]);
    return 1;
  }
  return 0;
}
