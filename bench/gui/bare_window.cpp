// The yardstick for start-up: plain Qt, a main window with a menu and the same number of widgets
// of each kind as Quillbit's main window, placed by hand. Prints "shown" once painted, then quits.
#include <QApplication>
#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMainWindow>
#include <QMenuBar>
#include <QRadioButton>
#include <QTimer>
#include <cstdio>

namespace {

class ReportPaint : public QObject {
 protected:
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (event->type() == QEvent::Paint && !done_) {
      done_ = true;
      QTimer::singleShot(0, watched, [] {
        std::fputs("shown\n", stdout);
        std::fflush(stdout);
        QCoreApplication::quit();
      });
    }
    return false;
  }

 private:
  bool done_ = false;
};

QPoint Cell(int index) {
  return {8 + (index % 3) * 140, 8 + (index / 3) * 28};
}

}  // namespace

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  QMainWindow window;
  window.setWindowTitle("Bare");
  QMenu* file = window.menuBar()->addMenu("File");
  file->addAction("Exit");
  QMenu* help = window.menuBar()->addMenu("Help");
  help->addAction("About");
  auto* client = new QWidget;
  window.setCentralWidget(client);

  int cell = 0;
  const auto place = [&cell](QWidget* w) {
    w->setGeometry(QRect(Cell(cell++), QSize(130, 24)));
    return w;
  };
  auto* frame1 = new QGroupBox("Frame one", client);
  auto* frame2 = new QGroupBox("Frame two", client);
  place(frame1);
  place(frame2);
  for (int i = 0; i < 21; ++i) place(new QLabel(QString("Label %1:").arg(i), client));
  for (int i = 0; i < 15; ++i) place(new QLineEdit(QString::number(i), client));
  for (int i = 0; i < 7; ++i) {
    auto* list = new QComboBox(client);
    list->addItems({"Bytes", "KB", "MB", "GB"});
    place(list);
  }
  auto* group = new QButtonGroup(client);
  for (const char* text : {"NTSC", "PAL"}) {
    auto* option = new QRadioButton(text, client);
    group->addButton(option);
    place(option);
  }
  place(new QCheckBox("Forced FILM", client));

  window.resize(430, 500);
  window.installEventFilter(new ReportPaint);
  window.show();
  return QApplication::exec();
}
