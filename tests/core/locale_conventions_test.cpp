#include "core/locale_conventions.h"

#include <gtest/gtest.h>

#include "core/number_text.h"

namespace quillbit {
namespace {

struct GroupingCase {
  const char* text;
  const char* shown;  // 1234567890.5 in the standard number format
};

TEST(LocaleConventions, GroupingTextsAsWindowsGivesThem) {
  const GroupingCase cases[] = {
      {"3;0", "1,234,567,890.50"}, {"3;2;0", "1,23,45,67,890.50"}, {"3", "1234567,890.50"},
      {"0", "1234567890.50"},      {"", "1,234,567,890.50"},       {"x;3", "1,234,567,890.50"},
  };
  for (const GroupingCase& c : cases) {
    NumberLocale locale = NumberLocale::EnglishUS();
    ApplyGroupingText(c.text, locale);
    EXPECT_EQ(StandardNumber(1234567890.5, locale), c.shown) << '"' << c.text << '"';
  }
}

TEST(LocaleConventions, NegativeStylesByIndex) {
  const char* shown[] = {"(1.50)", "-1.50", "- 1.50", "1.50-", "1.50 -", "-1.50"};
  for (int index = 0; index <= 5; ++index) {
    NumberLocale locale = NumberLocale::EnglishUS();
    locale.negative = NegativeStyleFromIndex(index);
    EXPECT_EQ(StandardNumber(-1.5, locale), shown[index]) << index;
  }
}

}  // namespace
}  // namespace quillbit
