#include "gui/about_window.h"

#include <QFile>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTimer>
#include <QWindow>
#include <cstdlib>
#include <functional>
#include <string>
#include <vector>

#include "gui/hand_cursor.h"
#include "gui/line_widget.h"
#include "settings/registry_file.h"
#include "tests/about/about_fakes.h"
#include "tests/gui/gui_test_support.h"

namespace quillbit {
namespace {

using testing_support::FakeFiles;
using testing_support::FakePrograms;
using testing_support::FakeRegistry;
using testing_support::RecordingOpener;

constexpr const char* kDownload = "https://quillbit.example.test/files/quillbit-1.1.1.zip";
constexpr const char* kEmail = "author@quillbit.example.test";
constexpr const char* kSysInfoProgram = "/opt/tools/sysinfo";

// While alive, answers the first modal box that comes up with OK, noting what it said.
class ModalAnswer {
 public:
  ModalAnswer() {
    QObject::connect(&poll_, &QTimer::timeout, &poll_, [this] {
      QWidget* modal = QApplication::activeModalWidget();
      if (modal == nullptr) return;
      poll_.stop();
      caption = modal->windowTitle();
      if (auto* box = qobject_cast<QMessageBox*>(modal)) text = box->text();
      modal->close();
    });
    poll_.start(10);
  }
  QString caption;
  QString text;

 private:
  QTimer poll_;
};

// The About window of a run on fake ports: a registry, files and programs that exist only in the
// test, and a link opener that records what it is handed.
class AboutWindowTest : public ::testing::Test {
 protected:
  AboutWindowTest()
      : factory(AppInfo{}, Services(), AboutLinks{.download = kDownload, .email = kEmail}, {}),
        slot(factory) {}

  ~AboutWindowTest() override {
    if (QWidget* modal = QApplication::activeModalWidget()) modal->close();
  }

  // "Help" > "About" once more; the window that is open afterwards, active.
  AboutDialog* Open() {
    slot.Show();
    auto* dialog = dynamic_cast<AboutDialog*>(slot.Current());
    if (dialog == nullptr) return nullptr;
    QApplication::setActiveWindow(dialog);
    EXPECT_TRUE(QTest::qWaitForWindowExposed(dialog));
    return dialog;
  }

  // A "PATH" value the fake knows how to start.
  void InstallSysInfo() {
    registry.SetText(Hive::LocalMachine, kSysInfoPathKey, kSysInfoPathValue, kSysInfoProgram);
    programs.programs.insert(kSysInfoProgram);
  }

  QWidget* W(AboutDialog& dialog, const char* name) { return dialog.View().WidgetFor(name); }
  AboutServices Services() {
    return {.registry = registry, .open = opener, .files = files, .programs = programs};
  }

