#include "gui/key_preview.h"

#include <string>
#include <vector>

#include "tests/gui/gui_test_support.h"

namespace quillbit {
namespace {

struct KeyCase {
  int qtKey;
  Qt::KeyboardModifiers modifiers;
  int virtualKey;
};

class VirtualKeyCodeTest : public ::testing::TestWithParam<KeyCase> {};

TEST_P(VirtualKeyCodeTest, GivesTheWindowsCodeOfTheKey) {
  const KeyCase& c = GetParam();
  EXPECT_EQ(VirtualKeyCode(c.qtKey, c.modifiers), c.virtualKey);
}

INSTANTIATE_TEST_SUITE_P(
    Table, VirtualKeyCodeTest,
    ::testing::Values(
        KeyCase{Qt::Key_Shift, Qt::ShiftModifier, 16},
        KeyCase{Qt::Key_Control, Qt::ControlModifier, 17},
        KeyCase{Qt::Key_Alt, Qt::AltModifier, 18}, KeyCase{Qt::Key_Return, Qt::NoModifier, 13},
        KeyCase{Qt::Key_Enter, Qt::KeypadModifier, 13}, KeyCase{Qt::Key_Delete, Qt::NoModifier, 46},
        KeyCase{Qt::Key_Backspace, Qt::NoModifier, 8}, KeyCase{Qt::Key_Left, Qt::NoModifier, 37},
        KeyCase{Qt::Key_Up, Qt::NoModifier, 38}, KeyCase{Qt::Key_Right, Qt::NoModifier, 39},
        KeyCase{Qt::Key_Down, Qt::NoModifier, 40}, KeyCase{Qt::Key_A, Qt::NoModifier, 'A'},
        KeyCase{Qt::Key_Z, Qt::ShiftModifier, 'Z'}, KeyCase{Qt::Key_0, Qt::NoModifier, '0'},
        KeyCase{Qt::Key_9, Qt::NoModifier, '9'}, KeyCase{Qt::Key_7, Qt::KeypadModifier, 103},
        KeyCase{Qt::Key_Period, Qt::NoModifier, 190},
        KeyCase{Qt::Key_Period, Qt::KeypadModifier, 110},
        KeyCase{Qt::Key_Comma, Qt::NoModifier, 188},
        KeyCase{Qt::Key_Exclam, Qt::ShiftModifier, '1'}, KeyCase{Qt::Key_Tab, Qt::NoModifier, 9},
        KeyCase{Qt::Key_Escape, Qt::NoModifier, 27}, KeyCase{Qt::Key_F1, Qt::NoModifier, 112},
        KeyCase{Qt::Key_unknown, Qt::NoModifier, 0}));

struct MaskCase {
  QEvent::Type type;
  int key;
  Qt::KeyboardModifiers modifiers;
  int mask;
};

class ModifierMaskTest : public ::testing::TestWithParam<MaskCase> {};

TEST_P(ModifierMaskTest, ShiftOneCtrlTwoAltFour) {
  const MaskCase& c = GetParam();
  const QKeyEvent event(c.type, c.key, c.modifiers);
  EXPECT_EQ(ModifierMask(event), c.mask);
}

INSTANTIATE_TEST_SUITE_P(
    Table, ModifierMaskTest,
    ::testing::Values(
        MaskCase{QEvent::KeyPress, Qt::Key_A, Qt::NoModifier, 0},
        MaskCase{QEvent::KeyPress, Qt::Key_A, Qt::ShiftModifier, 1},
        MaskCase{QEvent::KeyPress, Qt::Key_A, Qt::ControlModifier | Qt::AltModifier, 6},
        MaskCase{QEvent::KeyPress, Qt::Key_A,
                 Qt::ShiftModifier | Qt::ControlModifier | Qt::AltModifier, 7},
        // The modifier being pressed is held, whatever the platform reported.
        MaskCase{QEvent::KeyPress, Qt::Key_Shift, Qt::NoModifier, 1},
        MaskCase{QEvent::KeyPress, Qt::Key_Control, Qt::NoModifier, 2},
        MaskCase{QEvent::KeyPress, Qt::Key_Alt, Qt::ShiftModifier, 5},
        // ...and the one being released is no longer held.
        MaskCase{QEvent::KeyRelease, Qt::Key_Shift, Qt::ShiftModifier, 0},
        MaskCase{QEvent::KeyRelease, Qt::Key_Alt, Qt::AltModifier | Qt::ControlModifier, 2}));

// Records the window's preview and the text box's own change, in the order they run.
class KeyPreviewTest : public testing::MainWindowTest {
 protected:
  void SetUp() override {
    StartAndActivate();
    ControlSet& controls = model().Controls();
    auto down = controls.onFormKeyDown;
    auto up = controls.onFormKeyUp;
    controls.onFormKeyDown = [this, down](int key, int shift) {
      log.push_back("down " + std::to_string(key) + " " + std::to_string(shift));
      if (down) down(key, shift);
    };
    controls.onFormKeyUp = [this, up](int key, int shift) {
      log.push_back("up " + std::to_string(key) + " " + std::to_string(shift));
      if (up) up(key, shift);
    };
    auto change = model().txtFrames.onChange;
    model().txtFrames.onChange = [this, change] {
      log.push_back("change " + model().txtFrames.Text());
      if (change) change();
    };
  }

