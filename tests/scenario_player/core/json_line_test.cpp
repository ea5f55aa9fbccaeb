#include "scenario_player/core/json_line.h"

#include <gtest/gtest.h>

#include <limits>

#include "scenario_player/core/dump_check.h"

namespace quillbit::scenario {
namespace {

Json One(std::string_view text) {
  const JsonValues parse = ParseJsonValues(text);
  EXPECT_EQ(parse.error, "");
  EXPECT_EQ(parse.values.size(), 1u);
  return parse.values.empty() ? Json{} : parse.values.front();
}

TEST(JsonLine, WritesOneLineWithBlankAfterColonsAndCommas) {
  Json json = Json::object();
  json["a"] = {1, true, nullptr};
  json["b"] = Json::object();
  json["c"] = "x";
  EXPECT_EQ(JsonLine(json), R"({"a": [1, true, null], "b": {}, "c": "x"})");
}

TEST(JsonLine, NumbersKeepSeventeenSignificantDigits) {
  const auto text = [](double value) { return JsonLine(Json(value)); };
  EXPECT_EQ(text(4707319808), "4707319808");
  EXPECT_EQ(text(0.1), "0.10000000000000001");
  EXPECT_EQ(text(1000026.9312), "1000026.9312");
  EXPECT_EQ(text(-2059), "-2059");
  EXPECT_EQ(text(1e300), "1.0000000000000001e+300");
  EXPECT_EQ(text(std::numeric_limits<double>::infinity()), "null");
  EXPECT_EQ(text(std::numeric_limits<double>::quiet_NaN()), "null");
}

TEST(JsonLine, EscapesQuotesBackslashesAndControlCharacters) {
  const auto text = [](std::string value) { return JsonLine(Json(std::move(value))); };
  EXPECT_EQ(text("Note: \"Single Pass VBR\""), R"("Note: \"Single Pass VBR\"")");
  EXPECT_EQ(text("a\\b\r\n\t"), R"("a\\b\r\n\t")");
  EXPECT_EQ(text(std::string("ch\0", 3)), R"("ch\u0000")");
  EXPECT_EQ(text("\x1f"), R"("\u001f")");
  EXPECT_EQ(text("\xE2\x80\xAF"), "\"\xE2\x80\xAF\"");
}

TEST(JsonLine, BytesThatAreNotUtf8BecomeTheReplacementCharacter) {
  EXPECT_EQ(JsonLine(Json("a\xE9z")), "\"a\xEF\xBF\xBDz\"");
}

TEST(JsonValues, ReadWhatTheLineWrites) {
  const std::string text =
      R"({"t": "a\"b\\c\u0000\u00e9\ud83d\ude00", "n": -1.5e3, "l": [true, false, null], "o": {}})";
  const Json value = One(text);
  ASSERT_TRUE(value.is_object());
  EXPECT_EQ(value["t"], std::string("a\"b\\c\0\xC3\xA9\xF0\x9F\x98\x80", 12));
  EXPECT_EQ(value["n"], -1500);
  EXPECT_EQ(value["l"].size(), 3u);
  EXPECT_EQ(JsonLine(value),
            "{\"t\": \"a\\\"b\\\\c\\u0000\xC3\xA9\xF0\x9F\x98\x80\", \"n\": -1500, \"l\": [true, "
            "false, null], \"o\": {}}");
}

TEST(JsonValues, AreReadOneAfterAnother) {
  const JsonValues parse = ParseJsonValues("{\"a\": 1}\n\n[2]\n  3 ");
  EXPECT_EQ(parse.error, "");
  EXPECT_EQ(parse.values.size(), 3u);
}

class BrokenJson : public testing::TestWithParam<const char*> {};

TEST_P(BrokenJson, IsReportedNotGuessed) {
  EXPECT_NE(ParseJsonValues(GetParam()).error, "");
}

INSTANTIATE_TEST_SUITE_P(Texts, BrokenJson,
                         testing::Values("{", "{\"a\" 1}", "[1,]", "\"open", "tru", "+1", "1.2.3",
                                         "{\"a\": 1,}", "\"\\q\"", "\"\\u12\"", "{1: 2}", "nul"));

TEST(JsonValues, EveryDifferenceIsReported) {
  EXPECT_EQ(SubsetMismatches(One(R"({"a": 1, "b": {"c": true}, "d": 0})"),
                             One(R"({"a": 2, "b": {"c": false}})")),
            (std::vector<std::string>{"a: expected 1, got 2", "b.c: expected true, got false",
                                      "d: missing"}));
}

TEST(JsonValues, DeepNestingIsRefusedWithoutCrashing) {
  EXPECT_NE(ParseJsonValues(std::string(100000, '[')).error, "");
}

struct SubsetCase {
  const char* expected;
  const char* actual;
  const char* mismatch;  // "" when it matches
};

void PrintTo(const SubsetCase& c, std::ostream* os) {
  *os << c.expected << " in " << c.actual;
}

class Subset : public testing::TestWithParam<SubsetCase> {};

TEST_P(Subset, ComparesOnlyWhatIsExpected) {
  const std::vector<std::string> mismatches =
      SubsetMismatches(One(GetParam().expected), One(GetParam().actual));
  EXPECT_EQ(mismatches.empty() ? "" : mismatches.front(), GetParam().mismatch);
  EXPECT_LE(mismatches.size(), 1u);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, Subset,
    testing::Values(
        SubsetCase{R"({})", R"({"a": 1})", ""},
        SubsetCase{R"({"a": {"b": "x"}})", R"({"a": {"b": "x", "c": 2}, "d": 3})", ""},
        SubsetCase{R"({"a": {"b": "x"}})", R"({"a": {"b": "y"}})", R"(a.b: expected "x", got "y")"},
        SubsetCase{R"({"a": {"z": 1}})", R"({"a": {"b": 1}})", "a.z: missing"},
        SubsetCase{R"({"a": null})", R"({"a": {}})", "a: expected null, got {}"},
        SubsetCase{R"({"m": []})", R"({"m": [{"t": 1}]})", R"(m: expected [], got [{"t": 1}])"},
        SubsetCase{R"({"m": [{"t": 1}]})", R"({"m": [{"t": 1, "c": 2}]})", ""},
        SubsetCase{R"({"m": [{"t": 2}]})", R"({"m": [{"t": 1}]})", "m[0].t: expected 2, got 1"},
        SubsetCase{R"({"n": 4273073230.7692308})", R"({"n": 4273073230.7692308})", ""},
        SubsetCase{R"({"n": 1})", R"({"n": 1.0000000000000002})",
                   "n: expected 1, got 1.0000000000000002"},
        SubsetCase{R"({"n": 1})", R"({"n": 1.0})", ""},
        SubsetCase{R"({"n": -2})", R"({"n": -2.0})", ""},
        SubsetCase{R"({"n": 1})", R"({"n": "1"})", R"(n: expected 1, got "1")"},
        SubsetCase{R"({"b": false})", R"({"b": false})", ""}));

}  // namespace
}  // namespace quillbit::scenario
