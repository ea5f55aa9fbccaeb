#include <gtest/gtest.h>

#include "main_window/form1.h"

namespace quillbit {
namespace {

struct NullPorts : MessageBoxPort, ScreenPort, SettingsStore, MainWindowHost {
  void ShowMessage(std::string_view, std::string_view) override {}
  float ScreenWidthTwips() const override { return 1920 * 15; }
  float ScreenHeightTwips() const override { return 1080 * 15; }
  void CreateKey() override {}
  void Write(std::string_view, std::string_view) override {}
  SettingValue Read(std::string_view) override { return {}; }
  void ShowAboutWindow() override {}
  void WindowUnloaded() override {}
};

TEST(Form1Calc, WritesResultsIntoControls) {
  NullPorts ports;
  Form1 form(NumberLocale::EnglishUS(), AppInfo{}, {ports, ports, ports, ports});
  form.cmbM2VSize.AddItem("KB");
  form.cmbM2VSize.SetListIndex(0);
  form.State().bytes_dest = 4700000000;
  form.State().bytes_aud = 400000000;
  form.txtFPS.SetText("25");
  form.txtFrames.SetText("90000");
  EXPECT_EQ(form.txtLength.Text(), "1h, 0m, 0s, 0f");
  EXPECT_EQ(form.txtM2VSize.Text(), "4,199,414.06");
}

}  // namespace
}  // namespace quillbit
