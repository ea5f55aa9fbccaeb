// A person's keys and clicks as the widgets receive them.
#include "scenario_player/qt/person.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QPushButton>
#include <QTimer>

#include "core/control_set.h"
#include "gui/key_preview.h"
#include "scenario_player/core/key_names.h"
#include "scenario_player/core/modifier_hands.h"
#include "scenario_player/qt/message_watcher.h"

namespace quillbit::scenario {
namespace {

// Records every key press and release it is given, with the modifiers held.
class KeyLog : public QLineEdit {
 public:
  std::vector<std::string> keys;

 protected:
  void keyPressEvent(QKeyEvent* event) override {
    Log("+", event);
    QLineEdit::keyPressEvent(event);
  }
  void keyReleaseEvent(QKeyEvent* event) override {
    Log("-", event);
    QLineEdit::keyReleaseEvent(event);
  }

 private:
  void Log(const char* what, const QKeyEvent* event) {
    std::string entry = what + QKeySequence(event->key()).toString().toStdString();
    if (event->modifiers() & Qt::ShiftModifier) entry += "/s";
    if (event->modifiers() & Qt::ControlModifier) entry += "/c";
    keys.push_back(entry);
  }
};

class PersonTest : public ::testing::Test {
 protected:
  PersonTest() {
    box.show();
    QApplication::setActiveWindow(&box);
    box.setFocus();
  }
  KeyLog box;
  Person person;
  // The modifier keys held as the front end holds them, each key event going to the box.
  ModifierHands hands{[this](std::string_view key, bool press, int held) {
    person.KeyEvent(box, KeyByName(key).value(), press, held);
    return true;
  }};
};

// As on a desktop, a modifier key's own press reports it held and its release reports it let go.
TEST_F(PersonTest, AStrokeWithModifiersPressesThemFirstAndReleasesThemLast) {
  hands.Stroke("Down", kShiftMask | kCtrlMask);
  EXPECT_EQ(box.keys, (std::vector<std::string>{"+Shift/s", "+Control/s/c", "+Down/s/c",
                                                "-Down/s/c", "-Control/s", "-Shift"}));
}

TEST_F(PersonTest, HeldShiftMakesCapitals) {
  hands.Press(kShiftMask);
  hands.Stroke("A", 0);
  hands.Release(kShiftMask);
  hands.Stroke("B", 0);
  EXPECT_EQ(box.keys, (std::vector<std::string>{"+Shift/s", "+A/s", "-A/s", "-Shift", "+B", "-B"}));
  EXPECT_EQ(box.text(), "Ab");
}

TEST_F(PersonTest, TypingPressesAndReleasesAKeyPerCharacter) {
  person.Type(box, "1.5", 0);
  EXPECT_EQ(box.text(), "1.5");
  EXPECT_EQ(box.keys, (std::vector<std::string>{"+1", "-1", "+.", "-.", "+5", "-5"}));
}

TEST_F(PersonTest, KeysAreKnownByTheirQtNames) {
  EXPECT_EQ(KeyByName("Left"), Qt::Key_Left);
  EXPECT_EQ(KeyByName("A"), Qt::Key_A);
  EXPECT_EQ(KeyByName("Shift"), Qt::Key_Shift);
  EXPECT_FALSE(KeyByName("left"));
  EXPECT_FALSE(KeyByName("Key_Left"));
  EXPECT_FALSE(KeyByName(""));
}

// What a Windows front end will take by name, Qt takes too, as the same key.
TEST(KeyNames, AreQtKeysWithTheVirtualKeyCodeTheWindowsSee) {
  for (const KeyName& key : KeyNames()) {
    const std::optional<Qt::Key> qtKey = KeyByName(key.name);
    ASSERT_TRUE(qtKey) << key.name;
    EXPECT_EQ(VirtualKeyCode(*qtKey, Qt::NoModifier), key.virtualKey) << key.name;
  }
}

TEST_F(PersonTest, AnAccessKeyPressesItsButtonOnceItsClickIsShown) {
  QPushButton go("&Go", &box);
  int clicks = 0;
  QObject::connect(&go, &QPushButton::clicked, [&] { ++clicks; });
  go.show();
  hands.Stroke("G", kAltMask);
  EXPECT_EQ(clicks, 1);
  EXPECT_FALSE(go.isDown());
}

TEST(PersonPick, ChoosesTheItemOfANarrowListWithTheMouse) {
  QWidget window;
  QComboBox list(&window);
  list.setGeometry(10, 10, 40, 20);
  list.addItems({"Bytes", "KB", "MB", "GB"});
  list.setCurrentIndex(1);
  int activated = -1;
  QObject::connect(&list, &QComboBox::activated, [&](int index) { activated = index; });
  window.show();
  Person person;
  EXPECT_TRUE(person.Pick(list, 3, 0));
  EXPECT_EQ(activated, 3);
  EXPECT_EQ(list.currentText(), "GB");
  EXPECT_TRUE(person.Pick(list, 2, 0));
  EXPECT_EQ(list.currentText(), "MB");
}

TEST(PersonMenu, ChoosesAnItemThroughItsMenu) {
  QWidget window;
  QMenuBar bar(&window);
  QMenu* file = bar.addMenu("File");
  QAction* exit = file->addAction("Exit");
  int triggered = 0;
  QObject::connect(exit, &QAction::triggered, [&] { ++triggered; });
  window.show();
  Person person;
  EXPECT_TRUE(person.ChooseMenuItem(bar, {file->menuAction()}, *exit, 0));
  EXPECT_EQ(triggered, 1);
  EXPECT_FALSE(file->isVisible());
}

TEST(PersonMenu, ChoosesAnItemThroughAMenuWithinAMenu) {
  QWidget window;
  QMenuBar bar(&window);
  QMenu* tools = bar.addMenu("Tools");
  tools->addAction("Audio Tracks...");
  QMenu* destination = tools->addMenu("Destination");
  destination->addAction("DVD-R");
  QAction* dual = destination->addAction("DVD+R DL");
  int triggered = 0;
  QObject::connect(dual, &QAction::triggered, [&] { ++triggered; });
  window.show();
  Person person;
  EXPECT_TRUE(
      person.ChooseMenuItem(bar, {tools->menuAction(), destination->menuAction()}, *dual, 0));
  EXPECT_EQ(triggered, 1);
  EXPECT_FALSE(tools->isVisible());
  EXPECT_FALSE(destination->isVisible());
}

TEST(MessageWatcherTest, AnswersAMessageBoxWithOkAndKeepsItsCaptionAndText) {
  const MessageWatcher watcher;
  QMessageBox box(QMessageBox::NoIcon, "Quillbit", "Note", QMessageBox::Ok);
  EXPECT_EQ(box.exec(), QMessageBox::Ok);
  QMessageBox second(QMessageBox::NoIcon, "Other", "Two", QMessageBox::Ok);
  second.exec();
  ASSERT_EQ(watcher.Messages().size(), 2u);
  EXPECT_EQ(watcher.Messages()[0].caption, "Quillbit");
  EXPECT_EQ(watcher.Messages()[0].text, "Note");
  EXPECT_EQ(watcher.Messages()[1].text, "Two");
}

}  // namespace
}  // namespace quillbit::scenario
