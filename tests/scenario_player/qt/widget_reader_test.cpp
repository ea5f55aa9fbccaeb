// The dump reads what the widgets show, on a window of the test's own making.
#include "scenario_player/qt/widget_reader.h"

#include <gtest/gtest.h>

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>

#include "core/control_set.h"
#include "gui/form_view.h"

namespace quillbit::scenario {
namespace {

std::vector<ControlDesign> Designs() {
  return {
      {.name = "txtBox",
       .kind = ControlKind::TextBox,
       .text = "12",
       .rect = {0, 0, 1500, 360},
       .tab = 0,
       .readOnly = true},
      {.name = "lblNote", .kind = ControlKind::Label, .text = "Note", .rect = {0, 400, 1500, 300}},
      {.name = "cmbUnit", .kind = ControlKind::List, .rect = {0, 800, 1500, 315}, .tab = 1},
      {.name = "chkOn",
       .kind = ControlKind::CheckBox,
       .text = "On",
       .rect = {0, 1200, 1500, 255},
       .tab = 2},
      {.name = "optA(0)",
       .kind = ControlKind::Option,
       .text = "A",
       .rect = {0, 1500, 900, 255},
       .tab = 3,
       .index = 0,
       .group = "optA"},
      {.name = "fraBox", .kind = ControlKind::Frame, .text = "Box", .rect = {1800, 0, 3000, 1800}},
      {.name = "lblInside",
       .kind = ControlKind::Label,
       .text = "In",
       .rect = {150, 300, 900, 255},
       .container = "fraBox"},
      {.name = "mnuTop", .kind = ControlKind::Menu, .text = "Top"},
      {.name = "mnuItem", .kind = ControlKind::Menu, .text = "Item", .container = "mnuTop"},
  };
}

class WidgetReader : public ::testing::Test {
 protected:
  WidgetReader() : controls(Designs()), view(controls, window, &bar) {
    window.resize(400, 200);
    window.show();
  }

  const ControlView& Read(const std::string& name) {
    shown = ReadWindow(window, view);
    for (const ControlView& c : shown.controls) {
      if (c.name == name) return c;
    }
    ADD_FAILURE() << "no control " << name;
    return shown.controls.front();
  }

  ControlSet controls;
  QWidget window;
  QMenuBar bar;
  FormView view;
  WindowView shown;
};

TEST_F(WidgetReader, ReadsTheWidgetEvenWhereItDiffersFromTheModel) {
  qobject_cast<QLineEdit*>(view.WidgetFor("txtBox"))->setText("34");
  EXPECT_EQ(controls.Get("txtBox").Text(), "12");
  EXPECT_EQ(Read("txtBox").text, "34");
  EXPECT_EQ(Read("txtBox").readOnly, true);
}

TEST_F(WidgetReader, ColourAndBoldComeFromTheWidget) {
  controls.Get("txtBox").SetForeColor(kBlue);
  controls.Get("txtBox").SetBold(true);
  EXPECT_EQ(Read("txtBox").color, "#0000ff");
  EXPECT_TRUE(Read("txtBox").bold);
  controls.Get("lblNote").SetForeColor(Color::Rgb(1, 2, 3));
  EXPECT_EQ(Read("lblNote").color, "#010203");
  EXPECT_FALSE(Read("lblNote").bold);
}

TEST_F(WidgetReader, AControlInAHiddenFrameIsNotVisible) {
  EXPECT_TRUE(Read("lblInside").visible);
  controls.Get("fraBox").SetVisible(false);
  EXPECT_FALSE(Read("fraBox").visible);
  EXPECT_FALSE(Read("lblInside").visible);
}

TEST_F(WidgetReader, EachKindCarriesItsOwnField) {
  Control& unit = controls.Get("cmbUnit");
  EXPECT_EQ(Read("cmbUnit").text, "");
  EXPECT_EQ(Read("cmbUnit").items, std::vector<std::string>{});
  unit.AddItem("KB");
  unit.AddItem("MB");
  unit.SetListIndex(1);
  EXPECT_EQ(Read("cmbUnit").text, "MB");
  EXPECT_EQ(Read("cmbUnit").items, (std::vector<std::string>{"KB", "MB"}));
  EXPECT_FALSE(Read("cmbUnit").readOnly.has_value());

  EXPECT_EQ(Read("chkOn").value, 0);
  controls.Get("chkOn").SetValue(1);
  EXPECT_EQ(Read("chkOn").value, 1);
  EXPECT_FALSE(Read("chkOn").selected.has_value());

  EXPECT_EQ(Read("optA(0)").selected, false);
  controls.Get("optA(0)").SetValue(1);
  EXPECT_EQ(Read("optA(0)").selected, true);
  EXPECT_FALSE(Read("optA(0)").value.has_value());

  EXPECT_EQ(Read("fraBox").text, "Box");
  EXPECT_EQ(Read("mnuItem").text, "Item");
  EXPECT_TRUE(Read("mnuItem").visible);
}

TEST_F(WidgetReader, DisabledAndHiddenMenuItemsReadSo) {
  controls.Get("mnuItem").SetEnabled(false);
  EXPECT_FALSE(Read("mnuItem").enabled);
  controls.Get("mnuItem").SetVisible(false);
  EXPECT_FALSE(Read("mnuItem").visible);
}

}  // namespace
}  // namespace quillbit::scenario
