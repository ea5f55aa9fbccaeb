// What a screen reader finds on the windows: each control's name, role and state as Qt's
// accessibility layer reports them, found by the control's object name.
#include <QAccessible>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>

#include "gui/about_window.h"
#include "gui/form_view.h"
#include "tests/about/about_fakes.h"
#include "tests/gui/gui_test_support.h"

namespace quillbit {
namespace {

QAccessibleInterface* Accessible(QWidget* widget) {
  return widget != nullptr ? QAccessible::queryAccessibleInterface(widget) : nullptr;
}

QString SpokenName(QWidget* widget) {
  QAccessibleInterface* face = Accessible(widget);
  return face != nullptr ? face->text(QAccessible::Name) : QString();
}

struct NamedControl {
  const char* control;
  const char* name;
  QAccessible::Role role;
};

class MainWindowNames : public testing::MainWindowTest,
                        public ::testing::WithParamInterface<NamedControl> {};

TEST_P(MainWindowNames, EachControlIsNamedByItsCaption) {
  StartAndActivate();
  QWidget* w = widget(GetParam().control);
  ASSERT_NE(w, nullptr);
  EXPECT_EQ(SpokenName(w), GetParam().name);
  EXPECT_EQ(Accessible(w)->role(), GetParam().role);
}

INSTANTIATE_TEST_SUITE_P(
    Start, MainWindowNames,
    // One of each kind; the names themselves come from the control list.
    ::testing::Values(NamedControl{"txtFrames", "Total frames in movie", QAccessible::EditableText},
                      NamedControl{"cmbAudio", "Audio file(s) total size unit",
                                   QAccessible::ComboBox},
                      NamedControl{"optFormat(1)", "PAL", QAccessible::RadioButton},
                      NamedControl{"chkFF", "Forced FILM", QAccessible::CheckBox},
                      NamedControl{"txtCCEMax", "CCE Max", QAccessible::EditableText}),
    [](const ::testing::TestParamInfo<NamedControl>& param) {
      QString id = QString::fromLatin1(param.param.control);
      id.remove(QLatin1Char('(')).remove(QLatin1Char(')'));
      return id.toStdString();
    });

using MainWindowAccessibility = testing::MainWindowTest;

TEST_F(MainWindowAccessibility, EveryControlThatTakesTheFocusHasANameOfItsOwn) {
  StartAndActivate();
  QStringList names;
  for (const Control& c : model().Controls().All()) {
    QWidget* w = widget(c.Name().c_str());
    if (w == nullptr || c.Design().tab < 0 || !(w->focusPolicy() & Qt::TabFocus)) continue;
    const QString name = SpokenName(w);
    EXPECT_FALSE(name.isEmpty()) << c.Name();
    EXPECT_FALSE(names.contains(name)) << c.Name() << " is spoken as another control is";
    names.append(name);
  }
}

TEST_F(MainWindowAccessibility, ResultsAreSaidToBeReadOnly) {
  StartAndActivate();
  for (const char* result : {"txtFPS", "txtCCEQual", "txtCCEMin", "txtLength", "txtM2VSize"})
    EXPECT_TRUE(Accessible(widget(result))->state().readOnly) << result;
  for (const char* input : {"txtFrames", "txtAudio", "txtSampleQ"})
    EXPECT_FALSE(Accessible(widget(input))->state().readOnly) << input;
}

TEST_F(MainWindowAccessibility, UnitListsAreDescribedByTheirTooltip) {
  StartAndActivate();
  for (const char* list : {"cmbAudio", "cmbSub", "cmbCush", "cmbDest", "cmbSampleSize"}) {
    EXPECT_EQ(Accessible(widget(list))->text(QAccessible::Description),
              "Hold down SHIFT to convert")
        << list;
  }
}

TEST_F(MainWindowAccessibility, CaptionsAreTheBuddiesOfTheirBoxes) {
  StartAndActivate();
  EXPECT_EQ(as<QLabel>("Label1")->buddy(), widget("txtFrames"));
  EXPECT_EQ(as<QLabel>("Label9")->buddy(), widget("txtAudio"));
  EXPECT_EQ(as<QLabel>("Label7")->buddy(), widget("txtCCEQual"));
}

TEST_F(MainWindowAccessibility, NamesFollowTheRowsAMethodRenames) {
  StartAndActivate();
  auto* method = as<QComboBox>("cmbCCESet");
  const int bach = method->findText("Single Pass (Bach Method)");
  ASSERT_GE(bach, 0);
  method->setFocus();
  while (method->currentIndex() < bach) QTest::keyClick(method, Qt::Key_Down);
  EXPECT_EQ(SpokenName(widget("txtCCEQ")), "Recommended CCE Q");
  EXPECT_EQ(SpokenName(widget("txtCCEMin")), "CCE Min");
  // A list is named by its caption, and tells what it shows as its value.
  EXPECT_EQ(SpokenName(widget("cmbCCESet")), "CCE Method");
  EXPECT_EQ(Accessible(widget("cmbCCESet"))->text(QAccessible::Value), "Single Pass (Bach Method)");
  // Among the items that drop down, the one shown is the selected one.
  QAccessibleInterface* items = Accessible(widget("cmbCCESet"))->child(0);
  ASSERT_NE(items, nullptr);
  QStringList selected;
  for (int i = 0; i < items->childCount(); ++i) {
    if (items->child(i)->state().selected)
      selected.append(items->child(i)->text(QAccessible::Name));
  }
  EXPECT_EQ(selected, QStringList{"Single Pass (Bach Method)"});
}

// A view of its own making: the names and descriptions follow what code changes.
TEST(FormViewAccessibility, NamesAndDescriptionsFollowCaptionAndTooltipChanges) {
  ControlSet controls({
      {.name = "lblSize", .kind = ControlKind::Label, .text = "&Size:", .tab = 0},
      {.name = "txtSize", .kind = ControlKind::TextBox, .tab = 1, .labelledBy = "lblSize"},
      {.name = "cmbUnit",
       .kind = ControlKind::List,
       .tab = 2,
       .toolTip = "Pick",
       .labelledBy = "lblSize",
       .nameSuffix = " unit"},
  });
  QWidget surface;
  FormView view(controls, surface, nullptr);
  controls.Get("lblSize").SetText("Length:");
  EXPECT_EQ(SpokenName(view.WidgetFor("txtSize")), "Length");
  EXPECT_EQ(SpokenName(view.WidgetFor("cmbUnit")), "Length unit");
  QAccessibleInterface* unit = Accessible(view.WidgetFor("cmbUnit"));
  for (const char* item : {"KB", "MB"}) controls.Get("cmbUnit").AddItem(item);
  controls.Get("cmbUnit").SetListIndex(1);
  ASSERT_EQ(unit->child(0)->childCount(), 2);
  EXPECT_TRUE(unit->child(0)->child(1)->state().selected);
  controls.Get("cmbUnit").SetToolTip("Pick again");
  EXPECT_EQ(Accessible(view.WidgetFor("cmbUnit"))->text(QAccessible::Description), "Pick again");
}

TEST(AboutWindowAccessibility, ButtonsAndTheIconAreNamed) {
  testing_support::FakeRegistry registry;
  testing_support::RecordingOpener opener;
  testing_support::FakeFiles files;
  testing_support::FakePrograms programs;
  AboutDialog dialog(AppInfo{}, AboutLinks{},
                     {.registry = registry, .open = opener, .files = files, .programs = programs},
                     {}, nullptr);
  dialog.Show();
  const auto name = [&](const char* control) {
    return SpokenName(dialog.View().WidgetFor(control));
  };
  EXPECT_EQ(name("cmdOK"), "OK");
  EXPECT_EQ(name("cmdSysInfo"), "System Info...");
  EXPECT_EQ(name("picIcon"), "Application icon");
  EXPECT_EQ(Accessible(dialog.View().WidgetFor("cmdOK"))->role(), QAccessible::Button);
  dialog.close();
}

}  // namespace
}  // namespace quillbit
