#include "gui/main_window.h"

#include <QClipboard>
#include <QMenuBar>
#include <QTimer>

#include "gui/qt_host.h"
#include "tests/gui/gui_test_support.h"

namespace quillbit {
namespace {

using testing::MainWindowTest;

// The window as designed, before it loads.
struct Expected {
  const char* name;
  const char* text;
  double points;
  bool bold;
  bool readOnly;
  const char* tip;
};

constexpr const char* kTip = "Hold down SHIFT to convert";

constexpr Expected kControls[] = {
    {"Label12", "", 8.25, false, false, ""},
    {"Label8", "CCE Method:", 12, false, false, ""},
    {"cmbCCESet", "", 8.25, false, false, ""},
    {"Label1", "Total frames in movie:", 12, false, false, ""},
    {"txtFrames", "", 9.75, false, false, ""},
    {"Label2", "DVD2AVI:", 8.25, false, false, ""},
    {"optFormat(0)", "NTSC", 8.25, false, false, ""},
    {"optFormat(1)", "PAL", 8.25, false, false, ""},
    {"chkFF", "Forced FILM", 8.25, false, false, ""},
    {"txtFPS", "23.9759", 9.75, false, true, ""},
    {"Label11", "fps", 8.25, false, false, ""},
    {"Label9", "Audio file(s) total size:", 12, false, false, ""},
    {"txtAudio", "0", 9.75, false, false, ""},
    {"cmbAudio", "", 8.25, false, false, kTip},
    {"Label10", "Subtitle .bmp files size:", 12, false, false, ""},
    {"txtSub", "0", 9.75, false, false, ""},
    {"cmbSub", "", 8.25, false, false, kTip},
    {"Label6", "Cushion (authoring, etc):", 12, false, false, ""},
    {"txtCushion", "0", 9.75, false, false, ""},
    {"cmbCush", "", 8.25, false, false, kTip},
    {"Label20", "Destination size:", 12, false, false, ""},
    {"txtDiskSpace", "0", 9.75, false, false, ""},
    {"cmbDest", "", 8.25, false, false, kTip},
    {"lblSampleFrame", "1% Sample # frames:", 12, false, false, ""},
    {"txtSampleFrame", "0", 9.75, false, false, ""},
    {"lblSampPerc", "", 8.25, false, false, ""},
    {"lblSampleQ", "1% Sample Q Used: ", 12, false, false, ""},
    {"txtSampleQ", "0", 9.75, false, false, ""},
    {"lblSampleSize", "1% Sample Final Size:", 12, false, false, ""},
    {"txtSampleSize", "0", 9.75, false, false, ""},
    {"cmbSampleSize", "", 8.25, false, false, kTip},
    {"Frame1", "Use These Settings", 9.75, true, false, ""},
    {"Label7", "CCE Quality:", 12, false, false, ""},
    {"txtCCEQual", "5", 9.75, false, true, ""},
    {"Label5", "CCE Q:", 12, false, false, ""},
    {"txtCCEQ", "60", 9.75, false, true, ""},
    {"Label3", "CCE Max:", 12, false, false, ""},
    {"txtCCEMax", "8000", 9.75, false, true, ""},
    {"Label14", "kbps", 8.25, false, false, ""},
    {"Label4", "Recommended CCE Min:", 12, false, false, ""},
    {"txtCCEMin", "", 9.75, true, true, ""},
    {"Label13", "kbps", 8.25, false, false, ""},
    {"Frame2", "Other Info", 9.75, true, false, ""},
    {"Label15", "Movie Length:", 12, false, false, ""},
    {"txtLength", "", 9.75, false, true, ""},
    {"Label18", "Estimated output size:", 12, false, false, ""},
    {"txtM2VSize", "", 9.75, false, true, ""},
    {"cmbM2VSize", "", 8.25, false, false, ""},
};

QString TextOf(QWidget* w) {
  if (auto* label = qobject_cast<QLabel*>(w)) return label->text();
  if (auto* edit = qobject_cast<QLineEdit*>(w)) return edit->text();
  if (auto* button = qobject_cast<QAbstractButton*>(w)) return button->text();
  if (auto* frame = qobject_cast<QGroupBox*>(w)) return frame->title();
  if (auto* combo = qobject_cast<QComboBox*>(w)) return combo->currentText();
  return "?";
}

TEST_F(MainWindowTest, EveryControlIsCreatedWithItsTextFontTipAndReadOnlyState) {
  for (const Expected& e : kControls) {
    SCOPED_TRACE(e.name);
    QWidget* w = widget(e.name);
    ASSERT_NE(w, nullptr);
    EXPECT_EQ(w->objectName(), e.name);
    EXPECT_EQ(TextOf(w), QString::fromUtf8(e.text));
    EXPECT_DOUBLE_EQ(w->font().pointSizeF(), e.points);
    EXPECT_EQ(w->font().bold(), e.bold);
    EXPECT_EQ(w->toolTip(), QString::fromUtf8(e.tip));
    EXPECT_TRUE(w->isVisibleTo(window.get()));
    if (auto* edit = qobject_cast<QLineEdit*>(w)) {
      EXPECT_EQ(edit->isReadOnly(), e.readOnly);
    }
  }
  EXPECT_EQ(window->findChildren<QComboBox*>().size(), 7);
  EXPECT_EQ(window->findChildren<QLineEdit*>().size(), 15);
}

TEST_F(MainWindowTest, FramesHaveBoldItalicCaptionsAndHoldTheirControls) {
  for (const char* frame : {"Frame1", "Frame2"}) EXPECT_TRUE(widget(frame)->font().italic());
  EXPECT_EQ(widget("txtCCEMin")->parentWidget(), widget("Frame1"));
  EXPECT_EQ(widget("cmbM2VSize")->parentWidget(), widget("Frame2"));
  EXPECT_FALSE(widget("txtLength")->font().italic());
}

TEST_F(MainWindowTest, ControlsSitAtTheirTwipsPositionsInPixels) {
  StartAndActivate();
  const double scale = window->logicalDpiX() / 96.0;
  const auto px = [scale](int twips) {
    return static_cast<int>(std::lround(twips / 15.0 * scale));
  };
  EXPECT_EQ(widget("txtFrames")->geometry(), QRect(px(3120), px(480), px(2000), px(360)));
  EXPECT_EQ(widget("Frame1")->geometry(), QRect(px(240), px(3840), px(5895), px(1815)));
  EXPECT_EQ(widget("txtCCEMin")->geometry().topLeft(), QPoint(px(3000), px(1320)));
  // The designed client area and the limits line below it.
  EXPECT_EQ(window->centralWidget()->size(), QSize(px(6450), px(7470)));
}

TEST_F(MainWindowTest, ResizingMovesNoControl) {
  StartAndActivate();
  const QRect before = widget("txtM2VSize")->geometry();
  window->resize(window->width() + 200, window->height() + 150);
  QApplication::processEvents();
  EXPECT_EQ(widget("txtM2VSize")->geometry(), before);
  window->resize(200, 150);
  QApplication::processEvents();
  EXPECT_EQ(widget("txtM2VSize")->geometry(), before);
}

TEST_F(MainWindowTest, ColoursFollowTheDesktopPaletteAndTheGivenRgb) {
  const QPalette desktop = QApplication::palette();
  EXPECT_EQ(as<QLineEdit>("txtFPS")->palette().color(QPalette::Base), QColor(224, 224, 224));
  for (const char* result :
       {"txtCCEQual", "txtCCEQ", "txtCCEMax", "txtCCEMin", "txtLength", "txtM2VSize"}) {
    SCOPED_TRACE(result);
    EXPECT_EQ(as<QLineEdit>(result)->palette().color(QPalette::Base),
              desktop.color(QPalette::Button));
  }
  EXPECT_EQ(as<QLineEdit>("txtFrames")->palette().color(QPalette::Base),
            desktop.color(QPalette::Base));
  EXPECT_EQ(as<QLineEdit>("txtCCEMin")->palette().color(QPalette::Text), QColor(0, 0, 255));
  EXPECT_EQ(as<QLineEdit>("txtCCEQ")->palette().color(QPalette::Text),
            desktop.color(QPalette::WindowText));
  EXPECT_EQ(as<QLabel>("Label1")->palette().color(QPalette::WindowText),
            desktop.color(QPalette::WindowText));
}

TEST_F(MainWindowTest, CaptionLabelsAreRightAlignedAndDvd2AviCentred) {
  EXPECT_TRUE(as<QLabel>("Label1")->alignment() & Qt::AlignRight);
  EXPECT_TRUE(as<QLabel>("Label2")->alignment() & Qt::AlignHCenter);
  EXPECT_TRUE(as<QLabel>("Label11")->alignment() & Qt::AlignLeft);
}

TEST_F(MainWindowTest, ListsArePickOnlyAndTheOptionsFormOneGroup) {
  for (QComboBox* combo : window->findChildren<QComboBox*>()) EXPECT_FALSE(combo->isEditable());
  EXPECT_EQ(as<QRadioButton>("optFormat(0)")->group(), as<QRadioButton>("optFormat(1)")->group());
  EXPECT_NE(as<QRadioButton>("optFormat(0)")->group(), nullptr);
}

TEST_F(MainWindowTest, StartsWithTheCaptionAndTheFocusInTheFrameCount) {
  StartAndActivate();
  EXPECT_TRUE(window->windowTitle().startsWith("Quillbit"));
  EXPECT_EQ(window->windowTitle(), QString::fromStdString(model().Caption()));
  EXPECT_EQ(QApplication::focusWidget(), widget("txtFrames"));
  EXPECT_FALSE(window->windowIcon().isNull());
  ExpectWidgetsMatchModel();
}

TEST_F(MainWindowTest, TabVisitsTheControlsInTabOrderSkippingHiddenOnes) {
  StartAndActivate();
  // Tab numbers of the controls that take the focus, hidden ones removed.
  std::vector<std::pair<int, QWidget*>> expected;
  for (const Control& c : model().Controls().All()) {
    QWidget* w = widget(c.Name().c_str());
    if (w == nullptr || c.Design().tab < 0 || !(w->focusPolicy() & Qt::TabFocus) || !c.Visible())
      continue;
    expected.emplace_back(c.Design().tab, w);
  }
  std::sort(expected.begin(), expected.end());
  QWidget* current = QApplication::focusWidget();
  ASSERT_EQ(current, expected.front().second);
  for (size_t i = 1; i < expected.size(); ++i) {
    QTest::keyClick(current, Qt::Key_Tab);
    current = QApplication::focusWidget();
    // Qt tabs into an option group at its selected button only, as Windows does.
    while (qobject_cast<QRadioButton*>(expected[i].second) != nullptr &&
           !qobject_cast<QRadioButton*>(expected[i].second)->isChecked() &&
           current != expected[i].second && i + 1 < expected.size()) {
      ++i;
    }
    ASSERT_EQ(current, expected[i].second) << "after " << i << " tabs";
  }
}

TEST_F(MainWindowTest, TypingTheFrameCountReachesTheModelAndTheOutputsShow) {
  StartAndActivate();
  const int runs = model().CalcRuns();
  QTest::keyClicks(widget("txtFrames"), "90000");
  EXPECT_EQ(model().txtFrames.Text(), "90000");
  EXPECT_EQ(model().CalcRuns(), runs + 5);
  EXPECT_FALSE(model().txtLength.Text().empty());
  ExpectWidgetsMatchModel();
}

TEST_F(MainWindowTest, AChangeByCodeShowsWithoutRunningItsHandlerTwice) {
  StartAndActivate();
  const int runs = model().CalcRuns();
  model().txtFrames.SetText("1234");
  EXPECT_EQ(model().CalcRuns(), runs + 1);
  EXPECT_EQ(as<QLineEdit>("txtFrames")->text(), "1234");
  model().txtFPS.SetText("25");
  EXPECT_EQ(model().CalcRuns(), runs + 2);
  EXPECT_EQ(as<QLineEdit>("txtFPS")->text(), "25");
  ExpectWidgetsMatchModel();
}

TEST_F(MainWindowTest, PickingAUnitWithTheKeyboardReachesTheModel) {
  StartAndActivate();
  Control& unit = model().cmbM2VSize;
  if (unit.Items().empty()) {
    for (const char* item : {"Bytes", "KB", "MB", "GB"}) unit.AddItem(item);
  }
  auto* combo = as<QComboBox>("cmbM2VSize");
  combo->setFocus();
  QTest::keyClick(combo, Qt::Key_Home);
  QTest::keyClick(combo, Qt::Key_Down);
  EXPECT_EQ(unit.ListIndex(), 1);
  EXPECT_EQ(unit.Text(), "KB");
  ExpectWidgetsMatchModel();
}

TEST_F(MainWindowTest, SizeBoxKeyReleaseKeepsWidgetsAndModelInStep) {
  StartAndActivate();
  QTest::keyClicks(widget("txtFrames"), "90000");
  QWidget* audio = widget("txtAudio");
  audio->setFocus();
  QTest::keyClick(audio, Qt::Key_A, Qt::ControlModifier);
  QTest::keyClicks(audio, "448");
  EXPECT_EQ(model().txtAudio.Text(), "448");
  ExpectWidgetsMatchModel();
}

TEST_F(MainWindowTest, HoldingShiftWhilePickingAUnitConvertsTheShownNumber) {
  StartAndActivate();
  ASSERT_FALSE(model().cmbSub.Items().empty());
  model().cmbSub.SetText("MB");
  QWidget* box = widget("txtSub");
  box->setFocus();
  QTest::keyClick(box, Qt::Key_A, Qt::ControlModifier);
  QTest::keyClicks(box, "700");
  EXPECT_DOUBLE_EQ(model().State().bytes_sub, 700.0 * 1048576);

  auto* list = as<QComboBox>("cmbSub");
  list->setFocus();
  QTest::keyPress(list, Qt::Key_Shift);
  EXPECT_EQ(as<QLabel>("Label12")->text(), "Shift");
  const int runs = model().CalcRuns();
  QTest::keyClick(list, Qt::Key_Down, Qt::ShiftModifier);  // MB to GB, Shift released at the end
  EXPECT_EQ(list->currentText(), "GB");
  EXPECT_EQ(as<QLineEdit>("txtSub")->text(), "0.6836");
  EXPECT_DOUBLE_EQ(model().State().bytes_sub, 700.0 * 1048576);
  EXPECT_EQ(model().CalcRuns(), runs);
  EXPECT_EQ(as<QLabel>("Label12")->text(), "");
  ExpectWidgetsMatchModel();
}

TEST_F(MainWindowTest, PastingAHundredThousandCharactersKeepsModelAndWidgetEqual) {
  StartAndActivate();
  const QString big(100000, QChar('7'));
  QApplication::clipboard()->setText(big);
  for (const char* name : {"txtFrames", "txtAudio"}) {
    SCOPED_TRACE(name);
    QWidget* box = widget(name);
    box->setFocus();
    QTest::keyClick(box, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClick(box, Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(as<QLineEdit>(name)->text().size(), 100000);
  }
  EXPECT_EQ(model().txtFrames.Text().size(), 100000u);
  ExpectWidgetsMatchModel();
}

TEST_F(MainWindowTest, TypingIntoReadOnlyBoxesChangesNothing) {
  StartAndActivate();
  for (const char* name :
       {"txtFPS", "txtCCEQual", "txtCCEQ", "txtCCEMax", "txtCCEMin", "txtLength", "txtM2VSize"}) {
    SCOPED_TRACE(name);
    const std::string before = model().Get(name).Text();
    const int runs = model().CalcRuns();
    QWidget* box = widget(name);
    box->setFocus();
    QTest::keyClicks(box, "12x");
    QTest::keyClick(box, Qt::Key_Backspace);
    QTest::keyClick(box, Qt::Key_Delete);
    EXPECT_EQ(model().Get(name).Text(), before);
    EXPECT_EQ(model().CalcRuns(), runs);
  }
  ExpectWidgetsMatchModel();
}

TEST_F(MainWindowTest, ClosingTheWindowSavesOnceAndUnloads) {
  StartAndActivate();
  QTest::keyClicks(widget("txtFrames"), "90000");
  EXPECT_TRUE(model().Loaded());
  EXPECT_TRUE(window->close());
  EXPECT_FALSE(model().Loaded());
  EXPECT_FALSE(window->isVisible());
  EXPECT_EQ(settings.Read("txtFrames"), SettingValue::Text("90000"));
  const int writes = settings.writes;
  EXPECT_EQ(writes, testing::kValuesSaved);
  window->close();
  EXPECT_EQ(settings.writes, writes);
}

TEST_F(MainWindowTest, FileExitSavesOnceAndClosesTheWindow) {
  StartAndActivate();
  window->View().ActionFor("mnuExit")->trigger();
  EXPECT_FALSE(model().Loaded());
  EXPECT_FALSE(window->isVisible());
  EXPECT_EQ(settings.writes, testing::kValuesSaved);
}

TEST_F(MainWindowTest, HelpAboutLeavesTheMainWindowOpen) {
  StartAndActivate();
  window->View().ActionFor("mnuAbout")->trigger();
  EXPECT_TRUE(window->isVisible());
  EXPECT_TRUE(model().Loaded());
}

// While alive, dismisses whatever modal box comes up, after running `inside` in its event loop.
class ModalCloser {
 public:
  explicit ModalCloser(std::function<void()> inside) : inside_(std::move(inside)) {
    QObject::connect(&poll_, &QTimer::timeout, &poll_, [this] {
      QWidget* modal = QApplication::activeModalWidget();
      if (modal == nullptr) return;
      poll_.stop();
      inside_();
      modal->close();
    });
    poll_.start(10);
  }

 private:
  std::function<void()> inside_;
  QTimer poll_;
};

TEST_F(MainWindowTest, ClosingTheWindowDuringAMessageBoxNeitherCrashesNorHangs) {
  StartAndActivate();
  const ModalCloser closer([this] { window->close(); });
  QtMessageBox box(window.get());
  box.ShowMessage("Quillbit", "Note");
  EXPECT_FALSE(window->isVisible());
  EXPECT_FALSE(model().Loaded());
}

TEST_F(MainWindowTest, ThePalNoteCanBeDismissedWhileTheWindowCloses) {
  StartAndActivate();
  bool closedDuringBox = false;
  const ModalCloser closer([&] {
    closedDuringBox = true;
    window->close();
  });
  QTest::mouseClick(widget("optFormat(1)"), Qt::LeftButton);
  QTest::qWait(50);
  // With the note shown the window closed under it; without it the window is still open.
  EXPECT_EQ(window->isVisible(), !closedDuringBox);
  EXPECT_EQ(model().Loaded(), !closedDuringBox);
  if (QWidget* modal = QApplication::activeModalWidget()) modal->close();
}

TEST_F(MainWindowTest, ANoteDuringStartUpComesBeforeTheWindowWhichThenOpens) {
  // A stored PAL with "Single Pass VBR" chosen brings the PAL note while the window loads.
  settings.CreateKey();
  settings.Write("optFormat", "True");
  int notes = 0;
  const ModalCloser closer([&] {
    ++notes;
    EXPECT_FALSE(window->isVisible());
  });
  StartAndActivate();
  EXPECT_EQ(notes, 1);
  EXPECT_TRUE(window->isVisible());
  EXPECT_TRUE(model().Loaded());
  ExpectWidgetsMatchModel();
}

}  // namespace
}  // namespace quillbit
