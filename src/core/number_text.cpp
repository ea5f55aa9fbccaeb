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

// The C-locale form of a number for from_chars. Short texts stay on the stack; writes past the
// capacity are dropped, which the caller's sizing rules out.
class AsciiText {
 public:
  explicit AsciiText(size_t capacity) : capacity_(capacity) {
    if (capacity > small_.size()) {
      big_.resize(capacity);
      data_ = big_.data();
    }
  }
  AsciiText(const AsciiText&) = delete;
  AsciiText& operator=(const AsciiText&) = delete;

  void push_back(char c) {
    if (size_ < capacity_) data_[size_++] = c;
  }
  void append(const char* first, const char* last) {
    for (; first != last; ++first) push_back(*first);
  }
  const char* begin() const { return data_; }
  const char* end() const { return data_ + size_; }
  size_t size() const { return size_; }
  char front() const { return size_ > 0 ? data_[0] : '\0'; }

 private:
  std::array<char, 64> small_;  // written before it is read
  std::string big_;
  char* data_ = small_.data();
  size_t size_ = 0;
  size_t capacity_;
};

struct Normalized {
  // Each byte of the text gives at most one byte here, except the exponent, which is rewritten
  // with at most 7 digits and a sign.
  explicit Normalized(size_t textSize) : ascii(textSize + 16) {}

  AsciiText ascii;
  long decimalExponent = 0;  // power of ten of the leading significant digit, if any
  bool allZero = true;
  size_t mantissaSize = 0;  // the ASCII text before its exponent
  long exponent = 0;        // the exponent written, clamped
};

// Most boxes hold a plain whole number: up to 15 digits with an optional sign are exact in a
// double and need none of the general machinery. False means "not of this shape".
bool ParsePlainDigits(std::string_view text, double& out) {
  size_t i = 0;
  bool negative = false;
  if (!text.empty() && (text[0] == '-' || text[0] == '+')) {
    negative = text[0] == '-';
    i = 1;
  }
  if (i == text.size() || text.size() - i > 15) return false;
  std::uint64_t value = 0;
  for (; i < text.size(); ++i) {
    if (!IsDigit(text[i])) return false;
    value = value * 10 + static_cast<std::uint64_t>(text[i] - '0');
  }
  const double d = static_cast<double>(value);
  out = negative ? -d : d;
  return true;
}

bool Normalize(std::string_view text, const NumberLocale& locale, Normalized& out) {
  size_t begin = 0;
  size_t end = text.size();
  while (begin < end && IsBlank(text[begin])) ++begin;
  while (end > begin && IsBlank(text[end - 1])) --end;
  text = text.substr(begin, end - begin);

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
  if (!seenDigit) return false;
  if (intDigits > 0) out.decimalExponent = intDigits - 1;
  out.mantissaSize = out.ascii.size();

  if (i < text.size() && (text[i] == 'e' || text[i] == 'E')) {
    ++i;
    bool negative = false;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) negative = text[i++] == '-';
    if (i >= text.size() || !IsDigit(text[i])) return false;
    long exponent = 0;
    for (; i < text.size() && IsDigit(text[i]); ++i) {
      exponent = std::min(kExponentClamp, exponent * 10 + (text[i] - '0'));
    }
    if (negative) exponent = -exponent;
    out.exponent = exponent;
    out.decimalExponent += exponent;
    out.ascii.push_back('e');
    std::array<char, 24> buf{};
    auto [ptr, ec] = std::to_chars(buf.data(), buf.data() + buf.size(), exponent);
    (void)ec;
    out.ascii.append(buf.data(), ptr);
  }
  if (i != text.size()) return false;
  return true;
}

}  // namespace

std::optional<double> ParseNumber(std::string_view text, const NumberLocale& locale) {
  if (double plain = 0; ParsePlainDigits(text, plain)) return plain;
  Normalized normalized(text.size());
  if (!Normalize(text, locale, normalized)) return std::nullopt;
  const AsciiText& s = normalized.ascii;
  double value = 0;
  auto [ptr, ec] = std::from_chars(s.begin(), s.end(), value);
  if (ec == std::errc() && ptr == s.end() && std::isfinite(value)) return value;
  if (ec != std::errc::result_out_of_range || normalized.allZero) return std::nullopt;
  if (normalized.decimalExponent < 0) {
    // Too small for even the least subnormal: the value rounds to a zero of its sign.
    return s.front() == '-' ? -0.0 : 0.0;
  }
  // Overflow. The plain text of the largest doubles rounds up past DBL_MAX at 15 digits; such
  // text is read back as DBL_MAX so that what the program writes it can always read. Whether it
  // is that close is judged on the number scaled down by 10^10, which a double holds with room
  // to spare; a wider type would do it directly, but not every compiler has one.
  if (normalized.decimalExponent > 308) return std::nullopt;
  constexpr long kScaleDigits = 10;
  AsciiText scaled(s.size() + 16);
  scaled.append(s.begin(), s.begin() + normalized.mantissaSize);
  scaled.push_back('e');
  std::array<char, 24> digits{};
  const auto written = std::to_chars(digits.data(), digits.data() + digits.size(),
                                     normalized.exponent - kScaleDigits);
  scaled.append(digits.data(), written.ptr);
  double reduced = 0;
  const auto [reducedEnd, reducedEc] = std::from_chars(scaled.begin(), scaled.end(), reduced);
  if (reducedEc != std::errc() || reducedEnd != scaled.end()) return std::nullopt;
  const double limit = DBL_MAX / std::pow(10.0, kScaleDigits) * (1.0 + 1e-14);
  if (!std::isfinite(reduced) || std::fabs(reduced) > limit) return std::nullopt;
  return reduced < 0 ? -DBL_MAX : DBL_MAX;
}

