#include "core/number_text.h"

#include <algorithm>
#include <array>
#include <cfloat>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <system_error>

namespace quillbit {
namespace {

bool IsBlank(char c) {
  return c == ' ' || c == '\t';
}
bool IsDigit(char c) {
  return c >= '0' && c <= '9';
}

bool StartsWith(std::string_view text, size_t at, std::string_view what) {
  return !what.empty() && text.substr(at, what.size()) == what;
}

// The exponent is clamped: anything this far out is an overflow or an underflow either way.
constexpr long kExponentClamp = 100000;

struct Normalized {
  std::string ascii;         // C-locale form for from_chars
  long decimalExponent = 0;  // power of ten of the leading significant digit, if any
  bool allZero = true;
};

std::optional<Normalized> Normalize(std::string_view text, const NumberLocale& locale) {
  size_t begin = 0;
  size_t end = text.size();
  while (begin < end && IsBlank(text[begin])) ++begin;
  while (end > begin && IsBlank(text[end - 1])) --end;
  text = text.substr(begin, end - begin);

  Normalized out;
  out.ascii.reserve(text.size() + 8);
  size_t i = 0;
  if (i < text.size() && (text[i] == '+' || text[i] == '-')) {
    if (text[i] == '-') out.ascii.push_back('-');
    ++i;
  }
  long intDigits = 0;    // significant digits before the decimal symbol
  long leadingFrac = 0;  // zeros after the decimal symbol before the first significant digit
  bool seenDigit = false;
  bool seenPoint = false;
  while (i < text.size()) {
    const char c = text[i];
    if (IsDigit(c)) {
      out.ascii.push_back(c);
      if (c != '0') {
        if (out.allZero && seenPoint) out.decimalExponent = -(leadingFrac + 1);
        out.allZero = false;
      }
      if (!seenPoint && !out.allZero) ++intDigits;
      if (seenPoint && out.allZero) ++leadingFrac;
      seenDigit = true;
      ++i;
    } else if (!seenPoint && StartsWith(text, i, locale.decimal)) {
      out.ascii.push_back('.');
      seenPoint = true;
      i += locale.decimal.size();
    } else if (!seenPoint && seenDigit && StartsWith(text, i, locale.grouping)) {
      i += locale.grouping.size();  // grouping is accepted anywhere in the whole part, as VB does
    } else {
      break;
    }
  }
  if (!seenDigit) return std::nullopt;
  if (intDigits > 0) out.decimalExponent = intDigits - 1;

  if (i < text.size() && (text[i] == 'e' || text[i] == 'E')) {
    ++i;
    bool negative = false;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) negative = text[i++] == '-';
    if (i >= text.size() || !IsDigit(text[i])) return std::nullopt;
    long exponent = 0;
    for (; i < text.size() && IsDigit(text[i]); ++i) {
      exponent = std::min(kExponentClamp, exponent * 10 + (text[i] - '0'));
    }
    if (negative) exponent = -exponent;
    out.decimalExponent += exponent;
    out.ascii.push_back('e');
    std::array<char, 24> buf{};
    auto [ptr, ec] = std::to_chars(buf.data(), buf.data() + buf.size(), exponent);
    (void)ec;
    out.ascii.append(buf.data(), ptr);
  }
  if (i != text.size()) return std::nullopt;
  return out;
}

}  // namespace

