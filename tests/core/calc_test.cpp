#include "core/calc.h"

#include <gtest/gtest.h>

namespace quillbit {
namespace {

TEST(Calc, MultiPassWorkedExample) {
  CalcInputs in{.txtFPS = "25", .txtFrames = "90000", .cmbCCESet = "Multi-Pass VBR",
                .bytes_dest = 4700000000, .bytes_aud = 400000000};
  const CalcResult r = calc(in, NumberLocale::EnglishUS());
  ASSERT_FALSE(r.failed);
  ASSERT_EQ(r.writeCount, 2u);
  EXPECT_EQ(r.writes[0].text, "1h, 0m, 0s, 0f");
  EXPECT_EQ(r.writes[1].text, "9556");
  EXPECT_EQ(*r.bytes_m2v, 4300200000.0);
}

}  // namespace
}  // namespace quillbit
