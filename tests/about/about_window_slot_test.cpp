#include "about/about_window_slot.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "about/frm_about.h"
#include "tests/about/about_fakes.h"

namespace quillbit {
namespace {

using testing_support::AboutPorts;

// What happened to the windows of one run, kept outside them since they come and go.
struct Record {
  int created = 0;
  int shown = 0;
  int fronted = 0;
  int destroyed = 0;
  int textChanges = 0;
  frmAbout* current = nullptr;
  std::vector<std::function<void()>> closeReports;
};

// A view as the desktop front-end builds it: its own model, which it loads when shown, and the
// close report to the slot when the model unloads.
class FakeAboutWindow : public AboutWindow, public AboutWindowHost {
 public:
  FakeAboutWindow(AboutPorts& p, Record& record, std::function<void()> closed)
      : record_(record),
        closed_(std::move(closed)),
        form_(AppInfo{}, AboutLinks{},
              FrmAboutPorts{.messages = p.messages,
                            .screen = p.screen,
                            .open = p.opener,
                            .files = p.files,
                            .programs = p.programs,
                            .registry = p.registry,
                            .host = *this},
              {}) {
    form_.Controls().Subscribe([this](const Control&, Property property) {
      if (property == Property::Text) ++record_.textChanges;
    });
    record_.current = &form_;
  }
  ~FakeAboutWindow() override {
    ++record_.destroyed;
    if (record_.current == &form_) record_.current = nullptr;
    if (reportOnDestroy) closed_();
  }

  void Show() override {
    ++record_.shown;
    form_.Form_Load();
    if (closeWhileShowing) form_.cmdOK_Click();
  }
  void BringToFront() override { ++record_.fronted; }
  void WindowUnloaded() override { closed_(); }

  bool closeWhileShowing = false;
  bool reportOnDestroy = false;

 private:
  Record& record_;
  std::function<void()> closed_;
  frmAbout form_;
};

class FakeFactory : public AboutWindowFactory {
 public:
  FakeFactory(AboutPorts& p, Record& record) : p_(p), record_(record) {}
  std::unique_ptr<AboutWindow> Create(std::function<void()> closed) override {
    ++record_.created;
    if (fails) return nullptr;
    record_.closeReports.push_back(closed);
    auto window = std::make_unique<FakeAboutWindow>(p_, record_, std::move(closed));
    window->closeWhileShowing = closeWhileShowing;
    window->reportOnDestroy = reportOnDestroy;
    return window;
  }
  bool fails = false;
  bool closeWhileShowing = false;
  bool reportOnDestroy = false;

 private:
  AboutPorts& p_;
  Record& record_;
};

class AboutWindowSlotTest : public testing::Test {
 protected:
  AboutPorts p;
  Record record;
  FakeFactory factory{p, record};
};

TEST_F(AboutWindowSlotTest, FirstShowCreatesLoadsAndShowsOneWindow) {
  AboutWindowSlot slot(factory);
  EXPECT_FALSE(slot.IsOpen());
  slot.Show();
  EXPECT_TRUE(slot.IsOpen());
  EXPECT_EQ(record.created, 1);
  EXPECT_EQ(record.shown, 1);
  ASSERT_NE(record.current, nullptr);
  EXPECT_TRUE(record.current->Loaded());
  EXPECT_EQ(record.current->Caption(), "About Quillbit");
}

TEST_F(AboutWindowSlotTest, ShowingItAgainWhileOpenBringsTheSameWindowForwardUnchanged) {
  AboutWindowSlot slot(factory);
  slot.Show();
  AboutWindow* first = slot.Current();
  const int changesAfterLoad = record.textChanges;
  const std::string description = record.current->lblDescription.Text();
  const std::string disclaimer = record.current->lblDisclaimer.Text();
  slot.Show();
  slot.Show();
  EXPECT_EQ(slot.Current(), first);
  EXPECT_EQ(record.created, 1);
  EXPECT_EQ(record.shown, 1);
  EXPECT_EQ(record.fronted, 2);
  EXPECT_EQ(record.textChanges, changesAfterLoad);
  EXPECT_EQ(record.current->lblDescription.Text(), description);
  EXPECT_EQ(record.current->lblDisclaimer.Text(), disclaimer);
}

TEST_F(AboutWindowSlotTest, AfterItWasClosedTheNextShowLoadsANewWindow) {
  AboutWindowSlot slot(factory);
  slot.Show();
  record.current->cmdOK.Click();
  EXPECT_FALSE(slot.IsOpen());
  slot.Show();
  EXPECT_TRUE(slot.IsOpen());
  EXPECT_EQ(record.created, 2);
  EXPECT_EQ(record.shown, 2);
  EXPECT_EQ(record.fronted, 0);
  ASSERT_NE(record.current, nullptr);
  EXPECT_TRUE(record.current->Loaded());
  EXPECT_EQ(record.current->lblVersion.Text(), "Version 1.1.1");
}

TEST_F(AboutWindowSlotTest, AWindowClosedFromItsOwnHandlerLivesUntilTheNextShow) {
  AboutWindowSlot slot(factory);
  slot.Show();
  record.current->cmdOK.Click();  // the close report comes from inside the click
  EXPECT_EQ(record.destroyed, 0);
  slot.Show();
  EXPECT_EQ(record.destroyed, 1);
}

TEST_F(AboutWindowSlotTest, ALateCloseReportOfAnEarlierWindowIsIgnored) {
  AboutWindowSlot slot(factory);
  slot.Show();
  record.current->Unload();
  slot.Show();
  ASSERT_EQ(record.closeReports.size(), 2u);
  record.closeReports[0]();
  EXPECT_TRUE(slot.IsOpen());
  record.closeReports[1]();
  EXPECT_FALSE(slot.IsOpen());
  record.closeReports[1]();  // twice is once
  EXPECT_FALSE(slot.IsOpen());
}

TEST_F(AboutWindowSlotTest, AWindowClosedWhileBeingShownLeavesTheSlotEmpty) {
  factory.closeWhileShowing = true;
  AboutWindowSlot slot(factory);
  slot.Show();
  EXPECT_FALSE(slot.IsOpen());
  EXPECT_EQ(record.destroyed, 0);
}

TEST_F(AboutWindowSlotTest, AFactoryThatGivesNoWindowIsTriedAgainNextTime) {
  factory.fails = true;
  AboutWindowSlot slot(factory);
  slot.Show();
  EXPECT_FALSE(slot.IsOpen());
  factory.fails = false;
  slot.Show();
  EXPECT_TRUE(slot.IsOpen());
  EXPECT_EQ(record.created, 2);
}

TEST_F(AboutWindowSlotTest, WindowsThatReportTheirCloseWhenDestroyedAreSafeAtTheEnd) {
  factory.reportOnDestroy = true;
  {
    AboutWindowSlot slot(factory);
    slot.Show();
    record.current->Unload();
    slot.Show();
  }
  EXPECT_EQ(record.destroyed, 2);
}

}  // namespace
}  // namespace quillbit
