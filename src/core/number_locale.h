#pragma once

#include <string>

namespace quillbit {

// How a negative number is written by the standard number format (the Windows NEGNUMBER styles).
enum class NegativeStyle {
  Parentheses,       // (1.1)
  LeadingSign,       // -1.1
  LeadingSignSpace,  // - 1.1
  TrailingSign,      // 1.1-
  TrailingSignSpace  // 1.1 -
};

// The user's number conventions. The front-end fills one at start-up; core never asks the system.
// Symbols are UTF-8 and may be several bytes long (U+202F NARROW NO-BREAK SPACE, for example).
struct NumberLocale {
  std::string decimal = ".";
  std::string grouping = ",";
  std::string negativeSign = "-";
  int primaryGroup = 3;     // digits in the group next to the decimal symbol; 0 turns grouping off
  int secondaryGroup = 3;   // digits in every further group (2 for the Indian style)
  int decimals = 2;         // digits after the decimal symbol in the standard format
  bool leadingZero = true;  // 0.5 rather than .5
  NegativeStyle negative = NegativeStyle::LeadingSign;

  // Fixed conventions of three common locales, for tests and tools that must not depend on the
  // machine: point and comma, comma and point, comma and U+202F.
  static NumberLocale EnglishUS() { return {}; }
  static NumberLocale GermanDE() { return {.decimal = ",", .grouping = "."}; }
  static NumberLocale FrenchFR() { return {.decimal = ",", .grouping = "\xE2\x80\xAF"}; }
};

}  // namespace quillbit
