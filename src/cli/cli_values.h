#pragma once

#include <optional>
#include <string_view>

#include "core/number_locale.h"

namespace quillbit {

// Numbers on the command line and in its output: "." as the decimal symbol whatever the
// machine's locale, and no grouping, so that scripts can read and write them.
NumberLocale CliLocale();

// A finite number such as 8000, -2.5 or 1E3.
std::optional<double> ParseCliNumber(std::string_view text);

// A whole number of 0 or more, such as a frame count.
std::optional<double> ParseWholeCount(std::string_view text);

// A byte count of 0 or more: a number with an optional unit (Bytes, KB, MB, GB, 1024-based, in
// any case), such as 448000KB, 1.5GB or 1610612736.
std::optional<double> ParseSize(std::string_view text);

// A size, or the name of a recordable DVD: dvd-r, dvd+r, dvd-r-dl, dvd+r-dl.
std::optional<double> ParseDestination(std::string_view text);

// One of the four unit names in any case, given back as the window spells it.
std::optional<std::string_view> ParseUnit(std::string_view text);

// single-pass, bach or multi-pass, or the window's list text; given back as the list text.
std::optional<std::string_view> ParseMethod(std::string_view text);

// ntsc or pal, in any case: true for PAL.
std::optional<bool> ParsePal(std::string_view text);

}  // namespace quillbit
