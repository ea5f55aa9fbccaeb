#include <gtest/gtest.h>

#include <limits>

#include "gui/scenario/json_value.h"
#include "gui/scenario/json_writer.h"

namespace quillbit::scenario {
namespace {

JsonValue One(std::string_view text) {
  const JsonParse parse = ParseJsonValues(text);
  EXPECT_EQ(parse.error, "");
  EXPECT_EQ(parse.values.size(), 1u);
  return parse.values.empty() ? JsonValue{} : parse.values.front();
}

TEST(JsonWriter, WritesOneLineWithBlankAfterColonsAndCommas) {
  JsonWriter json;
  json.BeginObject();
  json.Key("a").BeginArray().Integer(1).Bool(true).Null().EndArray();
  json.Key("b").BeginObject().EndObject();
  json.Key("c").String("x");
  json.EndObject();
  EXPECT_EQ(json.Text(), R"({"a": [1, true, null], "b": {}, "c": "x"})");
}

TEST(JsonWriter, NumbersKeepSeventeenSignificantDigits) {
  const auto text = [](double value) { return JsonWriter().Number(value).Text(); };
  EXPECT_EQ(text(4707319808), "4707319808");
  EXPECT_EQ(text(0.1), "0.10000000000000001");
  EXPECT_EQ(text(1000026.9312), "1000026.9312");
  EXPECT_EQ(text(-2059), "-2059");
  EXPECT_EQ(text(1e300), "1.0000000000000001e+300");
  EXPECT_EQ(text(std::numeric_limits<double>::infinity()), "null");
  EXPECT_EQ(text(std::numeric_limits<double>::quiet_NaN()), "null");
}

TEST(JsonWriter, EscapesQuotesBackslashesAndControlCharacters) {
  EXPECT_EQ(JsonString("Note: \"Single Pass VBR\""), R"("Note: \"Single Pass VBR\"")");
  EXPECT_EQ(JsonString("a\\b\r\n\t"), R"("a\\b\r\n\t")");
  EXPECT_EQ(JsonString(std::string("ch\0", 3)), R"("ch\u0000")");
  EXPECT_EQ(JsonString("\x1f\x7f"), R"("\u001f\u007f")");
  EXPECT_EQ(JsonString("\xE2\x80\xAF"), "\"\xE2\x80\xAF\"");
}

TEST(JsonValue, ReadsWhatTheWriterWrites) {
  const std::string text =
      R"({"t": "a\"b\\c\u0000\u00e9\ud83d\ude00", "n": -1.5e3, "l": [true, false, null], "o": {}})";
  const JsonValue value = One(text);
  ASSERT_EQ(value.type, JsonValue::Type::Object);
  EXPECT_EQ(value.Member("t")->string, std::string("a\"b\\c\0\xC3\xA9\xF0\x9F\x98\x80", 12));
  EXPECT_EQ(value.Member("n")->number, -1500);
  EXPECT_EQ(value.Member("l")->array.size(), 3u);
  EXPECT_EQ(ToJson(value),
            "{\"t\": \"a\\\"b\\\\c\\u0000\xC3\xA9\xF0\x9F\x98\x80\", \"n\": -1500, \"l\": [true, "
            "false, null], \"o\": {}}");
}

TEST(JsonValue, ReadsValuesOneAfterAnother) {
  const JsonParse parse = ParseJsonValues("{\"a\": 1}\n\n[2]\n  3 ");
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

TEST(JsonValue, EveryDifferenceIsReported) {
  EXPECT_EQ(SubsetMismatches(One(R"({"a": 1, "b": {"c": true}, "d": 0})"),
                             One(R"({"a": 2, "b": {"c": false}})")),
            (std::vector<std::string>{"a: expected 1, got 2", "b.c: expected true, got false",
                                      "d: missing"}));
}

TEST(JsonValue, DeepNestingIsRefusedWithoutCrashing) {
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
        SubsetCase{R"({"n": 1})", R"({"n": "1"})", R"(n: expected 1, got "1")"},
        SubsetCase{R"({"b": false})", R"({"b": false})", ""}));

}  // namespace
}  // namespace quillbit::scenario