double NumOrZero(std::string_view text, const NumberLocale& locale) {
  return ParseNumber(text, locale).value_or(0.0);
}

void AppendPlainText(std::string& out, double value, const NumberLocale& locale) {
  if (!std::isfinite(value) || value == 0) {  // also folds -0 into 0
    out.push_back('0');
    return;
  }
  std::array<char, 32> buf;  // written before it is read; %.15G needs at most 22
  char* const first = buf.data();
  if (std::fabs(value) < 1e15 && value == std::trunc(value)) {
    const char* last =
        std::to_chars(first, first + buf.size(), static_cast<std::int64_t>(value)).ptr;
    out.append(first, static_cast<size_t>(last - first));
    return;
  }
  const char* last =
      std::to_chars(first, first + buf.size(), value, std::chars_format::general, 15).ptr;
  for (const char* p = first; p != last; ++p) {
    if (*p == '.') {
      out += locale.decimal;
    } else {
      out.push_back(*p == 'e' ? 'E' : *p);
    }
  }
}

std::string PlainText(double value, const NumberLocale& locale) {
  std::string out;
  AppendPlainText(out, value, locale);
  return out;
}

namespace {

// The whole part with the grouping symbol between groups: the primary group next to the decimal
// symbol, secondary groups further left (one undivided group when secondaryGroup is 0).
void AppendGrouped(std::string& out, std::string_view whole, const NumberLocale& locale) {
  const size_t n = whole.size();
  const size_t primary = locale.primaryGroup > 0 ? static_cast<size_t>(locale.primaryGroup) : 0;
  if (primary == 0 || n <= primary) {
    out += whole;
    return;
  }
  const size_t left = n - primary;
  const size_t secondary =
      locale.secondaryGroup > 0 ? static_cast<size_t>(locale.secondaryGroup) : left;
  size_t at = left % secondary == 0 ? secondary : left % secondary;
  out += whole.substr(0, at);
  for (; at < left; at += secondary) {
    out += locale.grouping;
    out += whole.substr(at, secondary);
  }
  out += locale.grouping;
  out += whole.substr(left);
}

size_t GroupCount(size_t n, const NumberLocale& locale) {
  if (locale.primaryGroup <= 0 || n <= static_cast<size_t>(locale.primaryGroup)) return 0;
  const size_t left = n - static_cast<size_t>(locale.primaryGroup);
  if (locale.secondaryGroup <= 0) return 1;
  return 1 + (left - 1) / static_cast<size_t>(locale.secondaryGroup);
}

}  // namespace

std::string StandardNumber(double value, const NumberLocale& locale) {
  if (!std::isfinite(value)) value = 0;
  const int decimals = std::clamp(locale.decimals, 0, 9);
  // DBL_MAX has 309 whole digits; with the point and 9 decimals that makes 319.
  std::array<char, 336> buf;  // written before it is read
  const char* const last = std::to_chars(buf.data(), buf.data() + buf.size(), std::fabs(value),
                                         std::chars_format::fixed, decimals)
                               .ptr;
  const std::string_view digits(buf.data(), static_cast<size_t>(last - buf.data()));
  const size_t point = digits.find('.');
  std::string_view whole = digits.substr(0, point);
  const std::string_view frac =
      point == std::string_view::npos ? std::string_view{} : digits.substr(point + 1);
  if (whole == "0" && !locale.leadingZero && decimals > 0) whole = {};
  const bool negative = value < 0 && digits.find_first_of("123456789") != std::string_view::npos;
  const std::string& sign = locale.negativeSign;

  std::string out;
  out.reserve(digits.size() + GroupCount(whole.size(), locale) * locale.grouping.size() +
              locale.decimal.size() + (negative ? sign.size() + 2 : 0));
  if (negative) {
    switch (locale.negative) {
      case NegativeStyle::Parentheses:
        out += '(';
        break;
      case NegativeStyle::LeadingSign:
        out += sign;
        break;
      case NegativeStyle::LeadingSignSpace:
        out += sign;
        out += ' ';
        break;
      case NegativeStyle::TrailingSign:
      case NegativeStyle::TrailingSignSpace:
        break;
    }
  }
  AppendGrouped(out, whole, locale);
  if (!frac.empty()) {
    out += locale.decimal;
    out += frac;
  }
  if (negative) {
    switch (locale.negative) {
      case NegativeStyle::Parentheses:
        out += ')';
        break;
      case NegativeStyle::TrailingSign:
        out += sign;
        break;
      case NegativeStyle::TrailingSignSpace:
        out += ' ';
        out += sign;
        break;
      case NegativeStyle::LeadingSign:
      case NegativeStyle::LeadingSignSpace:
        break;
    }
  }
  return out;
}

}  // namespace quillbit
