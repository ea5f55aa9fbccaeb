// The main window's "Tools" menu and the limits line below the designed window.
#include <QAccessible>
#include <QMenu>
#include <QMenuBar>
#include <QTest>

#include "core/dvd_limits.h"
#include "gui/warning_color.h"
#include "tests/gui/gui_test_support.h"

namespace quillbit {
namespace {

using MainWindowTools = testing::MainWindowTest;

// A menu as "Caption(item,item)"; a checkable item ends in "[ ]" or "[x]".
QString Tree(const QList<QAction*>& actions) {
  QStringList items;
  for (const QAction* action : actions) {
    QString item = action->text();
    if (action->isCheckable()) item += action->isChecked() ? "[x]" : "[ ]";
    if (action->menu() != nullptr) item += "(" + Tree(action->menu()->actions()) + ")";
    items << item;
  }
  return items.join(",");
}

TEST_F(MainWindowTools, ToolsSitsBetweenFileAndHelpWithTheDiscsUnderDestination) {
  EXPECT_EQ(Tree(window->menuBar()->actions()),
            "File(Open Project...,Exit),"
            "Tools(Audio Tracks...,Destination(DVD-R[ ],DVD+R[ ],DVD-R DL[ ],DVD+R DL[ ])),"
            "Help(About)");
}

TEST_F(MainWindowTools, TheKeyboardAloneReachesToolsAndItsItems) {
  StartAndActivate();
  QMenuBar* bar = window->menuBar();
  // Alt pressed and released alone enters the menu bar on its first menu.
  QWidget* focus = QApplication::focusWidget();
  ASSERT_NE(focus, nullptr);
  QTest::keyPress(focus, Qt::Key_Alt, Qt::AltModifier);
  QTest::keyRelease(focus, Qt::Key_Alt, Qt::NoModifier);
  ASSERT_NE(bar->activeAction(), nullptr);
  EXPECT_EQ(bar->activeAction()->text(), "File");
  QTest::keyClick(bar, Qt::Key_Right);
  ASSERT_NE(bar->activeAction(), nullptr);
  EXPECT_EQ(bar->activeAction()->text(), "Tools");
  QTest::keyClick(bar, Qt::Key_Down);
  QMenu* tools = bar->activeAction()->menu();
  ASSERT_TRUE(QTest::qWaitFor([&] { return tools->isVisible(); }));
  QTest::keyClick(tools, Qt::Key_Down);
  ASSERT_NE(tools->activeAction(), nullptr);
  EXPECT_EQ(tools->activeAction()->text(), "Destination");
  QTest::keyClick(tools, Qt::Key_Escape);
  QTest::keyClick(bar, Qt::Key_Escape);
}

QAccessibleInterface* Accessible(QWidget* widget) {
  return QAccessible::queryAccessibleInterface(widget);
}

TEST_F(MainWindowTools, TheLimitsLineIsShownBelowTheResultsAndReadAsItsText) {
  StartAndActivate();
  auto* line = as<QLabel>("lblLimits");
  ASSERT_NE(line, nullptr);
  EXPECT_TRUE(line->isVisible());
  EXPECT_GE(line->geometry().top(), widget("Frame2")->geometry().bottom());
  EXPECT_LE(line->geometry().bottom(), window->centralWidget()->height());
  const std::string text = "Video bitrate above DVD-Video's 9800 kbit/s by 200 kbit/s";
  model().lblLimits.SetText(text);
  EXPECT_EQ(line->text().toStdString(), text);
  EXPECT_EQ(Accessible(line)->text(QAccessible::Name).toStdString(), text);
  EXPECT_EQ(Accessible(line)->text(QAccessible::Description).toStdString(), kDvdLimitsNote);
  EXPECT_EQ(line->toolTip().toStdString(), kDvdLimitsNote);
}

// A person picks a disc from the menu, then types an audio size that leaves the video no room to
// fit: the line reads, and warns, as the model says.
TEST_F(MainWindowTools, ADiscFromTheMenuIsCheckedAndTheLineWarnsOnceALimitBreaks) {
  StartAndActivate();
  QTest::keyClicks(widget("txtFrames"), "90000");
  window->View().ActionFor("mnuDisc(0)")->trigger();
  EXPECT_EQ(Tree(window->View().ActionFor("mnuDestination")->menu()->actions()),
            "DVD-R[x],DVD+R[ ],DVD-R DL[ ],DVD+R DL[ ]");
  EXPECT_EQ(as<QLineEdit>("txtDiskSpace")->text().toStdString(), model().txtDiskSpace.Text());
  auto* line = as<QLabel>("lblLimits");
  const QPalette desktop = QApplication::palette();
  EXPECT_EQ(line->text().toStdString(), kDvdLimitsWithin);
  EXPECT_EQ(line->palette().color(QPalette::WindowText), desktop.color(QPalette::WindowText));

  QWidget* audio = widget("txtAudio");
  audio->setFocus(Qt::TabFocusReason);
  QTest::keyClick(audio, Qt::Key_A, Qt::ControlModifier);
  QTest::keyClicks(audio, "4700000000");
  EXPECT_NE(line->text().toStdString(), kDvdLimitsWithin);
  EXPECT_FALSE(line->text().isEmpty());
  EXPECT_EQ(line->palette().color(QPalette::WindowText), WarningTextColor(desktop));
  EXPECT_EQ(Accessible(line)->text(QAccessible::Name), line->text());
}

}  // namespace
}  // namespace quillbit
