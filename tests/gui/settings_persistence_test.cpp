// The real window over the real per-user registry file: what a person leaves is there next time.
#include <gtest/gtest.h>

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QRadioButton>
#include <QTest>
#include <QTimer>
#include <cstdlib>
#include <filesystem>

#include "gui/main_window.h"
#include "gui/settings_factory.h"
#include "tests/support/temp_folder.h"

namespace quillbit {
namespace {

class SettingsPersistence : public ::testing::Test {
 protected:
  SettingsPersistence() {
    // Answers every message box at once (the PAL note comes up while PAL is picked or restored).
    QObject::connect(&dismisser_, &QTimer::timeout, &dismisser_, [this] {
      if (QWidget* modal = QApplication::activeModalWidget()) {
        ++messages_;
        modal->close();
      }
    });
    dismisser_.start(5);
  }

  // One run of the program: load and show, let `use` act on it, then close by the close box.
  template <typename Use>
  void Run(Use use) {
    const std::unique_ptr<SettingsBackend> settings = MakeSettingsBackend(config_.c_str(), "/none");
    MainWindow window(NumberLocale::EnglishUS(), AppInfo{}, settings->store);
    window.Start();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    use(window);
    EXPECT_TRUE(window.close()) << "the window must close whatever the settings file does";
  }

  static QString Text(MainWindow& window, const char* name) {
    QWidget* widget = window.View().WidgetFor(name);
    if (auto* edit = qobject_cast<QLineEdit*>(widget)) return edit->text();
    if (auto* combo = qobject_cast<QComboBox*>(widget)) return combo->currentText();
    return {};
  }

  static void Type(MainWindow& window, const char* name, const char* text) {
    auto* edit = qobject_cast<QLineEdit*>(window.View().WidgetFor(name));
    edit->setFocus();
    edit->selectAll();
    QTest::keyClick(edit, Qt::Key_Delete);
    QTest::keyClicks(edit, text);
  }

  static void Pick(MainWindow& window, const char* name, const char* item) {
    auto* combo = qobject_cast<QComboBox*>(window.View().WidgetFor(name));
    combo->setFocus();
    const int index = combo->findText(item);
    ASSERT_GE(index, 0) << item;
    // Keyboard choice, as a person with the list focused would make it.
    while (combo->currentIndex() < index) QTest::keyClick(combo, Qt::Key_Down);
    while (combo->currentIndex() > index) QTest::keyClick(combo, Qt::Key_Up);
  }

  static void ExpectFirstRun(MainWindow& window) {
    EXPECT_EQ(Text(window, "txtFrames"), "");
    EXPECT_EQ(Text(window, "cmbCCESet"), "Single Pass VBR");
    EXPECT_TRUE(qobject_cast<QRadioButton*>(window.View().WidgetFor("optFormat(0)"))->isChecked());
    EXPECT_TRUE(qobject_cast<QCheckBox*>(window.View().WidgetFor("chkFF"))->isChecked());
    EXPECT_EQ(Text(window, "txtCushion"), "120");
    EXPECT_EQ(Text(window, "txtDiskSpace"), "4.384");
  }

  std::string RegistryPath() const { return config_ + "/quillbit/registry.reg"; }

  TempFolder folder_;
  const std::string config_ = folder_.Path();
  QTimer dismisser_;
  int messages_ = 0;
};

TEST_F(SettingsPersistence, WhatIsLeftOnCloseIsThereAtTheNextStart) {
  Run([](MainWindow& window) {
    ExpectFirstRun(window);
    Type(window, "txtFrames", "140000");
    Pick(window, "cmbCCESet", "Multi-Pass VBR");
    Pick(window, "cmbSub", "KB");
    Type(window, "txtSub", "102.4");
    Type(window, "txtDiskSpace", "8.5");
    QTest::mouseClick(window.View().WidgetFor("optFormat(1)"), Qt::LeftButton);
  });
  EXPECT_EQ(std::filesystem::status(RegistryPath()).permissions() & std::filesystem::perms::all,
            std::filesystem::perms::owner_read | std::filesystem::perms::owner_write);
  Run([](MainWindow& window) {
    EXPECT_EQ(Text(window, "txtFrames"), "140000");
    EXPECT_EQ(Text(window, "cmbCCESet"), "Multi-Pass VBR");
    EXPECT_EQ(Text(window, "cmbSub"), "KB");
    EXPECT_EQ(Text(window, "txtSub"), "102.4");
    EXPECT_TRUE(qobject_cast<QRadioButton*>(window.View().WidgetFor("optFormat(1)"))->isChecked());
    // The destination always starts at a single-layer disc.
    EXPECT_EQ(Text(window, "txtDiskSpace"), "4.384");
  });
}

TEST_F(SettingsPersistence, ACorruptFileOpensWithDefaultsAndIsReplacedOnClose) {
  std::filesystem::create_directories(config_ + "/quillbit");
  WriteWholeFile(
      RegistryPath(),
      std::string("\0\xff\xfe[HKEY_LOCAL_MACHINE\\SOFTWARE\n\"x=\n", 32) + std::string(5000, '['));
  Run([](MainWindow& window) {
    ExpectFirstRun(window);
    Type(window, "txtFrames", "500");
  });
  Run([](MainWindow& window) { EXPECT_EQ(Text(window, "txtFrames"), "500"); });
  EXPECT_EQ(messages_, 0);
}

TEST_F(SettingsPersistence, AFolderThatCannotBeWrittenLosesTheSettingsSilently) {
  // A file where the folder should be stops the save even for root.
  WriteWholeFile(config_ + "/quillbit", "not a folder");
  Run([](MainWindow& window) {
    ExpectFirstRun(window);
    Type(window, "txtFrames", "500");
  });
  Run([](MainWindow& window) { ExpectFirstRun(window); });
  EXPECT_EQ(messages_, 0);
  EXPECT_TRUE(std::filesystem::is_regular_file(config_ + "/quillbit"));
}

}  // namespace
}  // namespace quillbit
