#include "core/presets.h"

#include <gtest/gtest.h>

#include <string>

#include "core/control_set.h"
#include "main_window/form1_layout.h"

namespace quillbit {
namespace {

TEST(Presets, MethodTextIsComparedExactly) {
  const auto single = MethodLayout("Single Pass VBR");
  const auto bach = MethodLayout("Single Pass (Bach Method)");
  const auto multi = MethodLayout("Multi-Pass VBR");
  EXPECT_NE(single.data(), bach.data());
  EXPECT_NE(single.data(), multi.data());
  EXPECT_NE(bach.data(), multi.data());
  for (const char* other : {"", "Foo", "single pass vbr", "Single Pass VBR ", " Single Pass VBR",
                            "Single Pass (Bach method)"}) {
    EXPECT_EQ(MethodLayout(other).data(), multi.data()) << other;
  }
}

// The layouts and the starting units name controls of the main window; a misspelt name would
// only show when the step runs.
TEST(Presets, EveryNamedControlExists) {
  ControlSet controls(Form1Layout());
  for (const char* method : {"Single Pass VBR", "Single Pass (Bach Method)", "Multi-Pass VBR"}) {
    for (const LayoutStep& step : MethodLayout(method)) {
      for (std::string_view name : step.controls) {
        if (name.empty()) continue;
        EXPECT_NE(controls.Find(name), nullptr) << method << ": " << name;
      }
    }
  }
  for (const StartingUnit& start : kStartingUnits) {
    const Control* list = controls.Find(start.list);
    ASSERT_NE(list, nullptr) << start.list;
    EXPECT_EQ(list->Kind(), ControlKind::List);
  }
}

}  // namespace
}  // namespace quillbit
