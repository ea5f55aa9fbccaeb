#include "core/number_text.h"

#include <gtest/gtest.h>

#include <cfloat>
#include <cmath>
#include <cstdio>
#include <limits>
#include <numbers>
#include <optional>
#include <string>
#include <vector>

#include "core/units.h"

namespace quillbit {
namespace {

const std::string kNnbsp = "\xE2\x80\xAF";  // U+202F NARROW NO-BREAK SPACE

struct NamedLocale {
  const char* name;
  NumberLocale locale;
};

const NamedLocale kLocales[] = {{"en-US", NumberLocale::EnglishUS()},
                                {"de-DE", NumberLocale::GermanDE()},
                                {"fr-FR", NumberLocale::FrenchFR()}};

const NumberLocale& Locale(const std::string& name) {
  for (const NamedLocale& l : kLocales) {
    if (name == l.name) return l.locale;
  }
  ADD_FAILURE() << "no locale " << name;
  return kLocales[0].locale;
}

// ---- Text to number ----------------------------------------------------------------------

struct ParseCase {
  const char* locale;
  std::string text;
  std::optional<double> value;
};

void PrintTo(const ParseCase& c, std::ostream* os) {
  *os << c.locale << " \"" << testing::PrintToString(c.text) << "\"";
}

class ParseNumberCase : public testing::TestWithParam<ParseCase> {};

TEST_P(ParseNumberCase, ReadsTheLocaleForm) {
  const ParseCase& c = GetParam();
  const std::optional<double> got = ParseNumber(c.text, Locale(c.locale));
  ASSERT_EQ(got.has_value(), c.value.has_value()) << (got ? *got : 0.0);
  if (c.value) {
    EXPECT_EQ(*got, *c.value);
    EXPECT_EQ(std::signbit(*got), std::signbit(*c.value));
  }
  EXPECT_EQ(NumOrZero(c.text, Locale(c.locale)), c.value.value_or(0.0));
}

const std::optional<double> kFails;

INSTANTIATE_TEST_SUITE_P(
    PointAndComma, ParseNumberCase,
    testing::Values(
        ParseCase{"en-US", "12.5", 12.5}, ParseCase{"en-US", "  12.5\t", 12.5},
        ParseCase{"en-US", "+3", 3}, ParseCase{"en-US", "-3", -3}, ParseCase{"en-US", "-0", -0.0},
        ParseCase{"en-US", "1,000", 1000}, ParseCase{"en-US", "1,234,567.25", 1234567.25},
        ParseCase{"en-US", "4300000000", 4.3e9},
        // The grouping symbol is skipped wherever it stands in the whole part.
        ParseCase{"en-US", "12,5", 125}, ParseCase{"en-US", "1,,000,", 1000},
        ParseCase{"en-US", ".5", 0.5}, ParseCase{"en-US", "5.", 5}, ParseCase{"en-US", "1e3", 1000},
        ParseCase{"en-US", "2.5E-3", 0.0025}, ParseCase{"en-US", "1E+15", 1e15},
        ParseCase{"en-US", "007", 7}, ParseCase{"en-US", "1.79769313486232E+308", DBL_MAX},
        ParseCase{"en-US", "-1.79769313486232E+308", -DBL_MAX},
        ParseCase{"en-US", "1.7976931348623157E308", DBL_MAX},
        ParseCase{"en-US", "4.94065645841247E-324", std::numeric_limits<double>::denorm_min()},
        // Too small for a double: it rounds to zero, keeping the sign.
        ParseCase{"en-US", "1E-400", 0.0}, ParseCase{"en-US", "-1E-400", -0.0},
        ParseCase{"en-US", "1E-99999999999999999999", 0.0},
        // Failures.
        ParseCase{"en-US", "", kFails}, ParseCase{"en-US", "   ", kFails},
        ParseCase{"en-US", "abc", kFails}, ParseCase{"en-US", "12abc", kFails},
        ParseCase{"en-US", "1E400", kFails}, ParseCase{"en-US", "-1E400", kFails},
        ParseCase{"en-US", "1.8E308", kFails}, ParseCase{"en-US", "1.7976931348624E308", kFails},
        ParseCase{"en-US", "1E99999999999999999999", kFails}, ParseCase{"en-US", "NaN", kFails},
        ParseCase{"en-US", "nan", kFails}, ParseCase{"en-US", "Infinity", kFails},
        ParseCase{"en-US", "-inf", kFails}, ParseCase{"en-US", "-", kFails},
        ParseCase{"en-US", "+", kFails}, ParseCase{"en-US", ".", kFails},
        ParseCase{"en-US", "--5", kFails}, ParseCase{"en-US", "+-5", kFails},
        ParseCase{"en-US", "1e", kFails}, ParseCase{"en-US", "1e+", kFails},
        ParseCase{"en-US", "e5", kFails}, ParseCase{"en-US", "1e5.5", kFails},
        ParseCase{"en-US", "1.2.3", kFails}, ParseCase{"en-US", "1.000,5", kFails},
        ParseCase{"en-US", ",5", kFails}, ParseCase{"en-US", "0x10", kFails},
        ParseCase{"en-US", "1 000", kFails}, ParseCase{"en-US", "1" + kNnbsp + "000", kFails},
        ParseCase{"en-US", std::string("12\0", 3), kFails},
        ParseCase{"en-US",
                  std::string("1\0"
                              "2",
                              3),
                  kFails},
        ParseCase{"en-US", "\xC3\x28", kFails}, ParseCase{"en-US", "12\xFF", kFails}));

INSTANTIATE_TEST_SUITE_P(
    CommaAndPoint, ParseNumberCase,
    testing::Values(ParseCase{"de-DE", "12,5", 12.5}, ParseCase{"de-DE", "1.234,5", 1234.5},
                    ParseCase{"de-DE", "150.000", 150000}, ParseCase{"de-DE", "12.5", 125},
                    ParseCase{"de-DE", "1,5E+20", 1.5e20}, ParseCase{"de-DE", "-2059", -2059},
                    ParseCase{"de-DE", "12,5,5", kFails}, ParseCase{"de-DE", "1,000.5", kFails},
                    ParseCase{"de-DE", "NaN", kFails}));

INSTANTIATE_TEST_SUITE_P(
    CommaAndNarrowSpace, ParseNumberCase,
    testing::Values(ParseCase{"fr-FR", "12,5", 12.5},
                    ParseCase{"fr-FR", "4" + kNnbsp + "300" + kNnbsp + "200" + kNnbsp + "000,5",
                              4300200000.5},
                    ParseCase{"fr-FR", "150" + kNnbsp + "000", 150000},
                    ParseCase{"fr-FR", "1,5E-3", 0.0015},
                    // Only the whole three-byte symbol groups; a cut one is not a number.
                    ParseCase{"fr-FR",
                              "1\xE2\x80"
                              "000",
                              kFails},
                    ParseCase{"fr-FR",
                              "1\xE2"
                              "000",
                              kFails},
                    ParseCase{"fr-FR", "1 000", kFails}, ParseCase{"fr-FR", "12.5", kFails}));

TEST(ParseNumber, TenThousandDigits) {
  const NumberLocale en = NumberLocale::EnglishUS();
  EXPECT_FALSE(ParseNumber(std::string(10000, '9'), en).has_value());
  EXPECT_EQ(ParseNumber(std::string(9999, '0') + "7", en), 7.0);
  EXPECT_EQ(ParseNumber("0." + std::string(10000, '0') + "1", en), 0.0);
  EXPECT_EQ(ParseNumber("0." + std::string(10000, '0') + "1E+10005", en), 10000.0);
  EXPECT_EQ(ParseNumber("1" + std::string(308, '0'), en), 1e308);
  EXPECT_DOUBLE_EQ(*ParseNumber("0." + std::string(10000, '3'), en), 1.0 / 3);
}

// Every text that no locale reads as a number gives 0 through NumOrZero, in every locale.
TEST(NumOrZero, BadInputIsZeroInEveryLocale) {
  const std::vector<std::string> bad = {"",
                                        "abc",
                                        "12abc",
                                        "1E400",
                                        "NaN",
                                        "Infinity",
                                        "-Infinity",
                                        "-",
                                        "+",
                                        std::string(10000, '9'),
                                        "\xC3\x28",
                                        "\xFF\xFE\xFD",
                                        std::string("5\0", 2),
                                        std::string("\0"
                                                    "5",
                                                    2)};
  for (const NamedLocale& l : kLocales) {
    for (const std::string& text : bad) {
      EXPECT_FALSE(ParseNumber(text, l.locale).has_value())
          << l.name << " " << testing::PrintToString(text);
      EXPECT_EQ(NumOrZero(text, l.locale), 0.0) << l.name << " " << testing::PrintToString(text);
    }
  }
}

// ---- Plain text form ---------------------------------------------------------------------

struct PlainCase {
  double value;
  std::string enUS;
  std::string comma;  // de-DE and fr-FR alike: no grouping, comma decimal
};

void PrintTo(const PlainCase& c, std::ostream* os) {
  *os << c.enUS;
}

class PlainTextCase : public testing::TestWithParam<PlainCase> {};

TEST_P(PlainTextCase, WritesFifteenDigitsWithoutGrouping) {
  EXPECT_EQ(PlainText(GetParam().value, NumberLocale::EnglishUS()), GetParam().enUS);
  EXPECT_EQ(PlainText(GetParam().value, NumberLocale::GermanDE()), GetParam().comma);
  EXPECT_EQ(PlainText(GetParam().value, NumberLocale::FrenchFR()), GetParam().comma);
}

INSTANTIATE_TEST_SUITE_P(
    Values, PlainTextCase,
    testing::Values(
        PlainCase{4.384, "4.384", "4,384"}, PlainCase{4489.25, "4489.25", "4489,25"},
        PlainCase{125829120, "125829120", "125829120"}, PlainCase{-2059, "-2059", "-2059"},
        PlainCase{0, "0", "0"}, PlainCase{-0.0, "0", "0"}, PlainCase{0.5, "0.5", "0,5"},
        PlainCase{-0.5, "-0.5", "-0,5"}, PlainCase{0.1 + 0.2, "0.3", "0,3"},
        PlainCase{1.0 / 3, "0.333333333333333", "0,333333333333333"},
        PlainCase{2.0 / 3, "0.666666666666667", "0,666666666666667"},
        PlainCase{123456789.123456789, "123456789.123457", "123456789,123457"},
        PlainCase{999999999999999, "999999999999999", "999999999999999"},
        PlainCase{4300200000, "4300200000", "4300200000"},
        PlainCase{4273073230.7692304, "4273073230.76923", "4273073230,76923"},
        // Exponent notation from 1E+15 up.
        PlainCase{1e15, "1E+15", "1E+15"}, PlainCase{-1e15, "-1E+15", "-1E+15"},
        PlainCase{1.5e15, "1.5E+15", "1,5E+15"}, PlainCase{999999999999999.5, "1E+15", "1E+15"},
        PlainCase{123456789012345678.0, "1.23456789012346E+17", "1,23456789012346E+17"},
        PlainCase{1e100, "1E+100", "1E+100"},
        PlainCase{DBL_MAX, "1.79769313486232E+308", "1,79769313486232E+308"},
        // Small numbers.
        PlainCase{0.0001, "0.0001", "0,0001"}, PlainCase{0.00012, "0.00012", "0,00012"},
        PlainCase{0.00001, "1E-05", "1E-05"}, PlainCase{-1.5e-7, "-1.5E-07", "-1,5E-07"},
        PlainCase{std::numeric_limits<double>::denorm_min(), "4.94065645841247E-324",
                  "4,94065645841247E-324"}));

TEST(PlainText, NeverWritesInfinityOrNaN) {
  for (const NamedLocale& l : kLocales) {
    EXPECT_EQ(PlainText(std::numeric_limits<double>::infinity(), l.locale), "0");
    EXPECT_EQ(PlainText(-std::numeric_limits<double>::infinity(), l.locale), "0");
    EXPECT_EQ(PlainText(std::numeric_limits<double>::quiet_NaN(), l.locale), "0");
  }
}

// What the program writes it must read back: the same value to 15 significant digits.
TEST(PlainText, ReadsBackToTheSameValueInEveryLocale) {
  const double values[] = {4.384,
                           -2059,
                           1.0 / 3,
                           std::numbers::pi * 1e7,
                           0.1,
                           1e15,
                           -123456789012345678.0,
                           999999999999999.5,
                           1e-5,
                           DBL_MAX,
                           -DBL_MAX,
                           DBL_MIN,
                           std::numeric_limits<double>::denorm_min(),
                           1.2345678901234567e-310,
                           4273073230.7692304,
                           9007199254740993.0};
  for (const NamedLocale& l : kLocales) {
    for (const double v : values) {
      const std::string text = PlainText(v, l.locale);
      const std::optional<double> back = ParseNumber(text, l.locale);
      ASSERT_TRUE(back.has_value()) << l.name << " " << text;
      EXPECT_EQ(PlainText(*back, l.locale), text) << l.name;
      EXPECT_LE(std::fabs(*back - v), std::fabs(v) * 5e-15) << l.name << " " << text;
    }
  }
}

// ---- Standard number format --------------------------------------------------------------

struct StandardCase {
  const char* locale;
  double value;
  std::string text;
};

void PrintTo(const StandardCase& c, std::ostream* os) {
  *os << c.locale << " " << c.value;
}

class StandardNumberCase : public testing::TestWithParam<StandardCase> {};

TEST_P(StandardNumberCase, GroupsAndFixesTheDecimals) {
  EXPECT_EQ(StandardNumber(GetParam().value, Locale(GetParam().locale)), GetParam().text);
}

std::string Fr(const std::string& s) {
  std::string out;
  for (char c : s) out += c == ' ' ? kNnbsp : std::string(1, c);
  return out;
}

INSTANTIATE_TEST_SUITE_P(
    ThreeLocales, StandardNumberCase,
    testing::Values(
        StandardCase{"en-US", 4300200000, "4,300,200,000.00"},
        StandardCase{"en-US", 4199414.0625, "4,199,414.06"},
        StandardCase{"en-US", 4100.9903, "4,100.99"}, StandardCase{"en-US", 4.0049, "4.00"},
        StandardCase{"en-US", 0, "0.00"}, StandardCase{"en-US", -0.0, "0.00"},
        StandardCase{"en-US", -0.001, "0.00"}, StandardCase{"en-US", 999.999, "1,000.00"},
        StandardCase{"en-US", 100, "100.00"}, StandardCase{"en-US", 123456, "123,456.00"},
        StandardCase{"en-US", -2059, "-2,059.00"},
        StandardCase{"en-US", 1e20, "100,000,000,000,000,000,000.00"},
        StandardCase{"de-DE", 4300200000, "4.300.200.000,00"},
        StandardCase{"de-DE", 4199414.0625, "4.199.414,06"},
        StandardCase{"de-DE", 4100.9903, "4.100,99"}, StandardCase{"de-DE", 4.0049, "4,00"},
        StandardCase{"de-DE", 0, "0,00"}, StandardCase{"de-DE", -2059, "-2.059,00"},
        StandardCase{"fr-FR", 4300200000, Fr("4 300 200 000,00")},
        StandardCase{"fr-FR", 4199414.0625, Fr("4 199 414,06")},
        StandardCase{"fr-FR", 4100.9903, Fr("4 100,99")}, StandardCase{"fr-FR", 4.0049, "4,00"},
        StandardCase{"fr-FR", 0, "0,00"}, StandardCase{"fr-FR", -2059, Fr("-2 059,00")}));

TEST(StandardNumber, FollowsTheLocaleOptions) {
  NumberLocale l = NumberLocale::EnglishUS();
  l.leadingZero = false;
  EXPECT_EQ(StandardNumber(0.5, l), ".50");
  EXPECT_EQ(StandardNumber(-0.5, l), "-.50");
  l = NumberLocale::EnglishUS();
  l.decimals = 0;
  EXPECT_EQ(StandardNumber(4100.9903, l), "4,101");
  l.decimals = 3;
  EXPECT_EQ(StandardNumber(4100.9903, l), "4,100.990");
  l = NumberLocale::EnglishUS();
  l.secondaryGroup = 2;  // the Indian style
  EXPECT_EQ(StandardNumber(4300200000, l), "4,30,02,00,000.00");
  l.primaryGroup = 0;
  EXPECT_EQ(StandardNumber(4300200000, l), "4300200000.00");
}

TEST(StandardNumber, WritesEachNegativeStyle) {
  const std::pair<NegativeStyle, std::string> styles[] = {
      {NegativeStyle::Parentheses, "(2,059.50)"},
      {NegativeStyle::LeadingSign, "-2,059.50"},
      {NegativeStyle::LeadingSignSpace, "- 2,059.50"},
      {NegativeStyle::TrailingSign, "2,059.50-"},
      {NegativeStyle::TrailingSignSpace, "2,059.50 -"}};
  for (const auto& [style, text] : styles) {
    NumberLocale l = NumberLocale::EnglishUS();
    l.negative = style;
    EXPECT_EQ(StandardNumber(-2059.5, l), text);
    EXPECT_EQ(StandardNumber(2059.5, l), "2,059.50");
  }
}

TEST(StandardNumber, NeverWritesInfinityOrNaN) {
  for (const NamedLocale& l : kLocales) {
    for (double v :
         {std::numeric_limits<double>::infinity(), -std::numeric_limits<double>::infinity(),
          std::numeric_limits<double>::quiet_NaN()}) {
      const std::string text = StandardNumber(v, l.locale);
      EXPECT_EQ(text.find_first_of("infINF"), std::string::npos) << l.name << " " << text;
    }
  }
  EXPECT_EQ(StandardNumber(-DBL_MAX, NumberLocale::EnglishUS()).substr(0, 8), "-179,769");
}

// The estimated output size display: the estimate in the chosen unit, in the standard format.
TEST(EstimatedSizeDisplay, ShowsTheEstimateInEachUnit) {
  const double bytesM2v = 4300200000;
  const std::pair<std::string, std::string> table[] = {{"Bytes", "4,300,200,000.00"},
                                                       {"KB", "4,199,414.06"},
                                                       {"MB", "4,100.99"},
                                                       {"GB", "4.00"},
                                                       {"", "0.00"}};
  for (const auto& [unit, text] : table) {
    EXPECT_EQ(StandardNumber(FromBytes(unit, bytesM2v), NumberLocale::EnglishUS()), text) << unit;
  }
  EXPECT_EQ(StandardNumber(FromBytes("MB", 0), NumberLocale::EnglishUS()), "0.00");
}

}  // namespace
}  // namespace quillbit
