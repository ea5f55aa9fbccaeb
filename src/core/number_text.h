#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "core/number_locale.h"

namespace quillbit {

// Strict locale-aware text to number: blanks around, an optional sign, the user's decimal and
// grouping symbols and an optional exponent. Empty, partial, non-finite or out-of-range text fails.
std::optional<double> ParseNumber(std::string_view text, const NumberLocale& locale);

// ParseNumber with every failure turned into 0.
double NumOrZero(std::string_view text, const NumberLocale& locale);

// The plain text form: up to 15 significant digits, no grouping, no trailing zeros, the user's
// decimal symbol, exponent notation from 1E+15 up (and below 1E-04, as %G does).
std::string PlainText(double value, const NumberLocale& locale);

// PlainText appended to out, for texts built of several numbers.
void AppendPlainText(std::string& out, double value, const NumberLocale& locale);

// The user's standard number format: fixed decimals, digit grouping, leading zero, negative style.
std::string StandardNumber(double value, const NumberLocale& locale);

}  // namespace quillbit