  FakeRegistry registry;
  RecordingOpener opener;
  FakeFiles files;
  FakePrograms programs;
  AboutDialogFactory factory;
  AboutWindowSlot slot;
};

TEST_F(AboutWindowTest, OpensModelessWithoutOwnerInAFixedDialogFrame) {
  AboutDialog* dialog = Open();
  ASSERT_NE(dialog, nullptr);
  EXPECT_TRUE(dialog->isVisible());
  EXPECT_FALSE(dialog->isModal());
  EXPECT_EQ(dialog->parentWidget(), nullptr);
  EXPECT_EQ(dialog->windowHandle()->transientParent(), nullptr);
  const Qt::WindowFlags flags = dialog->windowFlags();
  EXPECT_EQ(dialog->windowType(), Qt::Dialog);
  EXPECT_TRUE(flags & Qt::CustomizeWindowHint);
  EXPECT_TRUE(flags & Qt::WindowTitleHint);
  EXPECT_TRUE(flags & Qt::WindowCloseButtonHint);
  EXPECT_TRUE(flags & Qt::MSWindowsFixedSizeDialogHint);
  EXPECT_FALSE(flags & Qt::WindowMinimizeButtonHint);
  EXPECT_FALSE(flags & Qt::WindowMaximizeButtonHint);
  EXPECT_FALSE(dialog->isSizeGripEnabled());
  EXPECT_EQ(dialog->minimumSize(), QSize(470, 388));
  EXPECT_EQ(dialog->maximumSize(), QSize(470, 388));
}

TEST_F(AboutWindowTest, ShowsTheTextsOfTheLoad) {
  AboutDialog* dialog = Open();
  ASSERT_NE(dialog, nullptr);
  EXPECT_EQ(dialog->windowTitle(), "About Quillbit");
  const auto text = [&](const char* name) {
    return qobject_cast<QLabel*>(W(*dialog, name))->text();
  };
  EXPECT_EQ(text("lblTitle"), "Quillbit");
  EXPECT_EQ(text("lblVersion"), "Version 1.1.1");
  EXPECT_EQ(text("lblDescription"), "Test version including new \"Bach\" Method\r\n");
  EXPECT_EQ(text("lblDisclaimer"), "Author: Tormelund\r\nEmail:\r\n");
  EXPECT_EQ(text("lblEmailLink"), kEmail);
  EXPECT_EQ(text("lblDownloadLink"), kDownload);
  EXPECT_EQ(qobject_cast<QPushButton*>(W(*dialog, "cmdSysInfo"))->text(), "&System Info...");
}

TEST_F(AboutWindowTest, FocusStartsOnOkAndTabGoesToThePictureThenSystemInfo) {
  AboutDialog* dialog = Open();
  ASSERT_NE(dialog, nullptr);
  const std::vector<QWidget*> order = {W(*dialog, "cmdOK"), W(*dialog, "picIcon"),
                                       W(*dialog, "cmdSysInfo"), W(*dialog, "cmdOK")};
  EXPECT_EQ(QApplication::focusWidget(), order.front());
  for (size_t i = 1; i < order.size(); ++i) {
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    EXPECT_EQ(QApplication::focusWidget(), order[i]) << "after " << i << " tabs";
  }
}

TEST_F(AboutWindowTest, OkIsTheDefaultButton) {
  AboutDialog* dialog = Open();
  ASSERT_NE(dialog, nullptr);
  EXPECT_TRUE(qobject_cast<QPushButton*>(W(*dialog, "cmdOK"))->isDefault());
  EXPECT_FALSE(qobject_cast<QPushButton*>(W(*dialog, "cmdSysInfo"))->isDefault());
}

struct KeyCase {
  const char* focus;
  int key;
  Qt::KeyboardModifiers modifiers;
  bool closes;
  bool startsSysInfo;
  const char* name;
};

class AboutKeyTest : public AboutWindowTest, public ::testing::WithParamInterface<KeyCase> {};

TEST_P(AboutKeyTest, KeyPressesOkOrSystemInfo) {
  const KeyCase& c = GetParam();
  InstallSysInfo();
  AboutDialog* dialog = Open();
  ASSERT_NE(dialog, nullptr);
  QWidget* focus = W(*dialog, c.focus);
  focus->setFocus(Qt::TabFocusReason);
  ASSERT_EQ(QApplication::focusWidget(), focus);
  QTest::keyClick(focus, static_cast<Qt::Key>(c.key), c.modifiers);
  // An access key presses its button the way a click looks on screen, a moment later.
  if (c.startsSysInfo) {
    EXPECT_TRUE(QTest::qWaitFor([&] { return !programs.started.empty(); }));
  }
  EXPECT_EQ(dialog->isVisible(), !c.closes);
  EXPECT_EQ(dialog->Model().Loaded(), !c.closes);
  EXPECT_EQ(slot.IsOpen(), !c.closes);
  EXPECT_EQ(programs.started, c.startsSysInfo ? std::vector<std::string>{kSysInfoProgram}
                                              : std::vector<std::string>{});
}

INSTANTIATE_TEST_SUITE_P(
    Table, AboutKeyTest,
    ::testing::Values(
        KeyCase{"cmdOK", Qt::Key_Escape, Qt::NoModifier, true, false, "EscOnOk"},
        KeyCase{"picIcon", Qt::Key_Escape, Qt::NoModifier, true, false, "EscOnPicture"},
        KeyCase{"cmdSysInfo", Qt::Key_Escape, Qt::NoModifier, true, false, "EscOnSystemInfo"},
        KeyCase{"cmdOK", Qt::Key_Return, Qt::NoModifier, true, false, "EnterOnOk"},
        KeyCase{"picIcon", Qt::Key_Return, Qt::NoModifier, true, false, "EnterOnPicture"},
        KeyCase{"picIcon", Qt::Key_Enter, Qt::KeypadModifier, true, false, "KeypadEnterOnPicture"},
        KeyCase{"cmdSysInfo", Qt::Key_Return, Qt::NoModifier, false, true, "EnterOnSystemInfo"},
        KeyCase{"cmdOK", Qt::Key_S, Qt::AltModifier, false, true, "AltSOnOk"},
        KeyCase{"picIcon", Qt::Key_S, Qt::AltModifier, false, true, "AltSOnPicture"}),
    [](const ::testing::TestParamInfo<KeyCase>& p) { return std::string(p.param.name); });

TEST_F(AboutWindowTest, TheCloseBoxClosesLikeOk) {
  AboutDialog* dialog = Open();
  ASSERT_NE(dialog, nullptr);
  dialog->close();
  EXPECT_FALSE(dialog->Model().Loaded());
  EXPECT_FALSE(slot.IsOpen());
}

TEST_F(AboutWindowTest, LinkClicksHandTheExactTargetsToTheDesktop) {
  AboutDialog* dialog = Open();
  ASSERT_NE(dialog, nullptr);
  QTest::mouseClick(W(*dialog, "lblDownloadLink"), Qt::LeftButton);
  QTest::mouseClick(W(*dialog, "lblEmailLink"), Qt::LeftButton);
  EXPECT_EQ(opener.targets, (std::vector<std::string>{kDownload, std::string("mailto:") + kEmail}));
  EXPECT_TRUE(dialog->isVisible());
}

TEST_F(AboutWindowTest, AFailedOpenChangesNothing) {
  opener.result = false;
  AboutDialog* dialog = Open();
  ASSERT_NE(dialog, nullptr);
  QTest::mouseClick(W(*dialog, "lblDownloadLink"), Qt::LeftButton);
  EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
  EXPECT_TRUE(dialog->isVisible());
  EXPECT_EQ(qobject_cast<QLabel*>(W(*dialog, "lblDownloadLink"))->text(), kDownload);
}

TEST_F(AboutWindowTest, LinksAreBlueUnderlinedWithTheHandPointer) {
  AboutDialog* dialog = Open();
  ASSERT_NE(dialog, nullptr);
  for (const char* name : {"lblEmailLink", "lblDownloadLink"}) {
    SCOPED_TRACE(name);
    QWidget* link = W(*dialog, name);
    EXPECT_EQ(link->palette().color(QPalette::WindowText), QColor(0, 0, 255));
    EXPECT_TRUE(link->font().underline());
    EXPECT_TRUE(link->testAttribute(Qt::WA_SetCursor));
    EXPECT_EQ(link->cursor().shape(), Qt::BitmapCursor);
    EXPECT_EQ(link->cursor().hotSpot(), QPoint(13, 5));
    EXPECT_EQ(link->cursor().pixmap().size(), QSize(32, 32));
  }
  for (const char* name : {"lblTitle", "lblDisclaimer", "cmdOK"}) {
    SCOPED_TRACE(name);
    EXPECT_FALSE(W(*dialog, name)->testAttribute(Qt::WA_SetCursor));
    EXPECT_FALSE(W(*dialog, name)->font().underline());
  }
}

TEST_F(AboutWindowTest, PictureShowsTheIconSizedToIt) {
  AboutDialog* dialog = Open();
  ASSERT_NE(dialog, nullptr);
  auto* picture = qobject_cast<QLabel*>(W(*dialog, "picIcon"));
  ASSERT_NE(picture, nullptr);
  EXPECT_EQ(picture->pixmap().size(), QSize(32, 32));
  EXPECT_EQ(picture->geometry(), QRect(16, 16, 32, 32));
}

TEST_F(AboutWindowTest, TheSeparatorIsEtched) {
  // With the build's own links, as the program shows it.
  AboutDialogFactory asBuilt(AppInfo{}, Services());
  AboutWindowSlot asBuiltSlot(asBuilt);
  asBuiltSlot.Show();
  auto* dialog = dynamic_cast<AboutDialog*>(asBuiltSlot.Current());
  ASSERT_NE(dialog, nullptr);
  ASSERT_TRUE(QTest::qWaitForWindowExposed(dialog));
  const QImage image = dialog->grab().toImage();
  // Optionally kept for a look by eye.
  if (const char* path = std::getenv("QUILLBIT_ABOUT_SCREENSHOT")) image.save(path);
  // The grey line on pixel row 315, the white one just below it, from x 7 to 456.
  for (int x : {8, 100, 455}) {
    SCOPED_TRACE(x);
    EXPECT_EQ(image.pixelColor(x, 315), QColor(128, 128, 128));
    EXPECT_EQ(image.pixelColor(x, 316), QColor(255, 255, 255));
  }
}

TEST_F(AboutWindowTest, OpeningTwiceLeavesOneWindowWithItsTexts) {
  AboutDialog* first = Open();
  ASSERT_NE(first, nullptr);
  // A load run again would put the title back.
  first->Model().lblTitle.SetText("still the first load");
  AboutDialog* second = Open();
  EXPECT_EQ(second, first);
  EXPECT_EQ(qobject_cast<QLabel*>(W(*second, "lblTitle"))->text(), "still the first load");
  int shown = 0;
  for (QWidget* w : QApplication::topLevelWidgets())
    shown += qobject_cast<AboutDialog*>(w) != nullptr && w->isVisible();
  EXPECT_EQ(shown, 1);
}

TEST_F(AboutWindowTest, AfterACloseTheNextOpenLoadsAfresh) {
  AboutDialog* first = Open();
  ASSERT_NE(first, nullptr);
  first->Model().lblTitle.SetText("changed");
  QTest::keyClick(first, Qt::Key_Escape);
  ASSERT_FALSE(slot.IsOpen());
  AboutDialog* second = Open();
  ASSERT_NE(second, nullptr);
  EXPECT_TRUE(second->isVisible());
  EXPECT_EQ(qobject_cast<QLabel*>(W(*second, "lblTitle"))->text(), "Quillbit");
}

TEST_F(AboutWindowTest, SystemInfoThatCannotStartShowsTheMessageAndStaysOpen) {
  // "PATH" names a program that is not there: it is tried, then the message comes.
  registry.SetText(Hive::LocalMachine, kSysInfoPathKey, kSysInfoPathValue, "/nowhere/sysinfo");
  AboutDialog* dialog = Open();
  ASSERT_NE(dialog, nullptr);
  const ModalAnswer answer;
  QTest::mouseClick(W(*dialog, "cmdSysInfo"), Qt::LeftButton);
  EXPECT_EQ(answer.text, "System Information Is Unavailable At This Time");
  EXPECT_EQ(answer.caption, "Quillbit");
  EXPECT_EQ(programs.started, std::vector<std::string>{"/nowhere/sysinfo"});
  EXPECT_TRUE(dialog->isVisible());
  EXPECT_TRUE(dialog->Model().Loaded());
}

TEST_F(AboutWindowTest, SystemInfoWithoutAnyEntryShowsTheMessage) {
  AboutDialog* dialog = Open();
  ASSERT_NE(dialog, nullptr);
  const ModalAnswer answer;
  QTest::mouseClick(W(*dialog, "cmdSysInfo"), Qt::LeftButton);
  EXPECT_EQ(answer.text, "System Information Is Unavailable At This Time");
  EXPECT_TRUE(programs.started.empty());
  EXPECT_TRUE(dialog->isVisible());
}

TEST_F(AboutWindowTest, SystemInfoStartsTheToolThePersonsRegistryFileNames) {
  QTemporaryDir folder;
  ASSERT_TRUE(folder.isValid());
  const QString path = folder.filePath("registry.reg");
  QFile file(path);
  ASSERT_TRUE(file.open(QIODevice::WriteOnly));
  file.write(
      "REGEDIT4\n\n"
      "[HKEY_LOCAL_MACHINE\\SOFTWARE\\Microsoft\\Shared Tools\\MSINFO]\n"
      "\"PATH\"=\"/opt/tools/sysinfo\"\n");
  file.close();
  RegistryFile userRegistry(path.toStdString());
  programs.programs.insert(kSysInfoProgram);
  AboutDialogFactory fromFile(
      AppInfo{}, {.registry = userRegistry, .open = opener, .files = files, .programs = programs});
  AboutWindowSlot fromFileSlot(fromFile);
  fromFileSlot.Show();
  auto* dialog = dynamic_cast<AboutDialog*>(fromFileSlot.Current());
  ASSERT_NE(dialog, nullptr);
  const ModalAnswer answer;
  QTest::mouseClick(W(*dialog, "cmdSysInfo"), Qt::LeftButton);
  EXPECT_EQ(programs.started, std::vector<std::string>{kSysInfoProgram});
  EXPECT_EQ(answer.text, "");
}

// The real program's two windows: the main window opens the About window from its menu.
class TwoWindowsTest : public AboutWindowTest {
 protected:
  TwoWindowsTest()
      : main(std::make_unique<MainWindow>(NumberLocale::EnglishUS(), AppInfo{}, settings, &slot)) {}
  ~TwoWindowsTest() override { main.reset(); }

