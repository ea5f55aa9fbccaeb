// The generic view on a window of its own making: every kind of control, bound by kind alone.
#include "gui/form_view.h"

#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

#include "gui/line_widget.h"

namespace quillbit {
namespace {

std::vector<ControlDesign> Specs() {
  return {
      {.name = "lblTitle",
       .kind = ControlKind::Label,
       .text = "Title",
       .rect = {150, 150, 1500, 300},
       .align = Align::Right},
      {.name = "txtName",
       .kind = ControlKind::TextBox,
       .text = "x",
       .rect = {150, 600, 1500, 360},
       .tab = 0},
      {.name = "cmbPick", .kind = ControlKind::List, .rect = {150, 1050, 1500, 315}, .tab = 1},
      {.name = "fraBox",
       .kind = ControlKind::Frame,
       .text = "Box",
       .rect = {1800, 150, 3000, 1800},
       .font = {.points = 9.75, .bold = true, .italic = true}},
      {.name = "optA(0)",
       .kind = ControlKind::Option,
       .text = "A",
       .rect = {150, 300, 900, 255},
       .tab = 2,
       .container = "fraBox",
       .index = 0,
       .group = "optA"},
      {.name = "optA(1)",
       .kind = ControlKind::Option,
       .text = "B",
       .rect = {150, 600, 900, 255},
       .tab = 3,
       .container = "fraBox",
       .index = 1,
       .group = "optA"},
      {.name = "optOther",
       .kind = ControlKind::Option,
       .text = "C",
       .rect = {1200, 300, 900, 255},
       .tab = 4,
       .container = "fraBox",
       .group = "other"},
      {.name = "chkOn",
       .kind = ControlKind::CheckBox,
       .text = "On",
       .rect = {150, 900, 900, 255},
       .tab = 5,
       .container = "fraBox"},
      {.name = "cmdOK",
       .kind = ControlKind::Button,
       .text = "OK",
       .rect = {150, 2100, 1200, 375},
       .tab = 6,
       .toolTip = "Close"},
      {.name = "picIcon", .kind = ControlKind::Picture, .rect = {1500, 2100, 480, 480}},
      {.name = "linRule",
       .kind = ControlKind::Line,
       .rect = {150, 2700, 4500, 2700},
       .lineWidth = 2},
      {.name = "mnuTop", .kind = ControlKind::Menu, .text = "Top"},
      {.name = "mnuSub", .kind = ControlKind::Menu, .text = "Sub", .container = "mnuTop"},
      {.name = "mnuLeaf", .kind = ControlKind::Menu, .text = "Leaf", .container = "mnuSub"},
      {.name = "mnuGo", .kind = ControlKind::Menu, .text = "Go"},
      {.name = "mnuPick(0)",
       .kind = ControlKind::Menu,
       .text = "First",
       .container = "mnuTop",
       .index = 0,
       .checkable = true},
      {.name = "mnuPick(1)",
       .kind = ControlKind::Menu,
       .text = "Second",
       .container = "mnuTop",
       .index = 1,
       .checkable = true},
  };
}

class FormViewTest : public ::testing::Test {
 protected:
  FormViewTest() : controls(Specs()), view(controls, surface, &menuBar) {}

  template <typename T>
  T* W(const char* name) {
    return qobject_cast<T*>(view.WidgetFor(name));
  }

