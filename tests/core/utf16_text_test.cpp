#include "core/utf16_text.h"

#include <gtest/gtest.h>

#include <string>

namespace quillbit {
namespace {

// A character beyond the basic plane takes two units where wide text is UTF-16 (Windows).
std::wstring Clef() {
  if constexpr (sizeof(wchar_t) == 2) {
    return {static_cast<wchar_t>(0xD834), static_cast<wchar_t>(0xDD1E)};
  } else {
    return {static_cast<wchar_t>(0x1D11E)};
  }
}

TEST(Utf16Text, EveryPlaneSurvivesTheRoundTrip) {
  const std::string text = "Frames \xC3\xA9\xE2\x82\xAC\xF0\x9D\x84\x9E" + std::string("\0x", 2);
  const std::wstring wide = WideText(text);
  EXPECT_EQ(wide, std::wstring(L"Frames \u00E9\u20AC") + Clef() + std::wstring(L"\0x", 2));
  EXPECT_EQ(Utf8Text(wide), text);
}

struct BrokenUtf8 {
  std::string bytes;
  std::wstring wide;
};

class MalformedUtf8 : public testing::TestWithParam<BrokenUtf8> {};

TEST_P(MalformedUtf8, BecomesReplacementCharacters) {
  EXPECT_EQ(WideText(GetParam().bytes), GetParam().wide);
}

INSTANTIATE_TEST_SUITE_P(
    Utf16Text, MalformedUtf8,
    testing::Values(BrokenUtf8{"a\xFF"
                               "b",
                               L"a\uFFFDb"},                  // never a lead byte
                    BrokenUtf8{"\xC3", L"\uFFFD"},            // cut short
                    BrokenUtf8{"\xE2\x82z", L"\uFFFDz"},      // a lead without its tail
                    BrokenUtf8{"\xC0\xAF", L"\uFFFD\uFFFD"},  // overlong
                    BrokenUtf8{"\xED\xA0\x80", L"\uFFFD"}));  // an encoded surrogate

TEST(Utf16Text, LoneSurrogateBecomesReplacementCharacter) {
  const std::wstring wide{L'a', static_cast<wchar_t>(0xDC00), L'b'};
  EXPECT_EQ(Utf8Text(wide),
            "a\xEF\xBF\xBD"
            "b");
}

}  // namespace
}  // namespace quillbit
