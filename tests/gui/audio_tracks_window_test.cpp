// The Audio Tracks window over the main window: modal without an event loop of its own, run from
// the keyboard, gone once closed by any means.
#include "gui/audio_tracks_window.h"

#include <QAccessible>
#include <QPointer>
#include <QWindow>

#include "tests/gui/gui_test_support.h"

namespace quillbit {
namespace {

class AudioTracksWindowTest : public testing::MainWindowTest {
 protected:
  // "Tools" > "Audio Tracks..." as a person picks it; returns as soon as the window shows.
  AudioTracksDialog* Open() {
    if (!window->isVisible()) StartAndActivate();
    window->View().ActionFor("mnuAudioTracks")->trigger();
    AudioTracksDialog* dialog = window->AudioTracks();
    if (dialog != nullptr) QApplication::setActiveWindow(dialog);
    return dialog;
  }
  static QWidget* W(AudioTracksDialog& dialog, const char* name) {
    return dialog.View().WidgetFor(name);
  }
  // Lets the deferred deletion of a closed window run, as the event loop would.
  static void Settle() {
    QApplication::processEvents();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  }
  // Picks the list's next item with the keyboard, as a person does without opening it.
  static void PickNext(QWidget* list) {
    list->setFocus(Qt::TabFocusReason);
    QTest::keyClick(list, Qt::Key_Down);
  }
};

TEST_F(AudioTracksWindowTest, OpensWindowModalOverTheMainWindowInAFixedDialogFrame) {
  AudioTracksDialog* dialog = Open();
  ASSERT_NE(dialog, nullptr);
  EXPECT_TRUE(dialog->isVisible());
  EXPECT_EQ(dialog->parentWidget(), window.get());
  EXPECT_EQ(dialog->windowModality(), Qt::WindowModal);
  EXPECT_EQ(QGuiApplication::modalWindow(), dialog->windowHandle());
  EXPECT_EQ(dialog->windowTitle(), "Audio Tracks");
  EXPECT_EQ(dialog->windowType(), Qt::Dialog);
  EXPECT_TRUE(dialog->windowFlags() & Qt::WindowCloseButtonHint);
  EXPECT_FALSE(dialog->windowFlags() & Qt::WindowMinimizeButtonHint);
  EXPECT_FALSE(dialog->windowFlags() & Qt::WindowMaximizeButtonHint);
  EXPECT_EQ(dialog->minimumSize(), dialog->maximumSize());
  EXPECT_EQ(dialog->size(), QSize(545, 313));
}

TEST_F(AudioTracksWindowTest, FocusStartsInTheFirstTracksFormat) {
  AudioTracksDialog* dialog = Open();
  ASSERT_NE(dialog, nullptr);
  EXPECT_EQ(QApplication::focusWidget(), W(*dialog, "cmbFormat(0)"));
}

enum class Closing { Key, Click, CloseBox };

struct CloseCase {
  const char* name;
  Closing how;
  const char* target;  // the control with the focus, or clicked
  int key;
  bool accepted;
};

void PrintTo(const CloseCase& c, std::ostream* os) {
  *os << c.name;
}

class AudioTracksCloseTest : public AudioTracksWindowTest,
                             public ::testing::WithParamInterface<CloseCase> {};

TEST_P(AudioTracksCloseTest, ClosesAndOnlyOkHandsTheTracksOn) {
  const CloseCase& c = GetParam();
  QPointer<AudioTracksDialog> dialog = Open();
  ASSERT_NE(dialog, nullptr);
  PickNext(W(*dialog, "cmbFormat(0)"));
  ASSERT_EQ(dialog->Model().Tracks().size(), 1u);
  QWidget* target = W(*dialog, c.target);
  switch (c.how) {
    case Closing::Key:
      target->setFocus(Qt::TabFocusReason);
      QTest::keyClick(target, static_cast<Qt::Key>(c.key));
      break;
    case Closing::Click:
      QTest::mouseClick(target, Qt::LeftButton);
      break;
    case Closing::CloseBox: {
      QCloseEvent request;
      QCoreApplication::sendEvent(dialog->windowHandle(), &request);
      break;
    }
  }
  Settle();
  EXPECT_TRUE(dialog.isNull());
  EXPECT_EQ(window->AudioTracks(), nullptr);
  EXPECT_EQ(QGuiApplication::modalWindow(), nullptr);
  EXPECT_EQ(model().State().audioTracks.size(), c.accepted ? 1u : 0u);
  EXPECT_TRUE(window->isVisible());
  // The main window takes the focus back where the person left it.
  EXPECT_EQ(QApplication::activeWindow(), window.get());
  EXPECT_EQ(QApplication::focusWidget(), widget("txtFrames"));
}

INSTANTIATE_TEST_SUITE_P(
    Table, AudioTracksCloseTest,
    ::testing::Values(
        CloseCase{"EnterInAListIsOk", Closing::Key, "cmbBitrate(0)", Qt::Key_Return, true},
        CloseCase{"EnterOnOkIsOk", Closing::Key, "cmdOK", Qt::Key_Return, true},
        CloseCase{"EnterOnCancelIsCancel", Closing::Key, "cmdCancel", Qt::Key_Return, false},
        CloseCase{"EscInAListIsCancel", Closing::Key, "cmbFormat(0)", Qt::Key_Escape, false},
        CloseCase{"EscOnOkIsCancel", Closing::Key, "cmdOK", Qt::Key_Escape, false},
        CloseCase{"ClickOnOk", Closing::Click, "cmdOK", 0, true},
        CloseCase{"ClickOnCancel", Closing::Click, "cmdCancel", 0, false},
        CloseCase{"TheCloseBoxIsCancel", Closing::CloseBox, "cmdOK", 0, false}),
    [](const ::testing::TestParamInfo<CloseCase>& p) { return std::string(p.param.name); });

TEST_F(AudioTracksWindowTest, OkMakesTheTracksTheAudioRowsBytesAndItsTip) {
  StartAndActivate();
  QTest::keyClicks(widget("txtFrames"), "90000");
  AudioTracksDialog* dialog = Open();
  ASSERT_NE(dialog, nullptr);
  PickNext(W(*dialog, "cmbFormat(0)"));
  const QString total = qobject_cast<QLineEdit*>(W(*dialog, "txtTotal"))->text();
  EXPECT_FALSE(total.isEmpty());
  QTest::keyClick(W(*dialog, "cmbFormat(0)"), Qt::Key_Return);
  Settle();
  auto* audio = as<QLineEdit>("txtAudio");
  EXPECT_NE(audio->text(), "0");
  EXPECT_EQ(audio->text().toStdString(), model().txtAudio.Text());
  EXPECT_FALSE(audio->toolTip().isEmpty());
  EXPECT_EQ(audio->toolTip().toStdString(), model().txtAudio.ToolTip());
}

TEST_F(AudioTracksWindowTest, ClosingTheMainWindowCancelsTheOpenWindowAndSaves) {
  QPointer<AudioTracksDialog> dialog = Open();
  ASSERT_NE(dialog, nullptr);
  PickNext(W(*dialog, "cmbFormat(0)"));
  EXPECT_TRUE(window->close());
  Settle();
  EXPECT_TRUE(dialog.isNull());
  EXPECT_TRUE(model().State().audioTracks.empty());
  EXPECT_FALSE(model().Loaded());
  EXPECT_EQ(settings.writes, testing::kValuesSaved);
}

QString SpokenName(QWidget* widget) {
  QAccessibleInterface* face = QAccessible::queryAccessibleInterface(widget);
  return face != nullptr ? face->text(QAccessible::Name) : QString();
}

TEST_F(AudioTracksWindowTest, EachRowsListsAreNamedByTrackAndColumn) {
  AudioTracksDialog* dialog = Open();
  ASSERT_NE(dialog, nullptr);
  for (const char* array :
       {"cmbFormat", "cmbChannels", "cmbBitrate", "cmbSampleRate", "cmbBits", "txtTrackSize"}) {
    for (const int row : {0, 7}) {
      const std::string name = std::string(array) + "(" + std::to_string(row) + ")";
      SCOPED_TRACE(name);
      const QString spoken = SpokenName(W(*dialog, name.c_str()));
      EXPECT_TRUE(spoken.startsWith(QString("Track %1 ").arg(row + 1))) << spoken.toStdString();
    }
  }
  EXPECT_EQ(SpokenName(W(*dialog, "cmbFormat(0)")), "Track 1 format");
  EXPECT_EQ(SpokenName(W(*dialog, "cmbFormat(7)")), "Track 8 format");
  EXPECT_EQ(SpokenName(W(*dialog, "cmdOK")), "OK");
  EXPECT_EQ(SpokenName(W(*dialog, "cmdCancel")), "Cancel");
}

}  // namespace
}  // namespace quillbit
