#pragma once

#include <cstdint>
#include <optional>
#include <string_view>

namespace quillbit {

// The four size units, matched exactly and case-sensitively; anything else is unrecognised.
inline constexpr std::string_view kUnitNames[] = {"Bytes", "KB", "MB", "GB"};

// Bytes per unit, or 0 for an unrecognised unit text.
double UnitFactor(std::string_view unit);

// A number in a unit to bytes; 0 for an unrecognised unit. No rounding, no range check.
double ToBytes(std::string_view unit, double number);

// Bytes to a number in a unit, rounded half to even: whole bytes, or 4 decimals of KB, MB, GB.
double FromBytes(std::string_view unit, double bytes);

// Rounds half to even to a number of decimal places. Values too large to carry that many
// decimals come back unchanged.
double RoundHalfEven(double value, int decimals);

// The smallest whole number not below x (floor(x + 1) for a fraction), as a 16-bit integer;
// nullopt is the overflow error for results outside -32768..32767.
std::optional<std::int16_t> RoundUp(double x);

}  // namespace quillbit