  std::vector<std::string> log;
};

using Log = std::vector<std::string>;

TEST_F(KeyPreviewTest, SeesShiftWhileAListHasTheFocus) {
  QWidget* list = widget("cmbAudio");
  list->setFocus();
  ASSERT_EQ(QApplication::focusWidget(), list);
  QTest::keyPress(list, Qt::Key_Shift);
  QTest::keyRelease(list, Qt::Key_Shift);
  EXPECT_EQ(log, (Log{"down 16 1", "up 16 0"}));
}

TEST_F(KeyPreviewTest, RunsBeforeTheTextBoxHandlesTheKey) {
  QWidget* frames = widget("txtFrames");
  frames->setFocus();
  QTest::keyClick(frames, Qt::Key_5);
  EXPECT_EQ(log, (Log{"down 53 0", "change 5", "up 53 0"}));
}

TEST_F(KeyPreviewTest, ReportsTheFocusedControlToItsOwnKeyHandler) {
  std::vector<int> releases;
  model().txtSub.onKeyUp = [&](int key, int) { releases.push_back(key); };
  QWidget* sub = widget("txtSub");
  sub->setFocus();
  QTest::keyClick(sub, Qt::Key_1);
  QTest::keyClick(widget("txtFrames"), Qt::Key_1);  // not the focused box: sent to it, but not ours
  EXPECT_EQ(releases, (std::vector<int>{'1'}));
}

TEST_F(KeyPreviewTest, HoldingAKeyRepeatsKeyDownsAndReleasesOnce) {
  QWidget* frames = widget("txtFrames");
  frames->setFocus();
  const auto send = [frames](QEvent::Type type, bool repeat) {
    QKeyEvent event(type, Qt::Key_Right, Qt::NoModifier, QString(), repeat);
    QApplication::sendEvent(frames, &event);
  };
  send(QEvent::KeyPress, false);
  send(QEvent::KeyRelease, true);
  send(QEvent::KeyPress, true);
  send(QEvent::KeyRelease, true);
  send(QEvent::KeyPress, true);
  send(QEvent::KeyRelease, false);
  EXPECT_EQ(log, (Log{"down 39 0", "down 39 0", "down 39 0", "up 39 0"}));
}

TEST_F(KeyPreviewTest, AltAloneIsReleasedThoughTheMenuBarTakesTheFocus) {
  QWidget* frames = widget("txtFrames");
  frames->setFocus();
  QTest::keyPress(frames, Qt::Key_Alt);
  QTest::keyRelease(frames, Qt::Key_Alt);
  EXPECT_EQ(log, (Log{"down 18 4", "up 18 0"}));
}

TEST_F(KeyPreviewTest, SeesKeysInReadOnlyBoxes) {
  QWidget* fps = widget("txtFPS");
  fps->setFocus();
  QTest::keyClick(fps, Qt::Key_Delete);
  EXPECT_EQ(log, (Log{"down 46 0", "up 46 0"}));
}

TEST_F(KeyPreviewTest, ShiftMarksTheModifierIndicatorOnceTheHandlerExists) {
  QWidget* list = widget("cmbAudio");
  list->setFocus();
  QTest::keyPress(list, Qt::Key_Shift);
  const bool held = model().State().shiftHeld;
  QTest::keyRelease(list, Qt::Key_Shift);
  // The window's own key handlers decide; the view only has to keep the label in step.
  if (held) {
    EXPECT_FALSE(model().State().shiftHeld);
  }
  EXPECT_EQ(as<QLabel>("Label12")->text(), QString::fromStdString(model().Label12.Text()));
}

}  // namespace
}  // namespace quillbit
