#include "gui/termination.h"

#include <QDeadlineTimer>

#include "tests/gui/gui_test_support.h"

namespace quillbit {
namespace {

using TerminationTest = testing::MainWindowTest;

TEST_F(TerminationTest, SigtermClosesTheWindowWhichSaves) {
  StartAndActivate();
  {
    const CloseOnTermination termination(*window);
    ASSERT_EQ(std::raise(SIGTERM), 0);
    const QDeadlineTimer deadline(2000);
    while (window->isVisible() && !deadline.hasExpired()) QTest::qWait(10);
    EXPECT_FALSE(window->isVisible());
  }
  EXPECT_FALSE(model().Loaded());
  EXPECT_EQ(settings.writes, testing::kValuesSaved);
}

TEST_F(TerminationTest, SighupAlsoClosesTheOtherWindowsSoTheProgramEnds) {
  StartAndActivate();
  QWidget other;
  other.show();
  {
    const CloseOnTermination termination(*window);
    ASSERT_EQ(std::raise(SIGHUP), 0);
    const QDeadlineTimer deadline(2000);
    while ((window->isVisible() || other.isVisible()) && !deadline.hasExpired()) QTest::qWait(10);
  }
  EXPECT_FALSE(window->isVisible());
  EXPECT_FALSE(other.isVisible());
  EXPECT_EQ(settings.writes, testing::kValuesSaved);
}

TEST_F(TerminationTest, TheSignalsGoBackToWhatTheyWereAfterwards) {
  struct sigaction before = {};
  sigaction(SIGHUP, nullptr, &before);
  { const CloseOnTermination termination(*window); }
  struct sigaction after = {};
  sigaction(SIGHUP, nullptr, &after);
  EXPECT_EQ(after.sa_handler, before.sa_handler);
}

}  // namespace
}  // namespace quillbit
