// Arbitrary bytes through the number reader, the plain text form, the standard format and calc.
// Any broken promise aborts, which the fuzzer reports with the input that did it.
#include <cfloat>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/calc.h"
#include "core/number_text.h"
#include "core/units.h"
#include "fuzz/fuzz_require.h"

namespace quillbit {
namespace {

NumberLocale SwissStyle() {
  NumberLocale l;
  l.grouping = "'";
  l.secondaryGroup = 2;
  l.leadingZero = false;
  l.negative = NegativeStyle::Parentheses;
  return l;
}

const NumberLocale kLocales[] = {NumberLocale::EnglishUS(), NumberLocale::GermanDE(),
                                 NumberLocale::FrenchFR(), SwissStyle()};

bool HasInfOrNaN(std::string_view text) {
  for (size_t i = 0; i + 3 <= text.size(); ++i) {
    char w[3];
    for (size_t k = 0; k < 3; ++k) w[k] = static_cast<char>(text[i + k] | 0x20);  // lower case
    if (std::memcmp(w, "inf", 3) == 0 || std::memcmp(w, "nan", 3) == 0) return true;
  }
  return false;
}

// The plain text of a finite double reads back as the same value to 15 significant digits.
void CheckReadBack(double x, const NumberLocale& locale) {
  const std::string text = PlainText(x, locale);
  Require(!HasInfOrNaN(text), "plain text shows inf or nan", text);
  const std::optional<double> back = ParseNumber(text, locale);
  Require(back.has_value(), "plain text does not read back", text);
  Require(PlainText(*back, locale) == text, "read-back differs in 15 digits", text);
  Require(std::fabs(*back - x) <= std::fabs(x) * 1e-14 + DBL_TRUE_MIN, "read-back is off", text);
}

void CheckConversions(std::string_view text) {
  for (const NumberLocale& locale : kLocales) {
    const std::optional<double> v = ParseNumber(text, locale);
    const double z = NumOrZero(text, locale);
    Require(!v || std::isfinite(*v), "ParseNumber gave a non-finite number");
    Require(z == v.value_or(0.0), "NumOrZero differs from ParseNumber");
    if (!v) continue;
    CheckReadBack(*v, locale);
    Require(!HasInfOrNaN(StandardNumber(*v, locale)), "standard format shows inf or nan");
  }
}

void CheckDouble(std::string_view bytes) {
  if (bytes.size() < sizeof(double)) return;
  double x = 0;
  std::memcpy(&x, bytes.data(), sizeof x);
  for (const NumberLocale& locale : kLocales) {
    Require(!HasInfOrNaN(StandardNumber(x, locale)), "standard format shows inf or nan");
    if (std::isfinite(x)) CheckReadBack(x, locale);
  }
  for (std::string_view unit : kUnitNames) {
    const double shown = FromBytes(unit, x);
    Require(std::isnan(x) || !std::isnan(shown), "FromBytes made a NaN");
    (void)ToBytes(unit, x);
  }
  if (const auto up = RoundUp(x)) Require(*up >= x && *up - x < 1.0 + 1e-9, "RoundUp is off");
}

// The calc inputs: a flags byte, then fields separated by newlines. A byte count field that
// starts with '#' carries the 8 raw bytes of a double (any bits: infinities and NaNs too);
// otherwise it is a number in the unit the flags choose, as the size boxes give it.
struct Fields {
  std::vector<std::string_view> items;
  std::string_view At(size_t i, std::string_view fallback) const {
    return i < items.size() ? items[i] : fallback;
  }
};

Fields Split(std::string_view rest) {
  Fields f;
  while (!rest.empty() && f.items.size() < 16) {
    const size_t nl = rest.find('\n');
    f.items.push_back(rest.substr(0, nl));
    rest = nl == std::string_view::npos ? std::string_view{} : rest.substr(nl + 1);
  }
  return f;
}

double ByteCount(std::string_view field, std::string_view unit, const NumberLocale& locale) {
  if (field.size() >= 1 + sizeof(double) && field[0] == '#') {
    double x = 0;
    std::memcpy(&x, field.data() + 1, sizeof x);
    return x;
  }
  return ToBytes(unit, NumOrZero(field, locale));
}

void CheckCalc(std::string_view bytes) {
  if (bytes.empty()) return;
  const auto flags = static_cast<unsigned char>(bytes[0]);
  const NumberLocale& locale = kLocales[flags & 3];
  const std::string_view unit = kUnitNames[(flags >> 5) & 3];
  const Fields f = Split(bytes.substr(1));
  static constexpr const char* kMethods[] = {kMethodSinglePass, kMethodBach, kMethodMultiPass};
  const unsigned method = (flags >> 3) & 3;

  CalcInputs in;
  in.txtFPS = f.At(0, "25");
  in.txtFrames = f.At(1, "150000");
  in.cmbCCESet = method < 3 ? std::string_view(kMethods[method]) : f.At(2, "");
  in.ntsc = (flags & 4) != 0;
  in.txtCCEMax = f.At(3, "8000");
  in.txtSampleFrame = f.At(4, "1500");
  in.txtSampleQ = f.At(5, "40");
  in.bytes_dest = ByteCount(f.At(6, "4.3"), unit, locale);
  in.bytes_cush = ByteCount(f.At(7, ""), unit, locale);
  in.bytes_aud = ByteCount(f.At(8, ""), unit, locale);
  in.bytes_sub = ByteCount(f.At(9, ""), unit, locale);
  in.bytes_sampsize = ByteCount(f.At(10, ""), unit, locale);

  const CalcResult r = calc(in, locale);
  Require(r.writeCount >= 2 && r.writeCount <= CalcResult::kMaxWrites, "write count");
  for (const CalcWrite& w : r) {
    Require(!HasInfOrNaN(w.text), "calc wrote inf or nan", w.text);
    if (w.target == CalcTarget::txtCCEMin || w.target == CalcTarget::txtCCEQ) {
      Require(ParseNumber(w.text, locale).has_value(), "a written number does not read back",
              w.text);
    }
  }
  if (r.bytes_m2v) Require(std::isfinite(*r.bytes_m2v), "bytes_m2v is not finite");
  const CalcWrite& beforeLast = r.writes[r.writeCount - 2];
  const CalcWrite& last = r.writes[r.writeCount - 1];
  if (r.failed) {
    Require(!r.refreshDisplay, "a failed run refreshes the display");
    Require(beforeLast.target == CalcTarget::txtCCEMin && beforeLast.text == "0" &&
                last.target == CalcTarget::txtM2VSize && last.text == "0",
            "the failure path does not end with the two zeros");
  } else {
    Require(r.refreshDisplay && r.bytes_m2v.has_value(), "a run that ends well sets bytes_m2v");
    for (std::string_view u : kUnitNames) {
      const std::string shown = StandardNumber(FromBytes(u, *r.bytes_m2v), locale);
      Require(!HasInfOrNaN(shown), "the display shows inf or nan", shown);
    }
  }
  const bool unreadable = !ParseNumber(in.txtFPS, locale) || !ParseNumber(in.txtFrames, locale);
  if (unreadable) {
    Require(r.failed && r.writeCount == 2, "an unreadable frame text writes more than the zeros");
  }
}

}  // namespace
}  // namespace quillbit

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view bytes(reinterpret_cast<const char*>(data), size);
  quillbit::CheckConversions(bytes);
  quillbit::CheckDouble(bytes);
  quillbit::CheckCalc(bytes);
  return 0;
}
