#pragma once

#include <gtest/gtest.h>

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QTest>
#include <memory>

#include "core/stored_settings.h"
#include "gui/main_window.h"
#include "gui/memory_settings_store.h"

namespace quillbit::testing {

// What one save writes: the seventeen values and the audio tracks beside them.
inline constexpr int kValuesSaved = static_cast<int>(kStoredSettingCount) + 1;

// Settings in memory that count the writes, to see how often the window saved.
class CountingStore : public MemorySettingsStore {
 public:
  void Write(std::string_view name, std::string_view text) override {
    ++writes;
    MemorySettingsStore::Write(name, text);
  }
  int writes = 0;
};

// A main window on the offscreen platform, with pinned number conventions and settings in memory.
class MainWindowTest : public ::testing::Test {
 protected:
  MainWindowTest()
      : window(std::make_unique<MainWindow>(NumberLocale::EnglishUS(), AppInfo{}, settings)) {}

  void StartAndActivate() {
    window->Start();
    QApplication::setActiveWindow(window.get());
    ASSERT_TRUE(QTest::qWaitForWindowExposed(window.get()));
  }

  Form1& model() { return window->Model(); }
  QWidget* widget(const char* name) { return window->View().WidgetFor(name); }
  template <typename T>
  T* as(const char* name) {
    return qobject_cast<T*>(widget(name));
  }

  // Every control's widget shows exactly what the model holds.
  void ExpectWidgetsMatchModel() {
    for (const Control& c : model().Controls().All()) {
      SCOPED_TRACE(c.Name());
      QWidget* w = widget(c.Name().c_str());
      if (c.Kind() == ControlKind::Menu) continue;
      ASSERT_NE(w, nullptr);
      EXPECT_EQ(w->isHidden(), !c.Visible());
      EXPECT_EQ(w->isEnabled(), c.Enabled());
      const QString text = QString::fromStdString(c.Text());
      if (auto* edit = qobject_cast<QLineEdit*>(w)) {
        EXPECT_EQ(edit->text(), text);
        EXPECT_EQ(edit->font().bold(), c.Bold());
      } else if (auto* label = qobject_cast<QLabel*>(w)) {
        EXPECT_EQ(label->text(), text);
      } else if (auto* combo = qobject_cast<QComboBox*>(w)) {
        EXPECT_EQ(combo->count(), static_cast<int>(c.Items().size()));
        EXPECT_EQ(combo->currentIndex(), c.ListIndex());
      } else if (auto* button = qobject_cast<QAbstractButton*>(w)) {
        EXPECT_EQ(button->text(), text);
        EXPECT_EQ(button->isChecked(), c.Value() == 1);
      }
    }
  }

  CountingStore settings;
  std::unique_ptr<MainWindow> window;
};

}  // namespace quillbit::testing