  AboutDialog* ChooseHelpAbout() {
    main->View().ActionFor("mnuAbout")->trigger();
    auto* dialog = dynamic_cast<AboutDialog*>(slot.Current());
    if (dialog != nullptr) {
      EXPECT_TRUE(QTest::qWaitForWindowExposed(dialog));
    }
    return dialog;
  }

  testing::CountingStore settings;
  std::unique_ptr<MainWindow> main;
};

TEST_F(TwoWindowsTest, HelpAboutOpensTheAboutWindowBesideTheMainWindow) {
  main->Start();
  AboutDialog* dialog = ChooseHelpAbout();
  ASSERT_NE(dialog, nullptr);
  EXPECT_TRUE(dialog->isVisible());
  EXPECT_TRUE(main->isVisible());
  EXPECT_EQ(dialog->parentWidget(), nullptr);
  EXPECT_EQ(ChooseHelpAbout(), dialog);
}

// Runs the application's event loop as the program does, until it ends by itself.
TEST_F(TwoWindowsTest, ClosingTheMainWindowLeavesTheAboutWindowAndTheProgramEndsWithIt) {
  main->Start();
  AboutDialog* dialog = ChooseHelpAbout();
  ASSERT_NE(dialog, nullptr);
  bool aboutOpenAfterMainClosed = false;
  bool aboutClosed = false;
  bool endedByItself = true;
  QTimer::singleShot(0, dialog, [&] {
    main->close();
    aboutOpenAfterMainClosed = dialog->isVisible() && dialog->Model().Loaded();
    QTimer::singleShot(0, dialog, [&] {
      aboutClosed = true;
      QTest::mouseClick(W(*dialog, "cmdOK"), Qt::LeftButton);
    });
  });
  QTimer stuck;
  stuck.setSingleShot(true);
  QObject::connect(&stuck, &QTimer::timeout, &stuck, [&] {
    endedByItself = false;
    QCoreApplication::quit();
  });
  stuck.start(10000);
  QApplication::exec();
  EXPECT_TRUE(aboutOpenAfterMainClosed);
  EXPECT_TRUE(aboutClosed) << "the program ended with the About window still open";
  EXPECT_TRUE(endedByItself) << "the program went on after both windows were closed";
  EXPECT_FALSE(slot.IsOpen());
}

TEST_F(TwoWindowsTest, ClosingTheAboutWindowLeavesTheMainWindowRunning) {
  main->Start();
  AboutDialog* dialog = ChooseHelpAbout();
  ASSERT_NE(dialog, nullptr);
  dialog->close();
  EXPECT_TRUE(main->isVisible());
  EXPECT_TRUE(main->Model().Loaded());
  EXPECT_EQ(main->Model().Controls().Get("txtFrames").Text(), "");
}

}  // namespace
}  // namespace quillbit
