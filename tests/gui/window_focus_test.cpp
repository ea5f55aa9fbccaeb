// Where the keyboard's focus is when a window is shown, and when it becomes active again after
// another window had the focus.
#include <QPushButton>

#include "gui/about_window.h"
#include "tests/about/about_fakes.h"
#include "tests/gui/gui_test_support.h"

namespace quillbit {
namespace {

// The main window with a working "Help" > "About", and a window of another program.
class WindowFocusTest : public ::testing::Test {
 protected:
  WindowFocusTest()
      : factory(AppInfo{},
                {.registry = registry, .open = opener, .files = files, .programs = programs}),
        slot(factory),
        window(NumberLocale::EnglishUS(), AppInfo{}, settings, &slot) {
    other.resize(100, 100);
  }

  static void Activate(QWidget& w) {
    QApplication::setActiveWindow(&w);
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&w));
  }
  QWidget* W(const char* name) { return window.View().WidgetFor(name); }
  AboutDialog* About() { return dynamic_cast<AboutDialog*>(slot.Current()); }

  testing_support::FakeRegistry registry;
  testing_support::RecordingOpener opener;
  testing_support::FakeFiles files;
  testing_support::FakePrograms programs;
  AboutDialogFactory factory;
  AboutWindowSlot slot;
  MemorySettingsStore settings;
  MainWindow window;
  QWidget other;
};

TEST_F(WindowFocusTest, AnotherWindowActiveFirstLeavesTheFrameCountFocusedForLater) {
  window.Start();
  other.show();
  Activate(other);
  Activate(window);
  EXPECT_EQ(QApplication::focusWidget(), W("txtFrames"));
}

TEST_F(WindowFocusTest, ActivatedAgainTheFocusIsBackWhereThePersonLeftIt) {
  window.Start();
  Activate(window);
  W("txtAudio")->setFocus(Qt::TabFocusReason);
  other.show();
  Activate(other);
  EXPECT_EQ(QApplication::focusWidget(), nullptr);
  Activate(window);
  EXPECT_EQ(QApplication::focusWidget(), W("txtAudio"));
}

TEST_F(WindowFocusTest, ShownAgainByCodeTheFocusStartsInTheFrameCount) {
  window.Start();
  Activate(window);
  W("txtAudio")->setFocus(Qt::TabFocusReason);
  window.hide();
  window.show();
  Activate(window);
  EXPECT_EQ(QApplication::focusWidget(), W("txtFrames"));
}

TEST_F(WindowFocusTest, TheAboutWindowStartsOnOkAndClosingItReturnsToTheFrameCount) {
  window.Start();
  Activate(window);
  window.Model().Get("mnuAbout").Click();
  AboutDialog* about = About();
  ASSERT_NE(about, nullptr);
  Activate(*about);
  QWidget* ok = about->View().WidgetFor("cmdOK");
  EXPECT_EQ(QApplication::focusWidget(), ok);
  EXPECT_TRUE(qobject_cast<QPushButton*>(ok)->isDefault());
  QTest::keyClick(ok, Qt::Key_Return);
  EXPECT_FALSE(slot.IsOpen());
  Activate(window);
  EXPECT_EQ(QApplication::focusWidget(), W("txtFrames"));
}

}  // namespace
}  // namespace quillbit