std::optional<double> ParseNumber(std::string_view text, const NumberLocale& locale) {
  const auto normalized = Normalize(text, locale);
  if (!normalized) return std::nullopt;
  const std::string& s = normalized->ascii;
  double value = 0;
  auto [ptr, ec] = std::from_chars(s.data(), s.data() + s.size(), value);
  if (ec == std::errc() && ptr == s.data() + s.size() && std::isfinite(value)) return value;
  if (ec != std::errc::result_out_of_range || normalized->allZero) return std::nullopt;
  if (normalized->decimalExponent < 0) {
    // Too small for even the least subnormal: the value rounds to a zero of its sign.
    return s.front() == '-' ? -0.0 : 0.0;
  }
  // Overflow. The plain text of the largest doubles rounds up past DBL_MAX at 15 digits; such
  // text is read back as DBL_MAX so that what the program writes it can always read. The wider
  // reading goes through from_chars too, which, unlike strtold, ignores the C locale.
  if (normalized->decimalExponent > 308) return std::nullopt;
  long double wide = 0;
  const auto [wideEnd, wideEc] = std::from_chars(s.data(), s.data() + s.size(), wide);
  if (wideEc != std::errc() || wideEnd != s.data() + s.size()) return std::nullopt;
  const long double limit = static_cast<long double>(DBL_MAX) * (1.0L + 1e-14L);
  if (!std::isfinite(wide) || std::fabs(wide) > limit) return std::nullopt;
  return wide < 0 ? -DBL_MAX : DBL_MAX;
}

double NumOrZero(std::string_view text, const NumberLocale& locale) {
  return ParseNumber(text, locale).value_or(0.0);
}

std::string PlainText(double value, const NumberLocale& locale) {
  if (!std::isfinite(value) || value == 0) return "0";  // also folds -0 into 0
  std::array<char, 64> buf{};
  char* const first = buf.data();
  char* last = nullptr;
  if (std::fabs(value) < 1e15 && value == std::trunc(value)) {
    last = std::to_chars(first, first + buf.size(), static_cast<std::int64_t>(value)).ptr;
    return std::string(first, last);
  }
  last = std::to_chars(first, first + buf.size(), value, std::chars_format::general, 15).ptr;
  std::string out;
  out.reserve(static_cast<size_t>(last - first) + locale.decimal.size());
  for (const char* p = first; p != last; ++p) {
    if (*p == '.') {
      out += locale.decimal;
    } else {
      out.push_back(*p == 'e' ? 'E' : *p);
    }
  }
  return out;
}

std::string StandardNumber(double value, const NumberLocale& locale) {
  if (!std::isfinite(value)) value = 0;
  const int decimals = std::clamp(locale.decimals, 0, 9);
  std::array<char, 400> buf{};
  auto [last, ec] = std::to_chars(buf.data(), buf.data() + buf.size(), std::fabs(value),
                                  std::chars_format::fixed, decimals);
  (void)ec;
  const std::string_view digits(buf.data(), static_cast<size_t>(last - buf.data()));
  const size_t point = digits.find('.');
  std::string_view whole = digits.substr(0, point);
  const std::string_view frac =
      point == std::string_view::npos ? std::string_view{} : digits.substr(point + 1);

  std::string number;
  if (whole == "0" && !locale.leadingZero && decimals > 0) whole = {};
  // Group from the right: the primary group first, then secondary groups.
  const size_t n = whole.size();
  int group = locale.primaryGroup;
  size_t nextBreak = group > 0 ? static_cast<size_t>(group) : n;
  std::string reversed;
  for (size_t k = 0; k < n; ++k) {
    if (k == nextBreak && k < n) {
      for (auto it = locale.grouping.rbegin(); it != locale.grouping.rend(); ++it) {
        reversed.push_back(*it);
      }
      group = locale.secondaryGroup > 0 ? locale.secondaryGroup : static_cast<int>(n);
      nextBreak += static_cast<size_t>(group);
    }
    reversed.push_back(whole[n - 1 - k]);
  }
  number.assign(reversed.rbegin(), reversed.rend());
  if (!frac.empty()) {
    number += locale.decimal;
    number += frac;
  }

  const bool negative = value < 0 && digits.find_first_of("123456789") != std::string_view::npos;
  if (!negative) return number;
  const std::string& sign = locale.negativeSign;
  switch (locale.negative) {
    case NegativeStyle::Parentheses:
      return "(" + number + ")";
    case NegativeStyle::LeadingSign:
      return sign + number;
    case NegativeStyle::LeadingSignSpace:
      return sign + " " + number;
    case NegativeStyle::TrailingSign:
      return number + sign;
    case NegativeStyle::TrailingSignSpace:
      return number + " " + sign;
  }
  return sign + number;
}

}  // namespace quillbit