  ControlSet controls;
  QWidget surface;
  QMenuBar menuBar;
  FormView view;
};

TEST_F(FormViewTest, EachKindGetsItsWidget) {
  EXPECT_NE(W<QLabel>("lblTitle"), nullptr);
  EXPECT_NE(W<QLineEdit>("txtName"), nullptr);
  EXPECT_NE(W<QComboBox>("cmbPick"), nullptr);
  EXPECT_NE(W<QGroupBox>("fraBox"), nullptr);
  EXPECT_NE(W<QRadioButton>("optA(0)"), nullptr);
  EXPECT_NE(W<QCheckBox>("chkOn"), nullptr);
  EXPECT_NE(W<QPushButton>("cmdOK"), nullptr);
  EXPECT_NE(W<QLabel>("picIcon"), nullptr);
  EXPECT_NE(W<LineWidget>("linRule"), nullptr);
  ASSERT_NE(view.ActionFor("mnuLeaf"), nullptr);
  EXPECT_EQ(view.ActionFor("mnuSub")->menu()->objectName(), "mnuSub");
}

TEST_F(FormViewTest, FrameChildrenArePlacedInsideTheFrame) {
  QWidget* option = view.WidgetFor("optA(1)");
  EXPECT_EQ(option->parentWidget(), view.WidgetFor("fraBox"));
  EXPECT_EQ(option->geometry(), QRect(10, 40, 60, 17));
  // The frame's bold italic caption font does not leak into its children.
  EXPECT_FALSE(option->font().bold());
  EXPECT_FALSE(option->font().italic());
  EXPECT_TRUE(view.WidgetFor("fraBox")->font().italic());
}

TEST_F(FormViewTest, ModelChangesShowAtOnce) {
  controls.Get("lblTitle").SetText("New");
  EXPECT_EQ(W<QLabel>("lblTitle")->text(), "New");
  controls.Get("txtName").SetVisible(false);
  EXPECT_TRUE(view.WidgetFor("txtName")->isHidden());
  controls.Get("cmdOK").SetEnabled(false);
  EXPECT_FALSE(view.WidgetFor("cmdOK")->isEnabled());
  controls.Get("lblTitle").SetForeColor(kBlue);
  EXPECT_EQ(W<QLabel>("lblTitle")->palette().color(QPalette::WindowText), QColor(0, 0, 255));
  controls.Get("txtName").SetBackColor(Color::Rgb(1, 2, 3));
  EXPECT_EQ(W<QLineEdit>("txtName")->palette().color(QPalette::Base), QColor(1, 2, 3));
  controls.Get("txtName").SetBold(true);
  EXPECT_TRUE(view.WidgetFor("txtName")->font().bold());
  controls.Get("mnuGo").SetVisible(false);
  EXPECT_FALSE(view.ActionFor("mnuGo")->isVisible());
  controls.Get("mnuLeaf").SetText("Renamed");
  EXPECT_EQ(view.ActionFor("mnuLeaf")->text(), "Renamed");
}

TEST_F(FormViewTest, ListItemsAndSelectionFollowTheModel) {
  Control& list = controls.Get("cmbPick");
  for (const char* item : {"Bytes", "KB", "MB"}) list.AddItem(item);
  list.SetListIndex(2);
  auto* combo = W<QComboBox>("cmbPick");
  EXPECT_EQ(combo->count(), 3);
  EXPECT_EQ(combo->currentText(), "MB");
  list.Clear();
  list.AddItem("GB");
  EXPECT_EQ(combo->count(), 1);
  EXPECT_EQ(combo->currentIndex(), -1);
}

TEST_F(FormViewTest, OptionGroupsFollowTheModelIncludingNoneSelected) {
  controls.Get("optA(0)").SetValue(1);
  controls.Get("optOther").SetValue(1);
  EXPECT_TRUE(W<QRadioButton>("optA(0)")->isChecked());
  EXPECT_TRUE(W<QRadioButton>("optOther")->isChecked());
  controls.Get("optA(1)").SetValue(1);
  EXPECT_FALSE(W<QRadioButton>("optA(0)")->isChecked());
  EXPECT_TRUE(W<QRadioButton>("optA(1)")->isChecked());
  EXPECT_TRUE(W<QRadioButton>("optOther")->isChecked());
  controls.Get("optA(1)").SetValue(0);
  EXPECT_FALSE(W<QRadioButton>("optA(1)")->isChecked());
  EXPECT_TRUE(W<QRadioButton>("optA(1)")->group()->exclusive());
}

TEST_F(FormViewTest, PersonActionsReachTheModel) {
  int clicks = 0;
  int leafClicks = 0;
  controls.Get("cmdOK").onClick = [&] { ++clicks; };
  controls.Get("mnuLeaf").onClick = [&] { ++leafClicks; };
  QTest::mouseClick(view.WidgetFor("cmdOK"), Qt::LeftButton);
  view.ActionFor("mnuLeaf")->trigger();
  EXPECT_EQ(clicks, 1);
  EXPECT_EQ(leafClicks, 1);

  QTest::mouseClick(view.WidgetFor("chkOn"), Qt::LeftButton);
  EXPECT_EQ(controls.Get("chkOn").Value(), 1);
  QTest::mouseClick(view.WidgetFor("optA(1)"), Qt::LeftButton);
  EXPECT_EQ(controls.Get("optA(1)").Value(), 1);

  QTest::keyClicks(view.WidgetFor("txtName"), "yz");
  EXPECT_EQ(controls.Get("txtName").Text(), "xyz");
}

TEST_F(FormViewTest, LabelsPicturesAndFramesReportClicks) {
  int clicks = 0;
  for (const char* name : {"lblTitle", "picIcon", "fraBox"})
    controls.Get(name).onClick = [&] { ++clicks; };
  QTest::mouseClick(view.WidgetFor("lblTitle"), Qt::LeftButton);
  QTest::mouseClick(view.WidgetFor("picIcon"), Qt::LeftButton);
  QTest::mouseClick(view.WidgetFor("fraBox"), Qt::LeftButton, {}, QPoint(150, 100));
  QTest::mouseClick(view.WidgetFor("lblTitle"), Qt::RightButton);
  EXPECT_EQ(clicks, 3);
}

TEST_F(FormViewTest, ChangesByCodeAreNotEchoedBack) {
  int changes = 0;
  int clicks = 0;
  controls.Get("txtName").onChange = [&] { ++changes; };
  controls.Get("chkOn").onClick = [&] { ++clicks; };
  controls.Get("txtName").SetText("abc");
  controls.Get("chkOn").SetValue(1);
  EXPECT_EQ(changes, 1);
  EXPECT_EQ(clicks, 1);
  EXPECT_EQ(W<QLineEdit>("txtName")->text(), "abc");
  EXPECT_TRUE(W<QCheckBox>("chkOn")->isChecked());
}

TEST_F(FormViewTest, AHandlerThatUndoesAClickIsShown) {
  // Like "Forced FILM" cleared again by its own handler.
  Control& check = controls.Get("chkOn");
  check.onClick = [&] {
    if (check.Value() == 1) check.SetValue(0);
  };
  QTest::mouseClick(view.WidgetFor("chkOn"), Qt::LeftButton);
  EXPECT_EQ(check.Value(), 0);
  EXPECT_FALSE(W<QCheckBox>("chkOn")->isChecked());
}

TEST_F(FormViewTest, TypingKeepsTheCursorWhereThePersonIsTyping) {
  auto* edit = W<QLineEdit>("txtName");
  edit->setText("1234");
  edit->setCursorPosition(2);
  QTest::keyClick(edit, Qt::Key_9);
  EXPECT_EQ(controls.Get("txtName").Text(), "12934");
  EXPECT_EQ(edit->cursorPosition(), 3);
}

TEST_F(FormViewTest, PictureShowsThePixmapItIsGiven) {
  QPixmap pixmap(32, 32);
  pixmap.fill(Qt::red);
  view.SetPicture("picIcon", pixmap);
  EXPECT_EQ(W<QLabel>("picIcon")->pixmap().size(), QSize(32, 32));
}

TEST_F(FormViewTest, ControlForLooksThroughInnerWidgets) {
  auto* combo = W<QComboBox>("cmbPick");
  EXPECT_EQ(view.ControlFor(combo->view()), &controls.Get("cmbPick"));
  EXPECT_EQ(view.ControlFor(&surface), nullptr);
}

TEST_F(FormViewTest, OnlyCheckableMenuItemsShowTheirValueAsACheckMark) {
  EXPECT_FALSE(view.ActionFor("mnuLeaf")->isCheckable());
  EXPECT_FALSE(view.Shown("mnuLeaf")->value.has_value());
  ASSERT_TRUE(view.ActionFor("mnuPick(1)")->isCheckable());
  int clicks = 0;
  controls.Get("mnuPick(1)").onClick = [&] { ++clicks; };
  for (const int value : {1, 0, 1}) {
    controls.Get("mnuPick(1)").SetValue(value);
    EXPECT_EQ(view.ActionFor("mnuPick(1)")->isChecked(), value == 1);
    EXPECT_EQ(view.Shown("mnuPick(1)")->value, value);
  }
  EXPECT_FALSE(view.ActionFor("mnuPick(0)")->isChecked());
  EXPECT_EQ(clicks, 0);
}

// What the item's handler does with the marks when a person picks "Second".
enum class Handler { MarksThePickedOne, LeavesTheMarks };

struct PickCase {
  const char* name;
  int valueBefore;
  Handler handler;
  bool firstChecked;
  bool secondChecked;
};

void PrintTo(const PickCase& c, std::ostream* os) {
  *os << c.name;
}

class MenuPickTest : public FormViewTest, public ::testing::WithParamInterface<PickCase> {};

TEST_P(MenuPickTest, APickIsOneClickAndTheMarksAreTheModels) {
  const PickCase& c = GetParam();
  Control& first = controls.Get("mnuPick(0)");
  Control& second = controls.Get("mnuPick(1)");
  first.SetValue(1 - c.valueBefore);
  second.SetValue(c.valueBefore);
  int clicks = 0;
  second.onClick = [&] {
    ++clicks;
    if (c.handler == Handler::LeavesTheMarks) return;
    first.SetValue(0);
    second.SetValue(1);
  };
  view.ActionFor("mnuPick(1)")->trigger();
  EXPECT_EQ(clicks, 1);
  EXPECT_EQ(view.ActionFor("mnuPick(0)")->isChecked(), c.firstChecked);
  EXPECT_EQ(view.ActionFor("mnuPick(1)")->isChecked(), c.secondChecked);
  EXPECT_EQ(first.Value(), c.firstChecked ? 1 : 0);
  EXPECT_EQ(second.Value(), c.secondChecked ? 1 : 0);
}

INSTANTIATE_TEST_SUITE_P(
    Table, MenuPickTest,
    ::testing::Values(
        PickCase{"UncheckedPickedAndMarked", 0, Handler::MarksThePickedOne, false, true},
        PickCase{"CheckedPickedAgainStaysChecked", 1, Handler::MarksThePickedOne, false, true},
        PickCase{"UncheckedPickedButLeftAlone", 0, Handler::LeavesTheMarks, true, false},
        PickCase{"CheckedPickedButLeftAlone", 1, Handler::LeavesTheMarks, false, true}),
    [](const ::testing::TestParamInfo<PickCase>& p) { return std::string(p.param.name); });

}  // namespace
}  // namespace quillbit
