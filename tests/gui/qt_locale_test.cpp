#include "gui/qt_locale.h"

#include <gtest/gtest.h>

namespace quillbit {
namespace {

struct LocaleCase {
  const char* name;
  const char* decimal;
  const char* grouping;
  int primary;
  int secondary;
};

class NumberLocaleFromTest : public ::testing::TestWithParam<LocaleCase> {};

TEST_P(NumberLocaleFromTest, TakesTheSymbolsAndGroupSizesOfTheLocale) {
  const LocaleCase& c = GetParam();
  const NumberLocale locale = NumberLocaleFrom(QLocale(QString::fromLatin1(c.name)));
  EXPECT_EQ(locale.decimal, c.decimal);
  EXPECT_EQ(locale.grouping, c.grouping);
  EXPECT_EQ(locale.primaryGroup, c.primary);
  EXPECT_EQ(locale.secondaryGroup, c.secondary);
  EXPECT_EQ(locale.decimals, 2);
  EXPECT_TRUE(locale.leadingZero);
  EXPECT_EQ(locale.negativeSign, "-");
  EXPECT_EQ(locale.negative, NegativeStyle::LeadingSign);
}

INSTANTIATE_TEST_SUITE_P(Table, NumberLocaleFromTest,
                         ::testing::Values(LocaleCase{"en_US", ".", ",", 3, 3},
                                           LocaleCase{"de_DE", ",", ".", 3, 3},
                                           LocaleCase{"fr_FR", ",", "\u202f", 3, 3},
                                           LocaleCase{"en_IN", ".", ",", 3, 2}));

TEST(NumberLocaleFrom, CLocaleHasAPointAndNoGrouping) {
  const NumberLocale locale = NumberLocaleFrom(QLocale::c());
  EXPECT_EQ(locale.decimal, ".");
  EXPECT_EQ(locale.primaryGroup, 0);
}

}  // namespace
}  // namespace quillbit
