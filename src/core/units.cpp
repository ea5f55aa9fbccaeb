#include "core/units.h"

#include <cmath>
#include <iterator>

namespace quillbit {

double UnitFactor(std::string_view unit) {
  if (unit == "Bytes") return 1;
  if (unit == "KB") return 1024;
  if (unit == "MB") return 1048576;
  if (unit == "GB") return 1073741824;
  return 0;
}

double ToBytes(std::string_view unit, double number) {
  const double factor = UnitFactor(unit);
  if (factor == 0) return 0;
  return factor == 1 ? number : number * factor;
}

double FromBytes(std::string_view unit, double bytes) {
  const double factor = UnitFactor(unit);
  if (factor == 0) return 0;
  if (factor == 1) return RoundHalfEven(bytes, 0);
  return RoundHalfEven(bytes / factor, 4);
}

double RoundHalfEven(double value, int decimals) {
  // Powers of ten up to 1E22 are exact doubles.
  static constexpr double kScale[] = {1,    1e1,  1e2,  1e3,  1e4,  1e5,  1e6,  1e7,
                                      1e8,  1e9,  1e10, 1e11, 1e12, 1e13, 1e14, 1e15,
                                      1e16, 1e17, 1e18, 1e19, 1e20, 1e21, 1e22};
  constexpr int kMaxDecimals = static_cast<int>(std::size(kScale)) - 1;
  if (decimals <= 0) return std::nearbyint(value);  // the default rounding mode ties to even
  const double scale = decimals <= kMaxDecimals ? kScale[decimals] : std::pow(10.0, decimals);
  const double scaled = value * scale;
  // Past 2^52 a double has no fraction left to round.
  if (!std::isfinite(scaled) || std::fabs(scaled) >= 4503599627370496.0) return value;
  return std::nearbyint(scaled) / scale;
}

std::optional<std::int16_t> RoundUp(double x) {
  const double up = x == std::floor(x) ? x : std::floor(x + 1);
  if (!(up >= -32768.0 && up <= 32767.0)) return std::nullopt;  // NaN lands here too
  return static_cast<std::int16_t>(up);
}

}  // namespace quillbit
